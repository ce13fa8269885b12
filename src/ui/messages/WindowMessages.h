#pragma once
// The words the windows show for the outcomes the core reports as codes: the sentences of the
// shared table (messages/OutcomeMessages.h) translated, and the texts only the windows show,
// through tr().

#include <QString>
#include <string>

#include "calc/CalculateDataSet.h"
#include "files/FileError.h"
#include "files/TargetFile.h"
#include "messages/Message.h"
#include "state/CurveKind.h"

namespace fenra {

QString TargetEmptyMessage();    // Save target with an empty first composition field
QString NoDataLineMessage();     // Open target on a file without a data line
QString NoCalculationMessage();  // Save or print result, Save curve, with nothing to save

// A sentence of the core (a refusal or warning as template and values) in the user's language:
// the template translated, then its values, themselves translated where they are sentences.
QString TranslatedSentence(const Message& m);

// A data set that could not be calculated, naming it and the reason; empty for Calculated and
// RatioZero.
QString CalcResultMessage(int dataSet, const CalcResult& r);

// A curve command on a one-element target of ratio 0.
QString RatioZeroMessage(int dataSet);

// The step that failed, the path and the system's reason.
QString FileErrorMessage(const FileError& e);

// What the target-file reader kept back or read otherwise than written.
QString TargetNoticeMessage(const TargetNotice& n);

// Where reading a target file stopped at a symbol of bad length.
QString InvalidElementMessage(const OpenTargetResult& r);

// The materials field could not put `text` into the target: the core's reason, and why the
// list of named materials could not be read when that is so (listFailure empty otherwise).
QString MaterialNotReadMessage(const QString& text, const Message& reason,
                               const QString& listFailure = QString());

// Caption of a curve window for data set c ("Depth vs Energy of 2nd sample") and its labels.
QString CurveCaption(CurveKind kind, int c);
QString CurveXAxisTitle(CurveKind kind);  // "1E15 Atom/cm2" or "Energy (keV)"
QString CurveUnitLabel(CurveKind kind);   // "Unit : eV/(1E15 Atom/cm2)" or "Unit : keV"

}  // namespace fenra
