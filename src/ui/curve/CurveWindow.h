#pragma once
// The curve window: draws one curve of one data set (stopping power against depth, energy
// against depth, or stopping power against energy) from its own copy of the curve, and saves
// that copy as a curve data file.
//
// It opens at its designed size and draws there as designed, with labels at the fifths of each
// axis. The user may make it larger: the plot grows with it, the curve is drawn afresh, and the
// labels move to round numbers, as many as there is room for.

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "state/CurveKind.h"
#include "state/CurveSnapshot.h"

class QAction;
class QEvent;
class QFont;
class QLabel;
class QMenu;

namespace fenra {

class CurveCanvas;

class Platform;
struct FileDialogSettings;

class CurveWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The window owns the curve it shows; its save dialog starts in saveFolder.
    CurveWindow(fenra::Platform& platform, fenra::CurveKind kind, fenra::CurveSnapshot curve,
                std::string saveFolder, QWidget* parent = nullptr);

    // Set by the curve command before it draws: the X axis title, the unit, and the ion, energy
    // and target values below the plot.
    void setCurveLabels(const QString& xAxisTitle, const QString& unit, const QString& ion,
                        const QString& energy, const QString& target);
    // The folder Save image starts in (empty: the save dialog's folder).
    void setImageFolder(const QString& folder) { imageFolder_ = folder; }

  public slots:
    // Draws the curve in the layout of the window's kind, and says in the status line when the
    // depth of a depth curve is far beyond or far short of the ion's range.
    void draw();

    // Save curve.
    void saveCurve();

    // The picture and the points for other programs (CurveWindow_export.cpp): Save image… (PNG,
    // SVG or PDF by the file's extension), Copy image, Save data… (CSV).
    void saveImage();
    void copyImage();
    void saveData();

  signals:
    // A curve data file was written to path.
    void curveSaved(const QString& path);
    // A picture of the curve was written to path.
    void imageSaved(const QString& path);

  public:
    const fenra::CurveSnapshot& snapshot() const { return snapshot_; }
    fenra::CurveKind kind() const { return kind_; }

    // The window's picture (plot, values and labels) at the screen's pixel ratio.
    QImage pictureImage();

    // What the status line says of the curve; empty when nothing needs saying.
    QString statusText() const;

  protected:
    // The plot follows the size of the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    fenra::Platform& platform_;
    fenra::CurveKind kind_;
    fenra::CurveSnapshot snapshot_;
    std::string saveFolder_;

    // The labels the drawing and the curve command write; their object names are the designed
    // ones (lblSTPower0..5, lblDepth0..6, lblUnit, lblIon1, lblEnergy1, lblTarget1).
    struct Labels {
        std::array<QLabel*, 6> yValues{};  // 0 at the bottom edge
        std::array<QLabel*, 6> xValues{};  // 0 at the left edge
        QLabel* xAxisTitle = nullptr;
        QLabel* unit = nullptr;
        QLabel* ion = nullptr;
        QLabel* energy = nullptr;
        QLabel* energyUnit = nullptr;  // "keV" after the energy
        QLabel* target = nullptr;
        // The bottom line from left to right: caption, value, caption, value, unit, ...
        std::vector<QLabel*> infoLine;
    };
    CurveCanvas* canvas_ = nullptr;
    Labels labels_;
    // Labels of the round ticks beyond the six designed ones of each axis, made as needed.
    std::vector<QLabel*> moreYValues_, moreXValues_;
    QLabel* status_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    bool drawn_ = false;  // draw() was called: a new size draws the curve again

    // How a label keeps its place when its text changes: a left-aligned label keeps its left
    // edge, a right-aligned one its right edge, a centred one its centre.
    enum class Anchor { Left, Right, Centre };
    struct PlacedLabel {
        QLabel* label;
        Anchor anchor;
        int x;  // left edge, right edge or centre, in pixels at the designed size
        int top;
        int minWidth, minHeight;
        // The share of the window's growth beyond its designed size that moves the label:
        // 0 stays with the upper left corner, 1 moves with the lower right one.
        double followX = 0, followY = 0;
    };
    std::vector<PlacedLabel> placed_;

    // The save dialog's file name: a second Save curve starts from the first one's choice.
    QString saveFile_;
    QString imageFile_, dataFile_;  // the same for Save image and Save data
    QString imageFolder_;

    void createMenus();
    void addExportCommands();
    // Whether the window's own copy holds a curve to save (Save curve, Save data).
    bool holdsCurve() const;
    // A save dialog of this window: in its folder, with the suffix added to a bare name.
    fenra::FileDialogSettings saveDialog(const QString& title, const QString& filter,
                                         const char* suffix) const;
    void createFields();
    void createValueLabels();
    QLabel* addLabel(const char* name, const QString& text, const QFont& font,
                     const PlacedLabel& place);
    void setLabelText(QLabel* label, const QString& text);
    void placeLabel(const PlacedLabel& place);
    // Sets the label's text and puts it at (x, top) by its anchor, inside the window.
    void putLabel(QLabel* label, const QString& text, Anchor anchor, int x, int top);
    // The bottom line keeps a space between a caption and its value, whatever the font.
    void spaceInfoLine();
    // How much larger than designed the window's client area is.
    QSize growth() const;
    bool atDesignedSize() const;
    // Lays the plot and the labels out for the present size, and draws the curve again.
    void relayout();

    // Draws the curve; tells of a curve it cannot scale only when tell is set.
    void render(bool tell);
    void drawXAxis(float w, float h, float xMax);
    void drawYAxis(float h, float yMax);
    // The ticks and labels of a grown window, on round numbers.
    void drawRoundTicks(float w, float h, float xMax, float yMax);
    QLabel* valueLabel(bool yAxis, std::size_t index);
    void drawPolyline(float w, float h, float yMax);
    void showDepthFit();
};

}  // namespace fenra
