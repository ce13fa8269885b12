// A curve window's picture and points for other programs: the picture as PNG (at the screen's
// pixel ratio), SVG or PDF (drawn as lines and text, scalable), or onto the clipboard; the
// points as CSV. The designed curve file (Save curve) is written as before, beside them.

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "export/CurveExport.h"
#include "files/CurveFile.h"
#include "files/TextFile.h"
#include "ui/curve/CurveWindow.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace {

// The vector formats count one pixel of the window as a CSS pixel (1/96 inch).
constexpr int kVectorDotsPerInch = 96;

QAction* NamedCommand(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QByteArray SvgOf(QWidget& picture, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(picture.size());
    svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
    svg.setResolution(kVectorDotsPerInch);
    svg.setTitle(title);
    QPainter painter(&svg);
    picture.render(&painter);
    painter.end();
    return buffer.data();
}

QByteArray PdfOf(QWidget& picture, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setResolution(kVectorDotsPerInch);
    // One page the size of the picture, without margins.
    const QSizeF inches = QSizeF(picture.size()) / kVectorDotsPerInch;
    pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    picture.render(&painter);
    painter.end();
    return buffer.data();
}

QByteArray PngOf(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

}  // namespace

void CurveWindow::addExportCommands() {
    QAction* image = NamedCommand(fileMenu_, tr("Save &image…"), "mnuSaveImage");
    QAction* copy = NamedCommand(fileMenu_, tr("&Copy image"), "mnuCopyImage");
    QAction* points = NamedCommand(fileMenu_, tr("Save &data…"), "mnuSaveData");
    connect(image, &QAction::triggered, this, &CurveWindow::saveImage);
    connect(copy, &QAction::triggered, this, &CurveWindow::copyImage);
    connect(points, &QAction::triggered, this, &CurveWindow::saveData);
}

QImage CurveWindow::pictureImage() {
    // The plot with its values, titles and labels, as the window shows them.
    QImage image = centralWidget()->grab().toImage();
    return image;
}

QByteArray CurveWindow::pictureBytes(const QString& path, QString* refusal) {
    const QString type = QFileInfo(path).suffix().toLower();
    if (type == QLatin1String("png")) return PngOf(pictureImage());
    if (type == QLatin1String("svg")) return SvgOf(*centralWidget(), windowTitle());
    if (type == QLatin1String("pdf")) return PdfOf(*centralWidget(), windowTitle());
    *refusal = tr("The image was not saved: %1 does not end in .png, .svg or .pdf.").arg(path);
    return {};
}

void CurveWindow::saveImage() {
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Save image");
    dialog.filter = tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");
    dialog.initialFolder = QString::fromStdString(saveFolder_);
    dialog.initialFile = imageFile_;
    dialog.defaultSuffix = QStringLiteral("png");
    dialog.confirmOverwrite = true;
    const std::optional<QString> chosen = platform_.SaveFileName(this, dialog);
    if (!chosen || chosen->isEmpty()) return;
    imageFile_ = *chosen;

    QString refusal;
    const QByteArray bytes = pictureBytes(*chosen, &refusal);
    if (!refusal.isEmpty()) {
        platform_.ShowMessage(this, fenra::ProgramTitle(), refusal);
        return;
    }
    fenra::FileError error;
    if (bytes.isEmpty() || !fenra::WriteTextFile(QFile::encodeName(*chosen).toStdString(),
                                                 bytes.toStdString(), &error)) {
        platform_.ShowMessage(
            this, fenra::ProgramTitle(),
            tr("The image was not saved: %1").arg(fenra::FileErrorMessage(error)));
    }
}

void CurveWindow::copyImage() {
    QGuiApplication::clipboard()->setImage(pictureImage());
}

void CurveWindow::saveData() {
    // As Save curve: the window's own copy must hold a curve.
    const bool energyValues = kind_ == fenra::CurveKind::DepthEnergy;
    if (!fenra::HasPositivePoint(energyValues ? snapshot_.energy : snapshot_.stop)) {
        platform_.ShowMessage(this, fenra::DefaultMessageTitle(), fenra::NoCalculationMessage());
        return;
    }
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Save data");
    dialog.filter = tr("CSV files (*.csv);;All files (*)");
    dialog.initialFolder = QString::fromStdString(saveFolder_);
    dialog.initialFile = dataFile_;
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    const std::optional<QString> chosen = platform_.SaveFileName(this, dialog);
    if (!chosen || chosen->isEmpty()) return;
    dataFile_ = *chosen;
    fenra::FileError error;
    if (!fenra::SaveCurveCsv(kind_, snapshot_, snapshot_.N(),
                             QFile::encodeName(*chosen).toStdString(), &error)) {
        platform_.ShowMessage(this, fenra::ProgramTitle(),
                              tr("The data was not saved: %1").arg(fenra::FileErrorMessage(error)));
    }
}
