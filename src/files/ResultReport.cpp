#include "files/ResultReport.h"

#include "files/TextFile.h"
#include "state/NumberText.h"

namespace fenra {
namespace {

constexpr int kFileRuleWidth = 100;
constexpr const char* kFileHeading1 =
    "*  Ion    IonMass      IonEnergy      Target                S T O P P I N G   P O W E R"
    "            *";
constexpr const char* kFileHeading2 =
    "*          (amu)         (keV)                    eV/(1E15/cm2)  keV/mg/cm2     eV/A"
    "    keV/um     *";

constexpr int kPrintRuleWidth = 80;

// The length units are defined for a one-element target only; a compound shows this instead,
// and so does every result column of a data set without results.
constexpr const char* kNoValue = "-";

// Character columns of the printed row, counted from the edge of the printable area.
constexpr int kPrintColMass = 17;
constexpr int kPrintColEnergy = 28;
constexpr int kPrintColTarget = 40;
constexpr int kPrintColEvAtoms = 55;
constexpr int kPrintColKevMg = 75;
constexpr int kPrintColEvA = 90;
constexpr int kPrintColKevUm = 103;
constexpr int kPrintColEvACompound = 96;
constexpr int kPrintColKevUmCompound = 108;
constexpr const char* kPrintRowIndent = "   ";

// The printed headings stand at the columns of the values under them: in a proportional font
// only a text that starts where its column starts stays over it.
PrintedLine PrintedHeading1() {
    return {std::string(kPrintRowIndent) + "Ion",
            {{kPrintColMass, " Mass"},
             {kPrintColEnergy, " E"},
             {kPrintColTarget, "Target"},
             {kPrintColEvAtoms, " S T O P P I N G   P O W E R"}}};
}
PrintedLine PrintedHeading2() {
    return {"",
            {{kPrintColMass, " (amu)"},
             {kPrintColEnergy, " (keV)"},
             {kPrintColEvAtoms, " eV/(1E15/cm2)"},
             {kPrintColKevMg, " keV/mg/cm2"},
             {kPrintColEvA, " eV/A"},
             {kPrintColKevUm, " keV/um"}}};
}

bool HasLengthUnits(const DataSet& d) {
    return d.ElementCount == 1;
}

}  // namespace

bool HasResults(const WorkingState& s) {
    return s.DataSets[1].StopEvAtoms != 0;
}

std::string ResultReportText(const WorkingState& s) {
    const std::string rule(kFileRuleWidth, '*');
    std::string out;
    AppendLine(out, rule);
    AppendLine(out, kFileHeading1);
    AppendLine(out, kFileHeading2);
    AppendLine(out, rule);
    for (int i = 1; i <= DataSetsInUse(s); ++i) {
        const DataSet& d = s.DataSets[i];
        const bool shown = HasResultsToShow(d);
        const bool single = shown && HasLengthUnits(d);
        AppendLine(out, ZoneLine({d.IonName, PrintForm(d.IonMass), PrintForm(d.IonEnergy),
                                  d.TargetName, shown ? PrintForm(d.StopEvAtoms) : kNoValue,
                                  shown ? PrintForm(d.StopKevMg) : kNoValue,
                                  single ? PrintForm(d.StopEvA) : kNoValue,
                                  single ? PrintForm(d.StopKevUm) : kNoValue}));
    }
    return out;
}

bool SaveResult(const WorkingState& s, const std::string& path, FileError* error) {
    return WriteTextFile(path, ResultReportText(s), error);
}

std::vector<PrintedLine> PrintedReportLines(const WorkingState& s) {
    const std::string rule(kPrintRuleWidth, '*');
    std::vector<PrintedLine> lines = {
        {rule, {}}, PrintedHeading1(), PrintedHeading2(), {rule, {}}, {"", {}}};
    for (int i = 1; i <= DataSetsInUse(s); ++i) {
        const DataSet& d = s.DataSets[i];
        const bool shown = HasResultsToShow(d);
        PrintedLine row{kPrintRowIndent + d.IonName,
                        {{kPrintColMass, PrintForm(d.IonMass)},
                         {kPrintColEnergy, PrintForm(d.IonEnergy)},
                         {kPrintColTarget, d.TargetName},
                         {kPrintColEvAtoms, shown ? PrintForm(d.StopEvAtoms) : kNoValue},
                         {kPrintColKevMg, shown ? PrintForm(d.StopKevMg) : kNoValue}}};
        if (shown && HasLengthUnits(d)) {
            row.fields.push_back({kPrintColEvA, PrintForm(d.StopEvA)});
            row.fields.push_back({kPrintColKevUm, PrintForm(d.StopKevUm)});
        } else {
            row.fields.push_back({kPrintColEvACompound, kNoValue});
            row.fields.push_back({kPrintColKevUmCompound, kNoValue});
        }
        lines.push_back(std::move(row));
    }
    return lines;
}

}  // namespace fenra
