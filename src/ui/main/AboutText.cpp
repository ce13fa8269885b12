#include "ui/main/AboutText.h"

#include <QCoreApplication>

#include "state/Version.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

// The program's own texts, translatable in the program's context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Fenra32)
};

}  // namespace

QString AboutTitle() {
    return Texts::tr("About %1").arg(ProgramTitle());
}

QString AccuracyStatement() {
    return Texts::tr(
        "The calculator (the main window, its reports and curves, and the values, report and "
        "curve commands of fenra32-calc) gives the electronic stopping only, as it was "
        "designed. Range and layers (the range-and-layers window, the stopping, range and "
        "layers commands of fenra32-calc and the Python module) give the electronic plus the "
        "nuclear stopping, the universal nuclear stopping of the same authors, and the range "
        "from their sum. The electronic stopping is the semi-empirical effective-charge scheme "
        "of Ziegler, Biersack and Littmark. For protons "
        "and helium in the elements its results agree with the NIST PSTAR and ASTAR tables to a "
        "few per cent (over 25 elements, a mean deviation of about 3% from 0.1 to 1 MeV/amu, 2% "
        "from 1 to 10 MeV/amu and 1.4% above); heavier ions, compounds (Bragg's rule, without "
        "chemical or phase corrections) and energies below 25 keV/amu are less certain. Use the "
        "results as estimates, not as reference data.");
}

QString AboutText() {
    return ProgramTitle() + QStringLiteral(" ") + QString::fromLatin1(kReleaseVersion) +
           Texts::tr(
               "\nStopping power and range of ions in matter.\n\n"
               "Copyright (c) 2026 Fenra32 developers. MIT License: free to use, copy, change "
               "and pass on, without warranty.\n\n"
               "Data sources: the element table of TRIM-88, the proton stopping coefficients "
               "of Ziegler, Biersack and Littmark (1985) in their 1995 revision as published "
               "with SRIM-96, Fermi velocities and screening factors as in Geant4 and catima, "
               "and a few missing densities from NIST and other published values. Each value's "
               "source is named in SOURCES.md "
               "(installed in share/doc/fenra32-data).\n\n"
               "Stopping model: classic, the effective-charge fit above, for this window, its "
               "files and its curves. The range-and-layers window can also use the modern "
               "model (the fit joined to Bethe's formula with its corrections above a few "
               "MeV/u).\n\n"
               "Accuracy: ") +
           AccuracyStatement();
}

}  // namespace fenra
