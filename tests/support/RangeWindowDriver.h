#pragma once
// A range window on the test database, driven through its named fields, and the inputs the
// tests hand to CalculateStack themselves to know what the window must show.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <cstdio>
#include <memory>

#include "range/StackCalculation.h"
#include "support/MaterialTestData.h"
#include "support/ScriptedPlatform.h"
#include "ui/range/LayerTableModel.h"
#include "ui/range/RangeWindow.h"
#include "ui/range/StackPlot.h"

namespace range_test {

// A helium ion of 2000 keV into silicon, the ion's own mass: the data set the window opens on.
inline fenra::DataSet HeliumIntoSilicon() {
    fenra::DataSet d;
    d.IonName = "He";
    d.IonEnergy = 2000;
    d.ElementCount = 1;
    d.TargetElement[1] = "Si";
    d.TargetRatio[1] = 1;
    return d;
}

// What the window calculates when it has just opened on HeliumIntoSilicon().
inline fenra::StackInput OpeningInput() {
    fenra::StackInput in;
    in.ion = "He";
    in.energy = 2000;
    in.material = "Si";
    in.layers = {{"Si", 1, fenra::ThicknessUnit::Um, 0}};
    return in;
}

// The three-layer stack: mylar 2 um, Al 3 um, Si 40 um (where the ion stops).
inline std::vector<fenra::StackLayerInput> ThreeLayers() {
    return {{"mylar", 2, fenra::ThicknessUnit::Um, 0},
            {"Al", 3, fenra::ThicknessUnit::Um, 0},
            {"Si", 40, fenra::ThicknessUnit::Um, 0}};
}

inline fenra::StackCalculation Calculate(const fenra::StackInput& in) {
    return fenra::CalculateStack(in, fenra::Db(), fenra::List());
}

// The window's text of a result: six significant digits, trailing zeros kept, no bare point.
// C's printf (QString::asprintf drops the zeros of "%#g" beyond the sixth decimal).
inline QString Shown(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%#.6g", v);
    QString shown = QString::fromLatin1(text);
    if (shown.endsWith('.')) shown.chop(1);
    return shown;
}

// The window's text of a layer's energy out: exactly "0" where the ion stops in the layer.
inline QString ShownEnergyOut(const fenra::StackLayerRow& r) {
    return r.stopped ? QStringLiteral("0") : Shown(r.energyOut);
}

// The model a test's window calculates with: the classic fit, whose numbers the tests take from
// the calculation's own defaults, or the model a new window starts on.
enum class StartModel { classic, windowDefault };

struct Window {
    fenra::ScriptedPlatform platform;
    std::unique_ptr<fenra::RangeWindow> w;

    explicit Window(const fenra::DataSet& d = HeliumIntoSilicon(),
                    StartModel model = StartModel::classic) {
        w = std::make_unique<fenra::RangeWindow>(platform, d, fenra::Db(), fenra::List());
        if (model == StartModel::classic) w->setModelName(QStringLiteral("classic"));
        w->show();
        (void)QTest::qWaitForWindowExposed(w.get());
        QCoreApplication::processEvents();
    }

    template <typename T>
    T* Child(const char* name) const {
        T* child = w->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no child %s", name);
        return child;
    }
    QString Text(const char* label) const { return Child<QLabel>(label)->text(); }
    QLineEdit* Field(const char* name) const { return Child<QLineEdit>(name); }
    fenra::LayerTableModel& layers() const { return w->layers(); }

    // Replaces the field's text as typing does (one textChanged per key), then lets the
    // window calculate.
    void Type(const char* field, const QString& text) const {
        QLineEdit* f = Field(field);
        f->clear();
        QTest::keyClicks(f, text);
        QCoreApplication::processEvents();
    }
    void Choose(const char* list, int index) const {
        Child<QComboBox>(list)->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }
    void Click(const char* button) const {
        QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QString Cell(int row, int column) const {
        return layers().index(row, column).data().toString();
    }
    void SetCell(int row, int column, const QVariant& value) const {
        layers().setData(layers().index(row, column), value);
        QCoreApplication::processEvents();
    }
    void SelectLayer(int row) const {
        auto* table = Child<QTableView>("tblLayers");
        table->setCurrentIndex(layers().index(row, 0));
    }

    // Makes the stack ThreeLayers() with the buttons and the table, and the energy typed.
    void BuildThreeLayers() const {
        SelectLayer(0);
        Click("cmdAddLayer");
        Click("cmdAddLayer");
        const auto layers = ThreeLayers();
        for (int k = 0; k < 3; ++k) {
            const auto& l = layers[static_cast<std::size_t>(k)];
            SetCell(k, fenra::LayerTableModel::Material, QString::fromStdString(l.material));
            SetCell(k, fenra::LayerTableModel::Thickness, QString::number(l.thickness));
            SetCell(k, fenra::LayerTableModel::Unit, static_cast<int>(l.unit));
        }
    }
};

// OpeningInput() with ThreeLayers().
inline fenra::StackInput ThreeLayerInput() {
    fenra::StackInput in = OpeningInput();
    in.layers = ThreeLayers();
    return in;
}

}  // namespace range_test
