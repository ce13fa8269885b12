#include "ui/main/ReportPrinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <utility>

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
        columnWidth_ = metrics.averageCharWidth();
        x0_ = static_cast<int>(std::lround(kLeftMarginShare * painter.device()->width()));
        y0_ = static_cast<int>(std::lround(kTopMarginShare * painter.device()->height()));
        pageHeight_ = painter.device()->height();
        metrics_ = metrics;
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
                PrintText(x0_, lines_[static_cast<std::size_t>(k)].text);
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
        int x = PrintText(x0_, line.text);
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
    int lineHeight_ = 0, ascent_ = 0, columnWidth_ = 0;
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
