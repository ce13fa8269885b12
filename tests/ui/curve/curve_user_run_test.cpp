// The window driven as a user drives it: Open target on the reference file, then for every data
// set each curve command and Save curve in its window. Every curve file must hold the bytes the
// core writes for the same walk, so the window adds nothing and loses nothing on the way.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "calc/CurveWalk.h"
#include "files/CurveFile.h"
#include "support/MainWindowDriver.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using fenra::MainWindowDriver;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The curve file the core writes for data set i of the state as it is now.
QByteArray CoreCurveFile(const fenra::WorkingState& state, int i, const fenra::ElementDatabase& db,
                         fenra::CurveKind kind, const QString& path) {
    fenra::DataSet d = state.DataSets[i];
    fenra::CurveWalkResult walk = fenra::WalkCurve(d, db, kind);
    if (walk.result.outcome != fenra::CalcOutcome::Calculated) return "<no curve>";
    fenra::SetCurveIon(walk.curve, d);
    fenra::FileError error;
    if (!fenra::SaveCurve(kind, walk.curve, d.TargetName, fenra::kSlabCount, path.toStdString(),
                          &error))
        return "<not written>";
    return ReadAll(path);
}

}  // namespace

class CurveUserRunTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCurveOfTheReferenceFile();
};

void CurveUserRunTest::everyCurveOfTheReferenceFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.platform.fileAnswers.push_back(QStringLiteral(FENRA_EXAMPLES_DIR "/reference.fta"));
    d.Run("mnuTOpen");
    QVERIFY(d.platform.messages.empty());
    QCOMPARE(d.state.DataSetCount, 22);

    const struct {
        const char* command;
        fenra::CurveKind kind;
    } curves[] = {{"mnuDepthStop", fenra::CurveKind::DepthStop},
                  {"mnuDepthEnergy", fenra::CurveKind::DepthEnergy},
                  {"mnuEnergyStop", fenra::CurveKind::EnergyStop}};
    int saved = 0;
    for (int i = 1; i <= d.state.DataSetCount; ++i) {
        d.ScrollBar()->setValue(i);
        for (const auto& c : curves) {
            const QString name = QStringLiteral("%1-%2").arg(i).arg(int(c.kind));
            const QByteArray expected =
                CoreCurveFile(d.state, i, d.db, c.kind, dir.filePath(name + ".core"));
            const int slot = d.window->childWindows().nextCurveSlot();
            d.Run(c.command);
            CurveWindow* w = d.CurveWindowAt(slot);
            if (expected == "<no curve>") {
                QVERIFY2(w == nullptr, qPrintable(name));
                continue;
            }
            QVERIFY2(w != nullptr, qPrintable(name));
            d.platform.fileAnswers.push_back(dir.filePath(name + ".Fcv"));
            w->saveCurve();
            const QByteArray written = ReadAll(dir.filePath(name + ".Fcv"));
            // A window whose curve has no positive point refuses to save, as the core would
            // have nothing to show either.
            if (written.isEmpty()) continue;
            QVERIFY2(written == expected, qPrintable(name));
            ++saved;
            w->close();
        }
    }
    QVERIFY(saved >= 60);
}

QTEST_MAIN(CurveUserRunTest)
#include "curve_user_run_test.moc"
