// Moving between data sets, and adding, removing and resetting them.

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include "state/NumberText.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/frmMain.h"
#include "ui/platform/Platform.h"

namespace {
const char* const kTooManyDataSetsMessage = "Number of target can't exceed 100";

QString General(float v) {
    return QString::fromStdString(fenra::GeneralText(v));
}
}  // namespace

void frmMain::ShowDataSetIndicator() {
    lblDataset[1]->setText(QString::fromStdString(fenra::IntegerText(state_.CurrentDataSet)) +
                           QStringLiteral(" of ") +
                           QString::fromStdString(fenra::IntegerText(state_.DataSetCount)));
}

int frmMain::ListPositionOf(const std::string& symbol) const {
    // The lists hold the table in stored order, AtomNum 1 first. A symbol that is not in the
    // table (read from a target file) has no entry: the list then shows no choice, and
    // Calculate reports the symbol.
    const fenra::ElementRecord* rec = db_.FindElementBySymbol(symbol);
    if (rec == nullptr) return -1;
    const int position = rec->AtomNum - 1;
    return position < DBCbIon->count() ? position : -1;
}

// Selecting an entry runs its choice handling; when the entry is already selected the list
// does not report a change, so the handling is run here, as a fresh choice would run it.
void frmMain::SelectIonEntry(int index) {
    if (DBCbIon->currentIndex() == index)
        DBCbIon_Click();
    else
        DBCbIon->setCurrentIndex(index);
}

void frmMain::SelectElementEntry(int j, int index) {
    if (DBCbTEl[j]->currentIndex() == index)
        DBCbTEl_Click(j);
    else
        DBCbTEl[j]->setCurrentIndex(index);
}

void frmMain::HscrolData_Change() {
    if (HscrolData->value() > state_.DataSetCount) {
        HscrolData->setValue(state_.DataSetCount);  // shows that data set
        return;
    }
    state_.CurrentDataSet = static_cast<int16_t>(HscrolData->value());
    fenra::DataSet& d = state_.Current();
    ShowDataSetIndicator();

    ShowingDataSet = true;
    const int ionPosition = ListPositionOf(d.IonName);
    if (ionPosition < 0) {
        DBCbIon->setCurrentIndex(-1);
        lblZNum->clear();
    } else {
        SelectIonEntry(ionPosition);
    }
    ShowingDataSet = false;

    // The field stores what it shows, so the mass passes through its 7-digit text. When that
    // text is the element's default mass, which the ion choice has just put there, the field
    // reports no change; its change handling must still run, or a mass such as 1.0078004
    // would be calculated here unrounded while every other data set is rounded.
    const QString massText = General(d.IonMass);
    if (txtIonMass->text() == massText)
        txtIonMass_Change();
    else
        txtIonMass->setText(massText);  // its change handling stores it back
    txtEnergy->setText(General(d.IonEnergy));
    txtRange->setText(General(d.Range));

    const int count = std::min<int>(d.ElementCount, fenra::kMaxTargetSlots);
    for (int j = 1; j <= count; ++j) {
        const int position = ListPositionOf(d.TargetElement[j]);
        if (position < 0)
            DBCbTEl[j]->setCurrentIndex(-1);
        else
            SelectElementEntry(j, position);
        txtTComp[j]->setText(General(d.TargetRatio[j]));
    }
    for (int j = count + 1; j <= fenra::kMaxTargetSlots; ++j) {
        txtTComp[j]->setText(QString());
        SelectElementEntry(j, 0);
    }
}

void frmMain::ShowDataSet(int n) {
    state_.CurrentDataSet = static_cast<int16_t>(n);
    if (HscrolData->value() == n)
        HscrolData_Change();
    else
        HscrolData->setValue(n);
}

void frmMain::mnuAdd_Click() {
    if (state_.DataSetCount >= fenra::kMaxDataSets) {
        ShowMessage(QString::fromLatin1(kTooManyDataSetsMessage));
        return;
    }
    ++state_.DataSetCount;
    fenra::SetNewDataSetDefaults(state_.DataSets[state_.DataSetCount]);
    HscrolData->setMaximum(state_.DataSetCount);
    HscrolData->setValue(state_.DataSetCount);
    RefreshGrid();
}

void frmMain::mnuRemove_Click() {
    if (state_.DataSetCount <= 1) {
        cmdReset_Click();
        return;
    }
    const int last = state_.DataSetCount;
    for (int i = state_.CurrentDataSet; i < last; ++i) state_.DataSets[i] = state_.DataSets[i + 1];

    fenra::DataSet& gone = state_.DataSets[last];
    gone.IonName.clear();
    gone.TargetName.clear();
    gone.IonMass = gone.IonEnergy = gone.Range = 0;
    fenra::ClearResults(gone);
    for (int j = 1; j <= std::min<int>(gone.ElementCount, fenra::kMaxTargetSlots); ++j) {
        gone.TargetElement[j].clear();
        gone.TargetRatio[j] = 0;
    }
    gone.ElementCount = 0;

    --state_.DataSetCount;
    if (state_.CurrentDataSet > state_.DataSetCount) state_.CurrentDataSet = state_.DataSetCount;
    ShowDataSet(state_.CurrentDataSet);
    HscrolData->setMaximum(state_.DataSetCount);
    RefreshGrid();
}

void frmMain::cmdReset_Click() {
    fenra::ClearDataSets(state_);
    state_.DataSetCount = 1;
    state_.CurrentDataSet = 1;
    if (DBCbIon->count() > 0) SelectIonEntry(0);

    fenra::DataSet& d = state_.DataSets[1];
    d.IonMass = fenra::WholeTextNumber(txtIonMass->text().toStdString());
    d.IonEnergy = fenra::kStartEnergy;
    d.Range = fenra::kStartRange;
    d.TargetElement[1] = "H";
    d.TargetRatio[1] = 0;
    d.ElementCount = 1;
    ShowDataSet(1);

    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        txtTComp[j]->setText(QString());
        if (DBCbTEl[j]->count() > 0) DBCbTEl[j]->setCurrentIndex(0);
    }
    HscrolData->setMaximum(state_.DataSetCount);
    RefreshGrid();
}
