#pragma once
// The curve commands of the main window, one action per curve kind in one group, each holding
// its kind as its data: follow the ion of the current data set down in energy, slab by slab,
// showing the progress in the energy and range fields, and open a curve window on the result.

#include <QObject>

#include "elements/ElementDatabase.h"
#include "state/CurveKind.h"
#include "state/WorkingState.h"

class QAction;
class QActionGroup;
class QWidget;

namespace fenra {

class ChildWindows;
class DataSetEditor;
class RememberedFolders;

class Platform;

class CurveCommands : public QObject {
    Q_OBJECT

  public:
    // window: the main window, whose input is held off while a walk runs.
    CurveCommands(fenra::Platform& platform, fenra::WorkingState& state,
                  const fenra::ElementDatabase& db, DataSetEditor& editor, ChildWindows& windows,
                  RememberedFolders& folders, QWidget& window);

    // Makes action the command of a curve kind.
    void addCommand(QAction* action, fenra::CurveKind kind);

  public slots:
    void run(fenra::CurveKind kind);

  signals:
    // A walk starts and ends: the other commands are off meanwhile.
    void walkStarted();
    void walkEnded();

  private:
    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    const fenra::ElementDatabase& db_;
    DataSetEditor& editor_;
    ChildWindows& windows_;
    RememberedFolders& folders_;
    QWidget& window_;
    QActionGroup* group_ = nullptr;
};

}  // namespace fenra
