// Reading a target file: data lines of five blank-separated fields, anything else skipped.

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/LineReader.h"
#include "files/TargetFile.h"
#include "state/NumberText.h"
#include "state/VisibleText.h"

namespace fenra {
namespace {

constexpr char kCommentMark = '\'';
// A tab is a blank like the space: editors put them in unseen.
constexpr const char* kBlanks = " \t";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsDataLine(std::string_view trimmed) {
    return !trimmed.empty() && trimmed.front() != kCommentMark;
}

// The text up to the first blank; rest becomes what follows that blank, leading blanks
// dropped. A field is empty when the line has ended before it.
std::string_view TakeField(std::string_view* rest) {
    const std::size_t space = rest->find_first_of(kBlanks);
    if (space == std::string_view::npos) {
        const std::string_view field = *rest;
        *rest = {};
        return field;
    }
    const std::string_view field = rest->substr(0, space);
    const std::string_view after = rest->substr(space + 1);
    const std::size_t next = after.find_first_not_of(kBlanks);
    *rest = next == std::string_view::npos ? std::string_view{} : after.substr(next);
    return field;
}

// ASCII only: the bytes of other characters of the 8-bit file are kept as they are.
char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Element symbols are one or two characters: "h" -> "H", "si" and "SI" -> "Si".
bool NormaliseSymbol(std::string_view raw, std::string* symbol) {
    const std::string_view t = TrimBlanks(raw);
    if (t.size() == 1) {
        *symbol = std::string(1, AsciiUpper(t[0]));
        return true;
    }
    if (t.size() == 2) {
        *symbol = std::string{AsciiUpper(t[0]), AsciiLower(t[1])};
        return true;
    }
    return false;
}

// Stored as a Single; a value beyond the range of a Single would poison every later
// calculation, so it is read as 0 like any other text without a usable number.
float ReadSingle(std::string_view text) {
    return LeadingNumberAsSingle(text);
}

struct TargetPiece {
    std::string_view symbol;
    std::string_view ratio;  // empty: no number after the symbol, ratio 0
};

bool IsNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

// A run of symbol characters starts an element, the run of number characters after it is its
// ratio. A number run with no symbol before it (at the very start) belongs to no element and
// is skipped.
std::vector<TargetPiece> SplitTargetText(std::string_view text) {
    std::vector<TargetPiece> pieces;
    std::size_t i = 0;
    while (i < text.size() && IsNumberChar(text[i])) ++i;
    while (i < text.size()) {
        const std::size_t symbolStart = i;
        while (i < text.size() && !IsNumberChar(text[i])) ++i;
        const std::size_t ratioStart = i;
        while (i < text.size() && IsNumberChar(text[i])) ++i;
        pieces.push_back({text.substr(symbolStart, ratioStart - symbolStart),
                          text.substr(ratioStart, i - ratioStart)});
    }
    return pieces;
}

// What reading one data line reports besides the data set itself.
struct LineReport {
    int dataSet = 0;
    long long line = 0;
    OpenTargetResult* result = nullptr;
    std::string bad;  // the symbol of bad length that stopped reading
};

// A number field is read by the leading-number rule, which stored files rely on; a text that
// is more than a number, or a number a Single cannot hold, is read all the same but said.
float ReadNumberField(std::string_view text, TargetField field, LineReport& report,
                      const std::string& symbol = {}) {
    const float value = ReadSingle(text);
    const NumberTextCheck check = CheckNumberText(text);
    if (check == NumberTextCheck::Whole) return value;
    TargetNotice w;
    w.kind = check == NumberTextCheck::OutOfRange ? TargetNoticeKind::BeyondSingle
                                                  : TargetNoticeKind::NotWhollyNumber;
    w.dataSet = report.dataSet;
    w.line = report.line;
    w.field = field;
    w.symbol = symbol;
    w.text = VisibleText(TrimBlanks(text));
    w.value = value;
    report.result->warnings.push_back(std::move(w));
    return value;
}

// ElementCount is stored before the symbols are checked, so a data set stopped at a bad
// symbol keeps the count and the slots filled before it.
bool ReadTarget(std::string_view text, DataSet& d, LineReport& report) {
    const std::vector<TargetPiece> pieces = SplitTargetText(text);
    const int count =
        static_cast<int>(std::min(pieces.size(), static_cast<std::size_t>(kMaxTargetSlots)));
    d.ElementCount = static_cast<int16_t>(count);
    for (int j = 1; j <= count; ++j) {
        const TargetPiece& piece = pieces[static_cast<std::size_t>(j - 1)];
        std::string symbol;
        if (!NormaliseSymbol(piece.symbol, &symbol)) {
            report.bad = std::string(TrimBlanks(piece.symbol));
            return false;
        }
        d.TargetElement[j] = symbol;
        d.TargetRatio[j] = ReadNumberField(piece.ratio, TargetField::Ratio, report, symbol);
    }
    if (pieces.size() > static_cast<std::size_t>(kMaxTargetSlots)) {
        TargetNotice n;
        n.kind = TargetNoticeKind::ElementsKeptBack;
        n.dataSet = report.dataSet;
        report.result->notices.push_back(n);
    }
    return true;
}

// False at a symbol of bad length; an ion symbol of bad length stays stored as read.
bool ReadDataLine(std::string_view line, DataSet& d, LineReport& report) {
    std::string_view rest = line;
    const std::string_view ion = TakeField(&rest);
    if (!NormaliseSymbol(ion, &d.IonName)) {
        d.IonName = std::string(TrimBlanks(ion));
        report.bad = d.IonName;
        return false;
    }
    d.IonMass = ReadNumberField(TakeField(&rest), TargetField::Mass, report);
    d.IonEnergy = ReadNumberField(TakeField(&rest), TargetField::Energy, report);
    d.Range = ReadNumberField(TakeField(&rest), TargetField::Range, report);
    return ReadTarget(TrimBlanks(rest), d, report);
}

int LineNumberOf(long long n) {
    return static_cast<int>(std::min<long long>(n, INT_MAX));
}

bool IsUtf16Mark(std::string_view line) {
    return line.size() >= 2 &&
           ((line[0] == '\xFF' && line[1] == '\xFE') || (line[0] == '\xFE' && line[1] == '\xFF'));
}

OpenTargetResult Refused(OpenTargetStatus status, FileFault fault, long long lineNumber) {
    OpenTargetResult r;
    r.status = status;
    r.error = MakeFileError(FileAction::Read, {}, 0, fault);
    r.error.line = lineNumber;
    return r;
}

// Checks one line before it is read; System when it may be part of a target file.
FileFault NotTextReason(std::string_view line, long long lineNumber) {
    if (lineNumber == 1 && IsUtf16Mark(line)) return FileFault::Utf16Text;
    if (!IsPlainTextLine(line)) return FileFault::ControlCharacters;
    return FileFault::System;
}

}  // namespace

OpenTargetResult ReadTargetLines(WorkingState& s, LineReader& lines) {
    // The data sets are read into a copy, so that a file refused halfway (binary data, an
    // overlong line) leaves the working state as it was.
    auto next = std::make_unique<WorkingState>(s);
    OpenTargetResult result;
    bool started = false;
    long long lineNumber = 0;
    std::string line;
    for (;;) {
        const LineStatus status = lines.Next(&line);
        if (status == LineStatus::End) break;
        ++lineNumber;
        if (status == LineStatus::ReadError)
            return Refused(OpenTargetStatus::CannotOpen, FileFault::System, lineNumber);
        std::string_view view = line;
        if (lineNumber == 1 && view.substr(0, kUtf8Mark.size()) == kUtf8Mark)
            view.remove_prefix(kUtf8Mark.size());
        const FileFault reason = NotTextReason(view, lineNumber);
        if (reason != FileFault::System)
            return Refused(OpenTargetStatus::NotText, reason, lineNumber);
        if (status == LineStatus::TooLong)
            return Refused(OpenTargetStatus::NotText, FileFault::LineTooLong, lineNumber);
        const std::string_view text = TrimBlanks(view);
        if (!IsDataLine(text)) continue;
        if (started && next->DataSetCount >= kMaxDataSets) {
            // The data sets the program can hold are read: the rest of the file is not.
            TargetNotice n;
            n.kind = TargetNoticeKind::DataSetsKeptBack;
            result.notices.push_back(n);
            break;
        }
        // The file replaces every data set, but only once it is known to hold one: a file
        // without data lines leaves the working state as it was.
        if (!started) {
            ClearDataSets(*next);
            next->DataSetCount = 0;
            started = true;
        }
        ++next->DataSetCount;
        next->CurrentDataSet = next->DataSetCount;
        LineReport report{next->DataSetCount, lineNumber, &result, {}};
        if (!ReadDataLine(text, next->Current(), report)) {
            result.status = OpenTargetStatus::InvalidElement;
            result.badLine = LineNumberOf(lineNumber);
            result.badSymbol = VisibleText(report.bad);
            break;
        }
    }
    if (!started) {
        if (result.status == OpenTargetStatus::Read) result.status = OpenTargetStatus::NoDataLine;
        return result;
    }
    s = *next;
    return result;
}

OpenTargetResult OpenTargetFromText(WorkingState& s, std::string_view bytes) {
    LineReader lines(ChunksOf(bytes));
    return ReadTargetLines(s, lines);
}

}  // namespace fenra
