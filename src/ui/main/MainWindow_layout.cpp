// The fields of the main window, row by row, as they were designed: the ion, the data set
// indicator, the ten target slots, the unit, and the results.

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsModel.h"
#include "ui/platform/WindowGeometry.h"

namespace {

// Ion, mass, energy, target and the stopping power: the least widths of the columns.
constexpr std::array<int, ResultsModel::kColumns> kResultColumnTwips = {400, 800, 800, 1200, 2000};
constexpr int kResultRowPixels = 18;
constexpr int kTargetSlotsPerBlock = 5;

QLabel* NamedLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

FieldEdit* NamedField(const QString& name, QWidget* parent) {
    auto* field = new FieldEdit(parent);
    field->setObjectName(name);
    return field;
}

}  // namespace

void MainWindow::createFields() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);
    outer->addLayout(createIonRow(central));
    outer->addLayout(createDataSetRow(central));
    outer->addLayout(createTargetRows(central));
    outer->addLayout(createMaterialRow(central));
    outer->addLayout(createUnitRow(central));
    outer->addWidget(createResultsView(central), 1);
    setCentralWidget(central);
}

// The ion: symbol, atomic number, mass, energy, range; each under a caption of two lines.
QLayout* MainWindow::createIonRow(QWidget* parent) {
    Fields& f = fields_;
    f.ionCombo = new QComboBox(parent);
    f.ionCombo->setObjectName(QStringLiteral("DBCbIon"));
    f.atomicNumberLabel = NamedLabel(QStringLiteral("lblZNum"), QString(), parent);
    f.atomicNumberLabel->setMinimumWidth(24);
    f.massEdit = NamedField(QStringLiteral("txtIonMass"), parent);
    f.energyEdit = NamedField(QStringLiteral("txtEnergy"), parent);
    f.rangeEdit = NamedField(QStringLiteral("txtRange"), parent);
    f.energyEdit->setText(QStringLiteral("1000"));
    f.rangeEdit->setText(QStringLiteral("100000"));

    auto* row = new QGridLayout;
    row->setHorizontalSpacing(6);
    row->setVerticalSpacing(0);
    const auto caption = [&](const char* name, const QString& text, int line, int column) {
        row->addWidget(NamedLabel(QString::fromLatin1(name), text, parent), line, column);
    };
    caption("lblelement", tr("Ion"), 1, 0);
    caption("lblAtomNum1", tr("Atomic"), 0, 1);
    caption("lblAtomNum2", tr("Number"), 1, 1);
    caption("lblMass", tr("Mass"), 1, 2);
    caption("lblEnergy1", tr("Ion energy"), 0, 3);
    caption("lblEnergy2", tr("(keV)"), 1, 3);
    caption("lblRange1", tr("Range"), 0, 4);
    caption("lblRange2", tr("(1e15 atom/cm2)"), 1, 4);
    row->addWidget(f.ionCombo, 2, 0);
    row->addWidget(f.atomicNumberLabel, 2, 1);
    row->addWidget(f.massEdit, 2, 2);
    row->addWidget(f.energyEdit, 2, 3);
    row->addWidget(f.rangeEdit, 2, 4);
    return row;
}

// The data set indicator and the scroll bar that moves between data sets.
QLayout* MainWindow::createDataSetRow(QWidget* parent) {
    Fields& f = fields_;
    f.dataSetLabel = NamedLabel(QStringLiteral("lblDataset1"), QString(), parent);
    f.dataSetLabel->setMinimumWidth(70);
    f.dataSetScrollBar = new QScrollBar(Qt::Horizontal, parent);
    f.dataSetScrollBar->setObjectName(QStringLiteral("HscrolData"));
    f.dataSetScrollBar->setRange(1, 1);
    f.dataSetScrollBar->setPageStep(1);
    f.resetButton = new QPushButton(tr("Reset"), parent);
    f.resetButton->setObjectName(QStringLiteral("cmdReset"));

    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(QStringLiteral("lblDataset0"), tr("Data set"), parent));
    row->addWidget(f.dataSetScrollBar, 1);
    row->addWidget(f.dataSetLabel);
    row->addWidget(f.resetButton);
    return row;
}

// The ten target slots in two blocks of five: number, element, ratio.
QLayout* MainWindow::createTargetRows(QWidget* parent) {
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(3);
    rows->setVerticalSpacing(1);
    for (int block = 0; block < 2; ++block) {
        const int top = block * 3;
        const QString suffix = block == 0 ? QString() : QStringLiteral("_2");
        rows->addWidget(NamedLabel(QStringLiteral("lblTName") + suffix, tr("Target"), parent),
                        top + 1, 0);
        rows->addWidget(NamedLabel(QStringLiteral("lblComp") + suffix, tr("Ratio"), parent),
                        top + 2, 0);
    }
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        const int top = ((j - 1) / kTargetSlotsPerBlock) * 3;
        const int column = (j - 1) % kTargetSlotsPerBlock + 1;
        auto* number =
            NamedLabel(QStringLiteral("lblTarget%1").arg(j - 1), QString::number(j), parent);
        number->setAlignment(Qt::AlignCenter);
        QComboBox*& element = fields_.targetElementCombos[j];
        element = new QComboBox(parent);
        element->setObjectName(QStringLiteral("DBCbTEl%1").arg(j));
        FieldEdit*& ratio = fields_.ratioEdits[j];
        ratio = NamedField(QStringLiteral("txtTComp%1").arg(j), parent);
        rows->addWidget(number, top, column);
        rows->addWidget(element, top + 1, column);
        rows->addWidget(ratio, top + 2, column);
    }
    return rows;
}

// The unit of the stopping column.
QLayout* MainWindow::createUnitRow(QWidget* parent) {
    QComboBox*& unit = fields_.unitCombo;
    unit = new QComboBox(parent);
    unit->setObjectName(QStringLiteral("cbUnit"));
    unit->addItems(ResultsModel::unitNames());
    unit->setCurrentIndex(-1);  // start-up chooses the first item, which shows the results
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(QStringLiteral("lblUnit"), tr("Unit"), parent));
    row->addWidget(unit);
    row->addStretch(1);
    return row;
}

// The results of all data sets, in a frame.
QWidget* MainWindow::createResultsView(QWidget* parent) {
    auto* frame = new QGroupBox(tr("Result"), parent);
    frame->setObjectName(QStringLiteral("FraRes"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);

    QTableView*& view = fields_.resultsView;
    view = new QTableView(frame);
    view->setObjectName(QStringLiteral("GridResult"));
    view->setModel(results_);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(kResultRowPixels);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Cells can be selected one by one or as a block, to be copied.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    QHeaderView* header = view->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(10);
    // The user may widen a column to read a long composition.
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < ResultsModel::kColumns; ++column) {
        const auto c = static_cast<std::size_t>(column);
        const int width = fenra::TwipsToPixels(kResultColumnTwips[c]);
        resultMinWidths_[c] = width;
        view->setColumnWidth(column, width);
    }
    frameLayout->addWidget(view);
    return frame;
}
