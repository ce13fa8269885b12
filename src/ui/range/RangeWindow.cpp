// The range window's fields, their layout, its menu and how its fields are connected.

#include "ui/range/RangeWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "materials/MaterialTarget.h"
#include "settings/AppSettings.h"
#include "state/NumberText.h"
#include "ui/implant/ImplantWindow.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/NamedWidget.h"
#include "ui/range/LayerDelegate.h"
#include "ui/range/LayerTableModel.h"
#include "ui/range/RangeTexts.h"
#include "ui/range/StackPlot.h"

namespace fenra {

namespace {

QLabel* ResultLabel(const char* name) {
    auto* label = Named(new QLabel, name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(90);
    return label;
}

// A label for notes that come and go: it keeps the room of `lines` lines when empty, so the
// fields around it stay where they are.
QLabel* NoteLabel(const char* name, int lines = 1) {
    auto* label = Named(new QLabel, name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * lines + 2 * label->frameWidth());
    return label;
}

// The fields' scroll area asks for the whole height of the fields, so that the window's layout
// gives them their room first where it can: they scroll only on a low screen.
class FieldsScrollArea : public QScrollArea {
  public:
    QSize sizeHint() const override {
        const QSize base = QScrollArea::sizeHint();
        if (widget() == nullptr) return base;
        return QSize(base.width(), widget()->sizeHint().height() + 2 * frameWidth());
    }
};

// The preferred size of a new window, and the room a window manager's frame takes around it.
constexpr QSize kPreferredSize(1120, 780);
constexpr QSize kFrameAllowance(16, 40);
// Layer rows the table shows at the window's smallest.
constexpr int kLeastLayerRows = 3;

// The layer table asks only for the rows it must show (kLeastLayerRows): the height the window
// has beyond that goes to the fields and the plot above it, so that the fields need not scroll.
class LayerTableView : public QTableView {
  public:
    QSize sizeHint() const override {
        return QSize(QTableView::sizeHint().width(), minimumHeight());
    }
};

}  // namespace

RangeWindow::RangeWindow(Platform& platform, const DataSet& dataSet, const ElementDatabase& db,
                         const MaterialList& list, QWidget* parent, RangeCache& cache)
    : QMainWindow(parent),
      platform_(platform),
      db_(db),
      list_(list),
      cache_(cache),
      imageFolder_(DefaultFolder()),
      dataFolder_(DefaultFolder()) {
    setObjectName(QStringLiteral("RangeWindow"));
    setWindowTitle(tr("Range and layers"));
    calculationTimer_.setSingleShot(true);
    calculationTimer_.setInterval(0);
    connect(&calculationTimer_, &QTimer::timeout, this, &RangeWindow::calculateNow);
    buildFields();
    buildMenus();
    fillFromDataSet(dataSet);
    connectFields();
    calculateNow();
    placeOnScreen();
}

QRect RangeWindowGeometry(const QRect& available, QSize preferred, QSize minimum) {
    // The preferred size where the screen has room, never below the minimum; centred in what
    // the screen leaves free of panels, its top-left corner always on the screen.
    const QSize size = preferred.boundedTo(available.size()).expandedTo(minimum);
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(available.center());
    frame.moveTopLeft(
        QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
    return frame;
}

void RangeWindow::placeOnScreen() {
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // The frame (title bar and borders) is not known before the window is shown: a margin for it.
    const QRect available = screen->availableGeometry().adjusted(0, 0, -kFrameAllowance.width(),
                                                                 -kFrameAllowance.height());
    const QRect place = RangeWindowGeometry(available, kPreferredSize, minimumSizeHint());
    resize(place.size());
    move(place.topLeft());
}

RangeWindow::~RangeWindow() {
    // The fields go after the window's own members: an editor of the table that commits as it
    // closes must not reach a calculation timer or a table that is already gone.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void RangeWindow::buildFields() {
    auto* fields = new QWidget;
    auto* left = new QVBoxLayout(fields);
    left->setContentsMargins(0, 0, 0, 0);
    // The fields keep their natural height: short of room they scroll, they are never squeezed.
    left->setSizeConstraint(QLayout::SetMinAndMaxSize);
    left->addWidget(buildMaterialGroup());
    left->addWidget(buildResultsGroup());
    left->addStretch(1);
    // On a low screen the fields scroll rather than push the window off the screen.
    auto* scroll = Named(new FieldsScrollArea, "scrFields");
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(fields->minimumSizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
    scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto* top = new QHBoxLayout;
    top->addWidget(scroll, 0);
    top->addWidget(buildPlotGroup(), 1);
    auto* all = new QVBoxLayout;
    // The fields and the plot take what height there is; the layers keep their rows.
    all->addLayout(top, 1);
    all->addWidget(buildStackGroup(), 0);
    messages_ = NoteLabel("lblMessages", 2);
    messages_->setStyleSheet(QStringLiteral("color: #a00000"));
    all->addWidget(messages_);
    auto* central = new QWidget;
    central->setLayout(all);
    setCentralWidget(central);
}

QWidget* RangeWindow::buildMaterialGroup() {
    auto* group = new QGroupBox(tr("Ion and material"));
    auto* form = new QFormLayout(group);
    ion_ = Named(new QLineEdit, "txtIon");
    mass_ = Named(new QLineEdit, "txtMass");
    mass_->setPlaceholderText(IonOwnMassPlaceholder());
    energy_ = Named(new QLineEdit, "txtEnergy");
    material_ = Named(new QLineEdit, "txtMaterial");
    material_->setToolTip(MaterialFieldToolTip());
    density_ = Named(new QLineEdit, "txtDensity");
    density_->setPlaceholderText(tr("not known"));
    form->addRow(tr("Ion"), ion_);
    form->addRow(tr("Mass (amu)"), mass_);
    // The energy in the unit chosen beside it; the calculation takes the ion's total in keV.
    energyUnit_ = Named(new QComboBox, "cboEnergyUnit");
    for (int k = 0; k < kEnergyUnitCount; ++k)
        energyUnit_->addItem(EnergyUnitDisplay(static_cast<EnergyUnit>(k)));
    energyUnit_->setCurrentIndex(static_cast<int>(EnergyUnit::Kev));
    energyUnit_->setAccessibleName(tr("Unit of the energy"));
    energyUnit_->setToolTip(tr("Per u: the energy of each nucleon, times the ion's mass in u"));
    energy_->setToolTip(
        tr("A number in the unit chosen beside it, or with its unit: "
           "2 MeV, 500 keV/u"));
    auto* energyRow = new QHBoxLayout;
    energyRow->addWidget(energy_, 1);
    energyRow->addWidget(energyUnit_);
    auto* energyLabel = new QLabel(tr("Energy"));
    energyLabel->setBuddy(energy_);
    form->addRow(energyLabel, energyRow);
    form->addRow(tr("Material"), material_);
    form->addRow(tr("Density (g/cm3)"), density_);
    model_ = Named(new QComboBox, "cboModel");
    for (StoppingModel m : kStoppingModels)
        model_->addItem(StoppingModelChoice(m), QString::fromLatin1(StoppingModelName(m)));
    // Until the user's choice is remembered, the model of the physics commands.
    model_->setCurrentIndex(
        model_->findData(QString::fromLatin1(StoppingModelName(kPhysicsDefaultModel))));
    model_->setToolTip(tr("The electronic stopping model of the stopping, ranges and layers"));
    form->addRow(StoppingModelLabel(), model_);
    return group;
}

QWidget* RangeWindow::buildResultsGroup() {
    auto* group = new QGroupBox(tr("At this energy"));
    auto* form = new QFormLayout(group);
    stopUnit_ = Named(new QComboBox, "cboStopUnit");
    for (int k = 0; k < kStopUnitCount; ++k) stopUnit_->addItem(StopUnitDisplay(StopUnitAt(k)));
    electronic_ = ResultLabel("lblElectronic");
    nuclear_ = ResultLabel("lblNuclear");
    total_ = ResultLabel("lblTotal");
    stopNote_ = NoteLabel("lblStopNote", 2);
    rangeE15_ = ResultLabel("lblRangeE15");
    rangeMgCm2_ = ResultLabel("lblRangeMgCm2");
    rangeUm_ = ResultLabel("lblRangeUm");
    rangeNote_ = NoteLabel("lblRangeNote", 2);
    form->addRow(tr("Stopping in"), stopUnit_);
    form->addRow(tr("Electronic"), electronic_);
    form->addRow(tr("Nuclear"), nuclear_);
    form->addRow(tr("Total"), total_);
    form->addRow(tr("Range (1E15 atoms/cm2)"), rangeE15_);
    form->addRow(tr("Range (mg/cm2)"), rangeMgCm2_);
    // In nm, µm, mm or cm by its size, the unit beside the number.
    form->addRow(tr("Range (length)"), rangeUm_);
    // Why a number is missing, below all of them: a note that comes or goes moves none of the
    // numbers, and takes no room while there is none.
    form->addRow(stopNote_);
    form->addRow(rangeNote_);
    form->setRowVisible(stopNote_, false);
    form->setRowVisible(rangeNote_, false);
    resultsForm_ = form;
    group->setMaximumWidth(400);
    return group;
}

QWidget* RangeWindow::buildPlotGroup() {
    auto* group = new QGroupBox(tr("Through the stack"));
    auto* box = new QVBoxLayout(group);
    auto* choices = new QHBoxLayout;
    quantity_ = Named(new QComboBox, "cboPlotQuantity");
    quantity_->addItems({tr("Energy"), tr("Stopping")});
    logDepth_ = Named(new QCheckBox(tr("Logarithmic depth")), "chkLogDepth");
    logValue_ = Named(new QCheckBox(tr("Logarithmic values")), "chkLogValue");
    choices->addWidget(new QLabel(tr("Plot")));
    choices->addWidget(quantity_);
    choices->addWidget(logDepth_);
    choices->addWidget(logValue_);
    choices->addStretch(1);
    box->addLayout(choices);
    quantity_->setAccessibleName(tr("Plot"));
    plot_ = Named(new StackPlot, "plotStack");
    plot_->setAccessibleName(tr("Plot through the stack"));
    box->addWidget(plot_, 1);
    cursor_ = Named(new QLabel, "lblCursor");
    box->addWidget(cursor_);
    return group;
}

QWidget* RangeWindow::buildStackGroup() {
    auto* group = new QGroupBox(LayersFrontToBackTitle());
    auto* box = new QVBoxLayout(group);
    layers_ = new LayerTableModel(this);
    table_ = Named(new LayerTableView, "tblLayers");
    table_->setModel(layers_);
    table_->setItemDelegate(new LayerDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    // Every column as wide as its heading and texts, the note taking the rest: all of them fit
    // a window of the opening width.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(LayerTableModel::Note, QHeaderView::Stretch);
    // A note longer than its column ends in "…" on one line (the tooltip has it whole).
    table_->setWordWrap(false);
    // Tab leaves the table for the buttons below it; the arrow keys move between its cells.
    table_->setTabKeyNavigation(false);
    // Room for a few layers however small the window: the header, the rows and a scroll bar.
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             kLeastLayerRows * table_->verticalHeader()->defaultSectionSize() +
                             table_->horizontalScrollBar()->sizeHint().height() +
                             2 * table_->frameWidth());
    auto* buttons = new QHBoxLayout;
    add_ = Named(new QPushButton(tr("Add layer")), "cmdAddLayer");
    remove_ = Named(new QPushButton(tr("Remove layer")), "cmdRemoveLayer");
    up_ = Named(new QPushButton(tr("Move up")), "cmdLayerUp");
    down_ = Named(new QPushButton(tr("Move down")), "cmdLayerDown");
    for (QPushButton* b : {add_, remove_, up_, down_}) buttons->addWidget(b);
    updateLayerButtons();
    buttons->addSpacing(24);
    buttons->addWidget(new QLabel(tr("Energy needed to pass")));
    energyToPass_ = ResultLabel("lblEnergyToPass");
    buttons->addWidget(energyToPass_, 1);
    auto* reach = new QHBoxLayout;
    reach->addWidget(new QLabel(tr("Energy to reach a depth of")));
    reachDepth_ = Named(new QLineEdit, "txtReachDepth");
    reachDepth_->setMaximumWidth(110);
    reachUnit_ = Named(new QComboBox, "cboReachUnit");
    for (int k = 0; k < kThicknessUnitCount; ++k)
        reachUnit_->addItem(ThicknessUnitDisplay(static_cast<ThicknessUnit>(k)));
    reachUnit_->setCurrentIndex(static_cast<int>(ThicknessUnit::Um));
    energyToReach_ = ResultLabel("lblEnergyToReach");
    reach->addWidget(reachDepth_);
    reach->addWidget(reachUnit_);
    reach->addWidget(energyToReach_, 1);
    // Names for a screen reader where no label stands beside the field.
    table_->setAccessibleName(tr("Layers"));
    reachDepth_->setAccessibleName(tr("Depth to reach"));
    reachUnit_->setAccessibleName(tr("Unit of the depth to reach"));
    box->addWidget(table_, 1);
    box->addLayout(buttons);
    box->addLayout(reach);
    return group;
}

void RangeWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    const struct {
        const char* name;
        QString text;
        void (RangeWindow::*slot)();
    } commands[] = {{"mnuSaveImage", SaveImageCommandText(), &RangeWindow::saveImage},
                    {"mnuCopyImage", CopyImageCommandText(), &RangeWindow::copyImage},
                    {"mnuSaveData", SaveDataCommandText(), &RangeWindow::savePlotData},
                    {"mnuSaveTable", tr("Save &table…"), &RangeWindow::saveTable}};
    for (const auto& c : commands) {
        QAction* action = file->addAction(c.text, this, c.slot);
        action->setObjectName(QString::fromLatin1(c.name));
    }
    file->addSeparator();
    QAction* close = file->addAction(tr("C&lose"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("mnuClose"));
    close->setShortcut(QKeySequence::Close);
    QAction* paths = menuBar()
                         ->addMenu(tr("&Tools"))
                         ->addAction(tr("Ion paths…"), this, &RangeWindow::openIonPaths);
    paths->setObjectName(QStringLiteral("mnuIonPaths"));
    QAction* table =
        menuBar()->addMenu(tr("&View"))->addAction(tr("&Table…"), this, &RangeWindow::openTable);
    table->setObjectName(QStringLiteral("mnuTable"));
}

void RangeWindow::connectFields() {
    for (QLineEdit* field : {ion_, mass_, density_, reachDepth_})
        connect(field, &QLineEdit::textChanged, this, &RangeWindow::scheduleCalculation);
    connect(energy_, &QLineEdit::textChanged, this, &RangeWindow::energyEdited);
    connect(energyUnit_, &QComboBox::activated, this, &RangeWindow::energyUnitChosen);
    connect(material_, &QLineEdit::textChanged, this, &RangeWindow::materialEdited);
    connect(model_, &QComboBox::activated, this,
            [this](int k) { emit modelChosen(model_->itemData(k).toString()); });
    for (QComboBox* list : {energyUnit_, model_, stopUnit_, reachUnit_})
        connect(list, &QComboBox::currentIndexChanged, this, &RangeWindow::scheduleCalculation);
    connect(layers_, &LayerTableModel::layersEdited, this, &RangeWindow::scheduleCalculation);
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this](int k) {
        plot_->setQuantity(k == 1 ? PlotQuantity::Stopping : PlotQuantity::Energy);
    });
    for (QCheckBox* box : {logDepth_, logValue_})
        connect(box, &QCheckBox::toggled, this,
                [this]() { plot_->setLogAxes(logDepth_->isChecked(), logValue_->isChecked()); });
    connect(plot_, &StackPlot::cursorMoved, cursor_, &QLabel::setText);
    connect(add_, &QPushButton::clicked, this, &RangeWindow::addLayer);
    connect(remove_, &QPushButton::clicked, this, &RangeWindow::removeLayer);
    connect(up_, &QPushButton::clicked, this, [this]() { moveLayer(-1); });
    connect(down_, &QPushButton::clicked, this, [this]() { moveLayer(+1); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RangeWindow::updateLayerButtons);
    connect(layers_, &LayerTableModel::layersEdited, this, &RangeWindow::updateLayerButtons);
}

void RangeWindow::openIonPaths() {
    if (calculationTimer_.isActive()) calculateNow();
    auto* paths = new ImplantWindow(platform_, db_, list_, shownInput_, this);
    paths->setAttribute(Qt::WA_DeleteOnClose);
    paths->show();
}

void RangeWindow::fillFromDataSet(const DataSet& d) {
    ion_->setText(QString::fromStdString(d.IonName).trimmed());
    if (d.IonMass > 0) mass_->setText(QString::fromStdString(GeneralText(d.IonMass)));
    energy_->setText(QString::fromStdString(GeneralText(d.IonEnergy)));
    material_->setText(QString::fromStdString(TargetMaterialText(d)));
    materialEdited();
    // One layer of the material to start from, as thick as the unit it can be given in.
    LayerText first;
    first.material = material_->text();
    first.thickness = QStringLiteral("1");
    first.unit = density_->text().isEmpty() ? ThicknessUnit::MgCm2 : ThicknessUnit::Um;
    layers_->insertLayer(-1, first);
}

}  // namespace fenra
