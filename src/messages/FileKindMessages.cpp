#include "messages/FileKindMessages.h"

#define TR(text) FENRA_TRANSLATE_NOOP("fenra::Messages", text)

namespace fenra {

Message FileKindName(FileKind kind) {
    switch (kind) {
        case FileKind::Regular:
            return {};
        case FileKind::Folder:
            return Sentence(TR("a folder"));
        case FileKind::Fifo:
            return Sentence(TR("a FIFO"));
        case FileKind::Device:
            return Sentence(TR("a device"));
        case FileKind::Socket:
            return Sentence(TR("a socket"));
        case FileKind::Other:
            break;
    }
    return Sentence(TR("not a regular file"));
}

}  // namespace fenra
