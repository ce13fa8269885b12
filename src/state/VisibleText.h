#pragma once
// User text quoted in a message, with its invisible characters made visible.

#include <string>
#include <string_view>

namespace fenra {

// A tab as \t, other control bytes as \xNN ("\x00"); every other byte as it is.
std::string VisibleText(std::string_view text);

}  // namespace fenra
