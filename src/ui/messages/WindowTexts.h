#pragma once
// The texts that more than one window shows, each written once and translated in one context,
// so that the windows cannot drift apart and a translator sees each text once.

#include <QString>

#include "physics/StoppingModel.h"

namespace fenra {

// The filter of the save dialogs of the results export and of a curve's data.
QString CsvFilesFilter();  // "CSV files (*.csv);;All files (*)"

// The filter of the save dialogs of the range window's data, its energy table and the ion
// paths' data.
QString CsvFileFilter();  // "CSV file (*.csv);;All files (*.*)"

// A window's data file could not be written: the reason follows.
QString DataNotSavedMessage(const QString& reason);  // "The data was not saved: %1"

// A stopping model as the model lists of the range and ion paths windows offer it, in the
// order of kStoppingModels: "classic: the calculator's fit", "modern: the fit joined to
// corrected Bethe above a few MeV/u".
QString StoppingModelChoice(StoppingModel model);

QString StoppingModelLabel();      // "Stopping model"
QString IonOwnMassPlaceholder();   // "the ion's own": an empty mass field
QString MaterialFieldToolTip();    // "An element symbol, a formula or a listed material"
QString LayersFrontToBackTitle();  // "Layers, front to back"

// The export commands of the plot windows (the curve window, the range window).
QString SaveImageCommandText();  // "Save &image…"
QString CopyImageCommandText();  // "&Copy image"
QString SaveDataCommandText();   // "Save &data…"

}  // namespace fenra
