// The ion paths window's fields, their layout, its menu, and the run in the background.

#include "ui/implant/ImplantWindow.h"

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
#include "state/NumberText.h"
#include "ui/implant/ImplantPlot.h"
#include "ui/implant/ImplantRunner.h"
#include "ui/implant/ImplantSummary.h"

namespace fenra {

namespace {

constexpr ThicknessUnit kUnits[] = {ThicknessUnit::Nm,    ThicknessUnit::Um,    ThicknessUnit::Mm,
                                    ThicknessUnit::MgCm2, ThicknessUnit::UgCm2, ThicknessUnit::E15};
constexpr int kMaterialColumn = 0, kThicknessColumn = 1, kUnitColumn = 2, kDensityColumn = 3;
constexpr int kDefaultIons = 10000;
constexpr int kMaxThreads = 256;

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

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

void ImplantWindow::buildFields() {
    auto* left = new QVBoxLayout;
    left->addWidget(buildInputGroup(), 1);
    left->addWidget(buildOptionsGroup());
    auto* leftWidget = new QWidget;
    leftWidget->setLayout(left);
    auto* split = new QSplitter;
    split->addWidget(leftWidget);
    split->addWidget(buildResultsGroup());
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    setCentralWidget(split);
}

QWidget* ImplantWindow::buildInputGroup() {
    auto* group = new QGroupBox(tr("Ion and stack"));
    auto* form = new QFormLayout;
    ion_ = Named(new QLineEdit, "txtIon");
    mass_ = Named(new QLineEdit, "txtMass");
    mass_->setPlaceholderText(tr("the ion's own"));
    energy_ = Named(new QLineEdit, "txtEnergy");
    angle_ = Named(new QLineEdit(QStringLiteral("0")), "txtAngle");
    model_ = Named(new QComboBox, "cboModel");
    model_->addItem(tr("classic: the calculator's fit"), QStringLiteral("classic"));
    model_->addItem(tr("modern: the fit joined to corrected Bethe above a few MeV/u"),
                    QStringLiteral("modern"));
    form->addRow(tr("Ion (symbol or Z)"), ion_);
    form->addRow(tr("Mass (amu)"), mass_);
    form->addRow(tr("Energy (keV)"), energy_);
    form->addRow(tr("Angle from the normal (deg)"), angle_);
    form->addRow(tr("Stopping model"), model_);
    layers_ = Named(new QTableWidget(0, 4), "tblLayers");
    layers_->setHorizontalHeaderLabels(
        {tr("Material"), tr("Thickness"), tr("Unit"), tr("Density (g/cm3)")});
    layers_->setAccessibleName(tr("Layers, front to back"));
    layers_->horizontalHeader()->setStretchLastSection(true);
    layers_->verticalHeader()->setDefaultSectionSize(layers_->fontMetrics().height() + 12);
    addLayer_ = Named(new QPushButton(tr("Add layer")), "cmdAddLayer");
    removeLayer_ = Named(new QPushButton(tr("Remove layer")), "cmdRemoveLayer");
    connect(addLayer_, &QPushButton::clicked, this, [this] {
        addLayerRow({QStringLiteral("Si").toStdString(), 1, ThicknessUnit::Um, 0});
    });
    connect(removeLayer_, &QPushButton::clicked, this, &ImplantWindow::removeLayer);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addLayer_);
    buttons->addWidget(removeLayer_);
    buttons->addStretch(1);
    auto* box = new QVBoxLayout(group);
    box->addLayout(form);
    box->addWidget(new QLabel(tr("Layers, front to back")));
    box->addWidget(layers_, 1);
    box->addLayout(buttons);
    return group;
}

QWidget* ImplantWindow::buildOptionsGroup() {
    auto* group = new QGroupBox(tr("Simulation"));
    auto* form = new QFormLayout;
    ions_ = Named(new QLineEdit(QString::number(kDefaultIons)), "txtIons");
    seed_ = Named(new QLineEdit(QStringLiteral("1")), "txtSeed");
    threads_ = Named(new QSpinBox, "spnThreads");
    threads_->setRange(0, kMaxThreads);
    threads_->setSpecialValueText(tr("every core"));
    cutoff_ = Named(new QLineEdit(QStringLiteral("10")), "txtCutoff");
    bins_ = Named(new QSpinBox, "spnBins");
    bins_->setRange(1, 10000);
    bins_->setValue(ImplantOptions{}.depthBins);
    form->addRow(tr("Ions"), ions_);
    form->addRow(tr("Seed"), seed_);
    form->addRow(tr("Threads"), threads_);
    form->addRow(tr("Cut-off energy (eV)"), cutoff_);
    form->addRow(tr("Depth bins"), bins_);
    run_ = Named(new QPushButton(tr("Run")), "cmdRun");
    cancel_ = Named(new QPushButton(tr("Cancel")), "cmdCancel");
    connect(run_, &QPushButton::clicked, this, &ImplantWindow::run);
    connect(cancel_, &QPushButton::clicked, this, &ImplantWindow::cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    progress_ = Named(new QProgressBar, "prgIons");
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progress_->setTextVisible(true);
    progress_->setFormat(QString());
    status_ = Named(new QLabel, "lblStatus");
    status_->setWordWrap(true);
    auto* recoils = Named(new QLabel(tr("Recoils are not followed: the energy a struck atom "
                                        "takes counts as nuclear energy where it was struck.")),
                          "lblRecoils");
    recoils->setWordWrap(true);
    auto* box = new QVBoxLayout(group);
    box->addLayout(form);
    box->addLayout(buttons);
    box->addWidget(progress_);
    box->addWidget(status_);
    box->addWidget(recoils);
    return group;
}

QWidget* ImplantWindow::buildResultsGroup() {
    auto* group = new QGroupBox(tr("Results"));
    histogram_ = Named(new QComboBox, "cboHistogram");
    for (const char* text :
         {QT_TR_NOOP("Stopped ions against depth"), QT_TR_NOOP("Energy to electrons against depth"),
          QT_TR_NOOP("Energy to nuclei against depth"), QT_TR_NOOP("Displacements against depth"),
          QT_TR_NOOP("Backscattered ions against energy"),
          QT_TR_NOOP("Transmitted ions against energy"),
          QT_TR_NOOP("Backscattered ions against angle"),
          QT_TR_NOOP("Transmitted ions against angle")})
        histogram_->addItem(tr(text));
    histogram_->setAccessibleName(tr("Histogram"));
    connect(histogram_, &QComboBox::currentIndexChanged, this, &ImplantWindow::showHistogram);
    plot_ = new ImplantPlot;
    summary_ = Named(new QTableWidget(0, 4), "tblSummary");
    summary_->setHorizontalHeaderLabels(
        {tr("Quantity"), tr("Value"), tr("Standard error"), tr("Unit")});
    summary_->setAccessibleName(tr("Summary"));
    summary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summary_->verticalHeader()->hide();
    summary_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(plot_);
    split->addWidget(summary_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* box = new QVBoxLayout(group);
    box->addWidget(histogram_);
    box->addWidget(split, 1);
    return group;
}

void ImplantWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    const struct {
        const char* name;
        const char* text;
        void (ImplantWindow::*slot)();
    } commands[] = {{"mnuSaveImage", QT_TR_NOOP("Save image…"), &ImplantWindow::saveImage},
                    {"mnuCopyImage", QT_TR_NOOP("Copy image"), &ImplantWindow::copyImage},
                    {"mnuSaveData", QT_TR_NOOP("Save data…"), &ImplantWindow::saveData}};
    for (const auto& c : commands) {
        QAction* action = file->addAction(tr(c.text), this, c.slot);
        action->setObjectName(QString::fromLatin1(c.name));
    }
    file->addSeparator();
    QAction* close = file->addAction(tr("Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("mnuClose"));
    close->setShortcut(QKeySequence::Close);
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
    unit->setAccessibleName(tr("Unit of layer %1").arg(row + 1));
    for (ThicknessUnit u : kUnits)
        unit->addItem(QString::fromLatin1(ThicknessUnitText(u)), static_cast<int>(u));
    unit->setCurrentIndex(std::max(0, unit->findData(static_cast<int>(layer.unit))));
    layers_->setCellWidget(row, kUnitColumn, unit);
    addLayer_->setEnabled(layers_->rowCount() < kMaxImplantLayers);
}

void ImplantWindow::removeLayer() {
    const int row = layers_->currentRow() >= 0 ? layers_->currentRow() : layers_->rowCount() - 1;
    if (row >= 0) layers_->removeRow(row);
    for (int k = row; k >= 0 && k < layers_->rowCount(); ++k) {
        QWidget* unit = layers_->cellWidget(k, kUnitColumn);
        unit->setObjectName(QStringLiteral("cboUnit%1").arg(k + 1));
        unit->setAccessibleName(tr("Unit of layer %1").arg(k + 1));
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
    const ImplantStack stack = ImplantStackOf(readStack(), db_, list_, angle, options.cutoffEv);
    if (!stack.error.empty()) {
        status_->setText(
            tr("The stack cannot be simulated: %1").arg(QString::fromStdString(stack.error)));
        return;
    }
    runningNames_ = stack.names;
    if (!runner_->start(stack.ion, stack.layers, options)) return;
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{ion_, mass_, energy_, angle_, model_, layers_, addLayer_,
                                         removeLayer_, ions_, seed_, threads_, cutoff_, bins_})
        w->setEnabled(!running);
    if (!running) addLayer_->setEnabled(layers_->rowCount() < kMaxImplantLayers);
}

void ImplantWindow::showProgress(quint64 done, quint64 requested) {
    const double share =
        requested > 0 ? static_cast<double>(done) / static_cast<double>(requested) : 0;
    progress_->setValue(static_cast<int>(share * progress_->maximum()));
    progress_->setFormat(tr("%1 of %2 ions").arg(done).arg(requested));
}

void ImplantWindow::runFinished() {
    setRunning(false);
    names_ = runningNames_;
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
    status_->setText(tr("The simulation failed: %1").arg(reason));
    showSummary();
    showHistogram();
    emit runEnded();
}

void ImplantWindow::showSummary() {
    const ImplantResult& r = runner_->result();
    summary_->setRowCount(0);
    if (r.ionsRun == 0) return;
    const std::vector<SummaryRow> rows = ImplantSummary::rows(r, names_);
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
