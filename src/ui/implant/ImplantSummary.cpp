#include "ui/implant/ImplantSummary.h"

#include "state/NumberText.h"
#include "ui/messages/WindowMessages.h"

namespace fenra {

QString ImplantSummary::number(double v) {
    return QString::fromStdString(NineDigitText(v));
}

std::vector<SummaryRow> ImplantSummary::rows(const ImplantResult& r,
                                             const std::vector<std::string>& names,
                                             const Message& displacement) {
    std::vector<SummaryRow> rows;
    auto count = [&](const QString& what, uint64_t n) {
        // Whole, however many: 1000000000 ions, never 1e+09.
        rows.push_back({what, QString::number(n), QString(), QString()});
    };
    auto mean = [&](const QString& what, const MeanValue& m, const QString& unit) {
        rows.push_back({what, number(m.mean), number(m.error), unit});
    };
    auto percent = [&](const QString& what, const MeanValue& m) {
        rows.push_back({what, number(100 * m.mean), number(100 * m.error), tr("%")});
    };
    auto plain = [&](const QString& what, double v, const QString& unit) {
        rows.push_back({what, number(v), QString(), unit});
    };
    const QString nm = tr("nm"), keV = tr("keV"), deg = tr("deg");
    count(tr("Ions run"), r.ionsRun);
    count(tr("Stopped"), r.stopped);
    percent(tr("Backscattered"), r.backscatteredFraction);
    percent(tr("Transmitted"), r.transmittedFraction);
    mean(tr("Projected range"), r.projectedRange, nm);
    mean(tr("Straggle"), r.straggle, nm);
    plain(tr("Skewness"), r.skewness, QString());
    plain(tr("Kurtosis"), r.kurtosis, QString());
    mean(tr("Lateral spread"), r.lateralSpread, nm);
    mean(tr("Radial range"), r.radialRange, nm);
    mean(tr("Path length"), r.pathLength, nm);
    for (std::size_t k = 0; k < r.stoppedPerLayer.size(); ++k)
        count(tr("Stopped in layer %1 (%2)")
                  .arg(k + 1)
                  .arg(k < names.size() ? QString::fromStdString(names[k]) : QString()),
              r.stoppedPerLayer[k]);
    if (r.backscattered > 0) {
        mean(tr("Backscattered energy"), r.backscatteredEnergy, keV);
        mean(tr("Backscattered energy spread"), r.backscatteredEnergySpread, keV);
        mean(tr("Backscattered angle"), r.backscatteredAngle, deg);
    }
    if (r.transmitted > 0) {
        mean(tr("Transmitted energy"), r.transmittedEnergy, keV);
        mean(tr("Transmitted energy spread"), r.transmittedEnergySpread, keV);
        mean(tr("Transmitted angle"), r.transmittedAngle, deg);
    }
    mean(tr("Energy per ion to electrons"), {r.electronicEnergy, r.electronicEnergyError}, keV);
    mean(tr("Energy per ion to nuclei"), {r.nuclearEnergy, r.nuclearEnergyError}, keV);
    mean(tr("Displacements per ion (Kinchin-Pease, %1)").arg(TranslatedSentence(displacement)),
         r.displacementsPerIon, QString());
    mean(tr("Collisions per ion"), {r.collisionsPerIon, r.collisionsPerIonError}, QString());
    if (r.beyondDepthRange > 0) count(tr("Stopped beyond the histogram"), r.beyondDepthRange);
    return rows;
}

}  // namespace fenra
