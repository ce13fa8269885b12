#include "files/CurveFile.h"

#include <cstddef>

#include "files/TextFile.h"
#include "state/CurveSteps.h"
#include "state/NumberText.h"

namespace fenra {
namespace {

constexpr const char* kDepthStopTitle = "'Fenra32 Depth vs dE/dx curve data";
constexpr const char* kDepthEnergyTitle = "'Fenra32 Depth vs Energy curve data";
constexpr const char* kEnergyStopTitle = "'Fenra32 Energy vs dE/dx curve data";

// Points past the end of the copy (a shorter curve than N slabs) are written as no value.
float PointOf(const std::vector<float>& values, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < values.size()
               ? values[static_cast<std::size_t>(i)]
               : 0.0f;
}

// A value that is not above 0 (the ion has stopped, or a negative last energy from rounding)
// is written as the Integer 0 in print form.
std::string ValueLine(float v) {
    return v > 0 ? FormatFixed4(v) : PrintForm(0.0f);
}

// The quotient of a Single by N, both Singles, rounded to a Single before it is written.
float PerSlab(float total, int N) {
    return CurveStep(total, N);
}

std::string DepthCurveText(const char* title, const std::vector<float>& values,
                           const CurveSnapshot& c, const std::string& targetText, int N) {
    if (N < 1) return {};
    std::string out;
    AppendLine(out, title);
    AppendLine(out, "");
    AppendLine(out, "Ion : " + c.ionName);
    AppendLine(out, "Mass of ion :" + PrintForm(c.ionMass));
    AppendLine(out, "Energy :" + PrintForm(c.ionEnergy) + " keV");
    AppendLine(out, "Target :" + targetText);
    AppendLine(out, "Range :" + PrintForm(c.range) + "e15(atom/cm2)");
    AppendLine(out, "Slab thickness :" + PrintForm(PerSlab(c.range, N)) + "e15(atom/cm2)");
    AppendLine(out, "");
    for (int i = 0; i <= N; ++i) AppendLine(out, ValueLine(PointOf(values, i)));
    return out;
}

}  // namespace

std::string DepthStopCurveText(const CurveSnapshot& c, const std::string& targetText, int N) {
    return DepthCurveText(kDepthStopTitle, c.stop, c, targetText, N);
}

std::string DepthEnergyCurveText(const CurveSnapshot& c, const std::string& targetText, int N) {
    return DepthCurveText(kDepthEnergyTitle, c.energy, c, targetText, N);
}

// Point i belongs to the energy E0 (N - i) / N, so the lines run from point N (energy 0) up to
// point 0 (the full energy).
std::string EnergyStopCurveText(const CurveSnapshot& c, const std::string& targetText, int N) {
    if (N < 1) return {};
    std::string out;
    AppendLine(out, kEnergyStopTitle);
    AppendLine(out, "");
    AppendLine(out, "Ion : " + c.ionName);
    AppendLine(out, "Mass of ion :" + PrintForm(c.ionMass));
    AppendLine(out, "Target :" + targetText);
    AppendLine(out, "Energy range : 0 -" + PrintForm(c.ionEnergy) + " keV");
    AppendLine(out, "Slab energy :" + PrintForm(PerSlab(c.ionEnergy, N)) + "keV");
    AppendLine(out, "");
    for (int i = N; i >= 0; --i) AppendLine(out, ValueLine(PointOf(c.stop, i)));
    return out;
}

std::string CurveFileText(CurveKind kind, const CurveSnapshot& c, const std::string& targetText,
                          int N) {
    switch (kind) {
        case CurveKind::DepthStop:
            return DepthStopCurveText(c, targetText, N);
        case CurveKind::DepthEnergy:
            return DepthEnergyCurveText(c, targetText, N);
        case CurveKind::EnergyStop:
            return EnergyStopCurveText(c, targetText, N);
    }
    return {};
}

bool SaveCurve(CurveKind kind, const CurveSnapshot& c, const std::string& targetText, int N,
               const std::string& path, FileError* error) {
    if (N < 1) {
        if (error) *error = MakeFileError(FileAction::Write, path, 0, FileFault::NoSlab);
        return false;
    }
    return WriteTextFile(path, CurveFileText(kind, c, targetText, N), error);
}

}  // namespace fenra
