// The input fields: every edit goes straight into the current data set.

#include <QComboBox>
#include <QLabel>

#include "state/NumberText.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/frmMain.h"

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

void frmMain::DBCbIon_Click() {
    const int index = DBCbIon->currentIndex();
    if (index < 0) return;  // no entry chosen: nothing to store
    const fenra::ElementRecord* rec = db_.FindElementBySymbol(DBCbIon->currentText().toStdString());
    if (rec == nullptr) return;  // the lists come from the same table; never expected
    fenra::DataSet& d = state_.Current();
    d.IonName = rec->Symbol;
    lblZNum->setText(QString::fromStdString(fenra::IntegerText(rec->AtomNum)));
    // Picking an ion replaces a typed mass by the element's default. Showing a data set does
    // not come here (its fields are filled quietly), so a data set keeps its own mass.
    txtIonMass->setText(QString::fromStdString(rec->DefaultMass));
    d.IonMass = MassIn(txtIonMass);
}

void frmMain::DBCbTEl_Click(int j) {
    if (DBCbTEl[j]->currentIndex() < 0) return;
    // The slot is not counted here: it counts once a ratio is typed for it.
    state_.Current().TargetElement[j] = DBCbTEl[j]->currentText().toStdString();
}

void frmMain::txtIonMass_Change() {
    state_.Current().IonMass = MassIn(txtIonMass);
}

void frmMain::txtIonMass_KeyUp() {
    state_.Current().IonMass = MassIn(txtIonMass);
}

void frmMain::txtIonMass_KeyPress(int ch) {
    if (ch == kEnterCharacter) txtEnergy->setFocus(Qt::TabFocusReason);
}

void frmMain::txtEnergy_KeyUp() {
    state_.Current().IonEnergy = LeadingNumberIn(txtEnergy);
}

void frmMain::txtEnergy_KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) txtRange->setFocus(Qt::TabFocusReason);
}

void frmMain::txtRange_KeyUp() {
    state_.Current().Range = LeadingNumberIn(txtRange);
}

void frmMain::txtTComp_KeyUp(int j) {
    fenra::DataSet& d = state_.Current();
    const int n = d.ElementCount;
    // Slots fill in order: a slot beyond the next free one takes no ratio.
    if (j > n + 1) {
        txtTComp[j]->setText(QString());
        return;
    }
    if (j == n + 1) d.ElementCount = static_cast<int16_t>(j);
    d.TargetRatio[j] = LeadingNumberIn(txtTComp[j]);
}

// A field that gets the focus shows its whole text selected, so typing replaces the value.
void frmMain::txtIonMass_GotFocus() {
    txtIonMass->selectAll();
}
void frmMain::txtEnergy_GotFocus() {
    txtEnergy->selectAll();
}
void frmMain::txtRange_GotFocus() {
    txtRange->selectAll();
}
void frmMain::txtTComp_GotFocus(int j) {
    txtTComp[j]->selectAll();
}
