#pragma once
// fenra32-calc: the calculations of the main window from the command line, on a target file.
//
//   fenra32-calc [--db PATH] report FILE.fta [-o OUT]          the result report
//   fenra32-calc [--db PATH] curve KIND N FILE.fta [-o OUT]    the curve data file of data set N
//   fenra32-calc [--db PATH] values FILE.fta [-o OUT]          the four results, 9 digits
//
// Every data set is shown (as the window shows it) before it is calculated, so the numbers are
// those the window gives.

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace fenra {

// Exit statuses.
constexpr int kBatchOk = 0;
constexpr int kBatchFailed = 1;         // an input could not be read or a data set not calculated
constexpr int kBatchUsageError = 2;     // the command line is wrong
constexpr int kBatchInternalError = 2;  // an unexpected fault (out of memory, ...) stopped the run

// Runs the calculator on the arguments after the program name; output goes to out (or to the
// -o file), messages to err. Returns the exit status.
int RunBatchCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Flushes and closes the C standard output the results went to (out: stdout) and reports a
// failure on err: a run whose output did not arrive whole ends with at least kBatchFailed.
int FinishStandardOutput(int status, std::FILE* out, std::ostream& err);

}  // namespace fenra
