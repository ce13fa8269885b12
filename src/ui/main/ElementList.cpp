#include "ui/main/ElementList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "elements/ElementNames.h"

namespace fenra {

namespace {

constexpr int kPopupPaddingPixels = 40;  // the scroll bar and the entry's frame

// The open list shows the long text of each entry.
class ElementEntryDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString text = index.data(kElementEntryTextRole).toString();
        if (!text.isEmpty()) option->text = text;
    }
};

// Collects the letters typed into a list (or its open view) within the keyboard input
// interval and selects the element of that symbol.
class SymbolTyping : public QObject {
  public:
    explicit SymbolTyping(QComboBox* list) : QObject(list), list_(list) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isLetter() ||
            (key->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier)
            return false;
        if (!typed_.isValid() || typed_.elapsed() > QApplication::keyboardInputInterval())
            buffer_.clear();
        typed_.start();
        int entry = EntryForTypedSymbol(list_, buffer_ + text);
        if (entry >= 0) {
            buffer_ += text;
        } else {  // a new symbol begins
            buffer_ = text;
            entry = EntryForTypedSymbol(list_, buffer_);
        }
        if (entry < 0) return true;
        if (watched == list_->view())
            list_->view()->setCurrentIndex(list_->model()->index(entry, 0));
        else
            list_->setCurrentIndex(entry);
        return true;
    }

  private:
    QComboBox* list_;
    QString buffer_;
    QElapsedTimer typed_;
};

}  // namespace

QString ElementEntryText(const ElementRecord& rec) {
    const QString symbol = QString::fromStdString(rec.Symbol);
    const std::string_view name = ElementName(rec.AtomNum);
    if (name.empty()) return QStringLiteral("%1  (%2)").arg(symbol).arg(rec.AtomNum);
    return QStringLiteral("%1  %2 (%3)")
        .arg(symbol, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
        .arg(rec.AtomNum);
}

void FillElementList(QComboBox* list, const ElementDatabase& db) {
    const QSignalBlocker quiet(list);
    int widest = 0;
    const QFontMetrics fm(list->view()->font());
    for (const ElementRecord& rec : db.Elements()) {
        const QString symbol = QString::fromStdString(rec.Symbol);
        const QString text = ElementEntryText(rec);
        list->addItem(symbol, symbol);
        const int k = list->count() - 1;
        list->setItemData(k, text, kElementEntryTextRole);
        list->setItemData(k, text, Qt::ToolTipRole);
        list->setItemData(k, text, Qt::AccessibleTextRole);
        widest = std::max(widest, fm.horizontalAdvance(text));
    }
    list->setCurrentIndex(-1);
    list->setItemDelegate(new ElementEntryDelegate(list));
    list->view()->setMinimumWidth(widest + kPopupPaddingPixels);
    auto* typing = new SymbolTyping(list);
    list->installEventFilter(typing);
    list->view()->installEventFilter(typing);
}

QString ChosenSymbol(const QComboBox* list) {
    return list->currentIndex() < 0 ? QString() : list->currentData().toString();
}

int EntryForTypedSymbol(const QComboBox* list, const QString& typed) {
    if (typed.isEmpty()) return -1;
    int begins = -1;
    for (int k = 0; k < list->count(); ++k) {
        const QString symbol = list->itemData(k).toString();
        if (symbol.compare(typed, Qt::CaseInsensitive) == 0) return k;
        if (begins < 0 && symbol.startsWith(typed, Qt::CaseInsensitive)) begins = k;
    }
    return begins;
}

}  // namespace fenra
