// What the main window's display of a data set writes back into it. The window shows each
// number as general text and its fields store what they show, so a value passes through its
// 7-digit text once; the element lists can only show symbols of the element table.

#include <algorithm>

#include "calc/CalculateDataSet.h"
#include "state/NumberText.h"

namespace fenra {

void ApplyDataSetDisplay(DataSet& d, const ElementDatabase& db) {
    if (const ElementRecord* ion = db.FindElementBySymbol(d.IonName)) d.IonName = ion->Symbol;
    // The mass field shows the mass as general text and stores that text back.
    d.IonMass = ShownMass(d.IonMass);

    const int n = std::clamp<int>(d.ElementCount, 0, kMaxTargetSlots);
    for (int j = 1; j <= n; ++j)
        if (const ElementRecord* e = db.FindElementBySymbol(d.TargetElement[j]))
            d.TargetElement[j] = e->Symbol;
    // Slots beyond the target show the first element of the list; their ratios stay.
    if (!db.Elements().empty())
        for (int j = n + 1; j <= kMaxTargetSlots; ++j)
            d.TargetElement[j] = db.Elements().front().Symbol;
}

}  // namespace fenra
