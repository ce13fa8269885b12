// The windows' words for the core's outcomes: the shared sentences translated (without a
// translation, the same English as fenra32-calc), and the texts only the windows show.

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>
#include <cerrno>
#include <string>
#include <vector>

#include "messages/OutcomeMessages.h"
#include "ui/messages/WindowMessages.h"
#include "ui/messages/WindowTexts.h"

namespace {

QString Batch(const std::string& s) {
    return QString::fromStdString(s);
}

fenra::CalcResult Result(fenra::CalcOutcome o, std::string symbol, float value = 0, int slot = 0) {
    fenra::CalcResult r;
    r.outcome = o;
    r.symbol = std::move(symbol);
    r.value = value;
    r.slot = slot;
    return r;
}

fenra::FileError Error(fenra::FileAction a, fenra::FileFault f, std::string path, int err) {
    fenra::FileError e = fenra::MakeFileError(a, std::move(path), err, f);
    e.folder = "/tmp/folder";
    e.other = "/tmp/folder/.x.fta.AbC123";
    e.line = 7;
    return e;
}

// A translation of two shared sentences, as a .qm file would give.
class TwoSentences : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != fenra::kMessageContext) return {};
        const QByteArray s(source);
        if (s == "Data set %1: the ion \"%2\" is not in the element database.")
            return QStringLiteral("Jeu %1 : l'ion « %2 » n'est pas dans la base.");
        if (s == "cannot open") return QStringLiteral("ouverture impossible");
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

class WindowMessagesTest : public QObject {
    Q_OBJECT

  private slots:
    void calcResultsSayWhatTheBatchCalculatorSays();
    void userTextIsNeverTakenForAPlaceholder();
    void fileErrorsSayWhatTheBatchCalculatorSays();
    void targetNoticesSayWhatTheBatchCalculatorSays();
    void fixedTextsOfTheWindows();
    void textsSeveralWindowsShow_data();
    void textsSeveralWindowsShow();
    void curveCaptionsAndLabels();
    void theWindowsTranslateTheSharedSentences();
};

// The window reads the sentence and its nested reason from the shared table, translated; the
// English of fenra32-calc does not change.
void WindowMessagesTest::theWindowsTranslateTheSharedSentences() {
    TwoSentences translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const fenra::CalcResult r = Result(fenra::CalcOutcome::UnknownIon, "%2");
    QCOMPARE(fenra::CalcResultMessage(7, r),
             QStringLiteral("Jeu 7 : l'ion « %2 » n'est pas dans la base."));
    const fenra::FileError e =
        Error(fenra::FileAction::OpenToWrite, fenra::FileFault::System, "/d/x.fta", 0);
    QCOMPARE(fenra::FileErrorMessage(e),
             QStringLiteral("Cannot open /d/x.fta: ouverture impossible"));
    QCOMPARE(Batch(fenra::DescribeCalcResult(7, r)),
             QStringLiteral("Data set 7: the ion \"%2\" is not in the element database."));
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(fenra::FileErrorMessage(e), QStringLiteral("Cannot open /d/x.fta: cannot open"));
}

void WindowMessagesTest::calcResultsSayWhatTheBatchCalculatorSays() {
    using O = fenra::CalcOutcome;
    std::vector<fenra::CalcResult> cases = {
        Result(O::Calculated, ""),
        Result(O::RatioZero, "Si"),
        Result(O::NoTargetElement, ""),
        Result(O::UnknownIon, "Xx"),
        Result(O::UnknownIon, std::string("X\0", 2)),
        Result(O::UnknownElement, "Qq", 0, 4),
        Result(O::UnknownElement, " ", 0, 3),
        Result(O::UnknownElement, "\t", 0, 2),
        Result(O::MissingCoefficients, "Si"),
        Result(O::FloatingPointFault, "", 1e30f),
        Result(O::EnergyNotAboveZero, "", -1000),
        Result(O::MassBelowZero, "", -1.5f),
        Result(O::RatioBelowZero, "", -0.25f, 10),
        Result(O::RatiosAddToZero, ""),
        Result(O::RangeNotAboveZero, "", 0),
    };
    fenra::CalcResult hi = Result(O::MissingCoefficients, "U");
    hi.table = fenra::CoefficientTable::HiCoef;
    hi.atomNum = 92;
    cases.push_back(hi);
    for (const fenra::CalcResult& r : cases) {
        const QString window = fenra::CalcResultMessage(12, r);
        QCOMPARE(window, Batch(fenra::DescribeCalcResult(12, r)));
        const bool silent = r.outcome == O::Calculated || r.outcome == O::RatioZero;
        QCOMPARE(window.isEmpty(), silent);
    }
    QCOMPARE(fenra::CalcResultMessage(3, hi),
             QString("Data set 3: the element database has no \"HiCoef\" record for \"U\" (atomic "
                     "number 92)."));
    QCOMPARE(fenra::RatioZeroMessage(100), Batch(fenra::DescribeRatioZero(100)));
}

// A symbol read from a file may hold "%1": it must be shown as it is, not filled in.
void WindowMessagesTest::userTextIsNeverTakenForAPlaceholder() {
    const fenra::CalcResult r = Result(fenra::CalcOutcome::UnknownIon, "%1%2");
    QCOMPARE(fenra::CalcResultMessage(5, r),
             QString("Data set 5: the ion \"%1%2\" is not in the element database."));
    QCOMPARE(fenra::CalcResultMessage(5, r), Batch(fenra::DescribeCalcResult(5, r)));
    fenra::FileError e = fenra::MakeFileError(fenra::FileAction::Write, "/tmp/%2 %1", ENOSPC);
    QCOMPARE(fenra::FileErrorMessage(e),
             QString("Cannot write /tmp/%2 %1: No space left on device"));
}

void WindowMessagesTest::fileErrorsSayWhatTheBatchCalculatorSays() {
    using A = fenra::FileAction;
    using F = fenra::FileFault;
    int compared = 0;
    for (A a : {A::ReadLink, A::OpenToWrite, A::Write, A::CreateTemporary, A::Replace,
                A::OpenToRead, A::Read}) {
        for (F f : {F::System, F::NoSlab, F::TemporaryRemoved, F::Utf16Text, F::ControlCharacters,
                    F::LineTooLong}) {
            for (int err : {0, EISDIR, ENOENT}) {
                for (const char* path : {"", "/tmp/folder/x.fta"}) {
                    const fenra::FileError e = Error(a, f, path, err);
                    QCOMPARE(fenra::FileErrorMessage(e), Batch(fenra::DescribeFileError(e)));
                    ++compared;
                }
            }
        }
    }
    QCOMPARE(compared, 7 * 6 * 3 * 2);
    QCOMPARE(fenra::FileErrorMessage(Error(A::CreateTemporary, F::System, "/d/x.Fre", 0)),
             QString("Cannot create a temporary file in /tmp/folder to write /d/x.Fre: cannot "
                     "create"));
    QCOMPARE(fenra::FileErrorMessage(fenra::FileError{}), QString());
}

void WindowMessagesTest::targetNoticesSayWhatTheBatchCalculatorSays() {
    using K = fenra::TargetNoticeKind;
    using T = fenra::TargetField;
    for (K k : {K::DataSetsKeptBack, K::ElementsKeptBack, K::NotWhollyNumber, K::BeyondSingle}) {
        for (T field : {T::Mass, T::Energy, T::Range, T::Ratio}) {
            fenra::TargetNotice n;
            n.kind = k;
            n.dataSet = 42;
            n.line = 9;
            n.field = field;
            n.symbol = field == T::Ratio ? "Si" : "";
            n.text = "1,5";
            n.value = 1;
            QCOMPARE(fenra::TargetNoticeMessage(n), Batch(fenra::DescribeTargetNotice(n)));
        }
    }
    fenra::TargetNotice n;
    n.kind = K::ElementsKeptBack;
    n.dataSet = 2;
    QCOMPARE(fenra::TargetNoticeMessage(n),
             QString("Data set 2: only the first 10 target elements were read."));
}

void WindowMessagesTest::fixedTextsOfTheWindows() {
    QCOMPARE(fenra::TargetEmptyMessage(), QString("Target is empty."));
    QCOMPARE(fenra::NoDataLineMessage(), QString(fenra::kNoDataLineMessage));
    QCOMPARE(fenra::NoCalculationMessage(), QString(fenra::kNoCalculationMessage));
    fenra::OpenTargetResult r;
    r.status = fenra::OpenTargetStatus::InvalidElement;
    r.badLine = 3;
    r.badSymbol = "A\\x0cbc";
    QCOMPARE(fenra::InvalidElementMessage(r), QString("Invalid element !! (line 3: \"A\\x0cbc\")"));
}

// Each written once and read by every window that shows it, byte for byte as before.
void WindowMessagesTest::textsSeveralWindowsShow_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    using fenra::StoppingModel;
    QTest::newRow("results and curve data")
        << fenra::CsvFilesFilter() << "CSV files (*.csv);;All files (*)";
    QTest::newRow("range and ion paths data")
        << fenra::CsvFileFilter() << "CSV file (*.csv);;All files (*.*)";
    QTest::newRow("data not saved") << fenra::DataNotSavedMessage("Cannot write /x: %1")
                                    << "The data was not saved: Cannot write /x: %1";
    QTest::newRow("classic") << fenra::StoppingModelChoice(StoppingModel::classic)
                             << "classic: the calculator's fit";
    QTest::newRow("modern") << fenra::StoppingModelChoice(StoppingModel::modern)
                            << "modern: the fit joined to corrected Bethe above a few MeV/u";
    QTest::newRow("model label") << fenra::StoppingModelLabel() << "Stopping model";
    QTest::newRow("mass placeholder") << fenra::IonOwnMassPlaceholder() << "the ion's own";
    QTest::newRow("material tip") << fenra::MaterialFieldToolTip()
                                  << "An element symbol, a formula or a listed material";
    QTest::newRow("layers") << fenra::LayersFrontToBackTitle() << "Layers, front to back";
    QTest::newRow("save image") << fenra::SaveImageCommandText() << "Save &image…";
    QTest::newRow("copy image") << fenra::CopyImageCommandText() << "&Copy image";
    QTest::newRow("save data") << fenra::SaveDataCommandText() << "Save &data…";
}

void WindowMessagesTest::textsSeveralWindowsShow() {
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void WindowMessagesTest::curveCaptionsAndLabels() {
    using fenra::CurveCaption;
    using fenra::CurveKind;
    QCOMPARE(CurveCaption(CurveKind::DepthStop, 1),
             QString("Depth vs Stopping power of 1st sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthEnergy, 2), QString("Depth vs Energy of 2nd sample"));
    QCOMPARE(CurveCaption(CurveKind::EnergyStop, 3),
             QString("Energy vs Stopping power of 3rd sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthStop, 4),
             QString("Depth vs Stopping power of 4th sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthStop, 11),
             QString("Depth vs Stopping power of 11th sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthStop, 21),
             QString("Depth vs Stopping power of 21th sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthStop, 22),
             QString("Depth vs Stopping power of 22th sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthStop, 23),
             QString("Depth vs Stopping power of 23th sample"));
    QCOMPARE(CurveCaption(CurveKind::EnergyStop, 100),
             QString("Energy vs Stopping power of 100th sample"));
    QCOMPARE(CurveCaption(CurveKind::DepthEnergy, 1), QString("Depth vs Energy of 1st sample"));
    QCOMPARE(CurveCaption(CurveKind::EnergyStop, 2),
             QString("Energy vs Stopping power of 2nd sample"));
    QCOMPARE(fenra::CurveXAxisTitle(CurveKind::DepthStop), QString("1E15 Atom/cm2"));
    QCOMPARE(fenra::CurveXAxisTitle(CurveKind::DepthEnergy), QString("1E15 Atom/cm2"));
    QCOMPARE(fenra::CurveXAxisTitle(CurveKind::EnergyStop), QString("Energy (keV)"));
    QCOMPARE(fenra::CurveUnitLabel(CurveKind::DepthStop), QString("Unit : eV/(1E15 Atom/cm2)"));
    QCOMPARE(fenra::CurveUnitLabel(CurveKind::DepthEnergy), QString("Unit : keV"));
    QCOMPARE(fenra::CurveUnitLabel(CurveKind::EnergyStop), QString("Unit : eV/(1E15 Atom/cm2)"));
}

QTEST_MAIN(WindowMessagesTest)
#include "window_messages_test.moc"
