#include "ui/range/LayerDelegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/range/LayerTableModel.h"
#include "ui/range/RangeTexts.h"

namespace fenra {

QWidget* LayerDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    // commitData is a signal, and signals are not const: the editors are the delegate's own.
    auto* self = const_cast<LayerDelegate*>(this);
    if (index.column() == LayerTableModel::Unit) {
        auto* list = new QComboBox(parent);
        for (int k = 0; k < kThicknessUnitCount; ++k)
            list->addItem(ThicknessUnitDisplay(static_cast<ThicknessUnit>(k)));
        connect(list, &QComboBox::activated, self, [self, list]() { self->commit(list); });
        return list;
    }
    auto* field = new QLineEdit(parent);
    connect(field, &QLineEdit::textEdited, self, [self, field]() { self->commit(field); });
    return field;
}

void LayerDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(index.data(Qt::EditRole).toInt());
    else if (auto* field = qobject_cast<QLineEdit*>(editor))
        field->setText(index.data(Qt::EditRole).toString());
}

void LayerDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor))
        model->setData(index, list->currentIndex(), Qt::EditRole);
    else if (auto* field = qobject_cast<QLineEdit*>(editor))
        model->setData(index, field->text(), Qt::EditRole);
}

}  // namespace fenra
