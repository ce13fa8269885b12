#include "export/ImplantExport.h"

#include "export/CsvText.h"
#include "files/TextFile.h"
#include "messages/ImplantLabels.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

std::string Number(double v) {
    return NineDigitText(v);
}

// The k-th error of a histogram, 0 where it gives none.
double ErrorOf(const Histogram& h, std::size_t k) {
    return k < h.errors.size() ? h.errors[k] : 0;
}

std::string HeaderLine(const char* header) {
    std::string out;
    AppendLine(out, header);
    return out;
}

}  // namespace

std::string ImplantDepthCsvText(const ImplantResult& r) {
    std::string out = HeaderLine(kImplantDepthCsvHeader);
    const double ions = r.ionsRun > 0 ? static_cast<double>(r.ionsRun) : 1;
    for (std::size_t k = 0; k < r.depth.values.size(); ++k) {
        const double count = r.depth.values[k];
        AppendCsvLine(
            out, {Number(r.depth.Edge(k)), Number(r.depth.Edge(k + 1)), Number(count),
                  Number(count / (ions * r.depth.width)), Number(r.electronicDeposit.values[k]),
                  Number(r.nuclearDeposit.values[k]), Number(r.displacements.values[k]),
                  Number(ErrorOf(r.depth, k)), Number(ErrorOf(r.electronicDeposit, k)),
                  Number(ErrorOf(r.nuclearDeposit, k)), Number(ErrorOf(r.displacements, k))});
    }
    return out;
}

std::string ImplantSpectrumCsvText(const Histogram& h, const std::string& unit) {
    std::string out;
    AppendCsvLine(out, {"from_" + unit, "to_" + unit, "ions"});
    for (std::size_t k = 0; k < h.values.size(); ++k)
        AppendCsvLine(out, {Number(h.Edge(k)), Number(h.Edge(k + 1)), Number(h.values[k])});
    return out;
}

std::vector<std::pair<std::string, std::string>> ImplantCsvFiles(const ImplantResult& r) {
    return {{"depth", ImplantDepthCsvText(r)},
            {KeyOf(ImplantLabel::BackscatteredEnergy),
             ImplantSpectrumCsvText(r.backscatteredSpectrum, "keV")},
            {KeyOf(ImplantLabel::BackscatteredAngle),
             ImplantSpectrumCsvText(r.backscatteredAngles, "deg")},
            {KeyOf(ImplantLabel::TransmittedEnergy),
             ImplantSpectrumCsvText(r.transmittedSpectrum, "keV")},
            {KeyOf(ImplantLabel::TransmittedAngle),
             ImplantSpectrumCsvText(r.transmittedAngles, "deg")}};
}

bool SaveImplantCsvFiles(const ImplantResult& r, const std::string& prefix, std::string* failedPath,
                         FileError* error) {
    for (const auto& [suffix, text] : ImplantCsvFiles(r)) {
        const std::string path = prefix + "_" + suffix + ".csv";
        if (!WriteTextFile(path, text, error)) {
            if (failedPath) *failedPath = path;
            return false;
        }
    }
    return true;
}

}  // namespace fenra
