#include "ui/messages/WindowMessages.h"

#include <QCoreApplication>
#include <vector>

#include "messages/OutcomeMessages.h"

namespace fenra {

namespace {

// The translation context of the texts only the windows show; the shared sentences are in
// kMessageContext.
struct WindowMessages {
    Q_DECLARE_TR_FUNCTIONS(WindowMessages)
};

QString Str(const std::string& s) {
    return QString::fromStdString(s);
}

// A sentence of the shared table in the user's language: the template translated, then its
// values (themselves translated when they are sentences) filled in one pass.
QString Translated(const Message& m) {
    if (!m.text) return Str(m.value);
    std::vector<std::string> args;
    args.reserve(m.args.size());
    for (const Message& a : m.args) args.push_back(Translated(a).toStdString());
    const QString text = QCoreApplication::translate(kMessageContext, m.text);
    return Str(FillPlaceholders(text.toStdString(), args));
}

}  // namespace

QString TranslatedSentence(const Message& m) {
    return Translated(m);
}

QString TargetEmptyMessage() {
    return QCoreApplication::translate(kMessageContext, kTargetEmptyMessage);
}

QString NoDataLineMessage() {
    return QCoreApplication::translate(kMessageContext, kNoDataLineMessage);
}

QString NoCalculationMessage() {
    return QCoreApplication::translate(kMessageContext, kNoCalculationMessage);
}

QString RatioZeroMessage(int dataSet) {
    return Translated(RatioZeroSentence(dataSet));
}

QString FileErrorMessage(const FileError& e) {
    return Translated(FileErrorSentence(e));
}

QString MaterialNotReadMessage(const QString& text, const Message& reason,
                               const QString& listFailure) {
    QString message = WindowMessages::tr("The target was not changed: \"%1\" could not be read: %2")
                          .arg(text.trimmed(), Translated(reason));
    if (!listFailure.isEmpty())
        message += QStringLiteral("\n") +
                   WindowMessages::tr("The list of named materials could not be read: %1")
                       .arg(listFailure);
    return message;
}

QString TargetNoticeMessage(const TargetNotice& n) {
    return Translated(TargetNoticeSentence(n));
}

QString CalcResultMessage(int dataSet, const CalcResult& r) {
    return Translated(CalcResultSentence(dataSet, r));
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
    return Translated(InvalidElementSentence(r.badLine, r.badSymbol));
}

}  // namespace fenra
