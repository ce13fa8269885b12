#include "batch/Messages.h"

#include <cstring>

#include "files/LineReader.h"
#include "state/NumberText.h"
#include "state/TrimSpaces.h"
#include "state/VisibleText.h"
#include "state/WorkingState.h"

namespace fenra {

namespace {

// Some failures leave errno at 0: a reason of "Success" would mislead, so each step has its own.
const char* FallbackReason(FileAction action) {
    switch (action) {
        case FileAction::ReadLink:
            return "unreadable link";
        case FileAction::OpenToWrite:
            return "cannot open";
        case FileAction::CreateTemporary:
            return "cannot create";
        case FileAction::Replace:
            return "rename failed";
        case FileAction::OpenToRead:
        case FileAction::Read:
            return "read error";
        case FileAction::None:
        case FileAction::Write:
            break;
    }
    return "write error";
}

std::string SystemReason(const FileError& e) {
    return e.err != 0 ? std::strerror(e.err) : FallbackReason(e.action);
}

// The reader's refusals of a file that is no plain text: the path, when there is one, first.
std::string NotTextReason(const FileError& e) {
    const std::string where = e.path.empty() ? std::string() : e.path + ": ";
    if (e.fault == FileFault::Utf16Text)
        return where + "the file is not a plain text target file: it holds UTF-16 text.";
    if (e.fault == FileFault::ControlCharacters)
        return where + "the file is not a plain text target file: line " + std::to_string(e.line) +
               " holds NUL bytes or other control characters (UTF-16 text or binary data).";
    return where + "line " + std::to_string(e.line) + " is longer than " +
           std::to_string(kMaxLineBytes) + " characters: this is not a target file.";
}

const char* FieldName(TargetField field) {
    switch (field) {
        case TargetField::Mass:
            return "mass";
        case TargetField::Energy:
            return "energy";
        case TargetField::Range:
            return "range";
        case TargetField::Ratio:
            break;
    }
    return "ratio of ";
}

}  // namespace

std::string DescribeRatioZero(int dataSet) {
    return "Data set " + std::to_string(dataSet) +
           ": its one target element has ratio 0; nothing was calculated.";
}

std::string DescribeCalcResult(int dataSet, const CalcResult& r) {
    const std::string set = "Data set " + std::to_string(dataSet);
    const std::string value = GeneralText(r.value);
    switch (r.outcome) {
        case CalcOutcome::Calculated:
        case CalcOutcome::RatioZero:
            return {};
        case CalcOutcome::NoTargetElement:
            return set + " has no target element: enter a ratio for target 1.";
        case CalcOutcome::UnknownIon:
            return set + ": the ion \"" + VisibleText(r.symbol) +
                   "\" is not in the element database.";
        case CalcOutcome::UnknownElement:
            if (TrimSpaces(r.symbol).empty())
                return set + ": target " + std::to_string(r.slot) + " has no element symbol.";
            return set + ": the element \"" + VisibleText(r.symbol) +
                   "\" is not in the element database.";
        case CalcOutcome::MissingCoefficients:
            return set + ": the element database has no \"" + CoefficientTableName(r.table) +
                   "\" record for \"" + r.symbol + "\" (atomic number " +
                   std::to_string(r.atomNum) + ").";
        case CalcOutcome::FloatingPointFault:
            return set + ": the stopping power at " + value +
                   " keV is beyond the range of the numbers the program holds.";
        case CalcOutcome::EnergyNotAboveZero:
            return set + ": the energy " + value + " keV is not above 0.";
        case CalcOutcome::MassBelowZero:
            return set + ": the ion mass " + value + " amu is below 0.";
        case CalcOutcome::RatioBelowZero:
            return set + ": the ratio " + value + " of target " + std::to_string(r.slot) +
                   " is below 0.";
        case CalcOutcome::RatiosAddToZero:
            return set + ": the ratios of the target elements add up to 0.";
        case CalcOutcome::RangeNotAboveZero:
            return set + ": the range " + value + " (1E15 atoms/cm2) is not above 0.";
    }
    return {};
}

std::string DescribeFileError(const FileError& e) {
    switch (e.fault) {
        case FileFault::System:
            break;
        case FileFault::NoSlab:
            return "Cannot write " + e.path + ": a curve needs at least one slab";
        case FileFault::TemporaryRemoved:
            return "Cannot replace " + e.path + ": the temporary file " + e.other +
                   " was removed by another program before it could take its place";
        case FileFault::Utf16Text:
        case FileFault::ControlCharacters:
        case FileFault::LineTooLong:
            return NotTextReason(e);
        case FileFault::NotRegularFile:
            return "Cannot open " + e.path + ": not a regular file (a folder, FIFO or device)";
    }
    const std::string reason = SystemReason(e);
    switch (e.action) {
        case FileAction::ReadLink:
            return "Cannot read the link " + e.path + ": " + reason;
        case FileAction::OpenToWrite:
        case FileAction::OpenToRead:
            return "Cannot open " + e.path + ": " + reason;
        case FileAction::CreateTemporary:
            return "Cannot create a temporary file in " + e.folder + " to write " + e.path + ": " +
                   reason;
        case FileAction::Replace:
            return "Cannot replace " + e.path + ": " + reason;
        case FileAction::Read:
            return "Cannot read " + e.path + ": " + reason;
        case FileAction::None:
            return {};
        case FileAction::Write:
            break;
    }
    return "Cannot write " + e.path + ": " + reason;
}

std::string DescribeTargetNotice(const TargetNotice& n) {
    switch (n.kind) {
        case TargetNoticeKind::DataSetsKeptBack:
            return "Only the first " + std::to_string(kMaxDataSets) + " data sets were read.";
        case TargetNoticeKind::ElementsKeptBack:
            return "Data set " + std::to_string(n.dataSet) + ": only the first " +
                   std::to_string(kMaxTargetSlots) + " target elements were read.";
        case TargetNoticeKind::NotWhollyNumber:
        case TargetNoticeKind::BeyondSingle:
            break;
    }
    const char* what = n.kind == TargetNoticeKind::BeyondSingle ? " is beyond the range of a Single"
                                                                : " is not wholly a number";
    return "line " + std::to_string(n.line) + ": the " + FieldName(n.field) + n.symbol + " \"" +
           n.text + "\"" + what + "; it was read as " + GeneralText(n.value) + ".";
}

}  // namespace fenra
