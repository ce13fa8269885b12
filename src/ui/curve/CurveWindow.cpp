#include "ui/curve/CurveWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "ui/curve/CurveCanvas.h"
#include "ui/curve/CurveLayout.h"

namespace cl = fenra::curve_layout;
using cl::Px;

namespace {

const char* const kInitialCaption = "Stopping Curve";
const char* const kInitialXAxisTitle = "1E15 Atom/cm2";
const char* const kInitialUnit = "Unit : eV/(1E15/cm2)";
const char* const kZeroValue = "0";

QFont DesignFont(float points, bool bold) {
    QFont f(cl::kFontFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

}  // namespace

CurveWindow::CurveWindow(fenra::Platform& platform, fenra::CurveKind kind,
                         fenra::CurveSnapshot curve, std::string saveFolder, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      kind_(kind),
      snapshot_(std::move(curve)),
      saveFolder_(std::move(saveFolder)) {
    setObjectName("frmStpCurve");
    // A window of its own even when the main window owns it (and closes it on exit).
    setWindowFlag(Qt::Window);
    setWindowTitle(kInitialCaption);
    createMenus();
    createFields();
    // The layout is fixed: the window neither grows nor shrinks.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    fenra::CentreOnScreen(
        *this, parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen(),
        size());
}

void CurveWindow::createMenus() {
    fileMenu = menuBar()->addMenu("File");
    fileMenu->setObjectName("mnuFile");
    saveAction = fileMenu->addAction("Save curve", this, &CurveWindow::saveCurve);
    saveAction->setObjectName("mnuSave");
    exitAction = fileMenu->addAction("Exit", this, &QWidget::close);
    exitAction->setObjectName("mnuExit");
}

void CurveWindow::createFields() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(Px(cl::kClientWidthTwips), Px(cl::kClientHeightTwips));
    client->setFont(DesignFont(cl::kFontPoints, false));
    setCentralWidget(client);

    canvas = new CurveCanvas(client);
    canvas->setObjectName("PicCurve");
    canvas->setGeometry(Px(cl::kPlotLeftTwips), Px(cl::kPlotTopTwips), Px(cl::kPlotWidthTwips),
                        Px(cl::kPlotHeightTwips));

    const QFont normal = DesignFont(cl::kFontPoints, false);
    const QFont bold = DesignFont(cl::kFontPoints, true);
    const int valueWidth = Px(cl::kValueLabelDesignWidthTwips);
    const int valueHeight = Px(cl::kValueLabelHeightTwips);

    // Y values end a little left of the plot; their tops put each beside its tick.
    const int yValueRight = Px(cl::kSTPowerLeftTwips + cl::kValueLabelDesignWidthTwips);
    for (int i = 0; i < 6; ++i) {
        const QString name = QString("lblSTPower%1").arg(i);
        yValueLabels[i] = addLabel(name.toLatin1().constData(), kZeroValue, normal,
                                   {nullptr, Anchor::Right, yValueRight,
                                    Px(cl::kSTPowerTopTwips[i]), valueWidth, valueHeight});
        yValueLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // X values centred where a one-digit label was designed, under the ticks at the fifths of
    // the plot.
    for (int i = 0; i < 6; ++i) {
        const int centre = Px(cl::kDepthLeftTwips[i] + cl::kValueLabelDesignWidthTwips / 2);
        const QString name = QString("lblDepth%1").arg(i);
        xLabels[i] = addLabel(
            name.toLatin1().constData(), kZeroValue, normal,
            {nullptr, Anchor::Centre, centre, Px(cl::kDepthTopTwips), valueWidth, valueHeight});
        xLabels[i]->setAlignment(Qt::AlignCenter);
    }

    const auto sized = [](const cl::TwipsRect& r) {
        return PlacedLabel{nullptr, Anchor::Left, Px(r.left), Px(r.top), Px(r.width), Px(r.height)};
    };
    xLabels[6] = addLabel("lblDepth6", kInitialXAxisTitle, DesignFont(cl::kXAxisTitlePoints, true),
                          sized(cl::kXAxisTitle));
    unitLabel = addLabel("lblUnit", kInitialUnit, normal, sized(cl::kUnitLabel));

    const auto info = [&](int leftTwips) {
        return PlacedLabel{nullptr, Anchor::Left, Px(leftTwips), Px(cl::kInfoTopTwips),
                           0,       valueHeight};
    };
    ionLabels[0] = addLabel("lblIon0", "Ion", bold, info(cl::kIonCaptionLeftTwips));
    ionLabels[1] = addLabel("lblIon1", "", normal, info(cl::kIonValueLeftTwips));
    energyLabels[0] = addLabel("lblEnergy0", "Energy", bold, info(cl::kEnergyCaptionLeftTwips));
    energyLabels[1] = addLabel("lblEnergy1", "", normal, info(cl::kEnergyValueLeftTwips));
    targetLabels[0] = addLabel("lblTarget0", "Target", bold, info(cl::kTargetCaptionLeftTwips));
    targetLabels[1] = addLabel("lblTarget1", "", normal, info(cl::kTargetValueLeftTwips));
}

QLabel* CurveWindow::addLabel(const char* name, const QString& text, const QFont& font,
                              const PlacedLabel& place) {
    auto* label = new QLabel(text, centralWidget());
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    PlacedLabel p = place;
    p.label = label;
    placed_.push_back(p);
    placeLabel(p);
    return label;
}

void CurveWindow::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    for (const PlacedLabel& p : placed_) {
        if (p.label == label) placeLabel(p);
    }
}

// A label is as large as its text needs (never smaller than designed), so no number is cut.
void CurveWindow::placeLabel(const PlacedLabel& p) {
    const QSize hint = p.label->sizeHint();
    const int w = std::max(p.minWidth, hint.width());
    const int h = std::max(p.minHeight, hint.height());
    int left = p.x;
    if (p.anchor == Anchor::Right) left = std::max(0, p.x - w);
    if (p.anchor == Anchor::Centre) {
        // The last X value stands near the window's edge: a long one moves in rather than
        // being cut.
        const int clientWidth = Px(cl::kClientWidthTwips);
        left = std::max(0, std::min(p.x - w / 2, clientWidth - w));
    }
    p.label->setGeometry(left, p.top, w, h);
}

void CurveWindow::setCurveLabels(const QString& xAxisTitle, const QString& unit, const QString& ion,
                                 const QString& energy, const QString& target) {
    setLabelText(xLabels[6], xAxisTitle);
    setLabelText(unitLabel, unit);
    setLabelText(ionLabels[1], ion);
    setLabelText(energyLabels[1], energy);
    setLabelText(targetLabels[1], target);
}
