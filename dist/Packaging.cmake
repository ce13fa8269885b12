# `make package` (cpack): one Debian package per install component; the packages, what each
# holds and what each depends on are listed at the top of dist/CMakeLists.txt. The packages of a
# release are built by `make release`, with Debian's hardening flags.

# The Debian revision of this release's packages: version 1.2-1. A new package of the same
# release raises it, with an entry in dist/debian/changelog.
set(FENRA_DEBIAN_REVISION 1)
set(_deb_version ${PROJECT_VERSION}-${FENRA_DEBIAN_REVISION})

# The project has no maintainer address and no web site of its own. The Maintainer field names
# the project at an address that cannot receive mail (.invalid, RFC 2606), and no Homepage is
# given; whoever packages a build puts their own name in DEBFULLNAME and DEBEMAIL (as for dch)
# or in -DFENRA_DEBIAN_MAINTAINER.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
    set(_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(_maintainer "Fenra32 developers <fenra32@example.invalid>")
endif()
set(FENRA_DEBIAN_MAINTAINER "${_maintainer}" CACHE STRING "The packages' Maintainer field")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fenra32)
set(CPACK_PACKAGE_VENDOR "Fenra32 developers")
set(CPACK_PACKAGE_CONTACT "${FENRA_DEBIAN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FENRA_DEBIAN_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${FENRA_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SOURCE fenra32)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Dependencies between the packages name this very version.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS OFF)

# The components dist/CMakeLists.txt installs, each a package.
set(CPACK_COMPONENTS_ALL ${FENRA_PACKAGE_COMPONENTS})

# The descriptions: the first line is the synopsis, the rest the long description.
set(_about_model
    "The stopping is that of one model, the semi-empirical effective-charge\n\
scheme of Ziegler, Biersack and Littmark (1985), with their universal nuclear\n\
stopping for the range; its results are estimates of a few per cent for\n\
protons and helium above 0.1 MeV/u, less certain for heavier ions, compounds\n\
and the lowest energies.")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME fenra32-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DATA_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DATA_DESCRIPTION
    "element data for the Fenra32 stopping power calculator\n\
The element database of Fenra32 (masses, densities and the fitted proton\n\
stopping coefficients of Ziegler, Biersack and Littmark in their 1995\n\
revision), the list of named materials (water, Mylar, Kapton, ... with their\n\
formulas and densities), the sources of every value, the README and an\n\
example target file. fenra32, fenra32-cli and python3-fenra32 read them.")

set(_needs_data "fenra32-data (= ${_deb_version})")
set(CPACK_DEBIAN_CLI_PACKAGE_NAME fenra32-cli)
set(CPACK_DEBIAN_CLI_PACKAGE_DEPENDS "${_needs_data}")
set(CPACK_DEBIAN_CLI_DESCRIPTION
    "stopping power, range and layers of ions in matter, on the command line\n\
fenra32-calc calculates the electronic stopping power of energetic ions in\n\
elements and compounds without a window: the data sets of a Fenra32 target\n\
file with the numbers of the window (values, report, curve), and for an ion\n\
in an element, a formula or a named material the electronic, nuclear and\n\
total stopping, the range, the energy behind a stack of layers, the energy\n\
needed in front of it and the energy for a given range, as a table or CSV.\n\
.\n\
${_about_model}")

if(FENRA_PYTHON)
    # The module's name carries the ABI of the Python it was built for (cpython-311-...): that
    # Python, and no later one, can import it. It calls numpy at run time without linking it.
    math(EXPR _next_minor "${Python3_VERSION_MINOR} + 1")
    set(_py ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR})
    set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-fenra32)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
        "python3 (>= ${_py}), python3 (<< ${Python3_VERSION_MAJOR}.${_next_minor}), \
python3-numpy, ${_needs_data}")
    set(CPACK_DEBIAN_PYTHON_DESCRIPTION
        "stopping power, range and layers of ions in matter, for Python 3\n\
The module fenra32 gives the numbers of the Fenra32 calculator to Python: the\n\
electronic, nuclear and total stopping and the range of an ion in an element,\n\
a formula or a named material, the energy behind a stack of layers, and the\n\
data sets of a target file. A sequence or numpy array of energies gives a\n\
numpy array in one call.\n\
.\n\
${_about_model}")
endif()

if(FENRA_WITH_UI)
    set(_needs "fenra32-cli (= ${_deb_version}), ${_needs_data}")
    set(_with_others "With it come the command line (fenra32-cli), the data (fenra32-data)")
    if(FENRA_PYTHON)
        set(_needs "${_needs}, python3-fenra32 (= ${_deb_version})")
        set(_with_others "${_with_others}\nand the Python module (python3-fenra32).")
    else()
        set(_with_others "${_with_others}.")
    endif()
    set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME fenra32)
    set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "${_needs}")
    set(CPACK_DEBIAN_WINDOW_DESCRIPTION
        "stopping power and range of ions in matter, in a window\n\
Fenra32 calculates how much energy an energetic ion loses per unit of target\n\
it crosses: pick an ion and its energy, describe a target of up to ten\n\
elements (or type a formula or a material name), and read the electronic\n\
stopping power in eV/(1E15 atoms/cm2), keV/(mg/cm2), eV/A and keV/um. Up to\n\
100 cases are calculated together, reported to a file or a printer, exported\n\
as CSV, and followed as the ion slows down, drawn as curves. A range-and-\n\
layers window gives the range and the energy behind each layer of a stack.\n\
.\n\
${_about_model}\n\
.\n\
${_with_others}")
endif()

include(CPack)
