// The ion paths window: its stack and options read from the fields, and the run in the background.

#include "ui/implant/ImplantWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <thread>

#include "batch/ImplantLayers.h"
#include "materials/PhysicsError.h"
#include "state/NumberText.h"
#include "ui/implant/ImplantPlot.h"
#include "ui/implant/ImplantRunTexts.h"
#include "ui/implant/ImplantRunner.h"
#include "ui/implant/ImplantSummary.h"
#include "ui/implant/ImplantWindowLayout.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/NamedWidget.h"

namespace fenra {

using namespace implant_window;

namespace {

QString NumberText(double v) {
    return QString::fromStdString(NineDigitText(v));
}

// A number as the program reads numbers: '.' as the decimal point whatever the locale.
bool ReadNumber(const QString& text, double* v) {
    bool ok = false;
    *v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}

bool ReadCount(const QString& text, uint64_t* v) {
    bool ok = false;
    *v = text.trimmed().toULongLong(&ok);
    return ok;
}

}  // namespace

ImplantWindow::ImplantWindow(Platform& platform, const ElementDatabase& db,
                             const MaterialList& list, const StackInput& stack, QWidget* parent)
    : QMainWindow(parent), platform_(platform), db_(db), list_(list) {
    setObjectName(QStringLiteral("frmIonPaths"));
    setWindowTitle(tr("Ion paths"));
    runner_ = new ImplantRunner(this);
    connect(runner_, &ImplantRunner::progressed, this, &ImplantWindow::showProgress);
    connect(runner_, &ImplantRunner::finished, this, &ImplantWindow::runFinished);
    connect(runner_, &ImplantRunner::failed, this, &ImplantWindow::runFailed);
    buildFields();
    buildMenus();
    fillFromStack(stack);
    setRunning(false);
    showHistogram();
    resize(1180, 760);
}

ImplantWindow::~ImplantWindow() {
    // The run reads nothing of the window, but its end must not reach a window half gone.
    runner_->disconnect(this);
}

void ImplantWindow::fillFromStack(const StackInput& stack) {
    ion_->setText(QString::fromStdString(stack.ion));
    if (stack.ionMass > 0) mass_->setText(NumberText(stack.ionMass));
    energy_->setText(NumberText(stack.energy));
    const int model = model_->findData(QString::fromLatin1(StoppingModelName(stack.model)));
    model_->setCurrentIndex(std::max(0, model));
    for (const StackLayerInput& l : stack.layers) addLayerRow(l);
    layers_->resizeColumnsToContents();
}

void ImplantWindow::addLayerRow(const StackLayerInput& layer) {
    if (layers_->rowCount() >= kMaxImplantLayers) return;
    const int row = layers_->rowCount();
    layers_->insertRow(row);
    layers_->setItem(row, kMaterialColumn,
                     new QTableWidgetItem(QString::fromStdString(layer.material)));
    // Empty: the material's own density.
    layers_->setItem(
        row, kDensityColumn,
        new QTableWidgetItem(layer.density > 0 ? NumberText(layer.density) : QString()));
    layers_->setItem(row, kThicknessColumn, new QTableWidgetItem(NumberText(layer.thickness)));
    auto* unit = new QComboBox;
    unit->setObjectName(QStringLiteral("cboUnit%1").arg(row + 1));
    unit->setAccessibleName(layerUnitName(row));
    for (ThicknessUnit u : kUnits)
        unit->addItem(QString::fromLatin1(ThicknessUnitText(u)), static_cast<int>(u));
    unit->setCurrentIndex(std::max(0, unit->findData(static_cast<int>(layer.unit))));
    layers_->setCellWidget(row, kUnitColumn, unit);
    addLayer_->setEnabled(layers_->rowCount() < kMaxImplantLayers);
}

QString ImplantWindow::layerUnitName(int row) {
    return tr("Unit of layer %1").arg(row + 1);
}

void ImplantWindow::removeLayer() {
    const int row = layers_->currentRow() >= 0 ? layers_->currentRow() : layers_->rowCount() - 1;
    if (row >= 0) layers_->removeRow(row);
    for (int k = row; k >= 0 && k < layers_->rowCount(); ++k) {
        QWidget* unit = layers_->cellWidget(k, kUnitColumn);
        unit->setObjectName(QStringLiteral("cboUnit%1").arg(k + 1));
        unit->setAccessibleName(layerUnitName(k));
    }
    addLayer_->setEnabled(layers_->rowCount() < kMaxImplantLayers);
}

StackInput ImplantWindow::readStack() const {
    StackInput in;
    in.ion = ion_->text().trimmed().toStdString();
    if (!mass_->text().trimmed().isEmpty() && !ReadNumber(mass_->text(), &in.ionMass))
        in.ionMass = -1;  // refused by the ion's resolution
    if (!ReadNumber(energy_->text(), &in.energy)) in.energy = -1;
    const auto model = StoppingModelNamed(model_->currentData().toString().toStdString());
    if (model) in.model = *model;
    for (int row = 0; row < layers_->rowCount(); ++row) {
        StackLayerInput l;
        const QTableWidgetItem* m = layers_->item(row, kMaterialColumn);
        l.material = m ? m->text().trimmed().toStdString() : std::string();
        const QTableWidgetItem* d = layers_->item(row, kDensityColumn);
        if (d && !d->text().trimmed().isEmpty() && !ReadNumber(d->text(), &l.density))
            l.density = -1;  // refused by the material's resolution
        const QTableWidgetItem* t = layers_->item(row, kThicknessColumn);
        if (!t || !ReadNumber(t->text(), &l.thickness)) l.thickness = -1;
        if (auto* unit = qobject_cast<QComboBox*>(layers_->cellWidget(row, kUnitColumn)))
            l.unit = static_cast<ThicknessUnit>(unit->currentData().toInt());
        in.layers.push_back(l);
    }
    return in;
}

bool ImplantWindow::readOptions(ImplantOptions* o, double* angle, QString* error) const {
    if (!ReadCount(ions_->text(), &o->ions) || o->ions < 1) {
        *error = tr("The number of ions is not a whole number of at least 1.");
        return false;
    }
    if (!ReadCount(seed_->text(), &o->seed)) {
        *error = tr("The seed is not a whole number of at least 0.");
        return false;
    }
    if (!ReadNumber(cutoff_->text(), &o->cutoffEv) || !(o->cutoffEv > 0)) {
        *error = tr("The cut-off energy is not a number above 0 eV.");
        return false;
    }
    if (!ReadNumber(angle_->text(), angle) || !(*angle >= 0 && *angle < 90)) {
        *error = tr("The angle is not a number from 0 to below 90 degrees.");
        return false;
    }
    o->threads = threads_->value();
    o->depthBins = bins_->value();
    o->electronicStraggling = straggling_->isChecked();
    return true;
}

bool ImplantWindow::running() const {
    return runner_->running();
}

const ImplantResult& ImplantWindow::result() const {
    return runner_->result();
}

void ImplantWindow::run() {
    if (running()) return;
    ImplantOptions options;
    double angle = 0;
    QString error;
    if (!readOptions(&options, &angle, &error)) {
        status_->setText(error);
        return;
    }
    const StackInput input = readStack();
    ImplantStack stack = ImplantStackOf(input, db_, list_, angle, options.cutoffEv);
    if (!stack.error.Empty()) {
        status_->setText(
            tr("The stack cannot be simulated: %1").arg(TranslatedSentence(stack.error)));
        return;
    }
    try {
        DisplacementEnergies energies;
        ReadDisplacementEnergies(energies, displacement_->text().trimmed().toStdString());
        runningDisplacementWords_ =
            DisplacementWords(SetDisplacementEnergies(stack.layers, energies, db_));
    } catch (const PhysicsError& e) {
        status_->setText(
            tr("The displacement energy cannot be used: %1").arg(TranslatedSentence(e.Reason())));
        return;
    }
    runningNames_ = stack.names;
    std::vector<CaptionLayer> layers;
    for (std::size_t k = 0; k < stack.layers.size(); ++k)
        layers.push_back({stack.names[k], stack.layers[k].thickness});
    runningCaption_ = ImplantRunTexts::caption(stack.ionSymbol, stack.ion.energy, layers,
                                               StoppingModelName(input.model));
    if (!runner_->start(stack.ion, stack.layers, options)) return;
    clock_.start();
    setRunning(true);
    showProgress(0, options.ions);
    // Said once, at the start: a progress report after Cancel must not take back "Stopping".
    status_->setText(tr("Running…"));
}

void ImplantWindow::cancel() {
    if (!running()) return;
    runner_->cancel();
    status_->setText(tr("Stopping after the ions under way…"));
}

void ImplantWindow::setRunning(bool running) {
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ion_, mass_, energy_, angle_, model_, layers_, addLayer_, removeLayer_, ions_, seed_,
             threads_, cutoff_, bins_, straggling_, displacement_})
        w->setEnabled(!running);
    if (!running) addLayer_->setEnabled(layers_->rowCount() < kMaxImplantLayers);
}

void ImplantWindow::showProgress(quint64 done, quint64 requested) {
    const double share =
        requested > 0 ? static_cast<double>(done) / static_cast<double>(requested) : 0;
    progress_->setValue(static_cast<int>(share * progress_->maximum()));
    const double seconds = clock_.isValid() ? static_cast<double>(clock_.elapsed()) / 1000 : 0;
    progress_->setFormat(ImplantRunTexts::progress(done, requested, seconds));
}

void ImplantWindow::runFinished() {
    setRunning(false);
    names_ = runningNames_;
    displacementWords_ = runningDisplacementWords_;
    caption_ = runningCaption_;
    const ImplantResult& r = runner_->result();
    status_->setText(r.cancelled ? tr("Cancelled: the results of the first %1 of %2 ions.")
                                       .arg(r.ionsRun)
                                       .arg(r.ionsRequested)
                                 : tr("Done: %1 ions.").arg(r.ionsRun));
    showSummary();
    showHistogram();
    emit runEnded();
}

void ImplantWindow::runFailed(const QString& reason) {
    setRunning(false);
    names_.clear();
    displacementWords_ = Message{};
    caption_.clear();
    status_->setText(tr("The simulation failed: %1").arg(reason));
    showSummary();
    showHistogram();
    emit runEnded();
}

void ImplantWindow::showSummary() {
    const ImplantResult& r = runner_->result();
    summary_->setRowCount(0);
    if (r.ionsRun == 0) return;
    const std::vector<SummaryRow> rows = ImplantSummary::rows(r, names_, displacementWords_);
    summary_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int row = static_cast<int>(k);
        const SummaryRow& s = rows[k];
        summary_->setItem(row, 0, new QTableWidgetItem(s.quantity));
        for (const auto& [column, text] : {std::pair<int, QString>{1, s.value}, {2, s.error}}) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            summary_->setItem(row, column, item);
        }
        summary_->setItem(row, 3, new QTableWidgetItem(s.unit));
    }
    summary_->resizeColumnToContents(1);
    summary_->resizeColumnToContents(2);
}

}  // namespace fenra
