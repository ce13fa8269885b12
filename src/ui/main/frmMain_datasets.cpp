// Moving between data sets, and adding, removing and resetting them.

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

#include "calc/CalculateDataSet.h"
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
    // What showing writes back into the data set is the core's rule, the same for the batch
    // calculator; the fields then show the data set without choosing anything themselves.
    fenra::ApplyDataSetDisplay(d, db_);
    FillFields(d);
}

void frmMain::FillFields(const fenra::DataSet& d) {
    const int ionPosition = ListPositionOf(d.IonName);
    {
        const QSignalBlocker quiet(DBCbIon);
        DBCbIon->setCurrentIndex(ionPosition);
    }
    if (ionPosition < 0)
        lblZNum->clear();
    else
        lblZNum->setText(QString::fromStdString(
            fenra::IntegerText(db_.Elements()[static_cast<std::size_t>(ionPosition)].AtomNum)));
    // The lists are filled with their signals blocked: a choice would store its symbol (and the
    // ion's default mass). The text fields store only on a key, except the mass field, which
    // stores its text back as the display rule has already done; their change signals still
    // tell who listens that the field shows something new.
    txtIonMass->setText(General(d.IonMass));
    txtEnergy->setText(General(d.IonEnergy));
    txtRange->setText(General(d.Range));

    const int count = std::clamp<int>(d.ElementCount, 0, fenra::kMaxTargetSlots);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        // A slot beyond the target shows the first element, as the display rule stored.
        const int position = j <= count ? ListPositionOf(d.TargetElement[j]) : 0;
        {
            const QSignalBlocker quiet(DBCbTEl[j]);
            DBCbTEl[j]->setCurrentIndex(DBCbTEl[j]->count() > 0 ? position : -1);
        }
        txtTComp[j]->setText(j <= count ? General(d.TargetRatio[j]) : QString());
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
    fenra::SetFirstDataSetDefaults(d);
    d.TargetElement[1] = fenra::kNewDataSetSymbol;
    ShowDataSet(1);

    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        txtTComp[j]->setText(QString());
        if (DBCbTEl[j]->count() > 0) DBCbTEl[j]->setCurrentIndex(0);
    }
    HscrolData->setMaximum(state_.DataSetCount);
    RefreshGrid();
}
