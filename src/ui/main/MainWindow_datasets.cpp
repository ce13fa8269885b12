// Moving between data sets, and adding, removing and resetting them.

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "calc/CalculateDataSet.h"
#include "state/NumberText.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsModel.h"
#include "ui/platform/Platform.h"

namespace {
QString General(float v) {
    return QString::fromStdString(fenra::GeneralText(v));
}
}  // namespace

void MainWindow::showDataSetIndicator() {
    fields_.dataSetLabel->setText(
        tr("%1 of %2")
            .arg(QString::fromStdString(fenra::IntegerText(state_.CurrentDataSet)),
                 QString::fromStdString(fenra::IntegerText(state_.DataSetCount))));
    showStatusTexts();
}

int MainWindow::listPositionOf(const std::string& symbol) const {
    // The lists hold the table in stored order, AtomNum 1 first. A symbol that is not in the
    // table (read from a target file) has no entry: the list then shows no choice, and
    // Calculate reports the symbol.
    const fenra::ElementRecord* rec = db_.FindElementBySymbol(symbol);
    if (rec == nullptr) return -1;
    const int position = rec->AtomNum - 1;
    return position < fields_.ionCombo->count() ? position : -1;
}

// Selecting an entry runs its choice handling; when the entry is already selected the list
// does not report a change, so the handling is run here, as a fresh choice would run it.
void MainWindow::selectIonEntry(int index) {
    if (fields_.ionCombo->currentIndex() == index)
        ionChosen();
    else
        fields_.ionCombo->setCurrentIndex(index);
}

void MainWindow::selectElementEntry(int j, int index) {
    if (fields_.targetElementCombos[j]->currentIndex() == index)
        targetElementChosen(j);
    else
        fields_.targetElementCombos[j]->setCurrentIndex(index);
}

void MainWindow::dataSetScrolled() {
    if (fields_.dataSetScrollBar->value() > state_.DataSetCount) {
        fields_.dataSetScrollBar->setValue(state_.DataSetCount);  // shows that data set
        return;
    }
    state_.CurrentDataSet = static_cast<int16_t>(fields_.dataSetScrollBar->value());
    fenra::DataSet& d = state_.Current();
    showDataSetIndicator();
    // What showing writes back into the data set is the core's rule, the same for the batch
    // calculator; the fields then show the data set without choosing anything themselves.
    fenra::ApplyDataSetDisplay(d, db_);
    fillFields(d);
    currentDataSetEdited();
}

void MainWindow::fillFields(const fenra::DataSet& d) {
    const int ionPosition = listPositionOf(d.IonName);
    {
        const QSignalBlocker quiet(fields_.ionCombo);
        fields_.ionCombo->setCurrentIndex(ionPosition);
    }
    if (ionPosition < 0)
        fields_.atomicNumberLabel->clear();
    else
        fields_.atomicNumberLabel->setText(QString::fromStdString(
            fenra::IntegerText(db_.Elements()[static_cast<std::size_t>(ionPosition)].AtomNum)));
    // The lists are filled with their signals blocked: a choice would store its symbol (and the
    // ion's default mass). The text fields store only on a key, except the mass field, which
    // stores its text back as the display rule has already done; their change signals still
    // tell who listens that the field shows something new.
    fields_.massEdit->setText(General(d.IonMass));
    fields_.energyEdit->setText(General(d.IonEnergy));
    fields_.rangeEdit->setText(General(d.Range));

    const int count = std::clamp<int>(d.ElementCount, 0, fenra::kMaxTargetSlots);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        // A slot beyond the target shows the first element, as the display rule stored.
        const int position = j <= count ? listPositionOf(d.TargetElement[j]) : 0;
        {
            const QSignalBlocker quiet(fields_.targetElementCombos[j]);
            fields_.targetElementCombos[j]->setCurrentIndex(
                fields_.targetElementCombos[j]->count() > 0 ? position : -1);
        }
        fields_.ratioEdits[j]->setText(j <= count ? General(d.TargetRatio[j]) : QString());
    }
}

void MainWindow::showDataSet(int n) {
    state_.CurrentDataSet = static_cast<int16_t>(n);
    if (fields_.dataSetScrollBar->value() == n)
        dataSetScrolled();
    else
        fields_.dataSetScrollBar->setValue(n);
}

void MainWindow::addDataSet() {
    if (state_.DataSetCount >= fenra::kMaxDataSets) {
        showMessage(tr("Number of target can't exceed 100"));
        return;
    }
    ++state_.DataSetCount;
    fenra::SetNewDataSetDefaults(state_.DataSets[state_.DataSetCount]);
    fields_.dataSetScrollBar->setMaximum(state_.DataSetCount);
    fields_.dataSetScrollBar->setValue(state_.DataSetCount);
    refreshResults();
}

void MainWindow::removeDataSet() {
    if (state_.DataSetCount <= 1) {
        clearDataSets();
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
    showDataSet(state_.CurrentDataSet);
    fields_.dataSetScrollBar->setMaximum(state_.DataSetCount);
    refreshResults();
}

void MainWindow::resetDataSets() {
    if (!maybeSaveTarget()) return;
    clearDataSets();
    targetFileIs(QString());  // a new target, in no file yet
}

void MainWindow::clearDataSets() {
    fenra::ClearDataSets(state_);
    state_.DataSetCount = 1;
    state_.CurrentDataSet = 1;
    if (fields_.ionCombo->count() > 0) selectIonEntry(0);

    fenra::DataSet& d = state_.DataSets[1];
    d.IonMass = fenra::WholeTextNumber(fields_.massEdit->text().toStdString());
    fenra::SetFirstDataSetDefaults(d);
    d.TargetElement[1] = fenra::kNewDataSetSymbol;
    showDataSet(1);

    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        fields_.ratioEdits[j]->setText(QString());
        if (fields_.targetElementCombos[j]->count() > 0)
            fields_.targetElementCombos[j]->setCurrentIndex(0);
    }
    fields_.dataSetScrollBar->setMaximum(state_.DataSetCount);
    refreshResults();
}
