#include "state/VisibleText.h"

#include <cstdio>

namespace fenra {

std::string VisibleText(std::string_view text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace fenra
