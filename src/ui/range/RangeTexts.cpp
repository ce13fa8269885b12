#include "ui/range/RangeTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fenra {

namespace {

// The translation context of the range window's unit names.
struct RangeTexts {
    Q_DECLARE_TR_FUNCTIONS(RangeTexts)
};

}  // namespace

QString StopUnitDisplay(StopUnit unit) {
    switch (unit) {
        case StopUnit::EvE15:
            return RangeTexts::tr("eV/(1E15 atoms/cm2)");
        case StopUnit::KevMgCm2:
            return RangeTexts::tr("keV/(mg/cm2)");
        case StopUnit::KevUm:
            return RangeTexts::tr("keV/µm");
        case StopUnit::EvAngstrom:
            break;
    }
    return RangeTexts::tr("eV/Å");
}

StopUnit StopUnitAt(int index) {
    static const StopUnit units[kStopUnitCount] = {StopUnit::EvE15, StopUnit::KevMgCm2,
                                                   StopUnit::KevUm, StopUnit::EvAngstrom};
    return units[index >= 0 && index < kStopUnitCount ? index : 0];
}

QString ThicknessUnitDisplay(ThicknessUnit unit) {
    switch (unit) {
        case ThicknessUnit::E15:
            return RangeTexts::tr("1E15 atoms/cm2");
        case ThicknessUnit::MgCm2:
            return RangeTexts::tr("mg/cm2");
        case ThicknessUnit::UgCm2:
            return RangeTexts::tr("µg/cm2");
        case ThicknessUnit::Nm:
            return RangeTexts::tr("nm");
        case ThicknessUnit::Um:
            return RangeTexts::tr("µm");
        case ThicknessUnit::Mm:
            break;
    }
    return RangeTexts::tr("mm");
}

QString ShownNumber(double v, int digits) {
    digits = std::clamp(digits, kFewestShownDigits, kMostShownDigits);
    if (!std::isfinite(v)) return QString::number(v);
    // C's %#g keeps the trailing zeros of the significant digits; a point with no digit after
    // it (123456.) says nothing more and goes.
    char text[64];
    std::snprintf(text, sizeof text, "%#.*g", digits, v);
    QString shown = QString::fromLatin1(text);
    if (shown.endsWith(QLatin1Char('.'))) shown.chop(1);
    return shown;
}

QString EnergyUnitDisplay(EnergyUnit unit) {
    switch (unit) {
        case EnergyUnit::Ev:
            return RangeTexts::tr("eV");
        case EnergyUnit::Kev:
            return RangeTexts::tr("keV");
        case EnergyUnit::Mev:
            return RangeTexts::tr("MeV");
        case EnergyUnit::Gev:
            return RangeTexts::tr("GeV");
        case EnergyUnit::KevPerU:
            return RangeTexts::tr("keV/u");
        case EnergyUnit::MevPerU:
            return RangeTexts::tr("MeV/u");
        case EnergyUnit::GevPerU:
            break;
    }
    return RangeTexts::tr("GeV/u");
}

QString ShownLength(double um, int digits) {
    // The units from small to large, each as a number of µm.
    static const struct {
        double um;
        const char* name;
    } units[] = {{1e-3, QT_TRANSLATE_NOOP("RangeTexts", "nm")},
                 {1, QT_TRANSLATE_NOOP("RangeTexts", "µm")},
                 {1e3, QT_TRANSLATE_NOOP("RangeTexts", "mm")},
                 {1e4, QT_TRANSLATE_NOOP("RangeTexts", "cm")}};
    constexpr int kCount = sizeof units / sizeof units[0];
    // Zero and what is not a number stay in µm; otherwise the largest unit of which the length
    // holds at least one.
    int k = 1;
    if (std::isfinite(um) && um != 0) {
        k = 0;
        while (k + 1 < kCount && std::fabs(um) >= units[k + 1].um) ++k;
    }
    QString number = ShownNumber(um / units[k].um, digits);
    // Rounding to the digits may reach 1000 of a unit: then the next unit says it better.
    if (k + 1 < kCount && std::fabs(TypedNumber(number)) * units[k].um >= units[k + 1].um) {
        ++k;
        number = ShownNumber(um / units[k].um, digits);
    }
    return number + QLatin1Char(' ') + RangeTexts::tr(units[k].name);
}

double TypedNumber(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? v : std::numeric_limits<double>::quiet_NaN();
}

TypedEnergy SplitTypedEnergy(const QString& text) {
    const QString trimmed = text.trimmed();
    const std::string utf8 = trimmed.toStdString();
    std::string_view number;
    EnergyUnit unit = EnergyUnit::Kev;
    if (!SplitEnergyUnit(utf8, &number, &unit)) return {trimmed, std::nullopt};
    const QString before = QString::fromUtf8(number.data(), static_cast<qsizetype>(number.size()));
    // "2 meV" ends in "eV" but "2 m" is no number: the whole text is refused as typed.
    if (!std::isfinite(TypedNumber(before))) return {trimmed, std::nullopt};
    return {before.trimmed(), unit};
}

}  // namespace fenra
