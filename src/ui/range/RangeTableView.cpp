// The range window's energy table: its fields, their layout and how they are connected.

#include "ui/range/RangeTableView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/messages/WindowTexts.h"
#include "ui/platform/NamedWidget.h"
#include "ui/range/EnergyTableModel.h"

namespace fenra {

namespace {

// A caption whose letter (Alt+letter) goes to `buddy`.
QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* NumberField(const char* name, int width) {
    auto* field = Named(new QLineEdit, name);
    field->setMaximumWidth(width);
    return field;
}

// The opening request: from 100 keV to 10 MeV in twenty steps.
constexpr const char* kFirstFrom = "100";
constexpr const char* kFirstTo = "10000";
constexpr const char* kFirstSteps = "20";

}  // namespace

RangeTableView::RangeTableView(Platform& platform, const ElementDatabase& db,
                               const MaterialList& list, QWidget* parent, RangeCache& cache)
    : QWidget(parent, Qt::Window), platform_(platform), db_(db), list_(list), cache_(cache) {
    setObjectName(QStringLiteral("RangeTableView"));
    setWindowTitle(tr("Range table"));
    calculationTimer_.setSingleShot(true);
    calculationTimer_.setInterval(0);
    connect(&calculationTimer_, &QTimer::timeout, this, &RangeTableView::calculateNow);
    buildFields();
    resize(1180, 640);
}

RangeTableView::~RangeTableView() {
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void RangeTableView::buildFields() {
    ionLabel_ = Named(new QLabel, "lblTableIon");
    ionLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    material_ = Named(new QLineEdit, "txtTableMaterial");
    material_->setToolTip(MaterialFieldToolTip());
    density_ = NumberField("txtTableDensity", 120);
    density_->setPlaceholderText(tr("its own"));
    auto* what = new QHBoxLayout;
    what->addWidget(Caption(tr("&Material"), material_));
    what->addWidget(material_, 1);
    what->addWidget(Caption(tr("&Density (g/cm3)"), density_));
    what->addWidget(density_);

    stepMode_ = Named(new QRadioButton(tr("&Energies from")), "optTableSteps");
    stepMode_->setChecked(true);
    from_ = NumberField("txtTableFrom", 110);
    from_->setText(QString::fromLatin1(kFirstFrom));
    from_->setAccessibleName(tr("From"));
    to_ = NumberField("txtTableTo", 110);
    to_->setText(QString::fromLatin1(kFirstTo));
    stepCount_ = NumberField("txtTableSteps", 70);
    stepCount_->setText(QString::fromLatin1(kFirstSteps));
    linear_ = Named(new QCheckBox(tr("&Linear")), "chkTableLinear");
    linear_->setToolTip(tr("Equal steps of the energy instead of its logarithm"));
    auto* steps = new QHBoxLayout;
    steps->addWidget(stepMode_);
    steps->addWidget(from_);
    steps->addWidget(Caption(tr("&to"), to_));
    steps->addWidget(to_);
    // The unit of every energy of the table: those typed, and the energy column.
    energyUnit_ = Named(new QComboBox, "cboTableEnergyUnit");
    for (int k = 0; k < kEnergyUnitCount; ++k)
        energyUnit_->addItem(EnergyUnitDisplay(static_cast<EnergyUnit>(k)));
    energyUnit_->setCurrentIndex(static_cast<int>(EnergyUnit::Kev));
    energyUnit_->setAccessibleName(tr("Unit of the energies"));
    energyUnit_->setToolTip(
        tr("The unit of the energies typed and shown; a number may also be "
           "typed with its unit (2 MeV, 500 keV/u)"));
    steps->addWidget(energyUnit_);
    steps->addWidget(Caption(tr("in ste&ps"), stepCount_));
    steps->addWidget(stepCount_);
    steps->addWidget(linear_);
    steps->addStretch(1);

    listMode_ = Named(new QRadioButton(tr("L&ist")), "optTableList");
    energies_ = Named(new QLineEdit, "txtTableEnergies");
    energies_->setAccessibleName(tr("Energies of the list"));
    energies_->setPlaceholderText(
        tr("e.g. 500 1000 2000 or 0.5 MeV, 2 MeV, separated by blanks or commas"));
    auto* typed = new QHBoxLayout;
    typed->addWidget(listMode_);
    typed->addWidget(energies_, 1);

    model_ = new EnergyTableModel(this);
    view_ = Named(new QTableView, "tblEnergyTable");
    view_->setModel(model_);
    view_->setAccessibleName(tr("Energy table"));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Rows as high as a line of text, not the style's roomy default: more of a long table shows.
    const int rowHeight = view_->fontMetrics().height() + 6;
    view_->verticalHeader()->setMinimumSectionSize(rowHeight);
    view_->verticalHeader()->setDefaultSectionSize(rowHeight);

    message_ = Named(new QLabel, "lblTableMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setStyleSheet(QStringLiteral("color: #a00000"));
    message_->setMinimumHeight(message_->fontMetrics().lineSpacing() * 2);

    copy_ = Named(new QPushButton(tr("&Copy")), "cmdTableCopy");
    copy_->setToolTip(tr("Copy the table as shown, tab-separated, to the clipboard"));
    save_ = Named(new QPushButton(tr("&Save CSV…")), "cmdTableSave");
    save_->setToolTip(tr("Save the table with nine significant digits as CSV"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(message_, 1);
    buttons->addWidget(copy_);
    buttons->addWidget(save_);

    auto* all = new QVBoxLayout(this);
    all->addWidget(ionLabel_);
    all->addLayout(what);
    all->addLayout(steps);
    all->addLayout(typed);
    all->addWidget(view_, 1);
    all->addLayout(buttons);
    connectFields();
}

void RangeTableView::connectFields() {
    for (QLineEdit* field : {material_, density_, from_, to_, stepCount_, energies_})
        connect(field, &QLineEdit::textChanged, this, &RangeTableView::scheduleCalculation);
    connect(linear_, &QCheckBox::toggled, this, &RangeTableView::scheduleCalculation);
    connect(energyUnit_, &QComboBox::currentIndexChanged, this,
            &RangeTableView::scheduleCalculation);
    for (QLineEdit* field : {from_, to_})
        connect(field, &QLineEdit::textEdited, this, &RangeTableView::followTypedUnit);
    connect(stepMode_, &QRadioButton::toggled, this, &RangeTableView::scheduleCalculation);
    connect(stepMode_, &QRadioButton::toggled, linear_, &QCheckBox::setEnabled);
    // Typing into a field of a mode chooses that mode.
    connect(energies_, &QLineEdit::textEdited, listMode_,
            [this]() { listMode_->setChecked(true); });
    for (QLineEdit* field : {from_, to_, stepCount_})
        connect(field, &QLineEdit::textEdited, stepMode_,
                [this]() { stepMode_->setChecked(true); });
    connect(copy_, &QPushButton::clicked, this, &RangeTableView::copyTable);
    connect(save_, &QPushButton::clicked, this, &RangeTableView::saveCsv);
}

void RangeTableView::scheduleCalculation() {
    // A zero-time single shot: every change until the event loop turns again is one request.
    if (!calculationTimer_.isActive()) calculationTimer_.start();
}

void RangeTableView::setIon(const QString& ion, double mass, StoppingModel model) {
    if (ion == ion_ && mass == mass_ && model == stoppingModel_ && calculations_ > 0) return;
    ion_ = ion;
    mass_ = mass;
    stoppingModel_ = model;
    scheduleCalculation();
}

void RangeTableView::setMaterial(const QString& material, const QString& density) {
    material_->setText(material);
    density_->setText(density);
}

void RangeTableView::setEnergyUnit(EnergyUnit unit) {
    // The opening request stays 100 keV to 10 MeV whatever the unit: its numbers say keV.
    if (unit != EnergyUnit::Kev)
        for (auto [field, first] : {std::pair(from_, kFirstFrom), std::pair(to_, kFirstTo)})
            if (field->text() == QLatin1String(first))
                field->setText(field->text() + QLatin1Char(' ') +
                               EnergyUnitDisplay(EnergyUnit::Kev));
    energyUnit_->setCurrentIndex(static_cast<int>(unit));
}

EnergyUnit RangeTableView::energyUnit() const {
    return static_cast<EnergyUnit>(energyUnit_->currentIndex());
}

void RangeTableView::followTypedUnit(const QString& text) {
    const TypedEnergy typed = SplitTypedEnergy(text);
    if (typed.unit) setEnergyUnit(*typed.unit);
}

void RangeTableView::setDigits(int digits) {
    model_->setDigits(digits);
}

QString RangeTableView::message() const {
    return message_->text();
}

}  // namespace fenra
