#include "materials/Material.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <map>

#include "materials/PhysicsError.h"
#include "physics/StopUnits.h"

namespace fenra {

namespace {

// Recursive-descent reader of a formula. Positions in messages count characters from 1.
class FormulaReader {
  public:
    FormulaReader(std::string_view text, const ElementDatabase& db) : text_(text), db_(db) {}

    Material Read() {
        if (text_.empty()) Fail("is empty");
        std::vector<MaterialElement> out;
        ReadSequence(1.0, 0, &out);
        if (pos_ < text_.size()) Fail("has an unmatched ')'", pos_);
        Material m;
        m.name = std::string(text_);
        m.elements = std::move(out);
        return m;
    }

  private:
    [[noreturn]] void Fail(const std::string& what, std::size_t at = std::string_view::npos,
                           ErrorKind kind = ErrorKind::BadValue) const {
        std::string message = "the formula \"" + std::string(text_) + "\" " + what;
        if (at != std::string_view::npos) message += " at character " + std::to_string(at + 1);
        throw PhysicsError(kind, message);
    }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    // Elements and groups until the end or a ')'; each ratio multiplied by `scale`.
    void ReadSequence(double scale, int depth, std::vector<MaterialElement>* out) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && Peek() != ')') {
            const std::size_t at = pos_;
            if (Peek() == '(') {
                ++pos_;
                std::vector<MaterialElement> inner;
                ReadSequence(1.0, depth + 1, &inner);
                if (Peek() != ')') Fail("has an unmatched '('", at);
                ++pos_;
                const double n = ReadRatio();
                for (MaterialElement& e : inner) Add(e.symbol, e.ratio * n * scale, out);
            } else if (std::isupper(static_cast<unsigned char>(Peek()))) {
                const std::string symbol = ReadSymbol();
                Add(symbol, ReadRatio() * scale, out);
            } else {
                Fail(std::string("has '") + Peek() + "' where an element symbol or '(' must stand",
                     at);
            }
        }
        if (depth == 0 && Peek() == ')') Fail("has an unmatched ')'", pos_);
        if (pos_ == start) Fail("has an empty group", pos_ > 0 ? pos_ - 1 : 0);
    }

    std::string ReadSymbol() {
        const std::size_t at = pos_;
        std::string symbol(1, text_[pos_++]);
        while (std::islower(static_cast<unsigned char>(Peek()))) symbol += text_[pos_++];
        const ElementRecord* e = db_.FindElementBySymbol(symbol);
        if (!e)
            Fail("has the unknown element symbol \"" + symbol + "\"", at, ErrorKind::UnknownName);
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
        if (digits == ".") Fail("has a '.' without digits", at);
        // from_chars reads C notation whatever the locale: strtod would stop at the '.' where
        // the decimal mark is a comma (de_DE) and read 0.000713 as 0.
        double v = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), v);
        if (!(v > 0) || !std::isfinite(v)) Fail("has the ratio " + digits + ", not above 0", at);
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
            Fail("has more than " + std::to_string(kMaxMaterialElements) +
                 " elements: the 11th is \"" + symbol + "\"");
    }

    std::string_view text_;
    const ElementDatabase& db_;
    std::size_t pos_ = 0;
};

}  // namespace

Material ParseFormula(std::string_view text, const ElementDatabase& db) {
    return FormulaReader(text, db).Read();
}

void CheckDensity(double density, const std::string& what) {
    if (!(density > 0) || !std::isfinite(density))
        throw PhysicsError(ErrorKind::BadValue,
                           what + " is not a positive finite density in g/cm3");
}

double MeanAtomicMass(const Material& m, const ElementDatabase& db) {
    double ratios = 0, mass = 0;
    for (const MaterialElement& e : m.elements) {
        const ElementRecord* r = db.FindElementBySymbol(e.symbol);
        if (!r)
            throw PhysicsError(ErrorKind::UnknownName,
                               "the element \"" + e.symbol + "\" is not in the element table");
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
