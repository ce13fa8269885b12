#include "ui/curve/CurveWindow.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <utility>

#include "ui/curve/CurveCanvas.h"
#include "ui/curve/CurveLayout.h"

namespace fenra {

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
    // The status line tells of the curve's depth; a label of its own, so that the status tips
    // of the menu commands do not wipe it out.
    status_ = new QLabel(statusBar());
    status_->setObjectName(QStringLiteral("curveStatus"));
    statusBar()->addWidget(status_, 1);
    // The designed size is the least and the first: the window only grows, and draws as
    // designed there.
    resize(minimumSizeHint());
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
    client->setMinimumSize(px.clientWidth, px.clientHeight);
    client->resize(px.clientWidth, px.clientHeight);
    client->setFont(DesignFont(cl::kFontPoints, false));
    client->installEventFilter(this);
    setCentralWidget(client);

    canvas_ = new CurveCanvas(client);
    canvas_->setObjectName(QStringLiteral("PicCurve"));
    canvas_->setAccessibleName(tr("Curve"));
    canvas_->setGeometry(px.plot.left, px.plot.top, px.plot.width, px.plot.height);
    createValueLabels();

    const QFont normal = DesignFont(cl::kFontPoints, false);
    const QFont bold = DesignFont(cl::kFontPoints, true);
    // Below the plot: the axis title stays under the plot's middle, the unit at the left, the
    // bottom line in the middle of the window.
    const auto sized = [](const cl::PixelRect& r, double followX) {
        return PlacedLabel{nullptr, Anchor::Left, r.left, r.top, r.width, r.height, followX, 1};
    };
    labels_.xAxisTitle =
        addLabel("lblDepth6", tr("1E15 Atom/cm2"), DesignFont(cl::kXAxisTitlePoints, true),
                 sized(px.xAxisTitle, 0.5));
    labels_.unit = addLabel("lblUnit", tr("Unit : eV/(1E15/cm2)"), normal, sized(px.unitLabel, 0));

    const auto info = [&px](int left) {
        return PlacedLabel{nullptr, Anchor::Left, left, px.infoTop, 0, px.valueHeight, 0.5, 1};
    };
    QLabel* ionCaption = addLabel("lblIon0", tr("Ion"), bold, info(px.ionCaptionLeft));
    labels_.ion = addLabel("lblIon1", QString(), normal, info(px.ionValueLeft));
    QLabel* energyCaption = addLabel("lblEnergy0", tr("Energy"), bold, info(px.energyCaptionLeft));
    labels_.energy = addLabel("lblEnergy1", QString(), normal, info(px.energyValueLeft));
    // The energy's unit follows the energy (spaceInfoLine puts it there).
    labels_.energyUnit = addLabel("lblEnergyUnit", tr("keV"), normal, info(px.energyValueLeft));
    QLabel* targetCaption = addLabel("lblTarget0", tr("Target"), bold, info(px.targetCaptionLeft));
    labels_.target = addLabel("lblTarget1", QString(), normal, info(px.targetValueLeft));
    labels_.infoLine = {ionCaption,         labels_.ion,   energyCaption, labels_.energy,
                        labels_.energyUnit, targetCaption, labels_.target};
    spaceInfoLine();
}

// The values at the ticks: Y values right-aligned beside theirs, X values centred under theirs.
void CurveWindow::createValueLabels() {
    const cl::Pixels& px = cl::CurvePixels();
    const QFont normal = DesignFont(cl::kFontPoints, false);
    const QString zero = QStringLiteral("0");
    for (std::size_t i = 0; i < labels_.yValues.size(); ++i) {
        const QByteArray name = "lblSTPower" + QByteArray::number(qulonglong(i));
        // Label i stands beside the tick at i fifths of the plot's height from the bottom.
        const double followY = double(labels_.yValues.size() - 1 - i) / 5;
        labels_.yValues[i] = addLabel(name.constData(), zero, normal,
                                      {nullptr, Anchor::Right, px.yValueRight, px.yValueTops[i],
                                       px.valueWidth, px.valueHeight, 0, followY});
        labels_.yValues[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (std::size_t i = 0; i < labels_.xValues.size(); ++i) {
        const QByteArray name = "lblDepth" + QByteArray::number(qulonglong(i));
        labels_.xValues[i] = addLabel(name.constData(), zero, normal,
                                      {nullptr, Anchor::Centre, px.xValueCentres[i], px.xValueTop,
                                       px.valueWidth, px.valueHeight, double(i) / 5, 1});
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
    const QSize grown = growth();
    const int x = p.x + qRound(p.followX * grown.width());
    const int top = p.top + qRound(p.followY * grown.height());
    const QSize hint = p.label->sizeHint();
    const int w = std::max(p.minWidth, hint.width());
    const int h = std::max(p.minHeight, hint.height());
    int left = x;
    if (p.anchor == Anchor::Right) left = std::max(0, x - w);
    if (p.anchor == Anchor::Centre) {
        // The last X value stands near the window's edge: a long one moves in rather than
        // being cut.
        const int clientWidth = centralWidget()->width();
        left = std::max(0, std::min(x - w / 2, clientWidth - w));
    }
    p.label->setGeometry(left, top, w, h);
}

void CurveWindow::putLabel(QLabel* label, const QString& text, Anchor anchor, int x, int top) {
    label->setText(text);
    const cl::Pixels& px = cl::CurvePixels();
    const int w = std::max(px.valueWidth, label->sizeHint().width());
    const int h = std::max(px.valueHeight, label->sizeHint().height());
    const int clientWidth = centralWidget()->width();
    int left = x;
    if (anchor == Anchor::Right) left = x - w;
    if (anchor == Anchor::Centre) left = x - w / 2;
    left = std::max(0, std::min(left, clientWidth - w));
    label->setGeometry(left, std::max(0, top), w, h);
    label->show();
}

// Each label of the bottom line begins where designed, or further right when the one before it
// reaches into it: a caption and its value, and the energy and its unit, are a space apart, a
// value and the next caption two.
void CurveWindow::spaceInfoLine() {
    const QFontMetrics metrics(centralWidget()->font());
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    labels_.energyUnit->setVisible(!labels_.energy->text().isEmpty());
    const std::vector<QLabel*>& line = labels_.infoLine;
    for (std::size_t k = 1; k < line.size(); ++k) {
        const bool isValue = line[k] == labels_.ion || line[k] == labels_.energy ||
                             line[k] == labels_.energyUnit || line[k] == labels_.target;
        QLabel* before = line[k - 1];
        // An empty value takes no room.
        const int end = before->text().isEmpty() ? before->x() : before->geometry().right() + 1;
        const int least = end + (isValue ? space : 2 * space);
        for (const PlacedLabel& p : placed_)
            if (p.label == line[k]) placeLabel(p);
        if (line[k] == labels_.energyUnit || line[k]->x() < least)
            line[k]->move(least, line[k]->y());
    }
}

QSize CurveWindow::growth() const {
    const cl::Pixels& px = cl::CurvePixels();
    return centralWidget()->size() - QSize(px.clientWidth, px.clientHeight);
}

bool CurveWindow::atDesignedSize() const {
    return growth().isNull();
}

bool CurveWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) relayout();
    return QMainWindow::eventFilter(watched, event);
}

void CurveWindow::relayout() {
    if (canvas_ == nullptr || labels_.infoLine.empty()) return;  // still being made
    const cl::Pixels& px = cl::CurvePixels();
    const QSize grown = growth();
    canvas_->setGeometry(px.plot.left, px.plot.top, px.plot.width + grown.width(),
                         px.plot.height + grown.height());
    for (const PlacedLabel& p : placed_) placeLabel(p);
    spaceInfoLine();
    for (QLabel* designed : labels_.yValues) designed->show();
    for (QLabel* designed : labels_.xValues) designed->show();
    for (QLabel* more : moreYValues_) more->hide();
    for (QLabel* more : moreXValues_) more->hide();
    if (drawn_) render(false);
}

void CurveWindow::setCurveLabels(const QString& xAxisTitle, const QString& unit, const QString& ion,
                                 const QString& energy, const QString& target) {
    setLabelText(labels_.xAxisTitle, xAxisTitle);
    setLabelText(labels_.unit, unit);
    setLabelText(labels_.ion, ion);
    setLabelText(labels_.energy, energy);
    setLabelText(labels_.target, target);
    spaceInfoLine();
}

QString CurveWindow::statusText() const {
    return status_->text();
}

}  // namespace fenra
