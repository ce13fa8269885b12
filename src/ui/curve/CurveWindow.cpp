#include "ui/curve/CurveWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
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

namespace {

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
    setObjectName(QStringLiteral("frmStpCurve"));
    // A window of its own even when the main window owns it (and closes it on exit).
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Stopping Curve"));
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
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    QAction* save = fileMenu_->addAction(tr("&Save curve"), this, &CurveWindow::saveCurve);
    save->setObjectName(QStringLiteral("mnuSave"));
    save->setShortcut(QKeySequence::Save);
    addExportCommands();
    QAction* exit = fileMenu_->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Exit closes only this window: the platform's Close keys (Ctrl+W, Ctrl+F4), not Quit.
    exit->setShortcuts(QKeySequence::Close);
}

void CurveWindow::createFields() {
    const cl::Pixels& px = cl::CurvePixels();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px.clientWidth, px.clientHeight);
    client->setFont(DesignFont(cl::kFontPoints, false));
    setCentralWidget(client);

    canvas_ = new CurveCanvas(client);
    canvas_->setObjectName(QStringLiteral("PicCurve"));
    canvas_->setAccessibleName(tr("Curve"));
    canvas_->setGeometry(px.plot.left, px.plot.top, px.plot.width, px.plot.height);
    createValueLabels();

    const QFont normal = DesignFont(cl::kFontPoints, false);
    const QFont bold = DesignFont(cl::kFontPoints, true);
    const auto sized = [](const cl::PixelRect& r) {
        return PlacedLabel{nullptr, Anchor::Left, r.left, r.top, r.width, r.height};
    };
    labels_.xAxisTitle = addLabel("lblDepth6", tr("1E15 Atom/cm2"),
                                  DesignFont(cl::kXAxisTitlePoints, true), sized(px.xAxisTitle));
    labels_.unit = addLabel("lblUnit", tr("Unit : eV/(1E15/cm2)"), normal, sized(px.unitLabel));

    const auto info = [&px](int left) {
        return PlacedLabel{nullptr, Anchor::Left, left, px.infoTop, 0, px.valueHeight};
    };
    addLabel("lblIon0", tr("Ion"), bold, info(px.ionCaptionLeft));
    labels_.ion = addLabel("lblIon1", QString(), normal, info(px.ionValueLeft));
    addLabel("lblEnergy0", tr("Energy"), bold, info(px.energyCaptionLeft));
    labels_.energy = addLabel("lblEnergy1", QString(), normal, info(px.energyValueLeft));
    addLabel("lblTarget0", tr("Target"), bold, info(px.targetCaptionLeft));
    labels_.target = addLabel("lblTarget1", QString(), normal, info(px.targetValueLeft));
}

// The values at the ticks: Y values right-aligned beside theirs, X values centred under theirs.
void CurveWindow::createValueLabels() {
    const cl::Pixels& px = cl::CurvePixels();
    const QFont normal = DesignFont(cl::kFontPoints, false);
    const QString zero = QStringLiteral("0");
    for (std::size_t i = 0; i < labels_.yValues.size(); ++i) {
        const QByteArray name = "lblSTPower" + QByteArray::number(qulonglong(i));
        labels_.yValues[i] = addLabel(name.constData(), zero, normal,
                                      {nullptr, Anchor::Right, px.yValueRight, px.yValueTops[i],
                                       px.valueWidth, px.valueHeight});
        labels_.yValues[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (std::size_t i = 0; i < labels_.xValues.size(); ++i) {
        const QByteArray name = "lblDepth" + QByteArray::number(qulonglong(i));
        labels_.xValues[i] = addLabel(name.constData(), zero, normal,
                                      {nullptr, Anchor::Centre, px.xValueCentres[i], px.xValueTop,
                                       px.valueWidth, px.valueHeight});
        labels_.xValues[i]->setAlignment(Qt::AlignCenter);
    }
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
        const int clientWidth = cl::CurvePixels().clientWidth;
        left = std::max(0, std::min(p.x - w / 2, clientWidth - w));
    }
    p.label->setGeometry(left, p.top, w, h);
}

void CurveWindow::setCurveLabels(const QString& xAxisTitle, const QString& unit, const QString& ion,
                                 const QString& energy, const QString& target) {
    setLabelText(labels_.xAxisTitle, xAxisTitle);
    setLabelText(labels_.unit, unit);
    setLabelText(labels_.ion, ion);
    setLabelText(labels_.energy, energy);
    setLabelText(labels_.target, target);
}
