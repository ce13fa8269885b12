#pragma once
// The curve window: draws one curve of one data set (stopping power against depth, energy
// against depth, or stopping power against energy) from its own copy of the curve, and saves
// that copy as a curve data file.

#include <QMainWindow>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "state/CurveKind.h"
#include "state/CurveSnapshot.h"

class QAction;
class QFont;
class QLabel;
class QMenu;
class CurveCanvas;

namespace fenra {
class Platform;
}  // namespace fenra

class frmStpCurve : public QMainWindow {
    Q_OBJECT

  public:
    // The window owns the curve it shows; its save dialog starts in saveFolder.
    frmStpCurve(fenra::Platform& platform, fenra::CurveKind kind, fenra::CurveSnapshot curve,
                std::string saveFolder, QWidget* parent = nullptr);

    // Set by the curve command before it draws: lblDepth(6), lblUnit, lblIon(1), lblEnergy(1),
    // lblTarget(1).
    void SetCurveLabels(const QString& xAxisTitle, const QString& unit, const QString& ion,
                        const QString& energy, const QString& target);

    // Draws the curve in the layout of the window's kind.
    void Draw();

    // Save curve.
    void mnuSave_Click();

    const fenra::CurveSnapshot& Snapshot() const { return snapshot_; }

  private:
    fenra::Platform& platform_;
    fenra::CurveKind kind_;
    fenra::CurveSnapshot snapshot_;
    std::string saveFolder_;

    // The fields of the window, named as designed.
    CurveCanvas* PicCurve = nullptr;
    std::array<QLabel*, 6> lblSTPower{};  // Y values, 0 at the bottom edge
    std::array<QLabel*, 7> lblDepth{};    // X values 0..5, and the X axis title (6)
    QLabel* lblUnit = nullptr;
    std::array<QLabel*, 2> lblIon{};
    std::array<QLabel*, 2> lblEnergy{};
    std::array<QLabel*, 2> lblTarget{};
    QMenu* mnuFile = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuExit = nullptr;

    // How a label keeps its place when its text changes: a left-aligned label keeps its left
    // edge, a right-aligned one its right edge, a centred one its centre.
    enum class Anchor { Left, Right, Centre };
    struct PlacedLabel {
        QLabel* label;
        Anchor anchor;
        int x;  // left edge, right edge or centre, in pixels
        int top;
        int minWidth, minHeight;
    };
    std::vector<PlacedLabel> placed_;

    // The save dialog's file name: a second Save curve starts from the first one's choice.
    QString saveFile_;

    void BuildMenus();
    void BuildFields();
    QLabel* AddLabel(const char* name, const QString& text, const QFont& font,
                     const PlacedLabel& place);
    void SetLabelText(QLabel* label, const QString& text);
    void PlaceLabel(const PlacedLabel& place);

    void DrawXAxis(float w, float h, float xMax);
    void DrawYAxis(float h, float yMax);
    void DrawPolyline(float w, float h, float yMax);
};
