// The ion paths window's fields, their groups and its menu.

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
#include "state/NumberText.h"
#include "ui/implant/ImplantPlot.h"
#include "ui/implant/ImplantRunner.h"
#include "ui/implant/ImplantSummary.h"
#include "ui/implant/ImplantWindow.h"
#include "ui/implant/ImplantWindowLayout.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/NamedWidget.h"

namespace fenra {

using namespace implant_window;

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
    mass_->setPlaceholderText(IonOwnMassPlaceholder());
    energy_ = Named(new QLineEdit, "txtEnergy");
    angle_ = Named(new QLineEdit(QStringLiteral("0")), "txtAngle");
    model_ = Named(new QComboBox, "cboModel");
    for (StoppingModel m : kStoppingModels)
        model_->addItem(StoppingModelChoice(m), QString::fromLatin1(StoppingModelName(m)));
    form->addRow(tr("Ion (symbol or Z)"), ion_);
    form->addRow(tr("Mass (amu)"), mass_);
    form->addRow(tr("Energy (keV)"), energy_);
    form->addRow(tr("Angle from the normal (deg)"), angle_);
    form->addRow(StoppingModelLabel(), model_);
    layers_ = Named(new QTableWidget(0, 4), "tblLayers");
    layers_->setHorizontalHeaderLabels(
        {tr("Material"), tr("Thickness"), tr("Unit"), tr("Density (g/cm3)")});
    layers_->setAccessibleName(LayersFrontToBackTitle());
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
    box->addWidget(new QLabel(LayersFrontToBackTitle()));
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
    displacement_ = Named(new QLineEdit(QStringLiteral("25")), "txtDisplacement");
    displacement_->setToolTip(
        tr("The displacement energy of the Kinchin-Pease count: one value for every element, or "
           "one per element, as Si=15,O=28 (the others 25 eV)."));
    form->addRow(tr("Displacement energy (eV)"), displacement_);
    straggling_ = Named(new QCheckBox(tr("Electronic energy-loss straggling")), "chkStraggling");
    straggling_->setChecked(ImplantOptions{}.electronicStraggling);
    straggling_->setToolTip(
        tr("Off: each flight loses exactly the mean electronic energy, and "
           "only the collisions spread the energies."));
    form->addRow(QString(), straggling_);
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

}  // namespace fenra
