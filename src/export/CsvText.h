#pragma once
// The pieces of the comma- and tab-separated texts the program exports: one header row, '.' as
// decimal point whatever the locale, UTF-8, CR LF after every line of a file.

#include <string>
#include <string_view>
#include <vector>

namespace fenra {

// Valid UTF-8 unchanged; any other text read as Latin-1 (the 8-bit files of the program) and
// written as UTF-8.
std::string AsUtf8(std::string_view text);

// A CSV field: in UTF-8, in double quotes (inner quotes doubled) when it holds a comma, a
// quote or a line break.
std::string CsvField(std::string_view text);

// One CSV line of already formed fields, with its CR LF.
void AppendCsvLine(std::string& out, const std::vector<std::string>& fields);

// A field of a tab-separated line: in UTF-8, tabs and line breaks turned into blanks, so that
// a spreadsheet keeps it in its column.
std::string TabField(std::string_view text);

// Nine significant digits, or nothing for a value that is not known.
std::string NumberOrEmpty(double v, bool known);

}  // namespace fenra
