// The input fields: every edit goes straight into the current data set.

#include <QComboBox>
#include <QLabel>

#include "state/NumberText.h"
#include "ui/main/ElementList.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsModel.h"

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

void MainWindow::currentDataSetEdited() {
    results_->dataSetChanged(state_.CurrentDataSet);
}

void MainWindow::ionChosen() {
    const Fields& f = fields_;
    if (f.ionCombo->currentIndex() < 0) return;  // no entry chosen: nothing to store
    const fenra::ElementRecord* rec =
        db_.FindElementBySymbol(fenra::ChosenSymbol(f.ionCombo).toStdString());
    if (rec == nullptr) return;  // the lists come from the same table; never expected
    fenra::DataSet& d = state_.Current();
    d.IonName = rec->Symbol;
    f.atomicNumberLabel->setText(QString::fromStdString(fenra::IntegerText(rec->AtomNum)));
    // Picking an ion replaces a typed mass by the element's default. Showing a data set does
    // not come here (its fields are filled quietly), so a data set keeps its own mass.
    f.massEdit->setText(QString::fromStdString(rec->DefaultMass));
    d.IonMass = MassIn(f.massEdit);
    currentDataSetEdited();
}

void MainWindow::targetElementChosen(int j) {
    QComboBox* list = fields_.targetElementCombos[static_cast<std::size_t>(j)];
    if (list->currentIndex() < 0) return;
    // The slot is not counted here: it counts once a ratio is typed for it.
    state_.Current().TargetElement[j] = fenra::ChosenSymbol(list).toStdString();
}

void MainWindow::massEdited() {
    state_.Current().IonMass = MassIn(fields_.massEdit);
    currentDataSetEdited();
}

void MainWindow::massKeyPressed(int ch) {
    if (ch == kEnterCharacter) fields_.energyEdit->setFocus(Qt::TabFocusReason);
}

void MainWindow::energyEdited() {
    state_.Current().IonEnergy = LeadingNumberIn(fields_.energyEdit);
    currentDataSetEdited();
}

void MainWindow::energyKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        fields_.rangeEdit->setFocus(Qt::TabFocusReason);
}

void MainWindow::rangeEdited() {
    state_.Current().Range = LeadingNumberIn(fields_.rangeEdit);
}

void MainWindow::ratioEdited(int j) {
    FieldEdit* field = fields_.ratioEdits[static_cast<std::size_t>(j)];
    fenra::DataSet& d = state_.Current();
    const int n = d.ElementCount;
    // Slots fill in order: a slot beyond the next free one takes no ratio.
    if (j > n + 1) {
        field->setText(QString());
        return;
    }
    if (j == n + 1) {
        d.ElementCount = static_cast<int16_t>(j);
        currentDataSetEdited();  // a second element makes a compound
    }
    d.TargetRatio[j] = LeadingNumberIn(field);
}
