// The range window's energy table: its energies read from the fields, the calculation, and the
// copy and CSV export of its rows. The commands first run a calculation still pending, so that
// what is copied or written is what the fields say.

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <cmath>

#include "export/EnergyTableExport.h"
#include "materials/Material.h"
#include "materials/PhysicsError.h"
#include "messages/PhysicsMessages.h"
#include "range/EnergySteps.h"
#include "range/EnergyTable.h"
#include "range/IonTarget.h"
#include "range/Spread.h"
#include "state/NumberText.h"
#include "ui/export/SaveFileAs.h"
#include "ui/messages/WindowMessages.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/Platform.h"
#include "ui/range/EnergyTableModel.h"
#include "ui/range/RangeTableView.h"

namespace fenra {

namespace {

// An energy typed with its unit, or in `unit`, in keV: a finite number of at least 0.
std::optional<double> TypedKev(const QString& text, EnergyUnit unit, double massAmu) {
    const TypedEnergy typed = SplitTypedEnergy(text);
    const double v = TypedNumber(typed.number);
    if (!(v >= 0) || !std::isfinite(v)) return std::nullopt;
    const double keV = EnergyToKev(v, typed.unit.value_or(unit), massAmu);
    if (!std::isfinite(keV)) return std::nullopt;
    return keV;
}

// How a row's energy is named in a warning, as fenra32-calc names it.
Message EnergyLabel(double E) {
    return Sentence(PhysicsText::PythonTheEnergy, {Value(NineDigitText(E)), Value("keV")});
}

}  // namespace

std::optional<std::vector<double>> RangeTableView::readSteps(double massAmu,
                                                             QString* refusal) const {
    const std::optional<double> from = TypedKev(from_->text(), energyUnit(), massAmu);
    if (!from) {
        *refusal = tr("From is not a number of at least 0 keV: “%1”.").arg(from_->text());
        return std::nullopt;
    }
    const std::optional<double> to = TypedKev(to_->text(), energyUnit(), massAmu);
    if (!to) {
        *refusal = tr("To is not a number of at least 0 keV: “%1”.").arg(to_->text());
        return std::nullopt;
    }
    // As the command line: From above To makes a descending table, From equal to To the same
    // energy on every row.
    bool whole = false;
    const QString typedSteps = stepCount_->text().trimmed();
    const int steps = typedSteps.toInt(&whole);
    if (!whole || steps < 1 || steps > kMaxEnergySteps) {
        *refusal = TranslatedSentence(Sentence(
            PhysicsText::StepsNotWholeNumber,
            {Value(tr("Steps").toStdString()), Value(TextForMessage(typedSteps.toStdString())),
             Value(std::to_string(kMaxEnergySteps))}));
        return std::nullopt;
    }
    const bool linear = linear_->isChecked();
    if (!linear && !(*from > 0 && *to > 0)) {
        *refusal = tr("Logarithmic steps start above 0 keV: check Linear for a table from 0 keV.");
        return std::nullopt;
    }
    return EnergySteps(*from, *to, steps, linear);
}

std::optional<std::vector<double>> RangeTableView::readList(double massAmu,
                                                            QString* refusal) const {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    const QStringList words = energies_->text().split(separators, Qt::SkipEmptyParts);
    // A unit standing alone belongs to the number before it: "2 MeV" is one energy.
    QStringList typed;
    for (const QString& word : words) {
        EnergyUnit unit;
        if (!typed.isEmpty() && EnergyUnitOf(word.toStdString(), &unit) &&
            !SplitTypedEnergy(typed.back()).unit)
            typed.back() += QLatin1Char(' ') + word;
        else
            typed << word;
    }
    if (typed.isEmpty()) {
        *refusal = tr("Type the energies of the list, separated by blanks or commas.");
        return std::nullopt;
    }
    if (typed.size() > kMaxEnergySteps + 1) {
        *refusal = tr("The list holds more than %1 energies.").arg(kMaxEnergySteps + 1);
        return std::nullopt;
    }
    std::vector<double> energies;
    for (const QString& word : typed) {
        const std::optional<double> E = TypedKev(word, energyUnit(), massAmu);
        if (!E) {
            *refusal =
                tr("The list holds “%1”, which is not a number of at least 0 keV.").arg(word);
            return std::nullopt;
        }
        energies.push_back(*E);
    }
    return energies;
}

std::optional<std::vector<double>> RangeTableView::readEnergies(double massAmu,
                                                                QString* refusal) const {
    return stepMode_->isChecked() ? readSteps(massAmu, refusal) : readList(massAmu, refusal);
}

void RangeTableView::calculateNow() {
    calculationTimer_.stop();
    ++calculations_;
    std::vector<EnergyTableRow> rows;
    QString text;
    ionLabel_->setText(tr("Ion %1").arg(ion_));
    try {
        const Ion ion = ResolveIon(db_, ion_.trimmed().toStdString(), mass_);
        ionLabel_->setText(tr("Ion %1 (%2 amu), stopping model %3")
                               .arg(QString::fromStdString(ion.symbol))
                               .arg(ShownNumber(ion.mass, model_->digits()))
                               .arg(QString::fromLatin1(StoppingModelName(stoppingModel_))));
        const QString density = density_->text().trimmed();
        const Target t = ResolveTarget(
            db_, list_, ion, material_->text().trimmed().toStdString(),
            density.isEmpty() ? std::nullopt : std::optional(TypedNumber(density)), stoppingModel_);
        model_->setEnergyUnit(energyUnit(), ion.mass);
        if (const auto energies = readEnergies(ion.mass, &text))
            rows = EnergyTable(t, *energies, {}, cache_);
    } catch (const PhysicsError& e) {
        text = TranslatedSentence(e.Reason());
    }
    model_->setRows(std::move(rows));
    message_->setText(text.isEmpty() ? rowWarnings() : text);
}

// The first row that failed, the first out of the model and the first with a straggling outside
// its formula's validity, each with the number of others like it.
QString RangeTableView::rowWarnings() const {
    const std::vector<EnergyTableRow>& rows = model_->rows();
    const auto first = [&rows](auto test, int* count) {
        const EnergyTableRow* found = nullptr;
        *count = 0;
        for (const EnergyTableRow& r : rows) {
            if (!test(r)) continue;
            if (!found) found = &r;
            ++*count;
        }
        return found;
    };
    QStringList lines;
    int n = 0;
    const auto more = [&n]() { return n > 1 ? tr(" (and %n more)", "", n - 1) : QString(); };
    if (const EnergyTableRow* r = first([](const auto& x) { return !x.error.Empty(); }, &n))
        lines << TranslatedSentence(Prefixed(EnergyLabel(r->energy), r->error)) + more();
    if (const EnergyTableRow* r = first([](const auto& x) { return x.outOfModel; }, &n))
        lines << TranslatedSentence(OutOfModelSentence(EnergyLabel(r->energy), stoppingModel_)) +
                     more();
    if (const EnergyTableRow* r = first([](const auto& x) { return x.sigmaOutOfValidity; }, &n))
        lines << TranslatedSentence(SpreadValiditySentence(
                     Sentence(PhysicsText::RangeStragglingOf, {EnergyLabel(r->energy)}))) +
                     more();
    return lines.join(QLatin1Char('\n'));
}

void RangeTableView::copyTable() {
    if (calculationTimer_.isActive()) calculateNow();
    if (model_->rowCount() == 0) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There is no table to copy: %1").arg(message_->text()));
        return;
    }
    QGuiApplication::clipboard()->setText(model_->tabText());
}

void RangeTableView::saveCsv() {
    if (calculationTimer_.isActive()) calculateNow();
    if (model_->rowCount() == 0) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There is no table to save: %1").arg(message_->text()));
        return;
    }
    FileDialogSettings dialog;
    dialog.title = tr("Save range table");
    dialog.filter = CsvFileFilter();
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    dialog.initialFolder = dataFolder_;
    const std::optional<QString> saved =
        SaveTextAs(platform_, this, dialog, &csvFile_, EnergyTableCsvText(model_->rows()));
    if (saved) dataFolder_ = QFileInfo(*saved).absolutePath();
}

}  // namespace fenra
