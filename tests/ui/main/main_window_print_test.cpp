// The printed report: its pages, the heading on every page, and every text at its column, with
// the scripted platform printing into PDF files.

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/ResultReport.h"
#include "state/NumberText.h"
#include "support/MainWindowDriver.h"

// The windows of the program live in namespace fenra.
using fenra::PlacedText;
using fenra::PrintLayout;

using fenra::MainWindowDriver;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The page the scripted printer dialog sets up, and the print font on it.
struct PrintedPage {
    int width = 0, height = 0;  // of the printable area, in drawing units
    int column = 0;             // average character width of the print font
    int line = 0;               // line height of the print font
    int x0 = 0, y0 = 0;         // the margins: 7/100 of the width, 5/100 of the height
    QFontMetrics metrics{QFont()};
};

PrintedPage ScriptedPrinterPage() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QFont font(QStringLiteral("Arial"), 10);
    font.setStyleHint(QFont::SansSerif);
    PrintedPage p;
    p.metrics = QFontMetrics(font, &printer);
    p.width = printer.width();
    p.height = printer.height();
    p.column = p.metrics.averageCharWidth();
    p.line = p.metrics.height();
    p.x0 = qRound(p.width * 0.07);
    p.y0 = qRound(p.height * 0.05);
    return p;
}

// Each continuation page starts with the five heading lines at the top margin, placed as on
// page 1, and no line runs past the foot of its page.
void CheckContinuationPages(const PrintLayout& layout, int pdfPages) {
    const PrintedPage p = ScriptedPrinterPage();
    std::size_t headingTexts = 0;
    while (layout.placed[headingTexts].y < p.y0 + 5 * p.line) ++headingTexts;
    QCOMPARE(layout.placed[0].y, p.y0);
    QCOMPARE(layout.placed[headingTexts - 1].y, p.y0 + 4 * p.line);
    for (int page = 2; page <= pdfPages; ++page) {
        std::vector<PlacedText> onPage;
        for (const PlacedText& t : layout.placed)
            if (t.page == page) onPage.push_back(t);
        QVERIFY(onPage.size() > headingTexts);
        for (std::size_t k = 0; k < headingTexts; ++k) {
            QCOMPARE(onPage[k].text, layout.placed[k].text);
            QCOMPARE(onPage[k].x, layout.placed[k].x);
            QCOMPARE(onPage[k].y, layout.placed[k].y);
        }
        QCOMPARE(onPage[headingTexts].y, p.y0 + 5 * p.line);
        QCOMPARE(onPage[headingTexts].text.substr(0, 3), std::string("   "));
    }
    for (const PlacedText& t : layout.placed) QVERIFY(t.y + p.line <= p.height);
}

// Every text between the margins, each heading where the values under it start, and the
// compound's results on the line after its composition.
void CheckColumns(const std::vector<PlacedText>& placed, QPageSize::PageSizeId page,
                  const fenra::DataSet& one, const std::string& compound) {
    const QString pageName = page == QPageSize::A4 ? "A4" : "Letter";
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(page));
    QFont font(QStringLiteral("Arial"), 10);
    font.setStyleHint(QFont::SansSerif);
    const QFontMetrics fm(font, &printer);
    const int x0 = qRound(printer.width() * 0.07);
    const int right = printer.width() - x0;

    // Every text lies between the margins.
    for (const PlacedText& t : placed) {
        const QString where = pageName + ": \"" + QString::fromStdString(t.text) + "\"";
        QVERIFY2(t.x >= 0 && t.x + fm.horizontalAdvance(QString::fromStdString(t.text)) <= right,
                 qPrintable(where));
    }
    // Each heading starts where the values under it start.
    auto xOf = [&](const std::string& text) {
        for (const PlacedText& t : placed)
            if (t.text == text) return t.x;
        return -1;
    };
    const int massX = xOf(" (amu)");
    QVERIFY(massX > 0);
    QCOMPARE(xOf(" Mass"), massX);
    QCOMPARE(xOf(fenra::PrintForm(one.IonMass)), massX);
    QCOMPARE(xOf(" (keV)"), xOf(fenra::PrintForm(one.IonEnergy)));
    QCOMPARE(xOf(" E"), xOf(" (keV)"));
    QCOMPARE(xOf("Target"), xOf("Au1"));
    QCOMPARE(xOf(" eV/(1E15/cm2)"), xOf(fenra::PrintForm(one.StopEvAtoms)));
    QCOMPARE(xOf(" keV/mg/cm2"), xOf(fenra::PrintForm(one.StopKevMg)));
    QCOMPARE(xOf(" eV/A"), xOf(fenra::PrintForm(one.StopEvA)));
    QCOMPARE(xOf(" keV/um"), xOf(fenra::PrintForm(one.StopKevUm)));
    QVERIFY(xOf(" Mass") < xOf(" E") && xOf(" E") < xOf("Target"));
    // The compound's long composition pushes its results to the next line, at their
    // columns.
    std::size_t k = 0;
    while (k < placed.size() && placed[k].text != compound) ++k;
    QVERIFY(k + 1 < placed.size());
    QCOMPARE(placed[k + 1].x, xOf(" eV/(1E15/cm2)"));
    QVERIFY(placed[k + 1].y > placed[k].y);
    // The rules run as wide as the table and no further.
    QVERIFY(fm.horizontalAdvance(QString::fromStdString(placed[0].text)) <= right - x0);
    QVERIFY(fm.horizontalAdvance(QString::fromStdString(placed[0].text)) > xOf(" keV/um") - x0);
}

}  // namespace

class MainWindowPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void printedReportKeepsEveryRowOnItsPages();
    void printedRowsSitAtTheirColumns();

  private:
    QTemporaryDir dir_;
};

void MainWindowPrintTest::printedReportKeepsEveryRowOnItsPages() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Run("mnuRPrint");
    QCOMPARE(d.platform.events, std::vector<QString>({"message:No calculation was made."}));
    QVERIFY(d.platform.printerDialogTitles.empty());

    d.Type(d.Ratio(1), "1");
    for (int k = 0; k < 99; ++k) d.Run("mnuAdd");
    d.Run("mnuCal");
    d.platform.clearRecords();

    // Cancelled: nothing printed.
    d.Run("mnuRPrint");
    QCOMPARE(d.platform.printerDialogTitles, std::vector<QString>({"Print result"}));
    QCOMPARE(d.window->lastPrintLayout().pages, 0);

    const QString pdf = dir_.filePath("report.pdf");
    d.platform.printToPdf = pdf;
    d.Run("mnuRPrint");
    QVERIFY(d.platform.messages.empty());
    const PrintLayout& layout = d.window->lastPrintLayout();
    const QByteArray bytes = ReadAll(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    const int pdfPages =
        static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page\\b")));
    QVERIFY2(pdfPages >= 2, qPrintable(QString::number(pdfPages)));
    QCOMPARE(layout.pages, pdfPages);
    // Every row is printed once, in order, the first on page 1 and the last on the last page.
    QCOMPARE(layout.rowPages.size(), std::size_t{100});
    QCOMPARE(layout.rowPages.front(), 1);
    QCOMPARE(layout.rowPages.back(), pdfPages);
    for (std::size_t k = 1; k < layout.rowPages.size(); ++k) {
        QVERIFY(layout.rowPages[k] >= layout.rowPages[k - 1]);
        QVERIFY(layout.rowPages[k] <= layout.rowPages[k - 1] + 1);
    }
    CheckContinuationPages(layout, pdfPages);

    // A printer that cannot start is told, not taken for a printed report.
    d.platform.printToPdf = dir_.filePath("no/such/folder/report.pdf");
    d.Run("mnuRPrint");
    QCOMPARE(d.window->lastPrintLayout().pages, 0);
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].text, QString("The report could not be printed."));
}

void MainWindowPrintTest::printedRowsSitAtTheirColumns() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("Xe", "131.904", "123456.7", {{"Au", "1"}});
    d.Run("mnuAdd");
    // A compound whose composition text runs past the column of the next field.
    d.Enter("He", nullptr, "2000",
            {{"H", "1"},
             {"Li", "1"},
             {"Be", "1"},
             {"B", "1"},
             {"C", "1"},
             {"N", "1"},
             {"O", "1"},
             {"F", "1"},
             {"Ne", "1"},
             {"Na", "1"}});
    d.Run("mnuCal");
    QVERIFY(d.platform.messages.empty());
    const fenra::DataSet& one = d.state.DataSets[1];
    const fenra::DataSet& two = d.state.DataSets[2];
    QCOMPARE(two.TargetName, std::string("H1Li1Be1B1C1N1O1F1Ne1Na1"));

    for (const auto page : {QPageSize::A4, QPageSize::Letter}) {
        const QString pageName = page == QPageSize::A4 ? "A4" : "Letter";
        d.platform.printPage = page;
        d.platform.printToPdf = dir_.filePath("columns-" + pageName + ".pdf");
        d.Run("mnuRPrint");
        CheckColumns(d.window->lastPrintLayout().placed, page, one, two.TargetName);
    }
}

QTEST_MAIN(MainWindowPrintTest)
#include "main_window_print_test.moc"
