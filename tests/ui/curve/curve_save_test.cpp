// Save curve of a curve window: the three file layouts line by line, the dialog and its
// memory of the last file, and the window deciding on its own copy of the curve.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#include "CurveTestState.h"
#include "support/ScriptedPlatform.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using namespace curve_test;

namespace {

const char* const kDepthStopCaption = "Depth vs Stopping power of 1st sample";
const char* const kDepthEnergyCaption = "Depth vs Energy of 1st sample";
const char* const kEnergyStopCaption = "Energy vs Stopping power of 1st sample";

// The lines of a file written with CR LF after every line; a bare LF fails the comparison.
QStringList FileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {"<cannot open " + path + ">"};
    QByteArray bytes = f.readAll();
    if (!bytes.endsWith("\r\n")) return {"<no CR LF at the end>"};
    bytes.chop(2);
    QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    for (const QString& l : lines)
        if (l.contains('\n') || l.contains('\r')) return {"<stray line break>"};
    return lines;
}

// "##.####" of k/2: a whole number keeps its point (12.), a half has no leading zero (.5).
QString Halves(int k) {
    const QString whole = k >= 2 ? QString::number(k / 2) : QString();
    return k % 2 == 0 ? QString::number(k / 2) + "." : whole + ".5";
}

void CompareLines(const QStringList& actual, const QStringList& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(actual[i] == expected[i], qPrintable(QString("line %1: \"%2\" instead of \"%3\"")
                                                          .arg(i + 1)
                                                          .arg(actual[i], expected[i])));
}

}  // namespace

class CurveSaveTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();  // every case starts in an empty folder
        QVERIFY(dir_->isValid());
    }
    // The three file layouts line by line.
    void kindFile_data();
    void kindFile();
    void dialogSettingsAndSecondSave();
    void cancelWritesNothing();
    void noCurveInTheWindowIsRefused();
    void captionOfNoKindStillSavesTheWindowsKind();
    void olderWindowSavesItsOwnCurve();
    void unwritableFileIsReported();

  private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

namespace {

// One row per curve kind: the window's curve and labels, and the file it must write.
struct KindFileCase {
    const char* name;
    fenra::CurveKind kind;
    const char* caption;
    QStringList labels;  // X axis title, unit, ion, energy, target
    fenra::CurveSnapshot curve;
    QStringList expected;
    QList<QPair<int, QString>> spotChecks;  // lines of the expectation itself, by index
};

std::vector<KindFileCase> KindFileCases() {
    std::vector<KindFileCase> cases;
    {
        KindFileCase c{"depth vs stopping",
                       fenra::CurveKind::DepthStop,
                       kDepthStopCaption,
                       {"1E15 Atom/cm2", "Unit : eV/(1E15 Atom/cm2)", "H", "1000", "Si1"},
                       OneCurve(),
                       {},
                       {}};
        // An ion that stopped after point 40: the stopping is 0 from point 41 on.
        const float head[] = {12.5f, 12.0f, 0.5f, 1195.963f, 2.34567f};
        for (int i = 0; i <= 100; ++i) c.curve.stop[i] = i < 5 ? head[i] : (i <= 40 ? 3.75f : 0.0f);
        c.expected = QStringList{"'Fenra32 Depth vs dE/dx curve data",
                                 "",
                                 "Ion : H",
                                 "Mass of ion : 1.008 ",
                                 "Energy : 1000  keV",
                                 "Target :Si1",
                                 "Range : 100000 e15(atom/cm2)",
                                 "Slab thickness : 1000 e15(atom/cm2)",
                                 "",
                                 "12.5",
                                 "12.",
                                 ".5",
                                 "1195.963",
                                 "2.3457"};
        for (int i = 5; i <= 40; ++i) c.expected << "3.75";
        for (int i = 41; i <= 100; ++i) c.expected << " 0 ";
        cases.push_back(c);
    }
    {
        KindFileCase c{"depth vs energy",
                       fenra::CurveKind::DepthEnergy,
                       kDepthEnergyCaption,
                       {"1E15 Atom/cm2", "Unit : keV", "H", "250", "Si1O2"},
                       OneCurve(),
                       {},
                       {}};
        c.curve.ionEnergy = 250;
        c.curve.range = 5000;
        // 250 keV losing 12.5 keV a slab reaches exactly 0 at point 20, which ends the walk.
        for (int i = 0; i <= 100; ++i) {
            c.curve.energy[i] = i <= 20 ? 250.0f - 12.5f * i : 0.0f;
            c.curve.stop[i] = i < 20 ? 2500.0f : 0.0f;
        }
        c.expected = QStringList{"'Fenra32 Depth vs Energy curve data",
                                 "",
                                 "Ion : H",
                                 "Mass of ion : 1.008 ",
                                 "Energy : 250  keV",
                                 "Target :Si1O2",
                                 "Range : 5000 e15(atom/cm2)",
                                 "Slab thickness : 50 e15(atom/cm2)",
                                 ""};
        for (int i = 0; i < 20; ++i) c.expected << Halves(500 - 25 * i);  // 250., ..., 12.5
        for (int i = 20; i <= 100; ++i) c.expected << " 0 ";
        c.spotChecks = {{9, "250."}, {10, "237.5"}};
        cases.push_back(c);
    }
    {
        KindFileCase c{"energy vs stopping",
                       fenra::CurveKind::EnergyStop,
                       kEnergyStopCaption,
                       {"Energy (keV)", "Unit : eV/(1E15 Atom/cm2)", "H", "1000", "Si1"},
                       OneCurve(),
                       {},
                       {}};
        // Point i at energy 1000 (100 - i)/100: stopping 0 at energy 0, then half a unit a slab.
        for (int i = 0; i <= 100; ++i) c.curve.stop[i] = 0.5f * (100 - i);
        c.expected = QStringList{"'Fenra32 Energy vs dE/dx curve data",
                                 "",
                                 "Ion : H",
                                 "Mass of ion : 1.008 ",
                                 "Target :Si1",
                                 "Energy range : 0 - 1000  keV",
                                 "Slab energy : 10 keV",
                                 "",
                                 " 0 "};
        for (int k = 1; k <= 100; ++k) c.expected << Halves(k);  // .5, 1., 1.5, ..., 50.
        c.spotChecks = {{9, ".5"}, {10, "1."}, {108, "50."}};
        cases.push_back(c);
    }
    return cases;
}

}  // namespace

void CurveSaveTest::kindFile_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lines");
    const std::vector<KindFileCase> cases = KindFileCases();
    // A depth file has 9 header lines, an energy file 8, then the 101 points.
    const int lines[] = {110, 110, 109};
    for (std::size_t k = 0; k < cases.size(); ++k)
        QTest::newRow(cases[k].name) << int(k) << lines[k];
}

void CurveSaveTest::kindFile() {
    QFETCH(int, row);
    QFETCH(int, lines);
    const KindFileCase c = KindFileCases()[static_cast<std::size_t>(row)];
    for (const auto& [index, text] : c.spotChecks) QCOMPARE(c.expected.value(index), text);
    QCOMPARE(c.expected.size(), lines);

    fenra::ScriptedPlatform platform;
    CurveWindow w(platform, c.kind, c.curve, "/tmp/");
    w.setWindowTitle(c.caption);
    w.setCurveLabels(c.labels[0], c.labels[1], c.labels[2], c.labels[3], c.labels[4]);
    w.draw();
    platform.fileAnswers.push_back(Path("kind.Fcv"));
    w.saveCurve();
    CompareLines(FileLines(Path("kind.Fcv")), c.expected);
    QVERIFY(platform.messages.empty());
}

void CurveSaveTest::dialogSettingsAndSecondSave() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 5.0f);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.setWindowTitle(kDepthStopCaption);
    w.draw();
    platform.fileAnswers = {Path("first.Fcv"), Path("second.Fcv")};
    w.saveCurve();
    w.saveCurve();

    QCOMPARE(platform.fileDialogs.size(), size_t(2));
    const fenra::FileDialogSettings& first = platform.fileDialogs[0].settings;
    QCOMPARE(platform.fileDialogs[0].kind, fenra::FileDialogKind::Save);
    QCOMPARE(first.title, QString("Save curve"));
    QCOMPARE(first.filter, QString("*.Fcv (*.Fcv);;All files (*.*)"));
    QCOMPARE(first.defaultSuffix, QString("Fcv"));
    QVERIFY(first.confirmOverwrite);
    QCOMPARE(first.initialFolder, QString("/tmp/"));  // the program's directory
    QVERIFY(first.initialFile.isEmpty());
    // The dialog remembers the first choice.
    QCOMPARE(platform.fileDialogs[1].settings.initialFile, Path("first.Fcv"));
    QVERIFY(QFile::exists(Path("first.Fcv")));
    QCOMPARE(FileLines(Path("second.Fcv")), FileLines(Path("first.Fcv")));

    // Another window has a dialog of its own.
    CurveWindow other(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    other.setWindowTitle(kDepthStopCaption);
    other.draw();
    platform.fileAnswers = {std::nullopt};
    other.saveCurve();
    QVERIFY(platform.fileDialogs[2].settings.initialFile.isEmpty());
}

void CurveSaveTest::cancelWritesNothing() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 5.0f);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.setWindowTitle(kDepthStopCaption);
    w.draw();
    platform.fileAnswers = {std::nullopt, QString()};
    w.saveCurve();
    w.saveCurve();
    QCOMPARE(platform.fileDialogs.size(), size_t(2));
    QVERIFY(platform.messages.empty());
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
    // A cancel leaves the remembered name alone.
    platform.fileAnswers = {std::nullopt};
    w.saveCurve();
    QVERIFY(platform.fileDialogs[2].settings.initialFile.isEmpty());
}

void CurveSaveTest::noCurveInTheWindowIsRefused() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    // A window of no points at all (no walk gave it a curve) has nothing to save.
    CurveWindow never(platform, fenra::CurveKind::DepthStop, fenra::CurveSnapshot{}, "/tmp/");
    never.setWindowTitle(kDepthStopCaption);
    platform.fileAnswers = {Path("never.Fcv")};
    never.saveCurve();
    QCOMPARE(platform.messages.size(), size_t(1));
    QCOMPARE(platform.messages[0].title, fenra::DefaultMessageTitle());
    QCOMPARE(platform.messages[0].text, QString("No calculation was made."));
    QVERIFY(platform.fileDialogs.empty());

    // A window that found no positive stopping has nothing to save either.
    Fill(s.stop, 0.0f);
    CurveWindow empty(platform, fenra::CurveKind::EnergyStop, s, "/tmp/");
    empty.setWindowTitle(kEnergyStopCaption);
    empty.draw();
    empty.saveCurve();
    QCOMPARE(platform.messages.size(), size_t(3));
    QCOMPARE(platform.messages[1].text, QString("Stopping power is too small !!"));
    QCOMPARE(platform.messages[2].text, QString("No calculation was made."));
    QVERIFY(platform.fileDialogs.empty());

    // An energy curve is judged by its energies: a flat curve of no stopping is still a curve.
    Fill(s.energy, 1000.0f);
    CurveWindow flat(platform, fenra::CurveKind::DepthEnergy, s, "/tmp/");
    flat.setWindowTitle(kDepthEnergyCaption);
    flat.draw();
    flat.saveCurve();
    QCOMPARE(platform.messages.size(), size_t(3));
    QCOMPARE(FileLines(Path("never.Fcv")).at(9), QString("1000."));
}

// The window knows its kind whatever its caption says: it writes the file the user chose.
void CurveSaveTest::captionOfNoKindStillSavesTheWindowsKind() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 5.0f);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");  // caption "Stopping Curve"
    w.draw();
    platform.fileAnswers = {Path("none.Fcv")};
    w.saveCurve();
    QCOMPARE(platform.fileDialogs.size(), size_t(1));
    QVERIFY(platform.messages.empty());
    const QStringList lines = FileLines(Path("none.Fcv"));
    QCOMPARE(lines.size(), 110);
    QCOMPARE(lines[0], QString("'Fenra32 Depth vs dE/dx curve data"));
    QCOMPARE(lines[9], QString("5."));
}

void CurveSaveTest::olderWindowSavesItsOwnCurve() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 8.0f);
    CurveWindow older(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    older.setWindowTitle(kDepthStopCaption);
    older.setCurveLabels("1E15 Atom/cm2", "Unit : eV/(1E15 Atom/cm2)", "H", "1000", "Si1");
    older.draw();

    // A newer walk, of another ion, stopped within its first slab: its curve holds only
    // point 0.
    s.ionName = "He";
    s.ionMass = 4.0026f;
    s.ionEnergy = 20;
    s.range = 300;
    Fill(s.stop, 0.0f);
    s.stop[0] = 90.0f;
    CurveWindow newer(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    newer.setWindowTitle(kDepthStopCaption);
    newer.setCurveLabels("1E15 Atom/cm2", "Unit : eV/(1E15 Atom/cm2)", "He", "20", "Au1");
    newer.draw();

    platform.fileAnswers = {Path("older.Fcv"), Path("newer.Fcv")};
    older.saveCurve();
    newer.saveCurve();
    QVERIFY(platform.messages.empty());

    QStringList olderExpected = {"'Fenra32 Depth vs dE/dx curve data",
                                 "",
                                 "Ion : H",
                                 "Mass of ion : 1.008 ",
                                 "Energy : 1000  keV",
                                 "Target :Si1",
                                 "Range : 100000 e15(atom/cm2)",
                                 "Slab thickness : 1000 e15(atom/cm2)",
                                 ""};
    for (int i = 0; i <= 100; ++i) olderExpected << "8.";
    CompareLines(FileLines(Path("older.Fcv")), olderExpected);

    const QStringList newer_ = FileLines(Path("newer.Fcv"));
    QCOMPARE(newer_.size(), 110);
    QCOMPARE(newer_[2], QString("Ion : He"));
    QCOMPARE(newer_[3], QString("Mass of ion : 4.0026 "));
    QCOMPARE(newer_[5], QString("Target :Au1"));
    QCOMPARE(newer_[7], QString("Slab thickness : 3 e15(atom/cm2)"));
    QCOMPARE(newer_[9], QString("90."));
    QCOMPARE(newer_[10], QString(" 0 "));
}

void CurveSaveTest::unwritableFileIsReported() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 5.0f);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.setWindowTitle(kDepthStopCaption);
    w.draw();
    const QString path = Path("no such folder/curve.Fcv");
    platform.fileAnswers = {path};
    w.saveCurve();
    QCOMPARE(platform.messages.size(), size_t(1));
    QCOMPARE(platform.messages[0].title, QString("Fenra32"));
    QVERIFY(platform.messages[0].text.startsWith("The curve was not saved"));
    QVERIFY(!QFile::exists(path));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurveSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_save_test.moc"
