// The curve commands: follow the ion of the current data set down in energy, slab by slab,
// showing the progress in the energy and range fields, and open a curve window on the result.

#include <QApplication>
#include <QEvent>
#include <utility>

#include "calc/CurveWalk.h"
#include "state/NumberText.h"
#include "ui/main/MainWindow.h"
#include "ui/main/WaitCursor.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace {

const char* const kDepthStartText = "0";  // the range field counts the depth up from here

// While a walk runs the window repaints its progress, but nothing the user does may reach it:
// the walk assumes that the current data set and its fields stay as they are. The menus and
// the toolbar are turned off so this shows, and user input to the main window (the scroll
// bar, Reset, the fields, closing) is held off until the walk ends. Curve windows stay usable:
// they work on their own copies.
class WalkGuard : public QObject {
  public:
    explicit WalkGuard(MainWindow& main) : main_(main) {
        main_.setCommandsEnabled(false);
        qApp->installEventFilter(this);
    }
    ~WalkGuard() override {
        qApp->removeEventFilter(this);
        main_.setCommandsEnabled(true);
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        return IsUserInput(event->type()) && IsMainWindowPart(target);
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
    bool IsMainWindowPart(QObject* target) const {
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget) return false;
        return widget->window() == &main_;
    }

    MainWindow& main_;
};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

void RunCurveCommand(MainWindow& main, fenra::CurveKind kind) {
    fenra::WorkingState& s = main.state();
    fenra::Platform& platform = main.platformServices();
    const int c = s.CurrentDataSet;

    fenra::CurveWalkResult walk;
    {
        const fenra::WaitCursor busy;
        WalkGuard guard(main);
        fenra::CurveWalkHooks hooks;
        hooks.progress = [&main](const fenra::CurveProgress& p) {
            main.setEnergyText(Text(p.energyText));
            if (!p.rangeText.empty()) main.setRangeText(Text(p.rangeText));
            QCoreApplication::processEvents();  // one repaint per step
        };
        if (kind != fenra::CurveKind::EnergyStop) main.setRangeText(kDepthStartText);
        walk = fenra::WalkCurve(s.DataSets[c], main.database(), kind, hooks);
        // The fields showed the walk; they show the data set again.
        main.showDataSet(c);
    }
    if (walk.result.outcome != fenra::CalcOutcome::Calculated) {
        // The walk stopped on a data set that cannot be calculated: no curve, no window.
        const bool noTarget = walk.result.outcome == fenra::CalcOutcome::RatioZero;
        platform.ShowMessage(
            &main, fenra::ProgramTitle(),
            noTarget ? fenra::RatioZeroMessage(c) : fenra::CalcResultMessage(c, walk.result));
        return;
    }

    const fenra::WaitCursor busy;
    const fenra::DataSet& d = s.DataSets[c];
    // The curve carries the ion values as the fields show them again.
    fenra::SetCurveIon(walk.curve, d);
    auto* window = new CurveWindow(platform, kind, std::move(walk.curve),
                                   main.startFolder(fenra::FileKind::Curve).toStdString());
    window->setAttribute(Qt::WA_DeleteOnClose);
    main.adoptCurveWindow(window);
    window->setWindowTitle(fenra::CurveCaption(kind, c));
    window->setCurveLabels(fenra::CurveXAxisTitle(kind), fenra::CurveUnitLabel(kind),
                           Text(d.IonName), Text(fenra::GeneralText(d.IonEnergy)),
                           Text(d.TargetName));
    window->show();
    window->draw();
}

}  // namespace

void MainWindow::depthStoppingCurve() {
    RunCurveCommand(*this, fenra::CurveKind::DepthStop);
}

void MainWindow::depthEnergyCurve() {
    RunCurveCommand(*this, fenra::CurveKind::DepthEnergy);
}

void MainWindow::energyStoppingCurve() {
    RunCurveCommand(*this, fenra::CurveKind::EnergyStop);
}
