// Every writer of the windows against hostile destinations: a full disk, a link that loops, a
// folder that is missing or read-only, and a link to a real file (written through). A failed
// save leaves the old file as it was and names the path and the system's reason; a link stays a
// link. The full disk is a file-size limit on this process (RLIMIT_FSIZE): a write beyond it
// fails with EFBIG, as a write to a full disk fails with ENOSPC, without mounting anything. Into
// the read-only folder the writer writes as the user "nobody" when the test runs as root, who
// may write anywhere (support/Unprivileged.h).

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>

#include "calc/CurveWalk.h"
#include "support/ScriptedPlatform.h"
#include "support/Unprivileged.h"
#include "ui/curve/CurveWindow.h"
#include "ui/export/ImageExport.h"
#include "ui/export/SaveFileAs.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

namespace {

const QByteArray kOldContents = "the old file\n";
// Below the size of anything a writer writes, above nothing else the test writes.
constexpr rlim_t kFullDiskBytes = 200;

// A drawing of a few lines, so every image file is larger than the full disk's room.
class Drawing : public QWidget {
  public:
    Drawing() { resize(120, 80); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        for (int k = 0; k < 8; ++k) p.drawLine(0, 10 * k, 120, 80 - 10 * k);
    }
};

fenra::CurveSnapshot Curve() {
    fenra::CurveSnapshot c;
    c.stop.assign(fenra::kSlabCount + 1, 5.0f);
    c.energy.assign(fenra::kSlabCount + 1, 500.0f);
    c.ionName = "H";
    c.ionMass = 1.008f;
    c.ionEnergy = 1000;
    c.range = 100000;
    return c;
}

// A writer: writes to path, and says what the user was told (empty for nothing).
using Writer = std::function<bool(const QString& path, QString* told)>;

Writer ImageWriter() {
    return [](const QString& path, QString* told) {
        Drawing drawing;
        return fenra::SaveWidgetImage(drawing, path, told);
    };
}

// A curve window command through its save dialog, which the script answers with path.
Writer CurveWindowWriter(void (CurveWindow::*command)()) {
    return [command](const QString& path, QString* told) {
        fenra::ScriptedPlatform platform;
        CurveWindow w(platform, fenra::CurveKind::DepthStop, Curve(), "/tmp/");
        w.draw();
        platform.fileAnswers.push_back(path);
        (w.*command)();
        for (const fenra::RecordedMessage& m : platform.messages) *told += m.text;
        return platform.messages.empty();
    };
}

Writer BytesWriter() {
    return [](const QString& path, QString* told) {
        *told = fenra::WriteFileBytes(path, std::string(4000, 'x'));
        return told->isEmpty();
    };
}

struct WriterRow {
    const char* name;
    const char* extension;
    Writer write;
};

std::vector<WriterRow> Writers() {
    return {{"png image", "png", ImageWriter()},
            {"svg image", "svg", ImageWriter()},
            {"pdf image", "pdf", ImageWriter()},
            {"curve window image", "png", CurveWindowWriter(&CurveWindow::saveImage)},
            {"curve file", "Fcv", CurveWindowWriter(&CurveWindow::saveCurve)},
            {"curve data", "csv", CurveWindowWriter(&CurveWindow::saveData)},
            {"any bytes", "txt", BytesWriter()}};
}

enum class Destination { FullDisk, LoopingLink, MissingFolder, ReadOnlyFolder, LinkToFile };

// The system's words for the errno each failing destination must report.
int ErrnoOf(Destination d) {
    switch (d) {
        case Destination::FullDisk:
            return EFBIG;
        case Destination::LoopingLink:
            return ELOOP;
        case Destination::MissingFolder:
            return ENOENT;
        case Destination::ReadOnlyFolder:
            return EACCES;
        case Destination::LinkToFile:
            break;
    }
    return 0;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Plant(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The process may write no file larger than kFullDiskBytes while it lives.
class FullDisk {
  public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = kFullDiskBytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit old_{};
};

}  // namespace

Q_DECLARE_METATYPE(Destination)

class WritersTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // A write beyond the file-size limit raises SIGXFSZ, which would end the test; ignored,
        // the write fails with EFBIG instead.
        std::signal(SIGXFSZ, SIG_IGN);
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup() {
        // A read-only folder must be writable again to be removed.
        QFile::setPermissions(dir_->filePath("ro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void destination_data();
    void destination();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void WritersTest::destination_data() {
    QTest::addColumn<int>("writer");
    QTest::addColumn<Destination>("where");
    const std::vector<WriterRow> writers = Writers();
    const struct {
        const char* name;
        Destination where;
    } destinations[] = {{"full disk", Destination::FullDisk},
                        {"looping link", Destination::LoopingLink},
                        {"missing folder", Destination::MissingFolder},
                        {"read-only folder", Destination::ReadOnlyFolder},
                        {"link to a file", Destination::LinkToFile}};
    for (std::size_t w = 0; w < writers.size(); ++w)
        for (const auto& d : destinations)
            QTest::addRow("%s, %s", writers[w].name, d.name) << int(w) << d.where;
}

void WritersTest::destination() {
    QFETCH(int, writer);
    QFETCH(Destination, where);
    const WriterRow row = Writers()[static_cast<std::size_t>(writer)];
    const QString name = QStringLiteral("saved.") + QString::fromLatin1(row.extension);
    QString path = dir_->filePath(name);
    QString oldFile = path;  // the file whose contents must survive a failure
    switch (where) {
        case Destination::FullDisk:
            QVERIFY(Plant(path, kOldContents));
            break;
        case Destination::LoopingLink:
            QVERIFY(QFile::link(name, path));
            oldFile.clear();
            break;
        case Destination::MissingFolder:
            path = dir_->filePath("missing/" + name);
            oldFile.clear();
            break;
        case Destination::ReadOnlyFolder: {
            QVERIFY(QDir(dir_->path()).mkdir("ro"));
            path = oldFile = dir_->filePath("ro/" + name);
            QVERIFY(Plant(path, kOldContents));
            // Everyone may enter the folders and read; no one may write into "ro".
            const auto readAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
            QVERIFY(QFile::setPermissions(dir_->path(), readAndEnter | QFile::WriteOwner));
            QVERIFY(QFile::setPermissions(dir_->filePath("ro"), readAndEnter));
            break;
        }
        case Destination::LinkToFile:
            oldFile = dir_->filePath("real." + QString::fromLatin1(row.extension));
            QVERIFY(Plant(oldFile, kOldContents));
            QVERIFY(QFile::link(QFileInfo(oldFile).fileName(), path));
            break;
    }

    QString told;
    bool written = false;
    {
        std::unique_ptr<FullDisk> full;
        if (where == Destination::FullDisk) full = std::make_unique<FullDisk>();
        std::unique_ptr<fenra::test::Unprivileged> nobody;
        if (where == Destination::ReadOnlyFolder) {
            nobody = std::make_unique<fenra::test::Unprivileged>();
            QVERIFY(nobody->Ok());
        }
        written = row.write(path, &told);
    }

    if (where == Destination::LinkToFile) {
        // Written through the link: the link stays, the file it names holds the new bytes.
        QVERIFY2(written, qPrintable(told));
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(Bytes(oldFile).size() > 0);
        QVERIFY(Bytes(oldFile) != kOldContents);
        return;
    }
    QVERIFY(!written);
    // The message names the path and says why, in the system's words.
    QVERIFY2(told.contains(path), qPrintable(told));
    const QString reason = QString::fromLocal8Bit(std::strerror(ErrnoOf(where)));
    QVERIFY2(told.contains(reason), qPrintable(told + " / " + reason));
    if (!oldFile.isEmpty()) QCOMPARE(Bytes(oldFile), kOldContents);
    if (where == Destination::LoopingLink) QVERIFY(QFileInfo(path).isSymLink());
    // No temporary copy is left behind in the folder.
    const QStringList left =
        QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& file : left) QVERIFY2(!file.startsWith('.'), qPrintable(file));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WritersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "writers_test.moc"
