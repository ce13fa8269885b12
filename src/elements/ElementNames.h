#pragma once
// The English names of the elements of the element table, for the element lists of the
// windows ("Si  Silicon (14)"). The database holds symbols and numbers only; the names are the
// ones of data/elements.csv, from which the database is generated.

#include <string_view>

namespace fenra {

// The name of element z (1..92); empty for any other number.
std::string_view ElementName(int z);

}  // namespace fenra
