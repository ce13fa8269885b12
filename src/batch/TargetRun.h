#pragma once
// The steps fenra32-calc takes on a target file, shared with every other caller that must give
// the same numbers and the same messages (the Python module): read the file, then show and
// calculate each data set as the Calculate command does.

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculateDataSet.h"
#include "elements/ElementDatabase.h"
#include "state/WorkingState.h"

namespace fenra {

// What kind of fault a message reports, so that a caller can choose how to raise it.
enum class RunFault {
    Unreadable,   // the file cannot be opened or read
    BadInput,     // a value of the file or data set cannot be used
    UnknownName,  // an ion or element symbol the element database does not know
};

struct RunMessage {
    RunFault fault = RunFault::BadInput;
    std::string text;
};

// Reads the target file into s. Every message the reading gives (data sets or elements kept
// back, an invalid element, no data line, an unreadable file) is appended to *messages, naming
// the file. Returns false when nothing of the file can be calculated; on true the data sets
// read stay in s, even those before an invalid element. Every number read otherwise than
// written (a field that is not wholly a number, or out of range) is appended to *warnings when
// given, naming the file, the line, the field and what it was read as.
bool ReadTargetForRun(WorkingState& s, const std::string& path, std::vector<RunMessage>* messages,
                      std::vector<std::string>* warnings = nullptr);

// Shows data set i (1..100) and calculates it, as the Calculate command does for each data set:
// inputs that mean nothing are refused and a data set not calculated loses its former results.
// Returns the message "Data set i: ..." when it could not be calculated, including a
// one-element target of ratio 0, which the window passes over in silence but which then holds
// no result of this run.
std::optional<RunMessage> CalculateShownDataSet(WorkingState& s, const ElementDatabase& db, int i);

// The message of data set i's calculation outcome r, as CalculateShownDataSet gives it.
std::optional<RunMessage> CalculationMessage(int i, const CalcResult& r);

}  // namespace fenra
