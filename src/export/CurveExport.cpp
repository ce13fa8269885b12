#include "export/CurveExport.h"

#include <algorithm>

#include "export/CsvText.h"
#include "files/TextFile.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

const std::vector<float>& ValuesOf(CurveKind kind, const CurveSnapshot& c) {
    return kind == CurveKind::DepthEnergy ? c.energy : c.stop;
}

}  // namespace

const char* CurveCsvHeader(CurveKind kind) {
    switch (kind) {
        case CurveKind::DepthStop:
            return "depth_e15,stopping_eV_e15";
        case CurveKind::DepthEnergy:
            return "depth_e15,energy_keV";
        case CurveKind::EnergyStop:
            break;
    }
    return "energy_keV,stopping_eV_e15";
}

double CurvePointX(CurveKind kind, const CurveSnapshot& c, int N, int i) {
    if (kind != CurveKind::EnergyStop) return static_cast<double>(CurveStep(c.range, N)) * i;
    const float step = CurveStep(c.ionEnergy, N);
    float energy = c.ionEnergy;
    for (int k = 0; k < i; ++k) energy = EnergyStepDown(energy, step);
    return energy;
}

std::string CurveCsvText(CurveKind kind, const CurveSnapshot& c, int N) {
    if (N < 1) return {};
    const std::vector<float>& values = ValuesOf(kind, c);
    const int last = std::min<int>(N, static_cast<int>(values.size()) - 1);
    std::string out;
    AppendLine(out, CurveCsvHeader(kind));
    auto row = [&](int i) {
        const float v = values[static_cast<std::size_t>(i)];
        AppendCsvLine(out,
                      {NineDigitText(CurvePointX(kind, c, N, i)), NineDigitText(v > 0 ? v : 0.0f)});
    };
    if (kind == CurveKind::EnergyStop) {
        for (int i = last; i >= 0; --i) row(i);
    } else {
        for (int i = 0; i <= last; ++i) row(i);
    }
    return out;
}

bool SaveCurveCsv(CurveKind kind, const CurveSnapshot& c, int N, const std::string& path,
                  FileError* error) {
    if (N < 1) {
        if (error) *error = MakeFileError(FileAction::Write, path, 0, FileFault::NoSlab);
        return false;
    }
    return WriteTextFile(path, CurveCsvText(kind, c, N), error);
}

}  // namespace fenra
