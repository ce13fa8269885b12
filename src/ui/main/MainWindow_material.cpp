// The materials field beside the target slots: a formula or a material name typed there fills
// the slots and ratios of the shown data set, as picking the elements and typing the ratios
// would.

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <exception>

#include "materials/MaterialTarget.h"
#include "ui/main/MainWindow.h"
#include "ui/messages/WindowMessages.h"

QLayout* MainWindow::createMaterialRow(QWidget* parent) {
    QLineEdit*& edit = fields_.materialEdit;
    edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("txtMaterial"));
    edit->setAccessibleName(tr("Material or formula"));
    edit->setPlaceholderText(tr("Formula or material (H2O, mylar), then Enter"));
    edit->setToolTip(
        tr("Type a chemical formula, an element symbol or the name of a common material and "
           "press Enter: the target slots and ratios of this data set are filled from it."));
    auto* label = new QLabel(tr("Material"), parent);
    label->setObjectName(QStringLiteral("lblMaterial"));
    label->setBuddy(edit);
    connect(edit, &QLineEdit::returnPressed, this, &MainWindow::enterMaterial);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit, 1);
    return row;
}

const fenra::MaterialList& MainWindow::materialList() {
    if (!materials_) {
        // Formulas and symbols need no list: without it only the names are unknown, and the
        // message of a refused name says why.
        try {
            materials_ = fenra::MaterialList::LoadBeside(db_);
        } catch (const std::exception& e) {
            materials_ = fenra::MaterialList();
            materialsFailure_ = QString::fromStdString(e.what());
        }
    }
    return *materials_;
}

void MainWindow::enterMaterial() {
    const QString text = fields_.materialEdit->text();
    if (text.trimmed().isEmpty()) return;  // Enter in the empty field asks for nothing
    fenra::DataSet& d = state_.Current();
    const fenra::TargetFill fill =
        fenra::FillTargetFromMaterial(d, text.toStdString(), db_, materialList());
    if (!fill.filled) {
        // The data set is as it was; the field keeps the text, to be corrected.
        showMessage(fenra::MaterialNotReadMessage(text, fill.message, materialsFailure_));
        return;
    }
    fillFields(d);
    currentDataSetEdited();
    statusBar()->showMessage(tr("Target of data set %1: %2")
                                 .arg(state_.CurrentDataSet)
                                 .arg(QString::fromStdString(fenra::TargetMaterialText(d))));
}
