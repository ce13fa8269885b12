// The number fields say when their text is not wholly a number: the value read from it (the
// leading number, or 0 beyond the range of a Single) may not be the one the user meant.

#include <QStatusBar>
#include <QStringList>

#include "state/NumberText.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/platform/Platform.h"

namespace {

// A frame that stands out on every style, and the property tests and style sheets can see.
const char* const kMarkedStyle = "FieldEdit { border: 2px solid red; }";
const char* const kMarkedProperty = "notWhollyANumber";

}  // namespace

QString MainWindow::numberFieldName(const FieldEdit* field) const {
    if (field == fields_.massEdit) return tr("Mass");
    if (field == fields_.energyEdit) return tr("E (keV)");
    if (field == fields_.rangeEdit) return tr("Range");
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j)
        if (field == fields_.ratioEdits[j]) return tr("Ratio of target %1").arg(j);
    return QString();
}

// What the field's text is read as, if it is not wholly a number; empty otherwise.
QString MainWindow::numberFieldWarning(const FieldEdit* field) const {
    const std::string text = field->text().toStdString();
    if (fenra::CheckNumberText(text) == fenra::NumberTextCheck::Whole) return QString();
    // The mass field takes a whole number or none: anything else is "no mass given".
    const float value = field == fields_.massEdit ? fenra::WholeTextNumber(text)
                                                  : fenra::LeadingNumberAsSingle(text);
    return tr("%1: \"%2\" read as %3")
        .arg(numberFieldName(field), field->text(),
             QString::fromStdString(fenra::GeneralText(value)));
}

void MainWindow::markNumberField(FieldEdit* field) {
    const QString warning = numberFieldWarning(field);
    const bool marked = !warning.isEmpty();
    if (field->property(kMarkedProperty).toBool() == marked && !marked) return;
    field->setProperty(kMarkedProperty, marked);
    field->setStyleSheet(marked ? QString::fromLatin1(kMarkedStyle) : QString());
    field->setToolTip(warning);
    if (marked)
        statusBar()->showMessage(warning);
    else if (statusBar()->currentMessage().startsWith(numberFieldName(field) + ": "))
        statusBar()->clearMessage();
}

void MainWindow::connectNumberMarks() {
    std::vector<FieldEdit*> fields = {fields_.massEdit, fields_.energyEdit, fields_.rangeEdit};
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) fields.push_back(fields_.ratioEdits[j]);
    for (FieldEdit* f : fields)
        connect(f, &QLineEdit::textChanged, this, [this, f] { markNumberField(f); });
}

bool MainWindow::nameFieldsNotWhollyNumbers() {
    QStringList warnings;
    for (FieldEdit* f : {fields_.massEdit, fields_.energyEdit, fields_.rangeEdit}) {
        const QString w = numberFieldWarning(f);
        if (!w.isEmpty()) warnings << w;
    }
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        const QString w = numberFieldWarning(fields_.ratioEdits[j]);
        if (!w.isEmpty()) warnings << w;
    }
    if (warnings.isEmpty()) return false;
    showMessage(tr("These fields are not wholly numbers:\n%1").arg(warnings.join('\n')));
    return true;
}
