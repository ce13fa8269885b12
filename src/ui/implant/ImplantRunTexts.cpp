#include "ui/implant/ImplantRunTexts.h"

#include <cmath>

#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr quint64 kSecondsPerMinute = 60, kSecondsPerHour = 3600;

QString Nine(double v) {
    return QString::fromStdString(NineDigitText(v));
}

}  // namespace

QString ImplantRunTexts::duration(quint64 seconds) {
    if (seconds < kSecondsPerMinute) return tr("%1 s").arg(seconds);
    if (seconds < kSecondsPerHour)
        return tr("%1 min %2 s").arg(seconds / kSecondsPerMinute).arg(seconds % kSecondsPerMinute);
    return tr("%1 h %2 min")
        .arg(seconds / kSecondsPerHour)
        .arg(seconds % kSecondsPerHour / kSecondsPerMinute);
}

QString ImplantRunTexts::progress(quint64 done, quint64 total, double elapsedSeconds) {
    const QString ions = tr("%1 of %2 ions").arg(done).arg(total);
    if (done == 0 || !(elapsedSeconds > 0) || !std::isfinite(elapsedSeconds)) return ions;
    const double rate = static_cast<double>(done) / elapsedSeconds;
    const QString rated = tr("%1, %2 ions/s").arg(ions).arg(std::llround(rate));
    if (done >= total) return rated;
    // The remaining ions over the rate, formed without the rate's rounding.
    const double left =
        std::ceil(static_cast<double>(total - done) * elapsedSeconds / static_cast<double>(done));
    return tr("%1, %2 left").arg(rated, duration(static_cast<quint64>(left)));
}

QString ImplantRunTexts::caption(const std::string& ion, double energyKeV,
                                 const std::vector<CaptionLayer>& layers, const char* model) {
    QString stack;
    for (const CaptionLayer& l : layers) {
        if (!stack.isEmpty()) stack += QStringLiteral(" / ");
        stack += tr("%1 %2 nm").arg(QString::fromStdString(l.material), Nine(l.nm));
    }
    return tr("%1 %2 keV into %3, stopping model %4")
        .arg(QString::fromStdString(ion), Nine(energyKeV), stack, QString::fromLatin1(model));
}

}  // namespace fenra
