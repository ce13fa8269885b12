// The range window's calculation: its fields read into one input, the calculation on the next
// turn of the event loop, and every result shown from it.

#include <QComboBox>
#include <QFormLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <limits>

#include "messages/PhysicsMessages.h"
#include "physics/StoppingModel.h"
#include "range/IonTarget.h"
#include "ui/messages/WindowMessages.h"
#include "ui/range/LayerTableModel.h"
#include "ui/range/RangeTexts.h"
#include "ui/range/RangeWindow.h"
#include "ui/range/StackPlot.h"

namespace fenra {

namespace {

const QString kNone = QStringLiteral("—");

}  // namespace

int RangeWindow::significantDigits() const {
    return digits_;
}

void RangeWindow::setSignificantDigits(int digits) {
    digits_ = std::clamp(digits, kFewestShownDigits, kMostShownDigits);
    layers_->setDigits(digits_);
    showCalculation();
}

void RangeWindow::scheduleCalculation() {
    // A zero-time single shot: every change until the event loop turns again is one request.
    if (!calculationTimer_.isActive()) calculationTimer_.start();
}

QString RangeWindow::modelName() const {
    return model_->currentData().toString();
}

void RangeWindow::setModelName(const QString& name) {
    const int k = model_->findData(name);
    if (k >= 0) model_->setCurrentIndex(k);
}

StackInput RangeWindow::readInput() const {
    StackInput in;
    in.ion = ion_->text().trimmed().toStdString();
    in.ionMass = mass_->text().trimmed().isEmpty() ? 0 : TypedNumber(mass_->text());
    in.energy = typedEnergyKev();
    in.material = material_->text().trimmed().toStdString();
    const QString density = density_->text().trimmed();
    // The filled-in text is the material's own density rounded for showing: 0 takes the
    // material's own, unrounded, as the layers and the other programs do.
    in.density = density.isEmpty() || density_->text() == filledDensity_ ? 0 : TypedNumber(density);
    in.unit = StopUnitAt(stopUnit_->currentIndex());
    const auto model = StoppingModelNamed(model_->currentData().toString().toStdString());
    in.model = model.value_or(StoppingModel::classic);
    in.layers = layers_->inputs();
    in.reachDepthGiven = !reachDepth_->text().trimmed().isEmpty();
    if (in.reachDepthGiven) in.reachDepth = TypedNumber(reachDepth_->text());
    in.reachDepthUnit = static_cast<ThicknessUnit>(reachUnit_->currentIndex());
    return in;
}

void RangeWindow::energyEdited() {
    // A unit typed after the number is the energy's unit: the selector shows it.
    const TypedEnergy typed = SplitTypedEnergy(energy_->text());
    if (typed.unit) energyUnit_->setCurrentIndex(static_cast<int>(*typed.unit));
    scheduleCalculation();
}

void RangeWindow::energyUnitChosen() {
    // A unit chosen in the list replaces one typed in the field: the number stays, bare.
    const TypedEnergy typed = SplitTypedEnergy(energy_->text());
    if (typed.unit && static_cast<int>(*typed.unit) != energyUnit_->currentIndex())
        energy_->setText(typed.number);
}

double RangeWindow::perUMass() const {
    // The mass typed, else the ion's own: NaN for an ion that cannot be read.
    const double mass = mass_->text().trimmed().isEmpty() ? 0 : TypedNumber(mass_->text());
    if (mass > 0) return mass;
    try {
        return ResolveIon(db_, ion_->text().trimmed().toStdString()).mass;
    } catch (const std::exception&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

EnergyUnit RangeWindow::energyUnit() const {
    return static_cast<EnergyUnit>(energyUnit_->currentIndex());
}

double RangeWindow::typedEnergyKev() const {
    const TypedEnergy typed = SplitTypedEnergy(energy_->text());
    const double value = TypedNumber(typed.number);
    const EnergyUnit unit = typed.unit.value_or(energyUnit());
    if (unit < EnergyUnit::KevPerU) return EnergyToKev(value, unit, 0);
    // Per u: times the mass typed, else the ion's own. An ion that cannot be read leaves the
    // number as it is; the calculation then refuses the ion in its own words.
    const double mass = perUMass();
    return std::isfinite(mass) ? EnergyToKev(value, unit, mass) : value;
}

std::pair<EnergyUnit, double> RangeWindow::resultEnergyUnit() const {
    // The energy field's unit, per u by the same mass as the typed energy; keV where that mass
    // is not known (the calculation has then refused the ion).
    const EnergyUnit unit = energyUnit();
    if (unit < EnergyUnit::KevPerU) return {unit, 0};
    const double mass = perUMass();
    return std::isfinite(mass) ? std::pair(unit, mass) : std::pair(EnergyUnit::Kev, 0.0);
}

QString RangeWindow::shownEnergy(double keV) const {
    const auto [unit, mass] = resultEnergyUnit();
    return ShownNumber(EnergyFromKev(keV, unit, mass), digits_) + QLatin1Char(' ') +
           EnergyUnitDisplay(unit);
}

QString RangeWindow::energyAnswer(const EnergyAnswer& a) const {
    return a.known ? shownEnergy(a.energy) : TranslatedSentence(a.reason);
}

void RangeWindow::calculateNow() {
    calculationTimer_.stop();
    shownInput_ = readInput();
    ++calculations_;
    // A mass of 0 or below would silently become the ion's own: a typed one must be above 0.
    if (!(shownInput_.ionMass > 0) && !mass_->text().trimmed().isEmpty()) {
        shown_ = StackCalculation{};
        shown_.error = Sentence(PhysicsText::IonMassNotPositive);
    } else {
        shown_ = CalculateStack(shownInput_, db_, list_, cache_);
    }
    showCalculation();
}

void RangeWindow::showCalculation() {
    showMaterial(shown_.material);
    showStack();
    showMessages();
    emit calculationShown();
}

void RangeWindow::showMaterial(const MaterialResult& m) {
    const bool read = shown_.error.Empty() && m.error.Empty();
    const StoppingInUnit& s = m.stopping;
    electronic_->setText(read && s.available ? ShownNumber(s.electronic, digits_) : kNone);
    nuclear_->setText(read && s.available ? ShownNumber(s.nuclear, digits_) : kNone);
    total_->setText(read && s.available ? ShownNumber(s.total, digits_) : kNone);
    stopNote_->setText(TranslatedSentence(read ? s.reason : m.error));
    rangeE15_->setText(read ? ShownNumber(m.range.e15, digits_) : kNone);
    rangeMgCm2_->setText(read ? ShownNumber(m.range.mgCm2, digits_) : kNone);
    rangeUm_->setText(read && m.range.hasUm ? ShownLength(m.range.um, digits_) : kNone);
    rangeNote_->setText(read ? TranslatedSentence(m.rangeUmReason) : QString());
    for (QLabel* note : {stopNote_, rangeNote_})
        resultsForm_->setRowVisible(note, !note->text().isEmpty());
}

void RangeWindow::showStack() {
    const bool read = shown_.error.Empty();
    const auto [unit, mass] = resultEnergyUnit();
    layers_->setEnergyUnit(unit, mass);
    layers_->setResults(shown_);
    energyToPass_->setText(read ? energyAnswer(shown_.energyToPass) : kNone);
    energyToReach_->setText(read && shownInput_.reachDepthGiven ? energyAnswer(shown_.energyToReach)
                                                                : QString());
    plot_->setEnergyUnit(unit, mass);
    plot_->setCalculation(shown_, shownInput_.unit);
    plot_->setTitle(plotTitle());
}

QString RangeWindow::plotTitle() const {
    QStringList layers;
    for (const LayerText& l : layers_->layers())
        layers << tr("%1 %2 %3")
                      .arg(l.material.trimmed(), l.thickness.trimmed(),
                           ThicknessUnitDisplay(l.unit));
    const QString ion = ion_->text().trimmed();
    // The selector names the unit typed with the number too.
    const QString energy =
        SplitTypedEnergy(energy_->text()).number + QLatin1Char(' ') + energyUnit_->currentText();
    const QString model = modelName();
    if (layers.isEmpty())
        return tr("%1 %2 into %3 (%4 model)").arg(ion, energy, material_->text().trimmed(), model);
    return tr("%1 %2 through %3 (%4 model)").arg(ion, energy, layers.join(tr(", ")), model);
}

void RangeWindow::showMessages() {
    QStringList lines;
    // The core's sentences in the user's language.
    if (!shown_.error.Empty()) lines << TranslatedSentence(shown_.error);
    if (!shown_.stackError.Empty() && shown_.error.Empty())
        lines << TranslatedSentence(shown_.stackError);
    for (const Message& w : shown_.warnings) lines << TranslatedSentence(w);
    messages_->setText(lines.join(QLatin1Char('\n')));
}

void RangeWindow::materialEdited() {
    // The material's own density, or none: an element has the table's, a listed material the
    // list's, a formula none.
    QString density;
    try {
        const Material m = ResolveMaterial(material_->text().trimmed().toStdString(), db_, list_);
        if (m.density > 0) density = ShownNumber(m.density, digits_);
    } catch (const std::exception&) {
        // The calculation says what is wrong with the text.
    }
    filledDensity_ = density;
    density_->setText(density);
    scheduleCalculation();
}

int RangeWindow::currentLayer() const {
    const QModelIndex current = table_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RangeWindow::updateLayerButtons() {
    const int row = currentLayer(), count = layers_->rowCount();
    add_->setEnabled(count < kMaxStackLayers);
    // A greyed button says why it is greyed.
    add_->setToolTip(count < kMaxStackLayers
                         ? tr("Add a layer behind the current one")
                         : tr("A stack holds at most %1 layers: remove one to add another")
                               .arg(kMaxStackLayers));
    remove_->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < count);
}

void RangeWindow::addLayer() {
    // The new layer follows the current one (or ends the stack) and starts as its copy.
    const int count = layers_->rowCount();
    const int after = currentLayer() >= 0 ? currentLayer() : count - 1;
    LayerText layer;
    if (after >= 0) {
        layer = layers_->layers()[static_cast<std::size_t>(after)];
    } else {
        layer.material = material_->text().trimmed();
        layer.thickness = QStringLiteral("1");
    }
    if (!layers_->insertLayer(after, layer)) return;
    table_->setCurrentIndex(layers_->index(after + 1, LayerTableModel::Material));
}

void RangeWindow::removeLayer() {
    const int row = currentLayer();
    if (row < 0) return;
    layers_->removeLayer(row);
    const int count = layers_->rowCount();
    if (count > 0)
        table_->setCurrentIndex(
            layers_->index(std::min(row, count - 1), LayerTableModel::Material));
    else
        table_->selectionModel()->clearCurrentIndex();
    updateLayerButtons();
}

void RangeWindow::moveLayer(int delta) {
    const int row = currentLayer();
    if (!layers_->moveLayer(row, delta)) return;
    table_->setCurrentIndex(layers_->index(row + delta, LayerTableModel::Material));
}

}  // namespace fenra
