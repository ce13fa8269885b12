#include "ui/main/CurveCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <utility>

#include "calc/CurveWalk.h"
#include "state/NumberText.h"
#include "ui/curve/CurveWindow.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/DataSetEditor.h"
#include "ui/main/RememberedFolders.h"
#include "ui/main/WaitCursor.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

const char* const kDepthStartText = "0";  // the range field counts the depth up from here

// While a walk runs the window repaints its progress, but nothing the user does may reach it:
// the walk assumes that the current data set and its fields stay as they are. The commands are
// turned off so this shows, and user input to the main window (the scroll bar, Reset, the
// fields, closing) is held off until the walk ends. Curve windows stay usable: they work on
// their own copies.
class WalkGuard : public QObject {
  public:
    WalkGuard(CurveCommands& commands, QWidget& window) : commands_(commands), window_(window) {
        emit commands_.walkStarted();
        qApp->installEventFilter(this);
    }
    ~WalkGuard() override {
        qApp->removeEventFilter(this);
        emit commands_.walkEnded();
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        return IsUserInput(event->type()) && IsWindowPart(target);
    }

  private:
    static bool IsUserInput(QEvent::Type t) {
        switch (t) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::ContextMenu:
            case QEvent::Close:
                return true;
            default:
                return false;
        }
    }
    bool IsWindowPart(QObject* target) const {
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget) return false;
        return widget->window() == &window_;
    }

    CurveCommands& commands_;
    QWidget& window_;
};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

CurveCommands::CurveCommands(fenra::Platform& platform, fenra::WorkingState& state,
                             const fenra::ElementDatabase& db, DataSetEditor& editor,
                             ChildWindows& windows, RememberedFolders& folders, QWidget& window)
    : QObject(&window),
      platform_(platform),
      state_(state),
      db_(db),
      editor_(editor),
      windows_(windows),
      folders_(folders),
      window_(window),
      group_(new QActionGroup(this)) {
    // Commands, not choices: none of them stays checked.
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    connect(group_, &QActionGroup::triggered, this, [this](QAction* action) {
        run(static_cast<fenra::CurveKind>(action->data().toInt()));
    });
}

void CurveCommands::addCommand(QAction* action, fenra::CurveKind kind) {
    action->setData(static_cast<int>(kind));
    group_->addAction(action);
}

void CurveCommands::run(fenra::CurveKind kind) {
    const int c = state_.CurrentDataSet;
    fenra::CurveWalkResult walk;
    {
        const fenra::WaitCursor busy;
        WalkGuard guard(*this, window_);
        fenra::CurveWalkHooks hooks;
        hooks.progress = [this](const fenra::CurveProgress& p) {
            editor_.setEnergyText(Text(p.energyText));
            if (!p.rangeText.empty()) editor_.setRangeText(Text(p.rangeText));
            QCoreApplication::processEvents();  // one repaint per step
        };
        if (kind != fenra::CurveKind::EnergyStop) editor_.setRangeText(kDepthStartText);
        walk = fenra::WalkCurve(state_.DataSets[c], db_, kind, hooks);
        // The fields showed the walk; they show the data set again.
        editor_.showDataSet(c);
    }
    if (walk.result.outcome != fenra::CalcOutcome::Calculated) {
        // The walk stopped on a data set that cannot be calculated: no curve, no window.
        const bool noTarget = walk.result.outcome == fenra::CalcOutcome::RatioZero;
        platform_.showMessage(
            &window_, fenra::ProgramTitle(),
            noTarget ? fenra::RatioZeroMessage(c) : fenra::CalcResultMessage(c, walk.result));
        return;
    }

    const fenra::WaitCursor busy;
    const fenra::DataSet& d = state_.DataSets[c];
    // The curve carries the ion values as the fields show them again.
    fenra::SetCurveIon(walk.curve, d);
    auto* window = new CurveWindow(platform_, kind, std::move(walk.curve),
                                   folders_.startFolder(fenra::FileKind::Curve).toStdString());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setImageFolder(folders_.startFolder(fenra::FileKind::Image));
    windows_.adoptCurveWindow(window);
    window->setWindowTitle(fenra::CurveCaption(kind, c));
    window->setCurveLabels(fenra::CurveXAxisTitle(kind), fenra::CurveUnitLabel(kind),
                           Text(d.IonName), Text(fenra::GeneralText(d.IonEnergy)),
                           Text(d.TargetName));
    window->show();
    window->draw();
}

}  // namespace fenra
