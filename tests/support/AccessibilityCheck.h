#pragma once
// Reads a window as a screen reader does, through its tree of QAccessibleInterface objects, and
// lists the controls that would be spoken without a name.
//
// A control is whatever takes the keyboard focus, and every button, focusable or not (tool bar
// buttons take no focus but are clicked by screen-reader users all the same). Hidden parts are
// skipped unless asked for: the parts Qt adds and shows only at times (the tool bar's button
// for the commands a narrow window cannot show) are read as well then. The cells of grids and lists
// and the items of drop-down lists are read by their contents, so only the view itself must have a
// name.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace fenra {

struct AccessibilityReport {
    QStringList unnamed;   // "ClassName objectName" of each control without a name
    int controlsSeen = 0;  // every control looked at, named or not
};

namespace accessibility_detail {

// Deep enough for any window here; a guard against a cycle in a faulty interface tree.
constexpr int kDeepestLevel = 64;

inline bool IsButton(QAccessible::Role role) {
    return role == QAccessible::PushButton || role == QAccessible::ButtonMenu ||
           role == QAccessible::ButtonDropDown || role == QAccessible::CheckBox ||
           role == QAccessible::RadioButton;
}

inline bool IsReadByContents(QAccessible::Role role) {
    return role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::ComboBox;
}

inline QString Describe(QAccessibleInterface* control) {
    const QObject* object = control->object();
    if (object == nullptr) return QStringLiteral("(no object)");
    return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
           object->objectName();
}

inline void Walk(QAccessibleInterface* node, AccessibilityReport& report, int level,
                 bool hiddenToo) {
    if (node == nullptr || !node->isValid() || level > kDeepestLevel) return;
    const QAccessible::State state = node->state();
    if (state.invisible && !hiddenToo) return;
    const QAccessible::Role role = node->role();
    if (state.focusable || IsButton(role)) {
        ++report.controlsSeen;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) report.unnamed << Describe(node);
    }
    if (IsReadByContents(role)) return;
    for (int k = 0; k < node->childCount(); ++k) Walk(node->child(k), report, level + 1, hiddenToo);
}

}  // namespace accessibility_detail

// Every control of the shown window, top to bottom of the interface tree; with hiddenToo also
// those hidden at the moment.
inline AccessibilityReport CheckAccessibleNames(QWidget* window, bool hiddenToo = false) {
    AccessibilityReport report;
    accessibility_detail::Walk(QAccessible::queryAccessibleInterface(window), report, 0, hiddenToo);
    return report;
}

}  // namespace fenra
