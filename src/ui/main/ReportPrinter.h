#pragma once
// The printed result report on a Qt printer: Arial 10 pt, left margin 7/100 of the page width,
// top margin 5/100 of the page height, the fields of a row at character columns counted from
// the left edge of the printable area. Rows that do not fit on a page continue on the next,
// under the heading lines repeated, so no row is lost.

#include <string>
#include <vector>

#include "files/ResultReport.h"

class QPrinter;

namespace fenra {

// One text as it was put on paper: its page (from 1), the print position it started at (the
// top of its line) in the printer's drawing units, and the text.
struct PlacedText {
    int page = 0;
    int x = 0;
    int y = 0;
    std::string text;
};

struct PrintLayout {
    int pages = 0;
    // rowPages[k] is the page (from 1) on which row k + 1 (data set k + 1) was printed.
    std::vector<int> rowPages;
    std::vector<PlacedText> placed;  // every text in the order it was printed
};

// Prints lines (the heading lines first, headingLines of them) as one print job.
// A printer that cannot be started prints nothing and gives pages 0.
PrintLayout PrintReport(QPrinter& printer, const std::vector<fenra::PrintedLine>& lines,
                        int headingLines);

}  // namespace fenra
