#pragma once
// A text field that reports its key events the way the window's handlers want them: key down
// before the text changes, the typed character, key release after; and that selects its whole
// text whenever it gets the focus, also when the focus comes from a mouse click (which would
// otherwise put the cursor where the click landed and drop the selection).
//
// The window stores a field's value on key release. An edit made without a key (pasting or
// deleting from the context menu, a middle-click paste, dropping text) would otherwise leave
// the field showing a value the data set does not hold; such an edit is reported as a key
// release too (key 0), so the field's handler stores it like a typed one.

#include <QLineEdit>
#include <QSet>

namespace fenra {

class FieldEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit FieldEdit(QWidget* parent = nullptr);

  signals:
    void keyDown(int key);
    void keyPress(int character);  // the typed character's code (13 for Enter); 0 for none
    // The release of a key pressed in this field; also after an edit made without a key, with
    // key 0.
    void keyUp(int key);
    void gotFocus();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool inKeyPress_ = false;  // edits made while a key is pressed are stored on its release
    QSet<int> pressedHere_;    // keys pressed in this field and not yet released
    // Set when a mouse click brought the focus: that click selects all instead of placing the
    // cursor, and dragging during it does not narrow the selection.
    bool focusedByMouse_ = false;
};

}  // namespace fenra
