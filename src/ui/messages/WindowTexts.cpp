#include "ui/messages/WindowTexts.h"

#include <QCoreApplication>

namespace fenra {

namespace {

struct WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(WindowTexts)
};

}  // namespace

QString CsvFilesFilter() {
    return WindowTexts::tr("CSV files (*.csv);;All files (*)");
}

QString CsvFileFilter() {
    return WindowTexts::tr("CSV file (*.csv);;All files (*.*)");
}

QString DataNotSavedMessage(const QString& reason) {
    return WindowTexts::tr("The data was not saved: %1").arg(reason);
}

QString StoppingModelChoice(StoppingModel model) {
    switch (model) {
        case StoppingModel::classic:
            break;
        case StoppingModel::modern:
            return WindowTexts::tr("modern: the fit joined to corrected Bethe above a few MeV/u");
    }
    return WindowTexts::tr("classic: the calculator's fit");
}

QString StoppingModelLabel() {
    return WindowTexts::tr("Stopping model");
}

QString IonOwnMassPlaceholder() {
    return WindowTexts::tr("the ion's own");
}

QString MaterialFieldToolTip() {
    return WindowTexts::tr("An element symbol, a formula or a listed material");
}

QString LayersFrontToBackTitle() {
    return WindowTexts::tr("Layers, front to back");
}

QString SaveImageCommandText() {
    return WindowTexts::tr("Save &image…");
}

QString CopyImageCommandText() {
    return WindowTexts::tr("&Copy image");
}

QString SaveDataCommandText() {
    return WindowTexts::tr("Save &data…");
}

}  // namespace fenra
