#include "materials/Material.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <map>

#include "materials/PhysicsError.h"
#include "physics/StopUnits.h"
#include "state/VisibleText.h"

namespace fenra {

namespace {

// Recursive-descent reader of a formula. Positions in messages count characters (UTF-8 code
// points) from 1. The limits keep the recursion and the work bounded whatever the text.
class FormulaReader {
  public:
    FormulaReader(std::string_view text, const ElementDatabase& db) : text_(text), db_(db) {}

    Material Read() {
        if (text_.empty()) Fail(Sentence(PhysicsText::FormulaEmpty));
        CheckLength();
        std::vector<MaterialElement> out;
        ReadSequence(1.0, 0, &out);
        if (pos_ < text_.size()) Fail(Sentence(PhysicsText::FormulaUnmatchedClose), pos_);
        Material m;
        m.name = std::string(text_);
        m.elements = std::move(out);
        return m;
    }

  private:
    [[noreturn]] void Fail(Message what, std::size_t at = std::string_view::npos,
                           ErrorKind kind = ErrorKind::BadValue) const {
        const Message formula = Value(TextForMessage(text_));
        if (at == std::string_view::npos)
            throw PhysicsError(kind, PhysicsText::FormulaProblem, {formula, std::move(what)});
        const Message character = Count(CharacterCount(text_.substr(0, at)) + 1);
        throw PhysicsError(kind, PhysicsText::FormulaProblemAt,
                           {formula, std::move(what), character});
    }

    static Message Count(std::size_t n) { return Value(std::to_string(n)); }

    void CheckLength() const {
        if (CharacterCount(text_) > kMaxFormulaLength)
            Fail(Sentence(PhysicsText::FormulaTooLong, {Count(kMaxFormulaLength)}));
    }

    // One counted term more (an element symbol or a group); too many end the reading.
    void CountTerm(std::size_t at) {
        if (++terms_ > kMaxFormulaTerms)
            Fail(Sentence(PhysicsText::FormulaTooManyTerms, {Count(kMaxFormulaTerms)}), at);
    }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    // The whole character at pos_ (all bytes of a UTF-8 sequence), for a message.
    std::string CharacterAt() const {
        std::size_t end = pos_ + 1;
        while (end < text_.size() && IsContinuationByte(text_[end])) ++end;
        return VisibleText(text_.substr(pos_, end - pos_));
    }

    // Elements and groups until the end or a ')'; each ratio multiplied by `scale`.
    void ReadSequence(double scale, int depth, std::vector<MaterialElement>* out) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && Peek() != ')') {
            const std::size_t at = pos_;
            if (Peek() == '(') {
                if (depth >= kMaxFormulaDepth)
                    Fail(Sentence(PhysicsText::FormulaTooDeep, {Count(kMaxFormulaDepth)}), at);
                CountTerm(at);
                ++pos_;
                std::vector<MaterialElement> inner;
                ReadSequence(1.0, depth + 1, &inner);
                if (Peek() != ')') Fail(Sentence(PhysicsText::FormulaUnmatchedOpen), at);
                ++pos_;
                const double n = ReadRatio();
                for (MaterialElement& e : inner) Add(e.symbol, e.ratio * n * scale, out);
            } else if (std::isupper(static_cast<unsigned char>(Peek()))) {
                CountTerm(at);
                const std::string symbol = ReadSymbol();
                Add(symbol, ReadRatio() * scale, out);
            } else {
                Fail(Sentence(PhysicsText::FormulaNoSymbolHere, {Value(CharacterAt())}), at);
            }
        }
        if (depth == 0 && Peek() == ')') Fail(Sentence(PhysicsText::FormulaUnmatchedClose), pos_);
        if (pos_ == start) Fail(Sentence(PhysicsText::FormulaEmptyGroup), pos_ > 0 ? pos_ - 1 : 0);
    }

    std::string ReadSymbol() {
        const std::size_t at = pos_;
        std::string symbol(1, text_[pos_++]);
        while (std::islower(static_cast<unsigned char>(Peek()))) symbol += text_[pos_++];
        const ElementRecord* e = db_.FindElementBySymbol(symbol);
        if (!e)
            Fail(Sentence(PhysicsText::FormulaUnknownSymbol, {Value(VisibleText(symbol))}), at,
                 ErrorKind::UnknownName);
        return e->Symbol;
    }

    // Digits with at most one decimal point; none means 1.
    double ReadRatio() {
        const std::size_t at = pos_;
        bool point = false;
        while (std::isdigit(static_cast<unsigned char>(Peek())) || (Peek() == '.' && !point)) {
            point = point || Peek() == '.';
            ++pos_;
        }
        if (pos_ == at) return 1.0;
        const std::string digits(text_.substr(at, pos_ - at));
        if (digits == ".") Fail(Sentence(PhysicsText::FormulaLonePoint), at);
        // from_chars reads C notation whatever the locale: strtod would stop at the '.' where
        // the decimal mark is a comma (de_DE) and read 0.000713 as 0.
        double v = 0;
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        // Out of range with a leading digit other than 0 is too large (v is left at 0).
        const bool tooLarge =
            read.ec == std::errc::result_out_of_range && digits[0] != '0' && digits[0] != '.';
        if (tooLarge || !std::isfinite(v))
            Fail(Sentence(PhysicsText::FormulaRatioTooLarge, {Value(TextForMessage(digits))}), at);
        if (!(v > 0))
            Fail(Sentence(PhysicsText::FormulaRatioNotPositive, {Value(TextForMessage(digits))}),
                 at);
        return v;
    }

    void Add(const std::string& symbol, double ratio, std::vector<MaterialElement>* out) {
        for (MaterialElement& e : *out) {
            if (e.symbol == symbol) {
                e.ratio += ratio;
                return;
            }
        }
        out->push_back({symbol, ratio});
        if (out->size() > static_cast<std::size_t>(kMaxMaterialElements))
            Fail(Sentence(PhysicsText::FormulaTooManyElements,
                          {Count(static_cast<std::size_t>(kMaxMaterialElements)), Value(symbol)}));
    }

    std::string_view text_;
    const ElementDatabase& db_;
    std::size_t pos_ = 0;
    int terms_ = 0;
};

}  // namespace

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string TextForMessage(std::string_view text) {
    constexpr std::size_t kShown = 60;  // characters
    std::size_t end = 0, shown = 0;
    while (end < text.size() && shown < kShown) {
        ++end;
        while (end < text.size() && IsContinuationByte(text[end])) ++end;
        ++shown;
    }
    return VisibleText(text.substr(0, end)) + (end < text.size() ? "..." : "");
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) n += !IsContinuationByte(c);
    return n;
}

Material ParseFormula(std::string_view text, const ElementDatabase& db) {
    return FormulaReader(text, db).Read();
}

void CheckDensity(double density, const Message& what) {
    if (!(density > 0) || !std::isfinite(density))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::DensityNotPositive, {what});
    if (density > kMaxDensity)
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::DensityTooHigh,
                           {what, Value(std::to_string(static_cast<int>(kMaxDensity)))});
}

void CheckDensity(double density, const std::string& what) {
    CheckDensity(density, Value(what));
}

double MeanAtomicMass(const Material& m, const ElementDatabase& db) {
    double ratios = 0, mass = 0;
    for (const MaterialElement& e : m.elements) {
        const ElementRecord* r = db.FindElementBySymbol(e.symbol);
        if (!r)
            throw PhysicsError(ErrorKind::UnknownName, PhysicsText::ElementNotInTable,
                               {Value(e.symbol)});
        ratios += e.ratio;
        mass += e.ratio * r->NatMass;
    }
    return ratios > 0 ? mass / ratios : 0;
}

double AtomsPerCm3(const Material& m, const ElementDatabase& db) {
    if (!(m.density > 0)) return 0;
    return m.density * kAvogadro / MeanAtomicMass(m, db);
}

}  // namespace fenra
