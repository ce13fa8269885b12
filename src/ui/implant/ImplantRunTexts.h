#pragma once
// The words the ion paths window shows about a run: the progress of one under way (ions done,
// the rate and the time left, as fenra32-calc implant shows them on a terminal), and the caption
// an exported drawing carries so that it says what it shows.

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

namespace fenra {

// One layer as the caption names it: its material and thickness in nm.
struct CaptionLayer {
    std::string material;
    double nm = 0;
};

class ImplantRunTexts {
    Q_DECLARE_TR_FUNCTIONS(ImplantRunTexts)

  public:
    // "500 of 1000 ions, 250 ions/s, 2 s left": the rate from the ions done over the seconds
    // since the start, the time left at that rate rounded up to a whole second (so that it
    // never says 0 s while ions remain). Only "0 of 1000 ions" until a rate is known; no time
    // left once all are done.
    static QString progress(quint64 done, quint64 total, double elapsedSeconds);

    // "B 50 keV into SiO2 20 nm / Si 1000 nm, stopping model classic".
    static QString caption(const std::string& ion, double energyKeV,
                           const std::vector<CaptionLayer>& layers, const char* model);

    // A duration of whole seconds: "59 s", "16 min 39 s", "27777 h 46 min".
    static QString duration(quint64 seconds);
};

}  // namespace fenra
