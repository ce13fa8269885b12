#pragma once
// Drives the real main window as a person would: clicks, keys and list choices on the named
// fields, with the scripted platform answering every dialog.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <initializer_list>
#include <memory>
#include <string>

#include "elements/ElementDatabase.h"
#include "settings/AppSettings.h"
#include "state/WorkingState.h"
#include "support/ScriptedPlatform.h"
#include "ui/curve/CurveWindow.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ReportPrinter.h"
#include "ui/main/TargetDocument.h"

namespace fenra {

struct MainWindowDriver {
    // With settings the window restores and keeps what it remembers between runs.
    explicit MainWindowDriver(const std::string& databasePath, AppSettings* settings = nullptr)
        : db(ElementDatabase::OpenFile(databasePath)) {
        window = std::make_unique<MainWindow>(platform, state, db, settings);
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
    }

    ScriptedPlatform platform;
    WorkingState state;
    ElementDatabase db;
    std::unique_ptr<MainWindow> window;

    template <typename T>
    T* Child(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* Field(const QString& name) const { return Child<QLineEdit>(name); }
    QComboBox* List(const QString& name) const { return Child<QComboBox>(name); }
    QLabel* Label(const QString& name) const { return Child<QLabel>(name); }
    QScrollBar* ScrollBar() const { return Child<QScrollBar>(QStringLiteral("HscrolData")); }
    QTableView* Grid() const { return Child<QTableView>(QStringLiteral("GridResult")); }
    // The toolbar's button at position 1..12 (3 and 7 are separators).
    QAction* ToolbarButton(int position) const {
        return Child<QToolBar>(QStringLiteral("Toolbar1"))->actions().value(position - 1);
    }
    QAction* Command(const QString& name) const { return Child<QAction>(name); }
    QLineEdit* Ratio(int j) const { return Field(QStringLiteral("txtTComp%1").arg(j)); }
    QComboBox* Element(int j) const { return List(QStringLiteral("DBCbTEl%1").arg(j)); }

    // Data set i's cell in column col (the heading row is the grid's header).
    QString Cell(int i, int col) const {
        return Grid()->model()->index(i - 1, col).data().toString();
    }

    // The curve window in slot 1..100 of the main window; nullptr when none is open there.
    CurveWindow* CurveWindowAt(int slot) const { return window->childWindows().curveWindow(slot); }

    void Run(const char* command) const { Command(QString::fromLatin1(command))->trigger(); }

    // Focuses the field with Tab-like focus (which selects its text), then types text key by
    // key, so the field's text is replaced as when a person tabs in and types.
    void Type(QLineEdit* field, const QString& text) const {
        if (field->hasFocus())
            field->selectAll();
        else
            field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, text);
    }
    void Type(const char* field, const QString& text) const {
        Type(Field(QString::fromLatin1(field)), text);
    }

    // Picks a symbol in a list, as a click on the entry does.
    void Choose(QComboBox* list, const QString& symbol) const {
        const int index = list->findText(symbol);
        QVERIFY2(index >= 0, qPrintable(symbol));
        list->setCurrentIndex(index);
    }

    // Enters one data set through the fields: ion, mass, energy and the target slots.
    struct Slot {
        const char* symbol;
        const char* ratio;
    };
    void Enter(const char* ion, const char* mass, const char* energy,
               std::initializer_list<Slot> targets) const {
        Choose(List(QStringLiteral("DBCbIon")), QString::fromLatin1(ion));
        if (mass != nullptr) Type("txtIonMass", QString::fromLatin1(mass));
        Type("txtEnergy", QString::fromLatin1(energy));
        int j = 1;
        for (const Slot& s : targets) {
            Choose(Element(j), QString::fromLatin1(s.symbol));
            Type(Ratio(j), QString::fromLatin1(s.ratio));
            ++j;
        }
    }
};

}  // namespace fenra
