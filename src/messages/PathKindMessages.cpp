#include "messages/PathKindMessages.h"

#define TR(text) FENRA_TRANSLATE_NOOP("fenra::Messages", text)

namespace fenra {

Message PathKindName(PathKind kind) {
    switch (kind) {
        case PathKind::Regular:
            return {};
        case PathKind::Folder:
            return Sentence(TR("a folder"));
        case PathKind::Fifo:
            return Sentence(TR("a FIFO"));
        case PathKind::Device:
            return Sentence(TR("a device"));
        case PathKind::Socket:
            return Sentence(TR("a socket"));
        case PathKind::Other:
            break;
    }
    return Sentence(TR("not a regular file"));
}

}  // namespace fenra
