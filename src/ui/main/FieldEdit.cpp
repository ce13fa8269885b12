#include "ui/main/FieldEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!inKeyPress_) emit keyUp(0);
    });
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    const QString text = event->text();
    emit keyPress(text.isEmpty() ? 0 : text.at(0).unicode());
    inKeyPress_ = true;
    QLineEdit::keyPressEvent(event);
    inKeyPress_ = false;
}

void FieldEdit::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its press but is released once.
    if (!event->isAutoRepeat()) emit keyUp(event->key());
    QLineEdit::keyReleaseEvent(event);
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
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
