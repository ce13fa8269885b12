#include "batch/BatchCalculator.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "batch/BatchArguments.h"
#include "batch/ImplantCommand.h"
#include "batch/PhysicsCommands.h"
#include "batch/TargetRun.h"
#include "calc/CalculateAll.h"
#include "calc/CurveWalk.h"
#include "elements/DatabaseSearch.h"
#include "elements/ElementDatabase.h"
#include "files/CurveFile.h"
#include "files/ResultReport.h"
#include "files/TargetFile.h"
#include "files/TextFile.h"
#include "messages/OutcomeMessages.h"
#include "messages/PhysicsMessages.h"
#include "state/CurveSnapshot.h"
#include "state/NumberText.h"
#include "state/Version.h"
#include "state/WorkingState.h"

namespace fenra {

namespace {

constexpr const char* kProgram = "fenra32-calc: ";
constexpr const char* kValuesHeader = "set\tStopEvAtoms\tStopKevMg\tStopEvA\tStopKevUm\n";

// "cannot write to standard output: " and the system's reason, or ours when errno is 0.
Message StandardOutputFailure(int errorNumber) {
    return Sentence(PhysicsText::CannotWriteStandardOutput,
                    {errorNumber != 0 ? Value(std::strerror(errorNumber))
                                      : Sentence(PhysicsText::OutputNotWhole)});
}

// One run: the arguments, the streams and the exit status so far.
struct Run {
    const BatchArguments& args;
    std::ostream& out;
    std::ostream& err;
    int status = kBatchOk;

    void Report(const std::string& message, int exitStatus = kBatchFailed) {
        err << kProgram << message << "\n";
        if (exitStatus > status) status = exitStatus;
    }
    void Report(const Message& message, int exitStatus = kBatchFailed) {
        Report(Words(message), exitStatus);
    }
    // "FILE: what", what the target file's data sets gave.
    void ReportOfFile(Message what) { Report(Prefixed(Value(args.targetFile), std::move(what))); }
    void ReportDataSet(int i, const CalcResult& r) { ReportOfFile(CalcResultSentence(i, r)); }

    // Reads the target file; false when nothing of it can be calculated. What the reader kept
    // back (data sets past 100, elements past 10) is not calculated: said on stderr and in the
    // exit status; the data sets before an invalid element stay and are still calculated.
    bool ReadTarget(WorkingState& s) {
        std::vector<RunMessage> messages;
        std::vector<std::string> warnings;
        const bool usable = ReadTargetForRun(s, args.targetFile, &messages, &warnings);
        for (const RunMessage& m : messages) Report(m.text);
        // A number read otherwise than written is said; whether its data set can be calculated
        // decides the exit status.
        for (const std::string& w : warnings) err << kProgram << w << "\n";
        return usable;
    }

    // The Calculate command: each data set shown, then calculated; the last one stays current.
    void CalculateEvery(WorkingState& s, const ElementDatabase& db) {
        CalculateAllHooks hooks;
        hooks.show = [&](int i) { ApplyDataSetDisplay(s.DataSets[i], db); };
        hooks.outcome = [&](int i, const CalcResult& r) {
            if (const std::optional<RunMessage> m = CalculationMessage(i, r))
                ReportOfFile(Value(m->text));
        };
        CalculateAll(s, db, hooks);
    }

    // A curve command on data set N: shown, walked, shown again (the window refreshes its
    // fields after the walk), and the curve takes the ion values as they are then shown.
    bool WalkCurveOf(WorkingState& s, const ElementDatabase& db, std::string* text) {
        const int n = args.dataSet;
        if (n > s.DataSetCount) {
            Report(Sentence(PhysicsText::NoSuchDataSet,
                            {Value(args.targetFile), Value(std::to_string(s.DataSetCount)),
                             Value(std::to_string(n))}),
                   kBatchUsageError);
            return false;
        }
        s.CurrentDataSet = static_cast<int16_t>(n);
        DataSet& d = s.DataSets[n];
        ApplyDataSetDisplay(d, db);
        CurveWalkResult walk = WalkCurve(d, db, args.curveKind);
        if (walk.result.outcome == CalcOutcome::RatioZero) {
            ReportOfFile(RatioZeroSentence(n));
            return false;
        }
        if (walk.result.outcome != CalcOutcome::Calculated) {
            ReportDataSet(n, walk.result);
            return false;
        }
        ApplyDataSetDisplay(d, db);
        CurveSnapshot& snapshot = walk.curve;
        SetCurveIon(snapshot, d);
        // Save curve writes nothing for a curve without a point above 0 (a target of ratio 0,
        // an ion without energy): neither does the batch calculator.
        const bool energyValues = args.curveKind == CurveKind::DepthEnergy;
        if (!HasPositivePoint(energyValues ? snapshot.energy : snapshot.stop)) {
            ReportOfFile(
                Prefixed(Sentence(PhysicsText::DataSetNumbered, {Value(std::to_string(n))}),
                         Sentence(kNoCalculationMessage)));
            return false;
        }
        *text = CurveFileText(args.curveKind, snapshot, d.TargetName, snapshot.N());
        return true;
    }

    void Write(const std::string& text) {
        if (args.outputFile.empty()) {
            out << text;
            out.flush();
            // A full disk or a closed standard output must not pass for a written result.
            if (!out) Report(StandardOutputFailure(0));
            return;
        }
        FileError error;
        if (!WriteTextFile(args.outputFile, text, &error)) Report(DescribeFileError(error));
    }
};

std::string ValuesText(const WorkingState& s) {
    std::string text = kValuesHeader;
    for (int i = 1; i <= s.DataSetCount; ++i) {
        const DataSet& d = s.DataSets[i];
        // A data set that was not calculated has no results: "-", never a stopping of 0.
        if (!HasResultsToShow(d)) {
            text += std::to_string(i) + "\t-\t-\t-\t-\n";
            continue;
        }
        text += std::to_string(i) + "\t" + NineDigitText(d.StopEvAtoms) + "\t" +
                NineDigitText(d.StopKevMg) + "\t" + NineDigitText(d.StopEvA) + "\t" +
                NineDigitText(d.StopKevUm) + "\n";
    }
    return text;
}

}  // namespace

int FinishStandardOutput(int status, std::FILE* out, std::ostream& err) {
    errno = 0;
    const bool failed = std::fflush(out) != 0 || std::ferror(out) != 0;
    const int flushErr = errno;
    // The last buffer of a file on a full or remote disk may only fail at close.
    const bool closeFailed = std::fclose(out) != 0;
    const int err2 = failed ? flushErr : errno;
    if (!failed && !closeFailed) return status;
    err << kProgram << Words(StandardOutputFailure(err2)) << "\n";
    return status > kBatchFailed ? status : kBatchFailed;
}

int RunBatchCalculator(const std::vector<std::string>& argList, std::ostream& out,
                       std::ostream& err) {
    if (IsPhysicsCommand(argList)) return RunPhysicsCommand(argList, out, err);
    if (IsImplantCommand(argList)) return RunImplantCommand(argList, out, err);
    BatchArguments args;
    std::string usageError;
    if (!ParseBatchArguments(argList, &args, &usageError)) {
        err << kProgram << usageError << "\n" << Words(Sentence(PhysicsText::TryHelp)) << "\n";
        return kBatchUsageError;
    }
    if (args.command == BatchCommand::Help) {
        out << BatchUsage() << "\n" << PhysicsCommandsUsage() << ImplantCommandUsage();
        return kBatchOk;
    }
    if (args.command == BatchCommand::Version) {
        out << VersionBanner("fenra32-calc");
        return kBatchOk;
    }

    Run run{args, out, err};
    try {
        const ElementDatabase db = OpenSearchedDatabase(
            FindDatabase(ProcessDatabaseSearch(args.databasePath, ProgramDirectory())));
        WorkingState s;
        InitWorkingState(s, std::filesystem::path(db.Path()).parent_path().string());
        if (!run.ReadTarget(s)) return run.status;

        if (args.command == BatchCommand::Curve) {
            std::string text;
            if (run.WalkCurveOf(s, db, &text)) run.Write(text);
            return run.status;
        }
        run.CalculateEvery(s, db);
        run.Write(args.command == BatchCommand::Report ? ResultReportText(s) : ValuesText(s));
    } catch (const ElementDatabaseError& e) {
        run.Report(e.what());
    }
    return run.status;
}

}  // namespace fenra
