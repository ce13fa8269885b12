#pragma once
// The range window's energy table: for the window's ion, mass and stopping model and a
// material of its own, the stopping, range and range straggling at energies from one to
// another in equal steps (of the logarithm of the energy unless Linear is checked) or at
// energies typed as a list. Every change asks for one calculation on the next turn of the event
// loop, as in the range window; a refused field empties the table and says why. The numbers
// come from EnergyTable (range/EnergyTable.h), the function behind fenra32-calc's `stopping`
// and `range`.

#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "materials/MaterialList.h"
#include "physics/StoppingModel.h"
#include "range/RangeCache.h"
#include "range/Units.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace fenra {

class EnergyTableModel;
class Platform;

class RangeTableView : public QWidget {
    Q_OBJECT

  public:
    RangeTableView(Platform& platform, const ElementDatabase& db, const MaterialList& list,
                   QWidget* parent = nullptr, RangeCache& cache = SharedRangeCache());
    ~RangeTableView() override;

    // The ion (symbol, atomic number or name), its mass in amu (0: the ion's own) and the model:
    // those of the range window.
    void setIon(const QString& ion, double mass, StoppingModel model);
    // The material and a density in g/cm3 instead of its own (empty: its own), as typed.
    void setMaterial(const QString& material, const QString& density);
    void setDigits(int digits);
    // The unit the energies are typed and shown in (the range window's to start with); a unit
    // typed after a number is taken for it, and the selector follows.
    void setEnergyUnit(EnergyUnit unit);
    EnergyUnit energyUnit() const;
    // The folder Save CSV starts in (the range window's data folder); a save moves it.
    void setDataFolder(const QString& folder) { dataFolder_ = folder; }

    // Runs a pending calculation now instead of on the next turn of the event loop.
    void calculateNow();
    int calculationCount() const { return calculations_; }
    const EnergyTableModel& table() const { return *model_; }
    // Why the table is empty, and the warnings of its rows.
    QString message() const;

    // The commands.
    void copyTable();
    void saveCsv();

  private:
    void buildFields();
    void scheduleCalculation();
    // The energies asked for, in keV; massAmu is the ion's, for a unit per u.
    std::optional<std::vector<double>> readEnergies(double massAmu, QString* refusal) const;
    std::optional<std::vector<double>> readSteps(double massAmu, QString* refusal) const;
    std::optional<std::vector<double>> readList(double massAmu, QString* refusal) const;
    // A typed unit after the number of a field is shown by the selector.
    void followTypedUnit(const QString& text);
    QString rowWarnings() const;
    void connectFields();

    Platform& platform_;
    const ElementDatabase& db_;
    const MaterialList& list_;
    RangeCache& cache_;
    QTimer calculationTimer_;
    int calculations_ = 0;
    QString ion_;
    double mass_ = 0;
    StoppingModel stoppingModel_ = kPhysicsDefaultModel;
    QString csvFile_;
    QString dataFolder_;

    EnergyTableModel* model_ = nullptr;
    QLabel* ionLabel_ = nullptr;
    QLineEdit* material_ = nullptr;
    QLineEdit* density_ = nullptr;
    QRadioButton* stepMode_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* stepCount_ = nullptr;
    QComboBox* energyUnit_ = nullptr;
    QCheckBox* linear_ = nullptr;
    QRadioButton* listMode_ = nullptr;
    QLineEdit* energies_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace fenra
