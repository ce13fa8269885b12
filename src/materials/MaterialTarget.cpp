#include "materials/MaterialTarget.h"

#include <charconv>
#include <cstdio>

#include "materials/PhysicsError.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

// The ratio as the user would type it into the ratio field: a formula's ratio written with 15
// significant digits ((C1.1H)3 gives 3.3, not 3.3000000000000003), read by the field's rule.
float RatioAsTyped(double ratio) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, ratio, std::chars_format::general, 15);
    return LeadingNumberAsSingle(std::string_view(text, static_cast<std::size_t>(r.ptr - text)));
}

std::string_view TrimBlanks(std::string_view text) {
    const char* const blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

TargetFill FillTargetFromMaterial(DataSet& d, std::string_view text, const ElementDatabase& db,
                                  const MaterialList& list) {
    TargetFill fill;
    try {
        fill.material = ResolveMaterial(TrimBlanks(text), db, list);
    } catch (const PhysicsError& e) {
        fill.message = e.Reason();
        return fill;
    }
    const std::vector<MaterialElement>& elements = fill.material.elements;
    float ratios[kMaxTargetSlots] = {};
    for (std::size_t j = 0; j < elements.size(); ++j) {
        ratios[j] = RatioAsTyped(elements[j].ratio);
        // 0 is what the field stores for a number beyond a Single; a ratio that small or
        // large would end or break the target.
        if (ratios[j] == 0) {
            fill.message =
                Sentence(PhysicsText::RatioNotForTarget,
                         {Value(elements[j].symbol), Value(std::string(TrimBlanks(text)))});
            return fill;
        }
    }
    const int n = static_cast<int>(elements.size());
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        if (j <= n) d.TargetElement[j] = elements[static_cast<std::size_t>(j - 1)].symbol;
        d.TargetRatio[j] = j <= n ? ratios[j - 1] : 0.0f;
    }
    d.ElementCount = static_cast<int16_t>(n);
    fill.filled = true;
    return fill;
}

std::string TargetMaterialText(const DataSet& d) {
    const int n = d.ElementCount < kMaxTargetSlots ? d.ElementCount : kMaxTargetSlots;
    if (n < 1) return {};
    if (n == 1) return d.TargetElement[1];
    std::string text;
    for (int j = 1; j <= n; ++j) {
        // The shortest text that reads back to the same Single, without an exponent (which a
        // formula cannot hold).
        char ratio[32];
        const auto r =
            std::to_chars(ratio, ratio + sizeof ratio, d.TargetRatio[j], std::chars_format::fixed);
        text += d.TargetElement[j] + std::string(ratio, r.ptr);
    }
    return text;
}

}  // namespace fenra
