// Moving between data sets, adding, removing and resetting them, and the input fields: every
// edit goes straight into the current data set.

#include "ui/main/DataSetEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/CalculateDataSet.h"
#include "messages/OutcomeMessages.h"
#include "state/NumberText.h"
#include "ui/main/ElementList.h"
#include "ui/main/FieldEdit.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

constexpr int kEnterCharacter = 13;

QString General(float v) {
    return QString::fromStdString(fenra::GeneralText(v));
}

// The mass field holds a number as a whole or none ("no mass given", 0); the other fields take
// the number their text begins with.
float MassIn(const QLineEdit* field) {
    return fenra::WholeTextNumber(field->text().toStdString());
}
float LeadingNumberIn(const QLineEdit* field) {
    return fenra::LeadingNumberAsSingle(field->text().toStdString());
}

}  // namespace

DataSetEditor::DataSetEditor(fenra::Platform& platform, fenra::WorkingState& state,
                             const fenra::ElementDatabase& db, NamedMaterials& materials,
                             QWidget* parent)
    : QWidget(parent), platform_(platform), state_(state), db_(db), materials_(materials) {
    setObjectName(QStringLiteral("DataSetEditor"));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);
    rows->addLayout(createIonRow());
    rows->addLayout(createDataSetRow());
    rows->addLayout(createTargetRows());
    rows->addLayout(createMaterialRow());
    nameControls();
    connectFields();
    connectNumberMarks();
}

void DataSetEditor::showMessage(const QString& text) {
    platform_.showMessage(window(), fenra::ProgramTitle(), text);
}

void DataSetEditor::fillElementLists() {
    // Filling an empty list selects its first entry; that choice must run later, in step
    // order, so the lists are filled quietly and left without a choice.
    fenra::FillElementList(ionCombo_, db_);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j)
        fenra::FillElementList(targetElementCombos_[j], db_);
    if (db_.Elements().empty()) return;
    selectIonEntry(0);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) selectElementEntry(j, 0);
}

void DataSetEditor::showIndicator() {
    dataSetLabel_->setText(
        tr("%1 of %2")
            .arg(QString::fromStdString(fenra::IntegerText(state_.CurrentDataSet)),
                 QString::fromStdString(fenra::IntegerText(state_.DataSetCount))));
    emit indicatorChanged();
}

int DataSetEditor::listPositionOf(const std::string& symbol) const {
    // The lists hold the table in stored order, AtomNum 1 first. A symbol that is not in the
    // table (read from a target file) has no entry: the list then shows no choice, and
    // Calculate reports the symbol.
    const fenra::ElementRecord* rec = db_.FindElementBySymbol(symbol);
    if (rec == nullptr) return -1;
    const int position = rec->AtomNum - 1;
    return position < ionCombo_->count() ? position : -1;
}

// Selecting an entry runs its choice handling; when the entry is already selected the list
// does not report a change, so the handling is run here, as a fresh choice would run it.
void DataSetEditor::selectIonEntry(int index) {
    if (ionCombo_->currentIndex() == index)
        ionChosen();
    else
        ionCombo_->setCurrentIndex(index);
}

void DataSetEditor::selectElementEntry(int j, int index) {
    if (targetElementCombos_[j]->currentIndex() == index)
        targetElementChosen(j);
    else
        targetElementCombos_[j]->setCurrentIndex(index);
}

bool DataSetEditor::chooseIon(const QString& symbol) {
    const int position = symbol.isEmpty() ? -1 : listPositionOf(symbol.toStdString());
    if (position < 0) return false;
    selectIonEntry(position);
    return true;
}

QString DataSetEditor::ionText() const {
    return ionCombo_->currentText();
}

bool DataSetEditor::firstRatioIsZero() const {
    return fenra::LeadingNumber(ratioEdits_[1]->text().toStdString()) == 0;
}

void DataSetEditor::scrollTo(int i) {
    dataSetScrollBar_->setValue(i);
}

void DataSetEditor::showReadDataSets() {
    dataSetScrollBar_->setMaximum(state_.DataSetCount);
    showDataSet(state_.CurrentDataSet);
}

void DataSetEditor::setEnergyText(const QString& text) {
    energyEdit_->setText(text);
}

void DataSetEditor::setRangeText(const QString& text) {
    rangeEdit_->setText(text);
}

void DataSetEditor::dataSetScrolled() {
    if (dataSetScrollBar_->value() > state_.DataSetCount) {
        dataSetScrollBar_->setValue(state_.DataSetCount);  // shows that data set
        return;
    }
    state_.CurrentDataSet = static_cast<int16_t>(dataSetScrollBar_->value());
    fenra::DataSet& d = state_.Current();
    showIndicator();
    // What showing writes back into the data set is the core's rule, the same for the batch
    // calculator; the fields then show the data set without choosing anything themselves.
    fenra::ApplyDataSetDisplay(d, db_);
    fillFields(d);
    currentDataSetEdited();
}

void DataSetEditor::fillFields(const fenra::DataSet& d) {
    const int ionPosition = listPositionOf(d.IonName);
    {
        const QSignalBlocker quiet(ionCombo_);
        ionCombo_->setCurrentIndex(ionPosition);
    }
    if (ionPosition < 0)
        atomicNumberLabel_->clear();
    else
        atomicNumberLabel_->setText(QString::fromStdString(
            fenra::IntegerText(db_.Elements()[static_cast<std::size_t>(ionPosition)].AtomNum)));
    // The lists are filled with their signals blocked: a choice would store its symbol (and the
    // ion's default mass). The text fields store only on a key, except the mass field, which
    // stores its text back as the display rule has already done; their change signals still
    // tell who listens that the field shows something new.
    massEdit_->setText(General(d.IonMass));
    energyEdit_->setText(General(d.IonEnergy));
    rangeEdit_->setText(General(d.Range));

    const int count = std::clamp<int>(d.ElementCount, 0, fenra::kMaxTargetSlots);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        // A slot beyond the target shows the first element, as the display rule stored.
        const int position = j <= count ? listPositionOf(d.TargetElement[j]) : 0;
        {
            const QSignalBlocker quiet(targetElementCombos_[j]);
            targetElementCombos_[j]->setCurrentIndex(targetElementCombos_[j]->count() > 0 ? position
                                                                                          : -1);
        }
        ratioEdits_[j]->setText(j <= count ? General(d.TargetRatio[j]) : QString());
    }
    // The composition the target was filled from, or none when its slots were picked by hand.
    materialEdit_->setText(QString::fromStdString(d.MaterialText));
}

void DataSetEditor::showDataSet(int n) {
    state_.CurrentDataSet = static_cast<int16_t>(n);
    if (dataSetScrollBar_->value() == n)
        dataSetScrolled();
    else
        dataSetScrollBar_->setValue(n);
}

void DataSetEditor::addDataSet() {
    if (state_.DataSetCount >= fenra::kMaxDataSets) {
        showMessage(TranslatedSentence(TooManyDataSetsSentence()));
        return;
    }
    ++state_.DataSetCount;
    fenra::SetNewDataSetDefaults(state_.DataSets[state_.DataSetCount]);
    dataSetScrollBar_->setMaximum(state_.DataSetCount);
    dataSetScrollBar_->setValue(state_.DataSetCount);
    emit dataSetsChanged();
}

void DataSetEditor::removeDataSet() {
    if (state_.DataSetCount <= 1) {
        clearDataSets();
        return;
    }
    const int last = state_.DataSetCount;
    for (int i = state_.CurrentDataSet; i < last; ++i) state_.DataSets[i] = state_.DataSets[i + 1];

    fenra::DataSet& gone = state_.DataSets[last];
    gone.IonName.clear();
    gone.TargetName.clear();
    gone.MaterialText.clear();
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
    dataSetScrollBar_->setMaximum(state_.DataSetCount);
    emit dataSetsChanged();
}

void DataSetEditor::clearDataSets() {
    fenra::ClearDataSets(state_);
    state_.DataSetCount = 1;
    state_.CurrentDataSet = 1;
    if (ionCombo_->count() > 0) selectIonEntry(0);

    fenra::DataSet& d = state_.DataSets[1];
    d.IonMass = fenra::WholeTextNumber(massEdit_->text().toStdString());
    fenra::SetFirstDataSetDefaults(d);
    d.TargetElement[1] = fenra::kNewDataSetSymbol;
    showDataSet(1);

    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        ratioEdits_[j]->setText(QString());
        if (targetElementCombos_[j]->count() > 0) targetElementCombos_[j]->setCurrentIndex(0);
    }
    dataSetScrollBar_->setMaximum(state_.DataSetCount);
    emit dataSetsChanged();
}

void DataSetEditor::currentDataSetEdited() {
    emit dataSetEdited(state_.CurrentDataSet);
}

void DataSetEditor::ionChosen() {
    if (ionCombo_->currentIndex() < 0) return;  // no entry chosen: nothing to store
    const fenra::ElementRecord* rec =
        db_.FindElementBySymbol(fenra::ChosenSymbol(ionCombo_).toStdString());
    if (rec == nullptr) return;  // the lists come from the same table; never expected
    fenra::EditInputs(state_.Current(), [&](fenra::DataSet& d) {
        d.IonName = rec->Symbol;
        atomicNumberLabel_->setText(QString::fromStdString(fenra::IntegerText(rec->AtomNum)));
        // Picking an ion replaces a typed mass by the element's default. Showing a data set
        // does not come here (its fields are filled quietly), so a data set keeps its own mass.
        massEdit_->setText(QString::fromStdString(rec->DefaultMass));
        d.IonMass = MassIn(massEdit_);
    });
    currentDataSetEdited();
}

void DataSetEditor::targetElementChosen(int j) {
    QComboBox* list = targetElementCombos_[static_cast<std::size_t>(j)];
    if (list->currentIndex() < 0) return;
    // The slot is not counted here: it counts once a ratio is typed for it. A counted slot's
    // new element is a new target.
    const std::string symbol = fenra::ChosenSymbol(list).toStdString();
    fenra::EditInputs(state_.Current(), [&](fenra::DataSet& d) { d.TargetElement[j] = symbol; });
    showMaterialText();
    currentDataSetEdited();
}

void DataSetEditor::massEdited() {
    const float mass = MassIn(massEdit_);
    fenra::EditInputs(state_.Current(), [mass](fenra::DataSet& d) { d.IonMass = mass; });
    currentDataSetEdited();
}

void DataSetEditor::massKeyPressed(int ch) {
    if (ch == kEnterCharacter) energyEdit_->setFocus(Qt::TabFocusReason);
}

void DataSetEditor::energyEdited() {
    const float energy = LeadingNumberIn(energyEdit_);
    fenra::EditInputs(state_.Current(), [energy](fenra::DataSet& d) { d.IonEnergy = energy; });
    currentDataSetEdited();
}

void DataSetEditor::energyKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) rangeEdit_->setFocus(Qt::TabFocusReason);
}

void DataSetEditor::rangeEdited() {
    const float range = LeadingNumberIn(rangeEdit_);
    fenra::EditInputs(state_.Current(), [range](fenra::DataSet& d) { d.Range = range; });
    currentDataSetEdited();
}

void DataSetEditor::ratioEdited(int j) {
    FieldEdit* field = ratioEdits_[static_cast<std::size_t>(j)];
    fenra::DataSet& d = state_.Current();
    const int n = d.ElementCount;
    // Slots fill in order: a slot beyond the next free one takes no ratio.
    if (j > n + 1) {
        field->setText(QString());
        return;
    }
    const float ratio = LeadingNumberIn(field);
    fenra::EditInputs(d, [j, n, ratio](fenra::DataSet& x) {
        if (j == n + 1) x.ElementCount = static_cast<int16_t>(j);
        x.TargetRatio[j] = ratio;
    });
    showMaterialText();
    currentDataSetEdited();
}

void DataSetEditor::showMaterialText() {
    // A target changed by hand is no longer the material typed: the field says so at once.
    const QString text = QString::fromStdString(state_.Current().MaterialText);
    if (materialEdit_->text() != text) materialEdit_->setText(text);
}

}  // namespace fenra
