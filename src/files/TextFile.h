#pragma once
// Writing whole text files. Every file the program writes is 8-bit text with CR LF after every
// line, created anew or replaced whole in one rename.

#include <string>
#include <string_view>

#include "files/FileError.h"

namespace fenra {

constexpr const char* kLineEnd = "\r\n";

// Appends the line and its CR LF.
void AppendLine(std::string& out, std::string_view line);

// Creates or replaces the file at path with exactly these bytes. On failure returns false and,
// if error is given, the step that failed, the path it concerned and the errno.
bool WriteTextFile(const std::string& path, const std::string& bytes, FileError* error);

}  // namespace fenra
