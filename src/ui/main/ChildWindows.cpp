#include "ui/main/ChildWindows.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>

#include "settings/AppSettings.h"
#include "ui/curve/CurveWindow.h"
#include "ui/main/RememberedFolders.h"
#include "ui/messages/WindowMessages.h"
#include "ui/range/RangeWindow.h"

namespace fenra {

namespace {

const QString kRangeWindowName = QStringLiteral("RangeWindow");

// Keeps where and how large the user last had a range window, for the next one (also in the
// next run): the geometry is taken as the window closes, before it is deleted.
class RangeGeometryKeeper : public QObject {
  public:
    RangeGeometryKeeper(fenra::AppSettings& settings, ChildWindows& owner, QObject* parent)
        : QObject(parent), settings_(settings), owner_(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            if (auto* window = qobject_cast<QWidget*>(watched)) {
                settings_.SetGeometry(kRangeWindowName, window->saveGeometry());
                owner_.saveSettings();
            }
        }
        return false;
    }

  private:
    fenra::AppSettings& settings_;
    ChildWindows& owner_;
};

// A new curve window stands below and right of the last one still open, by the height of a
// title bar, so that both captions can be read; one that would reach out of the screen starts
// again at its upper left corner.
void Cascade(QWidget& window, const QWidget& last) {
    const int step = window.style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                     window.style()->pixelMetric(QStyle::PM_LayoutTopMargin);
    QPoint at = last.pos() + QPoint(step, step);
    const QScreen* screen = last.screen() ? last.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        if (!available.contains(QRect(at, window.frameGeometry().size()))) at = available.topLeft();
    }
    window.move(at);
}

template <typename W>
QList<W*> StillOpen(const QList<QPointer<W>>& windows) {
    QList<W*> open;
    for (const QPointer<W>& window : windows)
        if (window && window->isVisible()) open.append(window.data());
    return open;
}

}  // namespace

ChildWindows::ChildWindows(fenra::AppSettings* settings, RememberedFolders& folders,
                           QObject* parent)
    : QObject(parent), settings_(settings), folders_(folders) {}

void ChildWindows::adoptCurveWindow(CurveWindow* window) {
    connect(window, &CurveWindow::curveSaved, this, [this](const QString& path) {
        folders_.rememberFolderOf(fenra::FileKind::Curve, path);
    });
    connect(window, &CurveWindow::imageSaved, this, [this](const QString& path) {
        folders_.rememberFolderOf(fenra::FileKind::Image, path);
    });
    curveWindows_.removeAll(nullptr);  // forget the windows closed since
    const QList<CurveWindow*> open = openCurveWindows();
    if (!open.isEmpty()) Cascade(*window, *open.last());
    curveWindows_.append(window);
    curveSlots_[static_cast<std::size_t>(nextCurveSlot_)] = window;
    nextCurveSlot_ = nextCurveSlot_ >= kCurveSlots ? 1 : nextCurveSlot_ + 1;
}

CurveWindow* ChildWindows::curveWindow(int slot) const {
    if (slot < 1 || slot > kCurveSlots) return nullptr;
    return curveSlots_[static_cast<std::size_t>(slot)].data();
}

QList<CurveWindow*> ChildWindows::openCurveWindows() const {
    return StillOpen(curveWindows_);
}

void ChildWindows::showRangeWindow(fenra::RangeWindow* window) {
    // A window of its own (no parent), closed with the main window; it goes when the user
    // closes it.
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Its save dialogs start where the user keeps images and data files, and move it there.
    window->setImageFolder(folders_.startFolder(fenra::FileKind::Image));
    window->setDataFolder(folders_.startFolder(fenra::FileKind::Data));
    connect(window, &fenra::RangeWindow::imageSaved, this, [this](const QString& path) {
        folders_.rememberFolderOf(fenra::FileKind::Image, path);
    });
    connect(window, &fenra::RangeWindow::dataSaved, this, [this](const QString& path) {
        folders_.rememberFolderOf(fenra::FileKind::Data, path);
    });
    if (settings_ != nullptr) {
        const QByteArray geometry = settings_->Geometry(kRangeWindowName);
        if (!geometry.isEmpty()) window->restoreGeometry(geometry);  // a foreign blob: no change
        window->installEventFilter(new RangeGeometryKeeper(*settings_, *this, window));
        // The stopping model chosen last in any range window is the next one's.
        window->setModelName(settings_->RangeModel());
        window->setSignificantDigits(settings_->RangeDigits());
        connect(window, &fenra::RangeWindow::modelChosen, this, [this](const QString& name) {
            settings_->SetRangeModel(name);
            saveSettings();
        });
    }
    rangeWindows_.removeAll(nullptr);
    rangeWindows_.append(window);
    window->show();
    window->raise();
    window->activateWindow();
}

QList<fenra::RangeWindow*> ChildWindows::openRangeWindows() const {
    return StillOpen(rangeWindows_);
}

void ChildWindows::closeAll() {
    for (const QPointer<CurveWindow>& window : curveWindows_)
        if (window) window->close();
    for (const QPointer<fenra::RangeWindow>& window : rangeWindows_)
        if (window) window->close();
}

void ChildWindows::saveSettings() {
    if (settings_ != nullptr && !settings_->Save())
        emit settingsNotSaved(fenra::TranslatedSentence(settings_->ProblemSentence()));
}

void ChildWindows::deleteAll() {
    for (const QPointer<CurveWindow>& window : curveWindows_) delete window.data();
    for (const QPointer<fenra::RangeWindow>& window : rangeWindows_) delete window.data();
    curveWindows_.clear();
    rangeWindows_.clear();
}

}  // namespace fenra
