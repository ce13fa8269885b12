// The number fields say when their text is not wholly a number: the value read from it (the
// leading number, or 0 beyond the range of a Single) may not be the one the user meant. And the
// materials field, which fills the target from a formula or a material's name.

#include <QLineEdit>
#include <QStringList>

#include "materials/MaterialTarget.h"
#include "state/NumberText.h"
#include "ui/main/DataSetEditor.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/NamedMaterials.h"
#include "ui/messages/WindowMessages.h"

namespace fenra {

namespace {

// A frame that stands out on every style, and the property tests and style sheets can see.
const char* const kMarkedStyle = "FieldEdit { border: 2px solid red; }";
const char* const kMarkedProperty = "notWhollyANumber";

}  // namespace

std::vector<FieldEdit*> DataSetEditor::numberFields() const {
    std::vector<FieldEdit*> fields = {massEdit_, energyEdit_, rangeEdit_};
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) fields.push_back(ratioEdits_[j]);
    return fields;
}

QString DataSetEditor::numberFieldName(const FieldEdit* field) const {
    if (field == massEdit_) return tr("Mass");
    if (field == energyEdit_) return tr("E (keV)");
    if (field == rangeEdit_) return tr("Range");
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j)
        if (field == ratioEdits_[j]) return tr("Ratio of target %1").arg(j);
    return QString();
}

// What the field's text is read as, if it is not wholly a number; empty otherwise.
QString DataSetEditor::numberFieldWarning(const FieldEdit* field) const {
    const std::string text = field->text().toStdString();
    if (fenra::CheckNumberText(text) == fenra::NumberTextCheck::Whole) return QString();
    // The mass field takes a whole number or none: anything else is "no mass given".
    const float value =
        field == massEdit_ ? fenra::WholeTextNumber(text) : fenra::LeadingNumberAsSingle(text);
    return tr("%1: \"%2\" read as %3")
        .arg(numberFieldName(field), field->text(),
             QString::fromStdString(fenra::GeneralText(value)));
}

void DataSetEditor::markNumberField(FieldEdit* field) {
    const QString warning = numberFieldWarning(field);
    const bool marked = !warning.isEmpty();
    if (field->property(kMarkedProperty).toBool() == marked && !marked) return;
    field->setProperty(kMarkedProperty, marked);
    field->setStyleSheet(marked ? QString::fromLatin1(kMarkedStyle) : QString());
    // The warning goes before the field's own tooltip, which comes back without it.
    const QString own = field->property(kBaseToolTipProperty).toString();
    field->setToolTip(own.isEmpty() || warning.isEmpty() ? warning + own
                                                         : warning + QLatin1Char('\n') + own);
    if (marked)
        emit statusMessage(warning);
    else
        emit statusMessageOver(numberFieldName(field) + QStringLiteral(": "));
}

void DataSetEditor::connectNumberMarks() {
    for (FieldEdit* f : numberFields())
        connect(f, &QLineEdit::textChanged, this, [this, f] { markNumberField(f); });
}

bool DataSetEditor::nameFieldsNotWhollyNumbers() {
    QStringList warnings;
    for (FieldEdit* f : numberFields()) {
        const QString w = numberFieldWarning(f);
        if (!w.isEmpty()) warnings << w;
    }
    if (warnings.isEmpty()) return false;
    showMessage(tr("These fields are not wholly numbers:\n%1").arg(warnings.join('\n')));
    return true;
}

void DataSetEditor::enterMaterial() {
    const QString text = materialEdit_->text();
    if (text.trimmed().isEmpty()) return;  // Enter in the empty field asks for nothing
    fenra::DataSet& d = state_.Current();
    fenra::TargetFill fill;
    fenra::EditInputs(d, [&](fenra::DataSet& x) {
        fill = fenra::FillTargetFromMaterial(x, text.toStdString(), db_, materials_.list());
    });
    if (!fill.filled) {
        // The data set is as it was; the field keeps the text, to be corrected.
        showMessage(fenra::MaterialNotReadMessage(text, fill.message, materials_.failure()));
        return;
    }
    // The field keeps showing what filled the target, whichever data set is shown later.
    d.MaterialText = text.trimmed().toStdString();
    fillFields(d);
    currentDataSetEdited();
    emit statusMessage(tr("Target of data set %1: %2")
                           .arg(state_.CurrentDataSet)
                           .arg(QString::fromStdString(fenra::TargetMaterialText(d))));
}

}  // namespace fenra
