#pragma once
// The editors of the layer table: a list of the thickness units for the unit column, so that
// only a unit the calculation knows can be chosen, and text fields for the others. Both hand
// every change to the table at once, so the stack's numbers follow the typing as the window's
// own fields do.

#include <QStyledItemDelegate>

namespace fenra {

class LayerDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    void commit(QWidget* editor) { emit commitData(editor); }
};

}  // namespace fenra
