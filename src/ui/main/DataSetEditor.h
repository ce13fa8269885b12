#pragma once
// The data set editor of the main window: one data set at a time in the input fields (ion, mass,
// energy, range, the ten target slots and the materials field), the scroll bar and indicator
// that move between data sets, and Add, Remove and Reset. Every edit goes straight into the
// working state; showing a data set writes the working state into the fields.

#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "elements/ElementDatabase.h"
#include "state/WorkingState.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fenra {

class FieldEdit;
class NamedMaterials;

class Platform;

class DataSetEditor : public QWidget {
    Q_OBJECT

  public:
    DataSetEditor(fenra::Platform& platform, fenra::WorkingState& state,
                  const fenra::ElementDatabase& db, NamedMaterials& materials,
                  QWidget* parent = nullptr);

    // Start-up: the element lists filled from the database, the first entry of each chosen
    // (which stores it in data set 1).
    void fillElementLists();
    // The indicator "n of m" for the current data set and the count.
    void showIndicator();

    // The fields in the order Tab walks them, top to bottom.
    std::vector<QWidget*> tabOrder() const;

    // Shows data set i while Calculate walks the data sets (nothing when it is shown already).
    void scrollTo(int i);
    // After a target file was read: the scroll bar over every data set read, the current one
    // shown.
    void showReadDataSets();
    // The energy and range fields as a curve walk writes them while it follows the ion.
    void setEnergyText(const QString& text);
    void setRangeText(const QString& text);

    // Whether the first ratio field reads as 0 (Save target refuses such a target).
    bool firstRatioIsZero() const;
    // Chooses the ion of that symbol, as a click on its entry does; false when it is not listed.
    bool chooseIon(const QString& symbol);
    QString ionText() const;

    // Names every field of the shown data set that is not wholly a number, in one message;
    // false when there is none.
    bool nameFieldsNotWhollyNumbers();

  public slots:
    void showDataSet(int n);
    void addDataSet();
    void removeDataSet();
    // Back to one new data set, as at the start (Reset, and Remove of the last data set).
    void clearDataSets();
    // The materials field: the typed material into the target of the shown data set.
    void enterMaterial();

  signals:
    // The shown data set was edited: its row of the results shows it again.
    void dataSetEdited(int i);
    // Data sets were added, removed or cleared.
    void dataSetsChanged();
    // The indicator shows another data set or count.
    void indicatorChanged();
    // The Reset button was clicked.
    void resetRequested();
    // A passing text for the status bar, and the end of the one that begins with prefix.
    void statusMessage(const QString& text);
    void statusMessageOver(const QString& prefix);

  private slots:
    void dataSetScrolled();
    void ionChosen();
    void targetElementChosen(int j);
    void massEdited();
    void massKeyPressed(int ch);
    void energyEdited();
    void energyKeyDown(int key);
    void rangeEdited();
    void ratioEdited(int j);

  private:
    // DataSetEditor_layout.cpp: the rows, the names a screen reader speaks.
    QLayout* createIonRow();
    QLayout* createDataSetRow();
    QLayout* createTargetRows();
    QLayout* createMaterialRow();
    void nameControls();
    void connectFields();

    // A field's own tooltip, kept while a warning stands in its place.
    static constexpr const char* kBaseToolTipProperty = "baseToolTip";

    // DataSetEditor_numbers.cpp: a mark on a number field whose text is not wholly a number.
    void connectNumberMarks();
    void markNumberField(FieldEdit* field);
    QString numberFieldName(const FieldEdit* field) const;
    QString numberFieldWarning(const FieldEdit* field) const;
    std::vector<FieldEdit*> numberFields() const;

    void selectIonEntry(int index);
    void selectElementEntry(int j, int index);
    int listPositionOf(const std::string& symbol) const;
    void fillFields(const fenra::DataSet& d);
    // The materials field shows what filled the current data set's target, if anything did.
    void showMaterialText();
    void currentDataSetEdited();
    void showMessage(const QString& text);  // a message box titled "Fenra32"

    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    const fenra::ElementDatabase& db_;
    NamedMaterials& materials_;

    // The fields; the target arrays are indexed by slot, 1..10.
    QComboBox* ionCombo_ = nullptr;
    QLabel* atomicNumberLabel_ = nullptr;
    FieldEdit* massEdit_ = nullptr;
    FieldEdit* energyEdit_ = nullptr;
    FieldEdit* rangeEdit_ = nullptr;
    QLabel* dataSetLabel_ = nullptr;  // "n of m"
    QScrollBar* dataSetScrollBar_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    std::array<QComboBox*, fenra::kMaxTargetSlots + 1> targetElementCombos_{};
    std::array<FieldEdit*, fenra::kMaxTargetSlots + 1> ratioEdits_{};
    QLineEdit* materialEdit_ = nullptr;  // a formula or material name for the target

    // The captions that lead to their fields (a click, a screen reader's relation).
    struct Captions {
        QLabel* ion = nullptr;
        QLabel* mass = nullptr;
        QLabel* energy = nullptr;
        QLabel* range = nullptr;
        QLabel* dataSet = nullptr;
        QLabel* targets = nullptr;  // "Target" and "Ratio" of slots 1..5, and of 6..10
        QLabel* ratios = nullptr;
        QLabel* targets2 = nullptr;
        QLabel* ratios2 = nullptr;
        std::array<QLabel*, fenra::kMaxTargetSlots + 1> slotNumbers{};  // "1".."10"
    };
    Captions captions_;
};

}  // namespace fenra
