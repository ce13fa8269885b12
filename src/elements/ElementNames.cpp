#include "elements/ElementNames.h"

#include <array>

namespace fenra {

namespace {

// Element z is entry z - 1.
constexpr std::array<std::string_view, 92> kNames = {
    "Hydrogen",     "Helium",    "Lithium",    "Beryllium",  "Boron",        "Carbon",
    "Nitrogen",     "Oxygen",    "Fluorine",   "Neon",       "Sodium",       "Magnesium",
    "Aluminium",    "Silicon",   "Phosphorus", "Sulfur",     "Chlorine",     "Argon",
    "Potassium",    "Calcium",   "Scandium",   "Titanium",   "Vanadium",     "Chromium",
    "Manganese",    "Iron",      "Cobalt",     "Nickel",     "Copper",       "Zinc",
    "Gallium",      "Germanium", "Arsenic",    "Selenium",   "Bromine",      "Krypton",
    "Rubidium",     "Strontium", "Yttrium",    "Zirconium",  "Niobium",      "Molybdenum",
    "Technetium",   "Ruthenium", "Rhodium",    "Palladium",  "Silver",       "Cadmium",
    "Indium",       "Tin",       "Antimony",   "Tellurium",  "Iodine",       "Xenon",
    "Caesium",      "Barium",    "Lanthanum",  "Cerium",     "Praseodymium", "Neodymium",
    "Promethium",   "Samarium",  "Europium",   "Gadolinium", "Terbium",      "Dysprosium",
    "Holmium",      "Erbium",    "Thulium",    "Ytterbium",  "Lutetium",     "Hafnium",
    "Tantalum",     "Tungsten",  "Rhenium",    "Osmium",     "Iridium",      "Platinum",
    "Gold",         "Mercury",   "Thallium",   "Lead",       "Bismuth",      "Polonium",
    "Astatine",     "Radon",     "Francium",   "Radium",     "Actinium",     "Thorium",
    "Protactinium", "Uranium",
};

}  // namespace

std::string_view ElementName(int z) {
    if (z < 1 || z > static_cast<int>(kNames.size())) return {};
    return kNames[static_cast<std::size_t>(z - 1)];
}

}  // namespace fenra
