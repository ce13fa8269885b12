#pragma once
// The ion paths window: a Monte Carlo of ion paths through a stack (implant/Implant.h), started
// from the range window's ion, energy, model and layers or from what is typed here. The run goes
// on in the background with a progress bar and Cancel, the window staying responsive; then it
// shows the summary (means with their standard errors) and draws one histogram at a time: the
// depth profile of the stopped ions with the layer faces, the energy deposited to electrons and
// to nuclei and the displacements against depth, and the energy and angle spectra of the ions
// backscattered and transmitted. The drawing saves as PNG, SVG or PDF, its bins as CSV.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <string>
#include <vector>

#include "implant/Implant.h"
#include "materials/MaterialList.h"
#include "messages/Message.h"
#include "range/StackCalculation.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace fenra {

class ElementDatabase;
class ImplantPlot;
class ImplantRunner;
class Platform;

// The histograms the window draws, in the order of its list.
enum class ImplantHistogram {
    StoppedIons,
    ElectronicDeposit,
    NuclearDeposit,
    Displacements,
    BackscatteredEnergy,
    TransmittedEnergy,
    BackscatteredAngle,
    TransmittedAngle
};

class ImplantWindow : public QMainWindow {
    Q_OBJECT

  public:
    ImplantWindow(Platform& platform, const ElementDatabase& db, const MaterialList& list,
                  const StackInput& stack, QWidget* parent = nullptr);
    ~ImplantWindow() override;

    // The inputs as the fields say them now.
    StackInput readStack() const;
    // False with *error saying which field cannot be read.
    bool readOptions(ImplantOptions* options, double* angle, QString* error) const;

    bool running() const;
    // The last finished run (empty before one), and the stack it ran on.
    const ImplantResult& result() const;
    const std::vector<std::string>& layerNames() const { return names_; }
    ImplantPlot& plot() { return *plot_; }

    // The commands.
    void run();
    void cancel();
    void saveImage();
    void copyImage();
    void saveData();

  signals:
    // A run ended and its results are shown (also after a cancel or a failure).
    void runEnded();

  private:
    void buildFields();
    QWidget* buildInputGroup();
    QWidget* buildOptionsGroup();
    QWidget* buildResultsGroup();
    void buildMenus();
    void fillFromStack(const StackInput& stack);
    void addLayerRow(const StackLayerInput& layer);
    void removeLayer();
    static QString layerUnitName(int row);  // the accessible name of row's unit list
    void setRunning(bool running);
    void showProgress(quint64 done, quint64 requested);
    void runFinished();
    void runFailed(const QString& reason);
    void showSummary();
    void showHistogram();
    std::string histogramCsv() const;

    Platform& platform_;
    const ElementDatabase& db_;
    const MaterialList& list_;
    ImplantRunner* runner_ = nullptr;
    std::vector<std::string> names_, runningNames_;
    // The displacement energies of the run shown and of the run under way, in words.
    Message displacementWords_, runningDisplacementWords_;
    QString imageFile_, dataFile_;
    // What the drawing says it shows (ion, energy, layers, model): of the run shown, and of the
    // one under way.
    QString caption_, runningCaption_;
    QElapsedTimer clock_;  // since the start of the run under way

    QLineEdit* ion_ = nullptr;
    QLineEdit* mass_ = nullptr;
    QLineEdit* energy_ = nullptr;
    QLineEdit* angle_ = nullptr;
    QComboBox* model_ = nullptr;
    QTableWidget* layers_ = nullptr;
    QPushButton* addLayer_ = nullptr;
    QPushButton* removeLayer_ = nullptr;
    QLineEdit* ions_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QSpinBox* threads_ = nullptr;
    QLineEdit* cutoff_ = nullptr;
    QLineEdit* displacement_ = nullptr;
    QSpinBox* bins_ = nullptr;
    QCheckBox* straggling_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QComboBox* histogram_ = nullptr;
    ImplantPlot* plot_ = nullptr;
    QTableWidget* summary_ = nullptr;
};

}  // namespace fenra
