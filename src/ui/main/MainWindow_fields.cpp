// The input fields: every edit goes straight into the current data set.

#include <QComboBox>
#include <QLabel>

#include "state/NumberText.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"

namespace {

constexpr int kEnterCharacter = 13;

// The mass field holds a number as a whole or none ("no mass given", 0); the other fields take
// the number their text begins with.
float MassIn(const QLineEdit* field) {
    return fenra::WholeTextNumber(field->text().toStdString());
}
float LeadingNumberIn(const QLineEdit* field) {
    return fenra::LeadingNumberAsSingle(field->text().toStdString());
}

}  // namespace

void MainWindow::ionChosen() {
    const int index = ionCombo->currentIndex();
    if (index < 0) return;  // no entry chosen: nothing to store
    const fenra::ElementRecord* rec =
        db_.FindElementBySymbol(ionCombo->currentText().toStdString());
    if (rec == nullptr) return;  // the lists come from the same table; never expected
    fenra::DataSet& d = state_.Current();
    d.IonName = rec->Symbol;
    atomicNumberLabel->setText(QString::fromStdString(fenra::IntegerText(rec->AtomNum)));
    // Picking an ion replaces a typed mass by the element's default. Showing a data set does
    // not come here (its fields are filled quietly), so a data set keeps its own mass.
    massEdit->setText(QString::fromStdString(rec->DefaultMass));
    d.IonMass = MassIn(massEdit);
}

void MainWindow::targetElementChosen(int j) {
    if (targetElementCombos[j]->currentIndex() < 0) return;
    // The slot is not counted here: it counts once a ratio is typed for it.
    state_.Current().TargetElement[j] = targetElementCombos[j]->currentText().toStdString();
}

void MainWindow::massChanged() {
    state_.Current().IonMass = MassIn(massEdit);
}

void MainWindow::massEdited() {
    state_.Current().IonMass = MassIn(massEdit);
}

void MainWindow::massKeyPressed(int ch) {
    if (ch == kEnterCharacter) energyEdit->setFocus(Qt::TabFocusReason);
}

void MainWindow::energyEdited() {
    state_.Current().IonEnergy = LeadingNumberIn(energyEdit);
}

void MainWindow::energyKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) rangeEdit->setFocus(Qt::TabFocusReason);
}

void MainWindow::rangeEdited() {
    state_.Current().Range = LeadingNumberIn(rangeEdit);
}

void MainWindow::ratioEdited(int j) {
    fenra::DataSet& d = state_.Current();
    const int n = d.ElementCount;
    // Slots fill in order: a slot beyond the next free one takes no ratio.
    if (j > n + 1) {
        ratioEdits[j]->setText(QString());
        return;
    }
    if (j == n + 1) d.ElementCount = static_cast<int16_t>(j);
    d.TargetRatio[j] = LeadingNumberIn(ratioEdits[j]);
}

// A field that gets the focus shows its whole text selected, so typing replaces the value.
void MainWindow::massFocused() {
    massEdit->selectAll();
}
void MainWindow::energyFocused() {
    energyEdit->selectAll();
}
void MainWindow::rangeFocused() {
    rangeEdit->selectAll();
}
void MainWindow::ratioFocused(int j) {
    ratioEdits[j]->selectAll();
}
