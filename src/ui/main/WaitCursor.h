#pragma once
// The hourglass over every window for as long as a command runs, also when it leaves early;
// the pointer it replaced comes back on every way out.

#include <QApplication>

namespace fenra {

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace fenra
