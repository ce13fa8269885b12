// The keyboard and the screen reader: shortcuts shown in the menus and the toolbar's tips, the
// name each control is spoken by, and the order Tab walks the fields in.

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolBar>

#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsModel.h"

namespace {

// The text of a command without its mnemonic marks: what a screen reader should speak.
QString PlainText(const QAction* action) {
    QString text = action->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

// A scroll bar turns the wheel the natural way (down: next) only with its controls inverted,
// which also turns its arrow keys round (Left: next). This gives Left and Right the direction
// of the arrows drawn on the bar again; the wheel stays as it is.
class ArrowKeysAsDrawn : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* bar = qobject_cast<QScrollBar*>(watched);
        if (bar == nullptr || event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        bar->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
};

}  // namespace

void MainWindow::setUpKeys() {
    const Actions& a = actions_;
    // The platform's own keys where it has them; Calculate also on Ctrl+Return, the key of
    // "do it" in many forms, so it can be run without leaving a field.
    a.openTarget->setShortcut(QKeySequence::Open);
    a.saveTarget->setShortcut(QKeySequence::Save);
    a.printResults->setShortcut(QKeySequence::Print);
    a.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.calculate->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                               QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    a.addDataSet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    a.removeDataSet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    a.depthStopping->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    a.depthEnergy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    a.energyStopping->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    a.about->setShortcut(QKeySequence(Qt::Key_F1));

    // A toolbar button's tip names its first key: "Calculate (F5)".
    for (QAction* action : toolBar_->actions()) {
        if (action->isSeparator() || action->shortcut().isEmpty()) continue;
        action->setToolTip(QStringLiteral("%1 (%2)").arg(
            action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));
    }
}

void MainWindow::nameControls() {
    Fields& f = fields_;
    // The captions of the ion row are two labels each ("Ion energy" over "(keV)"); the name
    // joins them, as a reader of the window would.
    f.ionCombo->setAccessibleName(tr("Ion"));
    f.massEdit->setAccessibleName(tr("Mass"));
    f.energyEdit->setAccessibleName(tr("Ion energy (keV)"));
    f.rangeEdit->setAccessibleName(tr("Range (1e15 atom/cm2)"));
    f.dataSetScrollBar->setAccessibleName(tr("Data set"));
    f.resetButton->setAccessibleName(tr("Reset"));
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        f.targetElementCombos[j]->setAccessibleName(tr("Target %1").arg(j));
        f.ratioEdits[j]->setAccessibleName(tr("Ratio %1").arg(j));
    }
    f.unitCombo->setAccessibleName(tr("Unit"));
    f.resultsView->setAccessibleName(tr("Result"));
    QStringList headings;
    for (int column = 0; column < ResultsModel::kColumns; ++column)
        headings << results_->headerData(column, Qt::Horizontal).toString().trimmed();
    f.resultsView->setAccessibleDescription(headings.join(QStringLiteral(", ")));

    // The labels lead to their fields: a click on the caption and a screen reader's relation.
    const auto lead = [this](const char* label, QWidget* field) {
        if (auto* caption = findChild<QLabel*>(QString::fromLatin1(label)))
            caption->setBuddy(field);
    };
    lead("lblelement", f.ionCombo);
    lead("lblMass", f.massEdit);
    lead("lblEnergy1", f.energyEdit);
    lead("lblRange1", f.rangeEdit);
    lead("lblDataset0", f.dataSetScrollBar);
    lead("lblUnit", f.unitCombo);
    // A list's own name is its current entry where screen readers use the label relation
    // (Linux): the slot numbers above the target lists are their captions.
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        if (auto* number = findChild<QLabel*>(QStringLiteral("lblTarget%1").arg(j - 1))) {
            number->setBuddy(f.targetElementCombos[j]);
            number->setAccessibleName(tr("Target %1").arg(j));
        }
    }

    // Toolbar buttons take the name of their command, not only its tip.
    for (QAction* action : toolBar_->actions()) {
        if (QWidget* button = toolBar_->widgetForAction(action); button && !action->isSeparator())
            button->setAccessibleName(PlainText(action));
    }
}

void MainWindow::setUpTabOrder() {
    Fields& f = fields_;
    // The data set bar takes the keyboard too: the arrow keys move between data sets.
    f.dataSetScrollBar->setFocusPolicy(Qt::StrongFocus);
    f.dataSetScrollBar->installEventFilter(new ArrowKeysAsDrawn(f.dataSetScrollBar));
    // Top to bottom as the window reads: the ion, the data set, the target slots one by one
    // (element, then its ratio), the unit, the results.
    std::vector<QWidget*> order = {f.ionCombo,  f.massEdit,         f.energyEdit,
                                   f.rangeEdit, f.dataSetScrollBar, f.resetButton};
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        order.push_back(f.targetElementCombos[j]);
        order.push_back(f.ratioEdits[j]);
    }
    order.push_back(f.unitCombo);
    order.push_back(f.resultsView);
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}
