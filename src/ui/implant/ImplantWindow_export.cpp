// The ion paths window's histograms: the one drawn, its picture as PNG, SVG or PDF or on the
// clipboard, and its bins as CSV.

#include <QComboBox>

#include "export/ImplantExport.h"
#include "ui/export/ImageExport.h"
#include "ui/export/SaveFileAs.h"
#include "ui/implant/ImplantPlot.h"
#include "ui/implant/ImplantWindow.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

bool IsDepthHistogram(ImplantHistogram h) {
    return h == ImplantHistogram::StoppedIons || h == ImplantHistogram::ElectronicDeposit ||
           h == ImplantHistogram::NuclearDeposit || h == ImplantHistogram::Displacements;
}

// The stopped ions per nm per ion run: the depth profile of a unit dose.
Histogram StoppedPerNm(const ImplantResult& r) {
    Histogram h = r.depth;
    const double scale =
        r.ionsRun > 0 && h.width > 0 ? 1 / (static_cast<double>(r.ionsRun) * h.width) : 0;
    for (double& v : h.values) v *= scale;
    return h;
}

}  // namespace

void ImplantWindow::showHistogram() {
    const ImplantResult& r = result();
    if (r.ionsRun == 0) {
        plot_->setMissing(tr("Run the simulation to see where the ions end up."));
        return;
    }
    const auto kind = static_cast<ImplantHistogram>(histogram_->currentIndex());
    PlotSeries s;
    s.title = histogram_->currentText();
    const QString depth = tr("Depth (nm)");
    switch (kind) {
        case ImplantHistogram::StoppedIons:
            s = {s.title, depth, tr("Stopped ions per nm per ion"), StoppedPerNm(r), {}, {}};
            break;
        case ImplantHistogram::ElectronicDeposit:
            s = {s.title, depth, tr("eV/nm per ion"), r.electronicDeposit, {}, {}};
            break;
        case ImplantHistogram::NuclearDeposit:
            s = {s.title, depth, tr("eV/nm per ion"), r.nuclearDeposit, {}, {}};
            break;
        case ImplantHistogram::Displacements:
            s = {s.title, depth, tr("Displacements per nm per ion"), r.displacements, {}, {}};
            break;
        case ImplantHistogram::BackscatteredEnergy:
            s = {s.title, tr("Energy (keV)"), tr("Ions"), r.backscatteredSpectrum, {}, {}};
            break;
        case ImplantHistogram::TransmittedEnergy:
            s = {s.title, tr("Energy (keV)"), tr("Ions"), r.transmittedSpectrum, {}, {}};
            break;
        case ImplantHistogram::BackscatteredAngle:
            s = {s.title, tr("Angle from the normal (deg)"), tr("Ions"), r.backscatteredAngles, {},
                 {}};
            break;
        case ImplantHistogram::TransmittedAngle:
            s = {s.title, tr("Angle from the normal (deg)"), tr("Ions"), r.transmittedAngles, {},
                 {}};
            break;
    }
    if (IsDepthHistogram(kind)) s.faces = r.layerFaces;
    s.caption = caption_;
    plot_->setSeries(s);
}

std::string ImplantWindow::histogramCsv() const {
    const ImplantResult& r = result();
    switch (static_cast<ImplantHistogram>(histogram_->currentIndex())) {
        case ImplantHistogram::BackscatteredEnergy:
            return ImplantSpectrumCsvText(r.backscatteredSpectrum, "keV");
        case ImplantHistogram::TransmittedEnergy:
            return ImplantSpectrumCsvText(r.transmittedSpectrum, "keV");
        case ImplantHistogram::BackscatteredAngle:
            return ImplantSpectrumCsvText(r.backscatteredAngles, "deg");
        case ImplantHistogram::TransmittedAngle:
            return ImplantSpectrumCsvText(r.transmittedAngles, "deg");
        default:
            return ImplantDepthCsvText(r);
    }
}

void ImplantWindow::saveImage() {
    SaveWidgetImageAs(platform_, this, *plot_, &imageFile_);
}

void ImplantWindow::copyImage() {
    CopyWidgetImage(*plot_);
}

void ImplantWindow::saveData() {
    if (result().ionsRun == 0) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There are no results to save: run the simulation first."));
        return;
    }
    FileDialogSettings dialog;
    dialog.title = tr("Save data");
    dialog.filter = CsvFileFilter();
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    const std::string text = histogramCsv();
    SaveFileAs(platform_, this, dialog, &dataFile_, [this, &text](const QString& path) {
        const QString failure = WriteFileBytes(path, text);
        return failure.isEmpty() ? failure : DataNotSavedMessage(failure);
    });
}

}  // namespace fenra
