#pragma once
// Widgets are found by their object names: by the tests, by the accessibility names derived from
// them, and by the settings that remember a window's geometry.

#include <QString>

namespace fenra {

// `widget` with the object name `name`, for building a window in one expression.
template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace fenra
