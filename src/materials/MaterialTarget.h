#pragma once
// A material text typed beside the main window's target slots ("H2O", "mylar", "Si") put into a
// data set's target: the same slots, ratios and element count as picking the elements and typing
// the ratios one by one would give, so that the data set's file line and report row are too.

#include <string>
#include <string_view>

#include "materials/MaterialList.h"
#include "messages/Message.h"
#include "state/DataSet.h"

namespace fenra {

struct TargetFill {
    bool filled = false;
    Message message;    // why the text was refused (empty when filled); Words says it
    Material material;  // what the text was read as (with its density, if any)
};

// Resolves `text` (surrounding blanks ignored) with ResolveMaterial and, on success, writes its
// elements into slots 1..n of d in order (symbols as spelled in the element table, ratios as
// Singles read from the ratio's text as the ratio field reads it), sets ElementCount to n and
// the ratios of slots n+1..10 to 0, so that neither the calculation nor the file line sees a
// slot of the former target. Nothing else of d changes (ion, energy, range, results and
// TargetName stay until the next Calculate, as after editing by hand).
// Refused, d unchanged: what the parser says (more than ten elements, an unknown symbol, a
// malformed formula), or a ratio that a Single cannot hold.
TargetFill FillTargetFromMaterial(DataSet& d, std::string_view text, const ElementDatabase& db,
                                  const MaterialList& list);

// The target of d as a material text that resolves to the same elements and Single ratios:
// the symbol alone for one element (so that it takes the element table's density), else
// symbol and ratio of slots 1..ElementCount ("H2O1", "C10H8O4"). Empty without a slot.
std::string TargetMaterialText(const DataSet& d);

}  // namespace fenra
