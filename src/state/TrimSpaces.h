#pragma once
// Element symbols and the fields of target-file lines are compared without the spaces around
// them. Only the space is trimmed: a tab is an ordinary character there.

#include <string_view>

namespace fenra {

inline std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace fenra
