#pragma once
// The target file (.fta): the inputs of every data set in use, one zone-layout line each,
// under a three-line header. Written and read with CR LF line ends, "." as decimal point.

#include <string>
#include <string_view>
#include <vector>

#include "files/FileError.h"
#include "state/WorkingState.h"

namespace fenra {

// The text SaveTarget writes: header lines, then a data line per data set 1..DataSetCount.
std::string TargetFileText(const WorkingState& s);

// Writes the target file; false (and nothing else changed) when it cannot be written.
bool SaveTarget(const WorkingState& s, const std::string& path, FileError* error = nullptr);

enum class OpenTargetStatus {
    Read,            // every data line was read
    InvalidElement,  // reading stopped at a symbol of bad length
    NoDataLine,      // the file holds no data line: the working state is unchanged
    CannotOpen,      // the file could not be opened or read: the working state is unchanged
    NotText,         // not a plain text target file (UTF-16, binary, an overlong line): unchanged
};

enum class TargetNoticeKind {
    DataSetsKeptBack,  // the file holds more than kMaxDataSets data sets
    ElementsKeptBack,  // data set `dataSet` names more than kMaxTargetSlots elements
    NotWhollyNumber,   // a number field holds more than a number
    BeyondSingle,      // a number field holds a number a Single cannot hold
};

// The number field a notice is about.
enum class TargetField { Mass, Energy, Range, Ratio };

// Something the reader did otherwise than the file says: what it kept back, or a number field
// it read otherwise than written.
struct TargetNotice {
    TargetNoticeKind kind = TargetNoticeKind::DataSetsKeptBack;
    int dataSet = 0;                        // ElementsKeptBack
    long long line = 0;                     // number fields: the file line, from 1
    TargetField field = TargetField::Mass;  // number fields
    std::string symbol;                     // Ratio: the element whose ratio it is
    std::string text;                       // number fields: the field as written, escaped
    float value = 0;                        // number fields: what it was read as
};

struct OpenTargetResult {
    OpenTargetStatus status = OpenTargetStatus::Read;
    int badLine = 0;                    // file line number of the invalid element, if any
    std::string badSymbol;              // the symbol refused there, invisible characters escaped
    std::vector<TargetNotice> notices;  // what was kept back: lines past 100, elements past 10
    // Number fields read otherwise than written, in the order of the file.
    std::vector<TargetNotice> warnings;
    FileError error;  // CannotOpen, NotText: the step, the path and the reason
};

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
