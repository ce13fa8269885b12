#include "ui/range/RangeTexts.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace fenra {

QString StopUnitDisplay(StopUnit unit) {
    switch (unit) {
        case StopUnit::EvE15:
            return QStringLiteral("eV/(1E15 atoms/cm2)");
        case StopUnit::KevMgCm2:
            return QStringLiteral("keV/(mg/cm2)");
        case StopUnit::KevUm:
            return QStringLiteral("keV/µm");
        case StopUnit::EvAngstrom:
            break;
    }
    return QStringLiteral("eV/Å");
}

StopUnit StopUnitAt(int index) {
    static const StopUnit units[kStopUnitCount] = {StopUnit::EvE15, StopUnit::KevMgCm2,
                                                   StopUnit::KevUm, StopUnit::EvAngstrom};
    return units[index >= 0 && index < kStopUnitCount ? index : 0];
}

QString ThicknessUnitDisplay(ThicknessUnit unit) {
    switch (unit) {
        case ThicknessUnit::E15:
            return QStringLiteral("1E15 atoms/cm2");
        case ThicknessUnit::MgCm2:
            return QStringLiteral("mg/cm2");
        case ThicknessUnit::UgCm2:
            return QStringLiteral("µg/cm2");
        case ThicknessUnit::Nm:
            return QStringLiteral("nm");
        case ThicknessUnit::Um:
            return QStringLiteral("µm");
        case ThicknessUnit::Mm:
            break;
    }
    return QStringLiteral("mm");
}

QString ShownNumber(double v) {
    return QString::number(v, 'g', 6);
}

double TypedNumber(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? v : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace fenra
