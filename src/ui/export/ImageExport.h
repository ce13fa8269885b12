#pragma once
// A widget's drawing out of the program, the same way for every window: as a PNG at the
// screen's device pixel ratio (what the user sees, pixel for pixel), as SVG or PDF (vector: the
// widget paints once more into Qt's own generators), or on the clipboard. The format follows the
// file name's extension. The drawing is made in memory and written through the safe writer
// (ui/export/SaveFileAs.h), so a failed save never leaves a cut or empty file behind or spoils
// an older one of the same name.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace fenra {

class Platform;

enum class ImageFormat { Png, Svg, Pdf };

// The windows were designed at 15 twips to a pixel, 1440 twips to the inch: a pixel of a window
// is 1/96 inch, in the SVG and PDF files too, so a drawing keeps its designed size on paper.
constexpr int kWindowPixelsPerInch = 96;

// By the extension, without regard to case; nothing for any other.
std::optional<ImageFormat> ImageFormatOf(const QString& path);

// The widget's drawing at the device pixel ratio of its screen: width() * ratio pixels wide.
QImage WidgetImage(QWidget& widget);

// The drawing as the bytes of a file of that format.
QByteArray WidgetImageBytes(QWidget& widget, ImageFormat format);

// Writes the drawing to path in the format of its extension; false with *error saying why: a
// name of no image format, or the step, path and reason of a failed write.
bool SaveWidgetImage(QWidget& widget, const QString& path, QString* error);

// The drawing as an image on the clipboard.
void CopyWidgetImage(QWidget& widget);

// "Save image…": asks for a file (PNG, SVG or PDF) through the platform, starting in folder
// (empty: where the dialog was last) and from *lastFile, remembers the choice in *lastFile,
// writes it and says in a message box when it could not. True when a file was written.
bool SaveWidgetImageAs(Platform& platform, QWidget* parent, QWidget& widget, QString* lastFile,
                       const QString& folder = QString());

}  // namespace fenra
