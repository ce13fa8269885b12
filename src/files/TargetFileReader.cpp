// Reading a target file: data lines of five space-separated fields, anything else skipped.

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "files/TargetFile.h"
#include "state/NumberText.h"
#include "state/TrimSpaces.h"

namespace fenra {
namespace {

constexpr char kCommentMark = '\'';
constexpr char kFieldSeparator = ' ';  // only the space separates fields; a tab does not

// Lines end with LF, CR LF or a lone CR; a last line without its end still counts. Every other
// byte, NUL included, is an ordinary character of the line.
bool NextLine(std::string_view bytes, std::size_t* pos, std::string_view* line) {
    if (*pos >= bytes.size()) return false;
    const std::size_t start = *pos;
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        *line = bytes.substr(start);
        *pos = bytes.size();
        return true;
    }
    *line = bytes.substr(start, end - start);
    *pos = end + 1;
    if (bytes[end] == '\r' && *pos < bytes.size() && bytes[*pos] == '\n') ++*pos;
    return true;
}

bool IsDataLine(std::string_view trimmed) {
    return !trimmed.empty() && trimmed.front() != kCommentMark;
}

// The text up to the first space; rest becomes what follows that space, leading spaces
// dropped. A field is empty when the line has ended before it.
std::string_view TakeField(std::string_view* rest) {
    const std::size_t space = rest->find(kFieldSeparator);
    if (space == std::string_view::npos) {
        const std::string_view field = *rest;
        *rest = {};
        return field;
    }
    const std::string_view field = rest->substr(0, space);
    const std::string_view after = rest->substr(space + 1);
    const std::size_t next = after.find_first_not_of(kFieldSeparator);
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
    const std::string_view t = TrimSpaces(raw);
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

// ElementCount is stored before the symbols are checked, so a data set stopped at a bad
// symbol keeps the count and the slots filled before it.
bool ReadTarget(std::string_view text, int dataSetNumber, DataSet& d,
                std::vector<std::string>* notices) {
    const std::vector<TargetPiece> pieces = SplitTargetText(text);
    const int count =
        static_cast<int>(std::min(pieces.size(), static_cast<std::size_t>(kMaxTargetSlots)));
    d.ElementCount = static_cast<int16_t>(count);
    for (int j = 1; j <= count; ++j) {
        const TargetPiece& piece = pieces[static_cast<std::size_t>(j - 1)];
        std::string symbol;
        if (!NormaliseSymbol(piece.symbol, &symbol)) return false;
        d.TargetElement[j] = symbol;
        d.TargetRatio[j] = ReadSingle(piece.ratio);
    }
    if (pieces.size() > static_cast<std::size_t>(kMaxTargetSlots)) {
        notices->push_back("Data set " + std::to_string(dataSetNumber) + ": only the first " +
                           std::to_string(kMaxTargetSlots) + " target elements were read.");
    }
    return true;
}

// False at a symbol of bad length; an ion symbol of bad length stays stored as read.
bool ReadDataLine(std::string_view line, int dataSetNumber, DataSet& d,
                  std::vector<std::string>* notices) {
    std::string_view rest = line;
    const std::string_view ion = TakeField(&rest);
    if (!NormaliseSymbol(ion, &d.IonName)) {
        d.IonName = std::string(TrimSpaces(ion));
        return false;
    }
    d.IonMass = ReadSingle(TakeField(&rest));
    d.IonEnergy = ReadSingle(TakeField(&rest));
    d.Range = ReadSingle(TakeField(&rest));
    return ReadTarget(TrimSpaces(rest), dataSetNumber, d, notices);
}

int LineNumberOf(long long n) {
    return static_cast<int>(std::min<long long>(n, INT_MAX));
}

}  // namespace

OpenTargetResult OpenTargetFromText(WorkingState& s, std::string_view bytes) {
    OpenTargetResult result;
    bool started = false;
    long long lineNumber = 0;
    std::size_t pos = 0;
    std::string_view line;
    while (NextLine(bytes, &pos, &line)) {
        ++lineNumber;
        const std::string_view text = TrimSpaces(line);
        if (!IsDataLine(text)) continue;
        if (started && s.DataSetCount >= kMaxDataSets) {
            result.notices.push_back("Only the first " + std::to_string(kMaxDataSets) +
                                     " data sets were read.");
            break;
        }
        // The file replaces every data set, but only once it is known to hold one: a file
        // without data lines leaves the working state as it was.
        if (!started) {
            ClearDataSets(s);
            s.DataSetCount = 0;
            started = true;
        }
        ++s.DataSetCount;
        s.CurrentDataSet = s.DataSetCount;
        if (!ReadDataLine(text, s.DataSetCount, s.Current(), &result.notices)) {
            result.status = OpenTargetStatus::InvalidElement;
            result.badLine = LineNumberOf(lineNumber);
            return result;
        }
    }
    if (!started) result.status = OpenTargetStatus::NoDataLine;
    return result;
}

}  // namespace fenra
