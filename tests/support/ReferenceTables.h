#pragma once
// The published and recorded tables the tests compare with, read one way: the NIST PSTAR and
// ASTAR tables of data/reference (CSV, one header line) and the reference cases of
// tests/data/examples (reference.fta, reference.values).

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fenra::test {

using TableRow = std::vector<std::string>;

// The lines of a text file with a CR before the line feed dropped; none for a missing file.
inline std::vector<std::string> TextLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The cells of each row of data/reference/`name` (a CSV without quoting), after its header.
inline std::vector<TableRow> ReferenceCsv(const std::string& name) {
    const std::vector<std::string> lines =
        TextLines(std::string(FENRA_SOURCE_DIR) + "/data/reference/" + name);
    std::vector<TableRow> rows;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        std::stringstream ss(lines[k]);
        TableRow cells;
        for (std::string cell; std::getline(ss, cell, ',');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// The data lines of tests/data/examples/reference.fta: comment lines (an apostrophe first) and
// empty lines left out.
inline std::vector<std::string> ReferenceTargetLines() {
    std::vector<std::string> lines;
    for (const std::string& line : TextLines(std::string(FENRA_EXAMPLES_DIR) + "/reference.fta"))
        if (!line.empty() && line[0] != '\'') lines.push_back(line);
    return lines;
}

// The lines of tests/data/examples/reference.values: a header, then one line per data set.
inline std::vector<std::string> ReferenceValueLines() {
    return TextLines(std::string(FENRA_EXAMPLES_DIR) + "/reference.values");
}

}  // namespace fenra::test
