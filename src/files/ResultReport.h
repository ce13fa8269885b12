#pragma once
// The result report: as a file (.Fre) and as the layout of the printed report.

#include <string>
#include <vector>

#include "files/FileError.h"
#include "state/WorkingState.h"

namespace fenra {

// True when data set 1 has a result: the report commands test only that.
bool HasResults(const WorkingState& s);

// Four heading lines and a zone-layout row per data set 1..DataSetCount, CR LF after each line.
std::string ResultReportText(const WorkingState& s);

bool SaveResult(const WorkingState& s, const std::string& path, FileError* error = nullptr);

// The printed report. Each line is placed at the left margin; a line then places its fields at
// character columns counted from the left edge of the printable area (column 1 at the edge).
// The headings are fields at the columns of the values under them. A line of "*" only is a
// rule, drawn across the width of the table.
struct PrintedField {
    int column = 1;
    std::string text;
};
struct PrintedLine {
    std::string text;                  // printed at the left margin ("" for the empty line)
    std::vector<PrintedField> fields;  // then each field at its column
};

// The four heading lines, the empty line, then one row per data set.
std::vector<PrintedLine> PrintedReportLines(const WorkingState& s);

// How many of the lines above are headings to repeat at the top of a continuation page.
constexpr int kPrintedHeadingLines = 5;

}  // namespace fenra
