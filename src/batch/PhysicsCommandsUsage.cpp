// The usage text of the physics commands, kept apart from their logic.

#include "batch/PhysicsCommands.h"

namespace fenra {

const char* PhysicsCommandsUsage() {
    return "       fenra32-calc [OPTIONS] stopping ION MATERIAL ENERGY...\n"
           "       fenra32-calc [OPTIONS] range ION MATERIAL ENERGY...\n"
           "       fenra32-calc [OPTIONS] stopping|range ION MATERIAL [ENERGY...]\n"
           "                    --from E1 --to E2 --steps N [--linear]\n"
           "       fenra32-calc [OPTIONS] layers ION ENERGY MATERIAL:THICKNESS...\n"
           "       fenra32-calc [OPTIONS] energy-before ION ENERGY MATERIAL:THICKNESS...\n"
           "       fenra32-calc [OPTIONS] energy-for-range ION MATERIAL RANGE...\n"
           "\n"
           "  stopping          electronic, nuclear and total stopping at each energy\n"
           "  range             range and range straggling at each energy\n"
           "  layers            energy, energy spread, angular and lateral spread and mean\n"
           "                    charge after each layer of a stack; where the ion stops, the\n"
           "                    depth of the stop from the layer's front face\n"
           "                    (stop_depth_in_layer_e15) and from the stack's\n"
           "                    (stop_depth_from_front_e15)\n"
           "  energy-before     the energy in front of the stack that leaves ENERGY behind it\n"
           "  energy-for-range  the energy whose range is RANGE\n"
           "ION: a symbol, an atomic number, a particle (p, d, t, helion, alpha; proton,\n"
           "deuteron, triton) or an isotope (12C, 238U): these take the isotope's atomic mass.\n"
           "MATERIAL: an element symbol, a formula (H2O, Ca(OH)2, C1H1.5) or a listed name\n"
           "(water, mylar, kapton, ...; see materials.csv).\n"
           "ENERGY: a number with eV, keV (default), MeV, GeV, keV/u, MeV/u or GeV/u (u: per\n"
           "amu of the ion's mass), no space: 5MeV, 1.25MeV/u.\n"
           "THICKNESS, RANGE: a number with A (or \u00c5), nm, um (or \u00b5m), mm, cm,\n"
           "ug/cm2 (or \u00b5g/cm2), mg/cm2, g/cm2 or e15/cm2.\n"
           "  --csv            comma-separated values with one header line\n"

           "  --mass AMU       the ion's mass (default: its most abundant isotope)\n"
           "  --density G_CM3  the density of the materials (default: their own)\n"
           "  --from E1 --to E2 --steps N\n"
           "                   stopping, range: N + 1 energies from E1 to E2 (both included,\n"
           "                   after any ENERGY), equal steps of the logarithm (N 1 to 100000)\n"
           "  --linear         equal steps of the energy itself\n"
           "  --stopping-unit UNIT\n"
           "                   stopping: every column in UNIT: eV/(1e15 atoms/cm2),\n"
           "                   keV/(mg/cm2), MeV/(mg/cm2), 'MeV cm2/g', eV/A, keV/um, keV/nm\n"
           "  --model NAME     the electronic stopping model: modern (default), the fit joined\n"
           "                   between 0.8-2 and 3-8 MeV/u to Bethe's formula with shell,\n"
           "                   Barkas, density-effect and Lindhard-Sorensen corrections, valid\n"
           "                   to 10 GeV/u; or classic, the calculator's fit, as values, report\n"
           "                   and curve always use\n";
}

}  // namespace fenra
