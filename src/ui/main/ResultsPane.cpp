// The results view: one row per data set, in the unit chosen in the unit list.

#include "ui/main/ResultsPane.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "export/ResultsExport.h"
#include "ui/platform/Platform.h"
#include "ui/platform/WindowGeometry.h"

namespace fenra {

namespace {

// Ion, mass, energy, target and the stopping power: the least widths of the columns.
constexpr std::array<int, ResultsModel::kColumns> kResultColumnTwips = {400, 800, 800, 1200, 2000};
constexpr int kResultRowPixels = 18;
// Room beside a cell's text: the cell's frame and padding in the styles in use.
constexpr int kCellPaddingPixels = 12;

// The grid's unit; before any is chosen the grid shows the first one's heading.
fenra::StopUnit GridUnitOf(int unit) {
    return unit < 0 ? fenra::StopUnit::EvE15 : static_cast<fenra::StopUnit>(unit);
}

}  // namespace

ResultsPane::ResultsPane(fenra::Platform& platform, const fenra::WorkingState& state,
                         QWidget* parent)
    : QWidget(parent), platform_(platform), state_(state) {
    setObjectName(QStringLiteral("ResultsPane"));
    model_ = new ResultsModel(state_, this);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);
    rows->addLayout(createUnitRow());
    rows->addWidget(createResultsView(), 1);

    unitCombo_->setAccessibleName(tr("Unit"));
    unitCaption_->setBuddy(unitCombo_);
    view_->setAccessibleName(tr("Result"));
    QStringList headings;
    for (int column = 0; column < ResultsModel::kColumns; ++column)
        headings << model_->headerData(column, Qt::Horizontal).toString().trimmed();
    view_->setAccessibleDescription(headings.join(QStringLiteral(", ")));

    connect(unitCombo_, &QComboBox::currentIndexChanged, this, &ResultsPane::showResultsInUnit);
    // A user who picks the unit already shown gets the results shown afresh too, as a fresh
    // look at the data sets (Qt reports no index change for that).
    connect(unitCombo_, &QComboBox::activated, this, &ResultsPane::showResultsInUnit);
}

// The unit of the stopping column.
QLayout* ResultsPane::createUnitRow() {
    unitCombo_ = new QComboBox(this);
    unitCombo_->setObjectName(QStringLiteral("cbUnit"));
    unitCombo_->addItems(ResultsModel::unitNames());
    unitCombo_->setCurrentIndex(-1);  // start-up chooses the first item, which shows the results
    unitCaption_ = new QLabel(tr("U&nit"), this);
    unitCaption_->setObjectName(QStringLiteral("lblUnit"));
    auto* row = new QHBoxLayout;
    row->addWidget(unitCaption_);
    row->addWidget(unitCombo_);
    row->addStretch(1);
    return row;
}

// The results of all data sets, in a frame.
QWidget* ResultsPane::createResultsView() {
    auto* frame = new QGroupBox(tr("Result"), this);
    frame->setObjectName(QStringLiteral("FraRes"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);

    view_ = new QTableView(frame);
    view_->setObjectName(QStringLiteral("GridResult"));
    view_->setModel(model_);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(kResultRowPixels);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next field; the arrow keys move between its cells.
    view_->setTabKeyNavigation(false);
    // Cells can be selected one by one or as a block, to be copied.
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    QHeaderView* header = view_->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(10);
    // The user may widen a column to read a long composition.
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < ResultsModel::kColumns; ++column) {
        const auto c = static_cast<std::size_t>(column);
        const int width = fenra::TwipsToPixels(kResultColumnTwips[c]);
        minWidths_[c] = width;
        view_->setColumnWidth(column, width);
    }
    frameLayout->addWidget(view_);
    return frame;
}

int ResultsPane::unit() const {
    return unitCombo_->currentIndex();
}

QString ResultsPane::unitText() const {
    return unitCombo_->currentText();
}

void ResultsPane::chooseUnit(int unit) {
    unitCombo_->setCurrentIndex(unit);
}

int ResultsPane::unitCount() const {
    return unitCombo_->count();
}

std::vector<QWidget*> ResultsPane::tabOrder() const {
    return {unitCombo_, view_};
}

void ResultsPane::showResultsInUnit() {
    // eV/A and keV/um need the atomic density of a single element: a compound has none, and
    // its row alone says so ("-", with the reason in the cell's tip); the others keep the unit.
    model_->setUnit(unitCombo_->currentIndex());
    fitColumns();
    emit unitShown();
}

void ResultsPane::refresh() {
    // Every row shows its own data set, rows past the last one are empty. The unit stays; in
    // a length unit a compound has no value to show.
    model_->dataSetsChanged();
    fitColumns();
}

void ResultsPane::showDataSet(int i) {
    model_->dataSetChanged(i);
}

void ResultsPane::fitColumns() {
    // The designed widths are the least; a column grows until its longest text fits in the
    // font the view actually uses. A column the user has widened keeps its width.
    const QFontMetrics fm(view_->font());
    const QFontMetrics headerFm(view_->horizontalHeader()->font());
    for (int column = 0; column < ResultsModel::kColumns; ++column) {
        int need = minWidths_[static_cast<std::size_t>(column)];
        const QString heading = model_->headerData(column, Qt::Horizontal).toString();
        need = std::max(need, headerFm.horizontalAdvance(heading) + kCellPaddingPixels);
        for (int row = 0; row < state_.DataSetCount; ++row) {
            const QString text = model_->index(row, column).data().toString();
            need = std::max(need, fm.horizontalAdvance(text) + kCellPaddingPixels);
        }
        if (view_->columnWidth(column) < need) view_->setColumnWidth(column, need);
    }
}

QString ResultsPane::selectionText() const {
    std::vector<fenra::GridCell> cells;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        cells.push_back({index.row() + 1, index.column()});
    // The grid's own rule decides which data sets have results to show, so the text says what
    // the grid shows.
    return QString::fromStdString(
        fenra::GridSelectionText(state_, GridUnitOf(model_->unit()), cells));
}

void ResultsPane::selectAll() {
    view_->selectAll();
    view_->setFocus(Qt::OtherFocusReason);
}

}  // namespace fenra
