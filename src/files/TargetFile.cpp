#include "files/TargetFile.h"

#include "files/TextFile.h"
#include "state/NumberText.h"
#include "state/Version.h"

namespace fenra {
namespace {

// The header is written for the reader of the file only; reading skips it as comment lines.
constexpr const char* kTargetColumnLine =
    "'Ion             Mass        E (keV)  Range(1e15 atom/cm2)   target";
constexpr const char* kTargetRuleLine =
    "'---------------------------------------------------------------------";

std::string TargetTitleLine() {
    return std::string("'Fenra32 v") + kVersionText + " target file";
}

}  // namespace

std::string TargetText(const DataSet& d) {
    std::string text;
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        if (d.TargetRatio[j] == 0) break;
        text += d.TargetElement[j];
        text += ShortForm(d.TargetRatio[j]);
    }
    return text;
}

std::string TargetFileText(const WorkingState& s) {
    std::string out;
    AppendLine(out, TargetTitleLine());
    AppendLine(out, kTargetColumnLine);
    AppendLine(out, kTargetRuleLine);
    for (int i = 1; i <= DataSetsInUse(s); ++i) {
        const DataSet& d = s.DataSets[i];
        AppendLine(out, ZoneLine({d.IonName, PrintForm(d.IonMass), PrintForm(d.IonEnergy),
                                  PrintForm(d.Range), TargetText(d)}));
    }
    return out;
}

bool SaveTarget(const WorkingState& s, const std::string& path, std::string* error) {
    return WriteTextFile(path, TargetFileText(s), error);
}

OpenTargetResult OpenTarget(WorkingState& s, const std::string& path) {
    std::string bytes;
    OpenTargetResult result;
    if (!ReadTextFile(path, &bytes, &result.error)) {
        result.status = OpenTargetStatus::CannotOpen;
        return result;
    }
    return OpenTargetFromText(s, bytes);
}

}  // namespace fenra
