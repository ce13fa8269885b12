#include "messages/OutcomeMessages.h"

#include <cstring>

#include "files/LineReader.h"
#include "state/NumberText.h"
#include "state/TrimSpaces.h"
#include "state/VisibleText.h"
#include "state/WorkingState.h"

#define TR(text) FENRA_TRANSLATE_NOOP("fenra::Messages", text)

namespace fenra {

namespace {

Message Number(float v) {
    return Value(GeneralText(v));
}

Message Integer(long long v) {
    return Value(std::to_string(v));
}

// User text quoted in a message, invisible characters made visible.
Message Quoted(const std::string& s) {
    return Value(VisibleText(s));
}

// Some failures leave errno at 0: a reason of "Success" would mislead, so each step has its own.
Message SystemReason(const FileError& e) {
    if (e.err != 0) return Value(std::strerror(e.err));
    switch (e.action) {
        case FileAction::ReadLink:
            return Sentence(TR("unreadable link"));
        case FileAction::OpenToWrite:
            return Sentence(TR("cannot open"));
        case FileAction::CreateTemporary:
            return Sentence(TR("cannot create"));
        case FileAction::Replace:
            return Sentence(TR("rename failed"));
        case FileAction::OpenToRead:
        case FileAction::Read:
            return Sentence(TR("read error"));
        case FileAction::None:
        case FileAction::Write:
            break;
    }
    return Sentence(TR("write error"));
}

// The reader's refusals of a file that is no plain text: the path, when there is one, first.
Message NotTextReason(const FileError& e) {
    Message text;
    if (e.fault == FileFault::Utf16Text)
        text = Sentence(TR("the file is not a plain text target file: it holds UTF-16 text."));
    else if (e.fault == FileFault::ControlCharacters)
        text = Sentence(TR("the file is not a plain text target file: line %1 holds NUL bytes or "
                           "other control characters (UTF-16 text or binary data)."),
                        {Integer(e.line)});
    else
        text = Sentence(TR("line %1 is longer than %2 characters: this is not a target file."),
                        {Integer(e.line), Integer(kMaxLineBytes)});
    if (e.path.empty()) return text;
    return Sentence(TR("%1: %2"), {Value(e.path), text});
}

Message SystemFileError(const FileError& e) {
    const Message path = Value(e.path);
    const Message reason = SystemReason(e);
    switch (e.action) {
        case FileAction::ReadLink:
            return Sentence(TR("Cannot read the link %1: %2"), {path, reason});
        case FileAction::OpenToWrite:
        case FileAction::OpenToRead:
            return Sentence(TR("Cannot open %1: %2"), {path, reason});
        case FileAction::CreateTemporary:
            return Sentence(TR("Cannot create a temporary file in %1 to write %2: %3"),
                            {Value(e.folder), path, reason});
        case FileAction::Replace:
            return Sentence(TR("Cannot replace %1: %2"), {path, reason});
        case FileAction::Read:
            return Sentence(TR("Cannot read %1: %2"), {path, reason});
        case FileAction::None:
            return {};
        case FileAction::Write:
            break;
    }
    return Sentence(TR("Cannot write %1: %2"), {path, reason});
}

Message FieldName(const TargetNotice& n) {
    switch (n.field) {
        case TargetField::Mass:
            return Sentence(TR("mass"));
        case TargetField::Energy:
            return Sentence(TR("energy"));
        case TargetField::Range:
            return Sentence(TR("range"));
        case TargetField::Ratio:
            break;
    }
    return Sentence(TR("ratio of %1"), {Value(n.symbol)});
}

// The refusals of a data set's inputs, each with the value refused.
Message RefusedInput(const Message& set, const CalcResult& r) {
    const Message value = Number(r.value);
    switch (r.outcome) {
        case CalcOutcome::EnergyNotAboveZero:
            return Sentence(TR("Data set %1: the energy %2 keV is not above 0."), {set, value});
        case CalcOutcome::MassBelowZero:
            return Sentence(TR("Data set %1: the ion mass %2 amu is below 0."), {set, value});
        case CalcOutcome::RatioBelowZero:
            return Sentence(TR("Data set %1: the ratio %2 of target %3 is below 0."),
                            {set, value, Integer(r.slot)});
        case CalcOutcome::RatiosAddToZero:
            return Sentence(TR("Data set %1: the ratios of the target elements add up to 0."),
                            {set});
        case CalcOutcome::RangeNotAboveZero:
            return Sentence(TR("Data set %1: the range %2 (1E15 atoms/cm2) is not above 0."),
                            {set, value});
        default:
            break;
    }
    return {};
}

}  // namespace

Message RatioZeroSentence(int dataSet) {
    return Sentence(TR("Data set %1: its one target element has ratio 0; nothing was calculated."),
                    {Integer(dataSet)});
}

Message TooManyDataSetsSentence() {
    return Sentence(TR("Number of target can't exceed %1"), {Integer(kMaxDataSets)});
}

Message TooManyElementsSentence() {
    return Sentence(TR("A data set holds at most %1 target elements."), {Integer(kMaxTargetSlots)});
}

Message CalcResultSentence(int dataSet, const CalcResult& r) {
    const Message set = Integer(dataSet);
    switch (r.outcome) {
        case CalcOutcome::Calculated:
        case CalcOutcome::RatioZero:
            return {};
        case CalcOutcome::NoTargetElement:
            return Sentence(TR("Data set %1 has no target element: enter a ratio for target 1."),
                            {set});
        case CalcOutcome::UnknownIon:
            return Sentence(TR("Data set %1: the ion \"%2\" is not in the element database."),
                            {set, Quoted(r.symbol)});
        case CalcOutcome::UnknownElement:
            if (TrimSpaces(r.symbol).empty())
                return Sentence(TR("Data set %1: target %2 has no element symbol."),
                                {set, Integer(r.slot)});
            return Sentence(TR("Data set %1: the element \"%2\" is not in the element database."),
                            {set, Quoted(r.symbol)});
        case CalcOutcome::MissingCoefficients:
            return Sentence(
                TR("Data set %1: the element database has no \"%2\" record for \"%3\" "
                   "(atomic number %4)."),
                {set, Value(CoefficientTableName(r.table)), Value(r.symbol), Integer(r.atomNum)});
        case CalcOutcome::FloatingPointFault:
            return Sentence(TR("Data set %1: the stopping power at %2 keV is beyond the range of "
                               "the numbers the program holds."),
                            {set, Number(r.value)});
        default:
            break;
    }
    return RefusedInput(set, r);
}

Message FileErrorSentence(const FileError& e) {
    switch (e.fault) {
        case FileFault::System:
            break;
        case FileFault::NoSlab:
            return Sentence(TR("Cannot write %1: a curve needs at least one slab"),
                            {Value(e.path)});
        case FileFault::TemporaryRemoved:
            return Sentence(TR("Cannot replace %1: the temporary file %2 was removed by another "
                               "program before it could take its place"),
                            {Value(e.path), Value(e.other)});
        case FileFault::Utf16Text:
        case FileFault::ControlCharacters:
        case FileFault::LineTooLong:
            return NotTextReason(e);
        case FileFault::NotRegularFile:
            return Sentence(TR("Cannot open %1: not a regular file (a folder, FIFO or device)"),
                            {Value(e.path)});
    }
    return SystemFileError(e);
}

Message TargetNoticeSentence(const TargetNotice& n) {
    switch (n.kind) {
        case TargetNoticeKind::DataSetsKeptBack:
            return Sentence(TR("Only the first %1 data sets were read."), {Integer(kMaxDataSets)});
        case TargetNoticeKind::ElementsKeptBack:
            return Sentence(TR("Data set %1: only the first %2 target elements were read."),
                            {Integer(n.dataSet), Integer(kMaxTargetSlots)});
        case TargetNoticeKind::NotWhollyNumber:
            return Sentence(TR("line %1: the %2 \"%3\" is not wholly a number; it was read as %4."),
                            {Integer(n.line), FieldName(n), Value(n.text), Number(n.value)});
        case TargetNoticeKind::BeyondSingle:
            break;
    }
    return Sentence(
        TR("line %1: the %2 \"%3\" is beyond the range of a Single; it was read as %4."),
        {Integer(n.line), FieldName(n), Value(n.text), Number(n.value)});
}

Message InvalidElementSentence(int line, const std::string& symbol) {
    return Sentence(TR("Invalid element !! (line %1: \"%2\")"), {Integer(line), Value(symbol)});
}

Message SettingsNotHeldSentence() {
    return Sentence(
        TR("The settings could not be held in a temporary folder; the defaults are "
           "used and changes are not saved."));
}

Message SettingsKeptAsideSentence(const std::string& path, const std::string& kept) {
    return Sentence(TR("The settings file \"%1\" could not be read and was kept as \"%2\"; the "
                       "defaults are used."),
                    {Value(path), Value(kept)});
}

Message SettingsUnreadableSentence(const std::string& path) {
    return Sentence(TR("The settings file \"%1\" could not be read; the defaults are used and "
                       "changes are not saved."),
                    {Value(path)});
}

Message SettingsNotSavedSentence(const FileError& e) {
    return Sentence(TR("The settings could not be saved: %1."), {FileErrorSentence(e)});
}

std::string DescribeCalcResult(int dataSet, const CalcResult& r) {
    return Words(CalcResultSentence(dataSet, r));
}

std::string DescribeRatioZero(int dataSet) {
    return Words(RatioZeroSentence(dataSet));
}

std::string DescribeFileError(const FileError& e) {
    return Words(FileErrorSentence(e));
}

std::string DescribeTargetNotice(const TargetNotice& n) {
    return Words(TargetNoticeSentence(n));
}

}  // namespace fenra
