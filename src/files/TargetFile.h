#pragma once
// The target file (.fta): the inputs of every data set in use, one zone-layout line each,
// under a three-line header. Written and read with CR LF line ends, "." as decimal point.

#include <string>
#include <string_view>
#include <vector>

#include "state/WorkingState.h"

namespace fenra {

constexpr const char* kInvalidElementMessage = "Invalid element !!";
constexpr const char* kTargetEmptyMessage = "Target is empty.";
constexpr const char* kNoDataLineMessage =
    "The file holds no data line: the data sets are unchanged.";

// The text SaveTarget writes: header lines, then a data line per data set 1..DataSetCount.
std::string TargetFileText(const WorkingState& s);

// Writes the target file; false (and nothing else changed) when it cannot be written.
bool SaveTarget(const WorkingState& s, const std::string& path, std::string* error = nullptr);

enum class OpenTargetStatus {
    Read,            // every data line was read
    InvalidElement,  // reading stopped at a symbol of bad length ("Invalid element !!")
    NoDataLine,      // the file holds no data line: the working state is unchanged
    CannotOpen,      // the file could not be opened or read: the working state is unchanged
    NotText,         // not a plain text target file (UTF-16, binary, an overlong line): unchanged
};

struct OpenTargetResult {
    OpenTargetStatus status = OpenTargetStatus::Read;
    int badLine = 0;                   // file line number of the invalid element, if any
    std::string badSymbol;             // the symbol refused there, invisible characters escaped
    std::vector<std::string> notices;  // what was kept back: lines past 100, elements past 10
    // Number fields read otherwise than written ("line 4: the energy "1,000" is not wholly a
    // number; it was read as 1."), in the order of the file.
    std::vector<std::string> warnings;
    std::string error;  // CannotOpen, NotText: the path and the reason
};

// "Invalid element !!" with the line and the symbol where reading stopped.
std::string InvalidElementText(const OpenTargetResult& r);

// Reads a target file into the working state: the data sets of the file replace all data
// sets, CurrentDataSet is the last data set read. On InvalidElement the data sets read before
// stay, and the offending one stays counted and current with the fields stored before the bad
// symbol. At most 100 data sets and 10 elements per data set are kept; the notices say so, and
// the file is not read past the data lines kept. Lines are read one at a time, so memory stays
// bounded whatever the file; a UTF-8 byte-order mark is skipped, a tab is a blank.
OpenTargetResult OpenTarget(WorkingState& s, const std::string& path);

// The same from the file's bytes (the fuzzing entry); NotText errors name no path.
OpenTargetResult OpenTargetFromText(WorkingState& s, std::string_view bytes);

// The reader behind both, on lines from any source.
class LineReader;
OpenTargetResult ReadTargetLines(WorkingState& s, LineReader& lines);

}  // namespace fenra
