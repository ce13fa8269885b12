#pragma once
// A widget's drawing out of the program: as a PNG at the screen's device pixel ratio (what the
// user sees, pixel for pixel), as SVG or PDF (vector: the widget paints once more into Qt's own
// generators), or on the clipboard. The format follows the file name's extension. Files are
// written through QSaveFile, so a failed save never leaves a half-written file behind or
// spoils an older one of the same name.

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace fenra {

class Platform;

enum class ImageFormat { Png, Svg, Pdf };

// By the extension, without regard to case; nothing for any other.
std::optional<ImageFormat> ImageFormatOf(const QString& path);

// The widget's drawing at the device pixel ratio of its screen: width() * ratio pixels wide.
QImage WidgetImage(QWidget& widget);

// Writes the drawing to path in the format of its extension; false with *error saying why.
bool SaveWidgetImage(QWidget& widget, const QString& path, QString* error);

// The drawing as an image on the clipboard.
void CopyWidgetImage(QWidget& widget);

// "Save image…": asks for a file (PNG, SVG or PDF) through the platform, remembers the choice
// in *lastFile for the next dialog, writes it and says in a message box when it could not.
// True when a file was written.
bool SaveWidgetImageAs(Platform& platform, QWidget* parent, QWidget& widget, QString* lastFile);

constexpr const char* kSaveImageTitle = "Save image";
constexpr const char* kImageFilter = "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";

}  // namespace fenra
