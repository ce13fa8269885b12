#include "ui/export/ImageExport.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include "ui/platform/Platform.h"

namespace fenra {

namespace {

// PDF pages are laid out in points; one pixel of the widget becomes one point, so the page is
// the widget's size at 72 dpi and its lines keep their proportions.
constexpr int kPdfResolution = 72;  // dots per inch

void RenderSvg(QWidget& widget, QIODevice& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(widget.size());
    svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
    svg.setTitle(widget.window()->windowTitle());
    QPainter painter(&svg);
    widget.render(&painter);
}

void RenderPdf(QWidget& widget, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(QSizeF(widget.size()), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(widget.window()->windowTitle());
    QPainter painter(&pdf);
    widget.render(&painter);
}

bool Render(QWidget& widget, ImageFormat format, QIODevice& out) {
    switch (format) {
        case ImageFormat::Png:
            return WidgetImage(widget).save(&out, "PNG");
        case ImageFormat::Svg:
            RenderSvg(widget, out);
            break;
        case ImageFormat::Pdf:
            RenderPdf(widget, out);
            break;
    }
    return true;
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

bool SaveWidgetImage(QWidget& widget, const QString& path, QString* error) {
    const std::optional<ImageFormat> format = ImageFormatOf(path);
    if (!format) {
        *error = QStringLiteral("the file name \"%1\" ends in none of .png, .svg and .pdf")
                     .arg(QFileInfo(path).fileName());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!Render(widget, *format, file) || file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void CopyWidgetImage(QWidget& widget) {
    QGuiApplication::clipboard()->setImage(WidgetImage(widget));
}

bool SaveWidgetImageAs(Platform& platform, QWidget* parent, QWidget& widget, QString* lastFile) {
    FileDialogSettings dialog;
    dialog.title = QString::fromUtf8(kSaveImageTitle);
    dialog.filter = QString::fromUtf8(kImageFilter);
    dialog.initialFile = *lastFile;
    dialog.defaultSuffix = QStringLiteral("png");
    dialog.confirmOverwrite = true;
    const std::optional<QString> chosen = platform.SaveFileName(parent, dialog);
    if (!chosen || chosen->isEmpty()) return false;  // cancelled
    *lastFile = *chosen;
    QString error;
    if (SaveWidgetImage(widget, *chosen, &error)) return true;
    // The user asked for a file and must not believe it was written.
    platform.ShowMessage(parent, ProgramTitle(),
                         QStringLiteral("The image was not saved: %1").arg(error));
    return false;
}

}  // namespace fenra
