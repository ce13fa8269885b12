#include "ui/export/ImageExport.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>

#include "ui/export/SaveFileAs.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

// The texts of the image export, translatable in their own context.
struct ImageExportTexts {
    Q_DECLARE_TR_FUNCTIONS(ImageExport)
};

QByteArray SvgBytes(QWidget& widget) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(widget.size());
    svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
    svg.setResolution(kWindowPixelsPerInch);
    svg.setTitle(widget.window()->windowTitle());
    QPainter painter(&svg);
    widget.render(&painter);
    painter.end();
    return buffer.data();
}

QByteArray PdfBytes(QWidget& widget) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(widget.window()->windowTitle());
    pdf.setResolution(kWindowPixelsPerInch);
    // One page the size of the drawing, without margins.
    const QSizeF inches = QSizeF(widget.size()) / kWindowPixelsPerInch;
    pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    widget.render(&painter);
    painter.end();
    return buffer.data();
}

QByteArray PngBytes(QWidget& widget) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WidgetImage(widget).save(&buffer, "PNG");
    return buffer.data();
}

QString SaveImageTitle() {
    return ImageExportTexts::tr("Save image");
}

QString ImageFilter() {
    return ImageExportTexts::tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");
}

}  // namespace

std::optional<ImageFormat> ImageFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return ImageFormat::Png;
    if (suffix == QLatin1String("svg")) return ImageFormat::Svg;
    if (suffix == QLatin1String("pdf")) return ImageFormat::Pdf;
    return std::nullopt;
}

QImage WidgetImage(QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

QByteArray WidgetImageBytes(QWidget& widget, ImageFormat format) {
    switch (format) {
        case ImageFormat::Png:
            return PngBytes(widget);
        case ImageFormat::Svg:
            return SvgBytes(widget);
        case ImageFormat::Pdf:
            return PdfBytes(widget);
    }
    return {};
}

bool SaveWidgetImage(QWidget& widget, const QString& path, QString* error) {
    const std::optional<ImageFormat> format = ImageFormatOf(path);
    if (!format) {
        *error = ImageExportTexts::tr("the file name \"%1\" ends in none of .png, .svg and .pdf")
                     .arg(QFileInfo(path).fileName());
        return false;
    }
    const QByteArray bytes = WidgetImageBytes(widget, *format);
    if (bytes.isEmpty()) {
        *error = ImageExportTexts::tr("the drawing could not be made into a file of that kind");
        return false;
    }
    *error = WriteFileBytes(path, bytes);
    return error->isEmpty();
}

void CopyWidgetImage(QWidget& widget) {
    QGuiApplication::clipboard()->setImage(WidgetImage(widget));
}

bool SaveWidgetImageAs(Platform& platform, QWidget* parent, QWidget& widget, QString* lastFile,
                       const QString& folder) {
    FileDialogSettings dialog;
    dialog.title = SaveImageTitle();
    dialog.filter = ImageFilter();
    dialog.initialFolder = folder;
    dialog.defaultSuffix = QStringLiteral("png");
    dialog.confirmOverwrite = true;
    const auto write = [&widget](const QString& path) {
        QString error;
        if (SaveWidgetImage(widget, path, &error)) return QString();
        return ImageExportTexts::tr("The image was not saved: %1").arg(error);
    };
    return SaveFileAs(platform, parent, dialog, lastFile, write).has_value();
}

}  // namespace fenra
