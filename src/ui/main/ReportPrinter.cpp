#include "ui/main/ReportPrinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace fenra {

namespace {

constexpr double kLeftMarginShare = 7.0 / 100.0;  // of the page width
constexpr double kTopMarginShare = 5.0 / 100.0;   // of the page height
constexpr int kFontPoints = 10;

// The print position, as on a line printer: x moves along a line, y down the page.
class ReportPage {
  public:
    ReportPage(QPrinter& printer, QPainter& painter, const std::vector<fenra::PrintedLine>& lines,
               int headingLines)
        : printer_(printer),
          painter_(painter),
          lines_(lines),
          headingLines_(std::min(headingLines, static_cast<int>(lines.size()))) {
        const QFontMetrics metrics(painter.font(), &printer);
        lineHeight_ = metrics.height();
        ascent_ = metrics.ascent();
        x0_ = static_cast<int>(std::lround(kLeftMarginShare * painter.device()->width()));
        metrics_ = metrics;
        FitColumns(painter.device()->width() - x0_);
        y0_ = static_cast<int>(std::lround(kTopMarginShare * painter.device()->height()));
        pageHeight_ = painter.device()->height();
    }

    PrintLayout Print() {
        PrintLayout layout;
        y_ = y0_;
        const int count = static_cast<int>(lines_.size());
        for (int k = 0; k < headingLines_; ++k) PrintLine(lines_[k]);
        for (int k = headingLines_; k < count; ++k) {
            PrintLine(lines_[k]);
            layout.rowPages.push_back(page_);
        }
        layout.pages = page_;
        layout.placed = std::move(placed_);
        return layout;
    }

  private:
    // A character column is the font's average character width, or less when the last field
    // would otherwise run past the right margin (as wide as the left one): every column then
    // lies on the page, on A4 and Letter alike, in whatever font stands in for Arial.
    void FitColumns(int rightEdge) {
        columnWidth_ = metrics_.averageCharWidth();
        for (const fenra::PrintedLine& line : lines_) {
            for (const fenra::PrintedField& f : line.fields) {
                if (f.column <= 1) continue;
                const int width = metrics_.horizontalAdvance(QString::fromStdString(f.text));
                columnWidth_ = std::min(columnWidth_, (rightEdge - width) / (f.column - 1));
            }
        }
        columnWidth_ = std::max(columnWidth_, 1);
        tableRight_ = x0_;
        for (const fenra::PrintedLine& line : lines_) {
            for (const fenra::PrintedField& f : line.fields) {
                const int end = (f.column - 1) * columnWidth_ +
                                metrics_.horizontalAdvance(QString::fromStdString(f.text));
                tableRight_ = std::max(tableRight_, end);
            }
        }
    }

    // A rule runs from the left margin to the right end of the table.
    std::string Rule() const {
        const int star = std::max(1, metrics_.horizontalAdvance(QLatin1Char('*')));
        return std::string(static_cast<std::size_t>(std::max(1, (tableRight_ - x0_) / star)), '*');
    }
    static bool IsRule(const std::string& text) {
        return !text.empty() && text.find_first_not_of('*') == std::string::npos;
    }

    // Moves down one line; at the foot of the page a new page starts with the headings again,
    // so a continued report reads like its first page.
    void NewLine() {
        y_ += lineHeight_;
        if (y_ + lineHeight_ > pageHeight_ && !inHeadings_) {
            printer_.newPage();
            ++page_;
            y_ = y0_;
            inHeadings_ = true;
            for (int k = 0; k < headingLines_; ++k) {
                PrintFields(lines_[static_cast<std::size_t>(k)]);
                y_ += lineHeight_;
            }
            inHeadings_ = false;
        }
    }

    int PrintText(int x, const std::string& text) {
        const QString q = QString::fromStdString(text);
        painter_.drawText(x, y_ + ascent_, q);
        placed_.push_back({page_, x, y_, text});
        return x + metrics_.horizontalAdvance(q);
    }

    void PrintLine(const fenra::PrintedLine& line) {
        if (lineStarted_) NewLine();
        lineStarted_ = true;
        PrintFields(line);
    }

    void PrintFields(const fenra::PrintedLine& line) {
        int x = PrintText(x0_, IsRule(line.text) ? Rule() : line.text);
        for (const fenra::PrintedField& field : line.fields) {
            const int columnX = (field.column - 1) * columnWidth_;
            // Past the column already: the field goes to that column on the next line.
            if (x > columnX) NewLine();
            x = PrintText(columnX, field.text);
        }
    }

    QPrinter& printer_;
    QPainter& painter_;
    const std::vector<fenra::PrintedLine>& lines_;
    int headingLines_;  // never more than there are lines
    QFontMetrics metrics_{QFont()};
    int lineHeight_ = 0, ascent_ = 0, columnWidth_ = 0, tableRight_ = 0;
    int x0_ = 0, y0_ = 0, pageHeight_ = 0;
    int y_ = 0, page_ = 1;
    bool lineStarted_ = false, inHeadings_ = false;
    std::vector<PlacedText> placed_;
};

}  // namespace

PrintLayout PrintReport(QPrinter& printer, const std::vector<fenra::PrintedLine>& lines,
                        int headingLines) {
    QPainter painter;
    if (!painter.begin(&printer)) return {};
    QFont font(QStringLiteral("Arial"), kFontPoints);
    font.setStyleHint(QFont::SansSerif);  // the nearest the system has when Arial is missing
    painter.setFont(font);
    PrintLayout layout = ReportPage(printer, painter, lines, headingLines).Print();
    painter.end();
    return layout;
}

}  // namespace fenra
