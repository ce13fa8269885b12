#include "batch/TargetRun.h"

#include "calc/CalculateDataSet.h"
#include "files/TargetFile.h"
#include "messages/OutcomeMessages.h"
#include "messages/PhysicsMessages.h"
#include "state/TrimSpaces.h"

namespace fenra {

namespace {

RunFault FaultOf(const CalcResult& r) {
    switch (r.outcome) {
        case CalcOutcome::UnknownIon:
        case CalcOutcome::MissingCoefficients:
            return RunFault::UnknownName;
        case CalcOutcome::UnknownElement:
            // A slot without a symbol is a missing value, not an unknown name.
            return TrimSpaces(r.symbol).empty() ? RunFault::BadInput : RunFault::UnknownName;
        default:
            return RunFault::BadInput;
    }
}

}  // namespace

bool ReadTargetForRun(WorkingState& s, const std::string& path, std::vector<RunMessage>* messages,
                      std::vector<std::string>* warnings) {
    const OpenTargetResult r = OpenTarget(s, path);
    const Message file = Value(path);
    auto said = [&](RunFault fault, Message what) {
        messages->push_back({fault, Words(Prefixed(file, std::move(what)))});
    };
    for (const TargetNotice& notice : r.notices)
        said(RunFault::BadInput, TargetNoticeSentence(notice));
    if (warnings)
        for (const TargetNotice& w : r.warnings)
            warnings->push_back(
                Words(Sentence(PhysicsText::Joined, {file, TargetNoticeSentence(w)})));
    switch (r.status) {
        case OpenTargetStatus::Read:
            return true;
        case OpenTargetStatus::InvalidElement:
            messages->push_back(
                {RunFault::BadInput,
                 Words(Prefixed(
                     Sentence(PhysicsText::ListLine, {file, Value(std::to_string(r.badLine))}),
                     Sentence(PhysicsText::WithQuoted,
                              {Sentence(kInvalidElementMessage), Value(r.badSymbol)})))});
            return true;
        case OpenTargetStatus::NoDataLine:
            said(RunFault::BadInput, Sentence(kNoDataLineMessage));
            return false;
        case OpenTargetStatus::CannotOpen:
        case OpenTargetStatus::NotText:
            messages->push_back(
                {RunFault::Unreadable,
                 Words(r.error.Failed() ? FileErrorSentence(r.error)
                                        : Sentence(PhysicsText::CannotReadPath, {file}))});
            return false;
    }
    return false;
}

std::optional<RunMessage> CalculateShownDataSet(WorkingState& s, const ElementDatabase& db, int i) {
    s.CurrentDataSet = static_cast<int16_t>(i);
    ApplyDataSetDisplay(s.DataSets[i], db);
    return CalculationMessage(i, CalculateCommand(s.DataSets[i], db));
}

std::optional<RunMessage> CalculationMessage(int i, const CalcResult& r) {
    if (r.outcome == CalcOutcome::RatioZero)
        return RunMessage{RunFault::BadInput, DescribeRatioZero(i)};
    std::string text = DescribeCalcResult(i, r);
    if (text.empty()) return std::nullopt;
    return RunMessage{FaultOf(r), std::move(text)};
}

}  // namespace fenra
