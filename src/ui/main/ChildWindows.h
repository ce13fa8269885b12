#pragma once
// The windows the main window opens and keeps: the curve windows of the curve commands and the
// range-and-layers windows. Each is a window of its own (no parent), placed when it opens, gone
// when the user closes it, and closed with the main window.
//
// Curve windows take slots 1..100 in turn; the 101st takes slot 1 again. A window whose slot
// was taken by a newer one still closes with the main window.

#include <QList>
#include <QObject>
#include <QPointer>
#include <array>

namespace fenra {

class CurveWindow;
class RememberedFolders;

class AppSettings;
class RangeWindow;

class ChildWindows : public QObject {
    Q_OBJECT

  public:
    static constexpr int kCurveSlots = 100;

    // With settings a range window opens where the user last had one; folders learns the
    // folder of every curve file saved.
    ChildWindows(fenra::AppSettings* settings, RememberedFolders& folders,
                 QObject* parent = nullptr);

    // Takes a new curve window into care, in the next slot.
    void adoptCurveWindow(CurveWindow* window);
    // The window in slot 1..100; nullptr when the slot is empty or its window was closed.
    CurveWindow* curveWindow(int slot) const;
    // The slot the next curve window takes.
    int nextCurveSlot() const { return nextCurveSlot_; }
    // Every curve window still open, oldest first.
    QList<CurveWindow*> openCurveWindows() const;

    // Takes a new range window into care, places it as the last one was and shows it in front.
    void showRangeWindow(fenra::RangeWindow* window);
    // Every range window still open, oldest first.
    QList<fenra::RangeWindow*> openRangeWindows() const;

    // Closes every window (the main window is closing).
    void closeAll();
    // Deletes every window still there (the main window is going).
    void deleteAll();

    // Writes the settings now; a failure is told through settingsNotSaved.
    void saveSettings();

  signals:
    // The settings could not be written: the sentence says where and why.
    void settingsNotSaved(const QString& problem);

  private:
    fenra::AppSettings* settings_;
    RememberedFolders& folders_;
    std::array<QPointer<CurveWindow>, kCurveSlots + 1> curveSlots_;
    int nextCurveSlot_ = 1;
    QList<QPointer<CurveWindow>> curveWindows_;
    QList<QPointer<fenra::RangeWindow>> rangeWindows_;
};

}  // namespace fenra
