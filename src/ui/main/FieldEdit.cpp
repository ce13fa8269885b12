#include "ui/main/FieldEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace fenra {

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!inKeyPress_) emit keyUp(0);
    });
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    const QString text = event->text();
    emit keyPress(text.isEmpty() ? 0 : text.at(0).unicode());
    pressedHere_.insert(event->key());
    inKeyPress_ = true;
    QLineEdit::keyPressEvent(event);
    inKeyPress_ = false;
}

void FieldEdit::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its press but is released once. A key pressed in another field and
    // released here (the Tab or Enter that brought the focus) is no edit of this field: storing
    // on it would count an empty ratio slot the user only passed through.
    if (!event->isAutoRepeat() && pressedHere_.remove(event->key())) emit keyUp(event->key());
    QLineEdit::keyReleaseEvent(event);
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    pressedHere_.clear();  // presses from an earlier visit were released elsewhere
    focusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    emit gotFocus();
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (focusedByMouse_) selectAll();
}

void FieldEdit::mouseMoveEvent(QMouseEvent* event) {
    if (focusedByMouse_) return;
    QLineEdit::mouseMoveEvent(event);
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    focusedByMouse_ = false;
}

}  // namespace fenra
