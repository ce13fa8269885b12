#include "ui/messages/WindowMessages.h"

#include <QCoreApplication>
#include <cstring>

#include "files/LineReader.h"
#include "state/NumberText.h"
#include "state/TrimSpaces.h"
#include "state/VisibleText.h"
#include "state/WorkingState.h"

namespace fenra {

namespace {

// The translation context of every text below.
struct WindowMessages {
    Q_DECLARE_TR_FUNCTIONS(WindowMessages)
};

QString Str(const std::string& s) {
    return QString::fromStdString(s);
}

QString Number(float v) {
    return Str(GeneralText(v));
}

// User text quoted in a message, invisible characters made visible.
QString Quoted(const std::string& s) {
    return Str(VisibleText(s));
}

// Some failures leave errno at 0: a reason of "Success" would mislead, so each step has its own.
QString SystemReason(const FileError& e) {
    if (e.err != 0) return Str(std::strerror(e.err));
    switch (e.action) {
        case FileAction::ReadLink:
            return WindowMessages::tr("unreadable link");
        case FileAction::OpenToWrite:
            return WindowMessages::tr("cannot open");
        case FileAction::CreateTemporary:
            return WindowMessages::tr("cannot create");
        case FileAction::Replace:
            return WindowMessages::tr("rename failed");
        case FileAction::OpenToRead:
        case FileAction::Read:
            return WindowMessages::tr("read error");
        case FileAction::None:
        case FileAction::Write:
            break;
    }
    return WindowMessages::tr("write error");
}

QString NotTextReason(const FileError& e) {
    QString text;
    if (e.fault == FileFault::Utf16Text)
        text =
            WindowMessages::tr("the file is not a plain text target file: it holds UTF-16 text.");
    else if (e.fault == FileFault::ControlCharacters)
        text = WindowMessages::tr(
                   "the file is not a plain text target file: line %1 holds NUL "
                   "bytes or other control characters (UTF-16 text or binary data).")
                   .arg(e.line);
    else
        text =
            WindowMessages::tr("line %1 is longer than %2 characters: this is not a target file.")
                .arg(QString::number(e.line), QString::number(kMaxLineBytes));
    return e.path.empty() ? text : Str(e.path) + QStringLiteral(": ") + text;
}

QString SystemFileError(const FileError& e) {
    const QString path = Str(e.path);
    const QString reason = SystemReason(e);
    switch (e.action) {
        case FileAction::ReadLink:
            return WindowMessages::tr("Cannot read the link %1: %2").arg(path, reason);
        case FileAction::OpenToWrite:
        case FileAction::OpenToRead:
            return WindowMessages::tr("Cannot open %1: %2").arg(path, reason);
        case FileAction::CreateTemporary:
            return WindowMessages::tr("Cannot create a temporary file in %1 to write %2: %3")
                .arg(Str(e.folder), path, reason);
        case FileAction::Replace:
            return WindowMessages::tr("Cannot replace %1: %2").arg(path, reason);
        case FileAction::Read:
            return WindowMessages::tr("Cannot read %1: %2").arg(path, reason);
        case FileAction::None:
            return {};
        case FileAction::Write:
            break;
    }
    return WindowMessages::tr("Cannot write %1: %2").arg(path, reason);
}

QString FieldName(const TargetNotice& n) {
    switch (n.field) {
        case TargetField::Mass:
            return WindowMessages::tr("mass");
        case TargetField::Energy:
            return WindowMessages::tr("energy");
        case TargetField::Range:
            return WindowMessages::tr("range");
        case TargetField::Ratio:
            break;
    }
    return WindowMessages::tr("ratio of %1").arg(Str(n.symbol));
}

}  // namespace

QString TargetEmptyMessage() {
    return WindowMessages::tr("Target is empty.");
}

QString NoDataLineMessage() {
    return WindowMessages::tr("The file holds no data line: the data sets are unchanged.");
}

QString NoCalculationMessage() {
    return WindowMessages::tr("No calculation was made.");
}

QString RatioZeroMessage(int dataSet) {
    return WindowMessages::tr(
               "Data set %1: its one target element has ratio 0; nothing was "
               "calculated.")
        .arg(dataSet);
}

QString FileErrorMessage(const FileError& e) {
    switch (e.fault) {
        case FileFault::System:
            break;
        case FileFault::NoSlab:
            return WindowMessages::tr("Cannot write %1: a curve needs at least one slab")
                .arg(Str(e.path));
        case FileFault::TemporaryRemoved:
            return WindowMessages::tr(
                       "Cannot replace %1: the temporary file %2 was removed by "
                       "another program before it could take its place")
                .arg(Str(e.path), Str(e.other));
        case FileFault::Utf16Text:
        case FileFault::ControlCharacters:
        case FileFault::LineTooLong:
            return NotTextReason(e);
        case FileFault::NotRegularFile:
            return WindowMessages::tr(
                       "Cannot open %1: not a regular file (a folder, FIFO or device)")
                .arg(Str(e.path));
    }
    return SystemFileError(e);
}

QString MaterialNotReadMessage(const QString& text, const std::string& reason,
                               const QString& listFailure) {
    QString message = WindowMessages::tr("The target was not changed: \"%1\" could not be read: %2")
                          .arg(text.trimmed(), Str(reason));
    if (!listFailure.isEmpty())
        message += QStringLiteral("\n") +
                   WindowMessages::tr("The list of named materials could not be read: %1")
                       .arg(listFailure);
    return message;
}

QString TargetNoticeMessage(const TargetNotice& n) {
    switch (n.kind) {
        case TargetNoticeKind::DataSetsKeptBack:
            return WindowMessages::tr("Only the first %1 data sets were read.").arg(kMaxDataSets);
        case TargetNoticeKind::ElementsKeptBack:
            return WindowMessages::tr("Data set %1: only the first %2 target elements were read.")
                .arg(QString::number(n.dataSet), QString::number(kMaxTargetSlots));
        case TargetNoticeKind::NotWhollyNumber:
            return WindowMessages::tr(
                       "line %1: the %2 \"%3\" is not wholly a number; it was read as %4.")
                .arg(QString::number(n.line), FieldName(n), Str(n.text), Number(n.value));
        case TargetNoticeKind::BeyondSingle:
            break;
    }
    return WindowMessages::tr(
               "line %1: the %2 \"%3\" is beyond the range of a Single; it was read as %4.")
        .arg(QString::number(n.line), FieldName(n), Str(n.text), Number(n.value));
}

QString CalcResultMessage(int dataSet, const CalcResult& r) {
    const QString set = QString::number(dataSet);
    const QString value = Number(r.value);
    switch (r.outcome) {
        case CalcOutcome::Calculated:
        case CalcOutcome::RatioZero:
            return {};
        case CalcOutcome::NoTargetElement:
            return WindowMessages::tr(
                       "Data set %1 has no target element: enter a ratio for "
                       "target 1.")
                .arg(set);
        case CalcOutcome::UnknownIon:
            return WindowMessages::tr("Data set %1: the ion \"%2\" is not in the element database.")
                .arg(set, Quoted(r.symbol));
        case CalcOutcome::UnknownElement:
            if (TrimSpaces(r.symbol).empty())
                return WindowMessages::tr("Data set %1: target %2 has no element symbol.")
                    .arg(set, QString::number(r.slot));
            return WindowMessages::tr(
                       "Data set %1: the element \"%2\" is not in the element database.")
                .arg(set, Quoted(r.symbol));
        case CalcOutcome::MissingCoefficients:
            return WindowMessages::tr(
                       "Data set %1: the element database has no \"%2\" record "
                       "for \"%3\" (atomic number %4).")
                .arg(set, QString::fromLatin1(CoefficientTableName(r.table)), Str(r.symbol),
                     QString::number(r.atomNum));
        case CalcOutcome::FloatingPointFault:
            return WindowMessages::tr(
                       "Data set %1: the stopping power at %2 keV is beyond the "
                       "range of the numbers the program holds.")
                .arg(set, value);
        case CalcOutcome::EnergyNotAboveZero:
            return WindowMessages::tr("Data set %1: the energy %2 keV is not above 0.")
                .arg(set, value);
        case CalcOutcome::MassBelowZero:
            return WindowMessages::tr("Data set %1: the ion mass %2 amu is below 0.")
                .arg(set, value);
        case CalcOutcome::RatioBelowZero:
            return WindowMessages::tr("Data set %1: the ratio %2 of target %3 is below 0.")
                .arg(set, value, QString::number(r.slot));
        case CalcOutcome::RatiosAddToZero:
            return WindowMessages::tr("Data set %1: the ratios of the target elements add up to 0.")
                .arg(set);
        case CalcOutcome::RangeNotAboveZero:
            return WindowMessages::tr("Data set %1: the range %2 (1E15 atoms/cm2) is not above 0.")
                .arg(set, value);
    }
    return {};
}

QString CurveCaption(CurveKind kind, int c) {
    // Only 1, 2 and 3 take their own ending; 21, 22, 23 read "th" as well.
    const QString n = QString::number(c);
    switch (kind) {
        case CurveKind::DepthStop:
            if (c == 1) return WindowMessages::tr("Depth vs Stopping power of %1st sample").arg(n);
            if (c == 2) return WindowMessages::tr("Depth vs Stopping power of %1nd sample").arg(n);
            if (c == 3) return WindowMessages::tr("Depth vs Stopping power of %1rd sample").arg(n);
            return WindowMessages::tr("Depth vs Stopping power of %1th sample").arg(n);
        case CurveKind::DepthEnergy:
            if (c == 1) return WindowMessages::tr("Depth vs Energy of %1st sample").arg(n);
            if (c == 2) return WindowMessages::tr("Depth vs Energy of %1nd sample").arg(n);
            if (c == 3) return WindowMessages::tr("Depth vs Energy of %1rd sample").arg(n);
            return WindowMessages::tr("Depth vs Energy of %1th sample").arg(n);
        case CurveKind::EnergyStop:
            break;
    }
    if (c == 1) return WindowMessages::tr("Energy vs Stopping power of %1st sample").arg(n);
    if (c == 2) return WindowMessages::tr("Energy vs Stopping power of %1nd sample").arg(n);
    if (c == 3) return WindowMessages::tr("Energy vs Stopping power of %1rd sample").arg(n);
    return WindowMessages::tr("Energy vs Stopping power of %1th sample").arg(n);
}

QString CurveXAxisTitle(CurveKind kind) {
    return IsDepthKind(kind) ? WindowMessages::tr("1E15 Atom/cm2")
                             : WindowMessages::tr("Energy (keV)");
}

QString CurveUnitLabel(CurveKind kind) {
    return kind == CurveKind::DepthEnergy ? WindowMessages::tr("Unit : keV")
                                          : WindowMessages::tr("Unit : eV/(1E15 Atom/cm2)");
}

QString InvalidElementMessage(const OpenTargetResult& r) {
    return WindowMessages::tr("Invalid element !! (line %1: \"%2\")")
        .arg(QString::number(r.badLine), Str(r.badSymbol));
}

}  // namespace fenra
