// Formulas, their refusals, the list of named materials and the resolution of a material text.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <sstream>

#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "support/MaterialTestData.h"

namespace fenra {
namespace {

std::string Composition(const Material& m) {
    std::ostringstream s;
    for (const MaterialElement& e : m.elements) s << e.symbol << ":" << e.ratio << " ";
    return s.str();
}

// The message and kind of the error a formula is refused with.
std::pair<std::string, ErrorKind> Refusal(const std::string& text) {
    try {
        ParseFormula(text, Db());
    } catch (const PhysicsError& e) {
        return {e.what(), e.Kind()};
    }
    return {"accepted", ErrorKind::CalculationFailed};
}

TEST(Formula, ReadsElementsRatiosAndGroups) {
    EXPECT_EQ(Composition(ParseFormula("H2O", Db())), "H:2 O:1 ");
    EXPECT_EQ(Composition(ParseFormula("SiO2", Db())), "Si:1 O:2 ");
    EXPECT_EQ(Composition(ParseFormula("C10H8O4", Db())), "C:10 H:8 O:4 ");
    EXPECT_EQ(Composition(ParseFormula("Bi4Ge3O12", Db())), "Bi:4 Ge:3 O:12 ");
    EXPECT_EQ(Composition(ParseFormula("Ca(OH)2", Db())), "Ca:1 O:2 H:2 ");
    EXPECT_EQ(Composition(ParseFormula("C1H1.5", Db())), "C:1 H:1.5 ");
    EXPECT_EQ(Composition(ParseFormula("H.5", Db())), "H:0.5 ");
    // An element written twice adds up; groups nest and multiply.
    EXPECT_EQ(Composition(ParseFormula("CH3CH3", Db())), "C:2 H:6 ");
    EXPECT_EQ(Composition(ParseFormula("Al2(SO4)3", Db())), "Al:2 S:3 O:12 ");
    EXPECT_EQ(Composition(ParseFormula("K((CN)2)3", Db())), "K:1 C:6 N:6 ");
    EXPECT_EQ(ParseFormula("H2O", Db()).density, 0);
}

// Ratios are C notation whatever the locale: with a comma as decimal mark strtod read
// "0.000713" as 0 and refused the named material air.
TEST(Formula, ReadsDecimalRatiosWhateverTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
    const std::string read = Composition(ParseFormula("C0.000713N3.7", Db()));
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(read, "C:0.000713 N:3.7 ");
}

TEST(Formula, RefusesEachMalformedTextPointingAtIt) {
    using P = std::pair<std::string, ErrorKind>;
    const ErrorKind bad = ErrorKind::BadValue, unknown = ErrorKind::UnknownName;
    EXPECT_EQ(Refusal("H2O)"), P("the formula \"H2O)\" has an unmatched ')' at character 4", bad));
    EXPECT_EQ(Refusal("2H"),
              P("the formula \"2H\" has '2' where an element symbol or '(' must stand at "
                "character 1",
                bad));
    EXPECT_EQ(
        Refusal("Xx3"),
        P("the formula \"Xx3\" has the unknown element symbol \"Xx\" at character 1", unknown));
    EXPECT_EQ(Refusal("Ca(OH2"),
              P("the formula \"Ca(OH2\" has an unmatched '(' at character 3", bad));
    EXPECT_EQ(Refusal("H()"), P("the formula \"H()\" has an empty group at character 2", bad));
    EXPECT_EQ(Refusal(""), P("the formula \"\" is empty", bad));
    EXPECT_EQ(Refusal("H0"),
              P("the formula \"H0\" has the ratio 0, not above 0 at character 2", bad));
    EXPECT_EQ(Refusal("H."), P("the formula \"H.\" has a '.' without digits at character 2", bad));
    EXPECT_EQ(Refusal("H2 O"),
              P("the formula \"H2 O\" has ' ' where an element symbol or '(' must stand at "
                "character 3",
                bad));
    EXPECT_EQ(Refusal("HHeLiBeBCNOFNeNa"),
              P("the formula \"HHeLiBeBCNOFNeNa\" has more than 10 elements: the 11th is "
                "\"Na\"",
                bad));
    // Ten elements are fine.
    EXPECT_EQ(ParseFormula("HHeLiBeBCNOFNe", Db()).elements.size(), 10u);
}

TEST(Density, RefusesWhatIsNotAPositiveFiniteNumber) {
    for (double d : {0.0, -1.0, double(NAN), double(INFINITY)}) {
        try {
            CheckDensity(d, "--density");
            ADD_FAILURE() << d;
        } catch (const PhysicsError& e) {
            EXPECT_STREQ(e.what(), "--density is not a positive finite density in g/cm3");
            EXPECT_EQ(e.Kind(), ErrorKind::BadValue);
        }
    }
    EXPECT_NO_THROW(CheckDensity(1e-5, "--density"));
}

TEST(MaterialList, HasTheNamedMaterialsWithSourcesAndDensities) {
    const char* names[] = {
        "water",         "air",    "mylar", "kapton", "pmma",         "polyethylene", "polystyrene",
        "polypropylene", "teflon", "cr39",  "quartz", "fused-silica", "sapphire",     "lif",
        "csi",           "nai",    "bgo",   "gaas",   "sic",          "si3n4",        "caf2"};
    for (const char* n : names) EXPECT_NE(List().Find(n), nullptr) << n;
    EXPECT_GE(List().Entries().size(), 30u);
    std::ifstream notes(std::string(FENRA_SOURCE_DIR) + "/data/MATERIALS.md");
    std::stringstream text;
    text << notes.rdbuf();
    for (const NamedMaterial& m : List().Entries()) {
        EXPECT_GT(m.density, 0) << m.name;
        EXPECT_NE(text.str().find("| " + m.source + " |"), std::string::npos) << m.source;
    }
    const NamedMaterial* mylar = List().Find("MyLaR");
    ASSERT_NE(mylar, nullptr);
    EXPECT_EQ(mylar->formula, "C10H8O4");
    EXPECT_EQ(mylar->density, 1.4);
}

TEST(MaterialList, RefusesABadFile) {
    const std::string path = testing::TempDir() + "materials_bad.csv";
    auto refusal = [&](const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
        try {
            MaterialList::Load(path, Db());
        } catch (const PhysicsError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal("Name,Formula\n"),
              path + ", line 1: the header is not Name,Formula,Density,Source");
    EXPECT_EQ(refusal("Name,Formula,Density,Source\nx,H2O,-1,S\n"),
              path + ", line 2: the density \"-1\" is not a positive number");
    EXPECT_EQ(
        refusal("Name,Formula,Density,Source\nx,H2Q,1,S\n"),
        path + ", line 2: the formula \"H2Q\" has the unknown element symbol \"Q\" at character 3");
    EXPECT_EQ(refusal("Name,Formula,Density,Source\nx,H2O,1,S\nX,H2O,1,S\n"),
              path + ", line 3: the name \"X\" is listed twice");
    EXPECT_EQ(refusal("Name,Formula,Density,Source\nSi,Si,2.3,S\n"),
              path + ", line 2: the name \"Si\" is an element symbol");
    EXPECT_EQ(refusal("Name,Formula,Density,Source\nx,H2O,1\n"),
              path + ", line 2: not Name,Formula,Density,Source");
}

TEST(ResolveMaterial, SymbolThenNameThenFormula) {
    const Material si = ResolveMaterial("Si", Db(), List());
    EXPECT_EQ(Composition(si), "Si:1 ");
    // The element table's atomic density and natural mass: 4.994E22 atoms/cm3 of 28.086 amu.
    const ElementRecord* r = Db().FindElementBySymbol("Si");
    EXPECT_NEAR(si.density, r->AtomDensity * 1e22 * r->NatMass / 6.022045e23, 1e-12);
    EXPECT_NEAR(AtomsPerCm3(si, Db()) / (r->AtomDensity * 1e22), 1, 1e-12);

    const Material water = ResolveMaterial("Water", Db(), List());
    EXPECT_EQ(Composition(water), "H:2 O:1 ");
    EXPECT_EQ(water.density, 1);
    EXPECT_EQ(water.name, "water");
    EXPECT_EQ(ResolveMaterial("SIC", Db(), List()).density, 3.21);

    const Material h2o = ResolveMaterial("H2O", Db(), List());
    EXPECT_EQ(Composition(h2o), "H:2 O:1 ");
    EXPECT_EQ(h2o.density, 0);
    EXPECT_EQ(AtomsPerCm3(h2o, Db()), 0);

    try {
        ResolveMaterial("unobtainium", Db(), List());
        ADD_FAILURE();
    } catch (const PhysicsError& e) {
        EXPECT_EQ(e.Kind(), ErrorKind::UnknownName);
        EXPECT_STREQ(e.what(),
                     "the material \"unobtainium\" is neither an element symbol, a formula nor a "
                     "listed material");
    }
}

TEST(ResolveMaterial, MeanAtomicMassWeighsByRatio) {
    const Material m = ParseFormula("H2O", Db());
    const double mH = Db().FindElementBySymbol("H")->NatMass;
    const double mO = Db().FindElementBySymbol("O")->NatMass;
    EXPECT_DOUBLE_EQ(MeanAtomicMass(m, Db()), (2 * mH + mO) / 3);
}

}  // namespace
}  // namespace fenra
