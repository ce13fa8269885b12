// Hostile material texts and lists: limits that are named, positions counted in characters, and
// lists that are no regular file or hold many entries.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "support/MaterialTestData.h"

namespace fenra {
namespace {

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += s;
    return out;
}

std::string Refusal(const std::string& text) {
    try {
        ParseFormula(text, Db());
    } catch (const PhysicsError& e) {
        return e.what();
    }
    return "accepted";
}

struct LimitCase {
    const char* name;
    std::string text;
    std::string message;  // "accepted" when the text is within the limits
};

class FormulaLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(FormulaLimits, AreNamedInTheMessage) {
    EXPECT_EQ(Refusal(GetParam().text), GetParam().message);
}

const std::string kDeep32 = Repeat("(", 32) + "H" + Repeat(")", 32);
const std::string kDeep33 = Repeat("(", 33) + "H" + Repeat(")", 33);
const std::string kDeep40000 = Repeat("(", 40000) + "H" + Repeat(")", 40000);
const std::string kFirst60Parens = Repeat("(", 60) + "...";
const std::string kTerms200 = Repeat("H", 200);
const std::string kTerms201 = Repeat("H", 201);

INSTANTIATE_TEST_SUITE_P(
    Material, FormulaLimits,
    ::testing::Values(
        LimitCase{"ThirtyTwoLevels", kDeep32, "accepted"},
        LimitCase{"ThirtyThreeLevels", kDeep33,
                  "the formula \"" + Repeat("(", 33) + "H" + Repeat(")", 26) +
                      "...\" nests groups deeper than 32 levels at character 33"},
        LimitCase{"FortyThousandLevels", kDeep40000,
                  "the formula \"" + kFirst60Parens + "\" is longer than 1000 characters"},
        LimitCase{"TwoHundredTerms", kTerms200, "accepted"},
        LimitCase{"TwoHundredAndOneTerms", kTerms201,
                  "the formula \"" + Repeat("H", 60) +
                      "...\" has more than 200 element symbols and groups at character 201"},
        LimitCase{"ThousandCharacters", "H1." + Repeat("0", 997), "accepted"},
        LimitCase{"ThousandAndOneCharacters", "H1." + Repeat("0", 998),
                  "the formula \"H1." + Repeat("0", 57) + "...\" is longer than 1000 characters"},
        LimitCase{"OverflowingRatio", "H1" + Repeat("0", 400),
                  "the formula \"H1" + Repeat("0", 58) + "...\" has the ratio 1" + Repeat("0", 59) +
                      "..., beyond the numbers it can hold at character 2"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CharacterCase {
    const char* name;
    std::string text;
    std::string message;
};

class FormulaCharacters : public ::testing::TestWithParam<CharacterCase> {};

// Positions count characters, a character is quoted whole, and a NUL is shown, not cut.
TEST_P(FormulaCharacters, AreQuotedWholeAndCountedAsCharacters) {
    EXPECT_EQ(Refusal(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Material, FormulaCharacters,
    ::testing::Values(
        CharacterCase{"Subscript", "Si\u2082",
                      "the formula \"Si\u2082\" has '\u2082' where an element symbol or '(' must "
                      "stand at character 3"},
        CharacterCase{"AfterAnAccent", "\u00c5Si",
                      "the formula \"\u00c5Si\" has '\u00c5' where an element symbol or '(' must "
                      "stand at character 1"},
        CharacterCase{"UnknownAfterUnicode", "(H\u2082)Qq",
                      "the formula \"(H\u2082)Qq\" has '\u2082' where an element symbol or '(' "
                      "must stand at character 3"},
        CharacterCase{"Nul", std::string("H\0O", 3),
                      "the formula \"H\\x00O\" has '\\x00' where an element symbol or '(' must "
                      "stand at character 2"},
        CharacterCase{"Emoji", "H2O\U0001F600",
                      "the formula \"H2O\U0001F600\" has '\U0001F600' where an element symbol "
                      "or '(' must stand at character 4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaterialCharacters, CountsCodePoints) {
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("H2O"), 3u);
    EXPECT_EQ(CharacterCount("\u00c5\u2082\U0001F600"), 3u);
    EXPECT_EQ(TextForMessage(Repeat("\u00c5", 61)), Repeat("\u00c5", 60) + "...");
}

// A density beyond any solid would make the atoms per cm3 overflow and a length read as 0.
TEST(MaterialDensity, IsRefusedAboveTheDensestSolid) {
    EXPECT_NO_THROW(CheckDensity(1000, "--density"));
    for (double d : {1000.5, 1e300}) {
        try {
            CheckDensity(d, "--density \"x\"");
            ADD_FAILURE() << d;
        } catch (const PhysicsError& e) {
            EXPECT_EQ(e.Kind(), ErrorKind::BadValue);
            EXPECT_STREQ(e.what(), "--density \"x\" is above 1000 g/cm3, denser than any solid");
        }
    }
}

class MaterialListFile : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = testing::TempDir() + "materials_" + std::to_string(::getpid()) + ".csv";
        ::unlink(path_.c_str());
    }
    void TearDown() override { ::unlink(path_.c_str()); }

    std::pair<std::string, ErrorKind> Refusal() const {
        try {
            MaterialList::Load(path_, Db());
        } catch (const PhysicsError& e) {
            return {e.what(), e.Kind()};
        }
        return {"accepted", ErrorKind::BadValue};
    }

    std::string path_;
};

// A FIFO would block the reading for ever: refused at once, as a file problem.
TEST_F(MaterialListFile, FifoIsRefusedWithoutBlocking) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    const auto [message, kind] = Refusal();
    EXPECT_EQ(message,
              "cannot read the material list " + path_ + ": it is a FIFO, not a regular file");
    EXPECT_EQ(kind, ErrorKind::UnreadableFile);
}

TEST_F(MaterialListFile, MissingFileIsAFileProblem) {
    const auto [message, kind] = Refusal();
    EXPECT_EQ(message, "cannot read the material list " + path_ + ": No such file or directory");
    EXPECT_EQ(kind, ErrorKind::UnreadableFile);
}

TEST_F(MaterialListFile, LargerThanItsLimitIsRefused) {
    {
        std::ofstream out(path_, std::ios::binary);
        out << "Name,Formula,Density,Source\n";
        const std::string line = "m,H2O,1," + std::string(1000, 's') + "\n";
        for (long long n = 0; n <= kMaxMaterialListBytes / 1000; ++n) out << line;
    }
    const auto [message, kind] = Refusal();
    EXPECT_EQ(message, "the material list " + path_ + " is larger than 32 MB");
    EXPECT_EQ(kind, ErrorKind::UnreadableFile);
}

// A line of the list whose formula is beyond the parser's limits is the list's fault, named by
// its line, as a file problem: never a crash, whatever the depth.
TEST_F(MaterialListFile, AFormulaBeyondTheLimitsIsRefusedWithItsLine) {
    const struct {
        std::string formula;
        std::string why;
    } rows[] = {
        {kDeep33, "the formula \"" + Repeat("(", 33) + "H" + Repeat(")", 26) +
                      "...\" nests groups deeper than 32 levels at character 33"},
        {kDeep40000, "the formula \"" + kFirst60Parens + "\" is longer than 1000 characters"},
    };
    for (const auto& row : rows) {
        {
            std::ofstream out(path_, std::ios::binary);
            out << "Name,Formula,Density,Source\nwater,H2O,1,S\ndeep," << row.formula << ",1,S\n";
        }
        const auto [message, kind] = Refusal();
        EXPECT_EQ(message, path_ + ", line 3: " + row.why);
        EXPECT_EQ(kind, ErrorKind::UnreadableFile);
    }
}

// Names are found by a hash of their lower-case spelling: duplicates in any case, far apart in
// a long list, are still found, and every name of the list is found again.
TEST_F(MaterialListFile, FindsDuplicatesAndNamesInALongList) {
    constexpr int kEntries = 20000;
    auto write = [&](const std::string& last) {
        std::ofstream out(path_, std::ios::binary);
        out << "Name,Formula,Density,Source\n";
        for (int k = 0; k < kEntries; ++k) out << "mat" << k << ",H2O,1,S\n";
        out << last;
    };
    write("");
    const MaterialList list = MaterialList::Load(path_, Db());
    ASSERT_EQ(list.Entries().size(), static_cast<std::size_t>(kEntries));
    for (int k = 0; k < kEntries; k += 997) {
        const NamedMaterial* m = list.Find("MAT" + std::to_string(k));
        ASSERT_NE(m, nullptr) << k;
        EXPECT_EQ(m->name, "mat" + std::to_string(k));
    }
    EXPECT_EQ(list.Find("mat" + std::to_string(kEntries)), nullptr);

    write("Mat0,H2O,1,S\n");
    const auto [message, kind] = Refusal();
    EXPECT_EQ(message, path_ + ", line " + std::to_string(kEntries + 2) +
                           ": the name \"Mat0\" is listed twice");
    EXPECT_EQ(kind, ErrorKind::UnreadableFile);
}

}  // namespace
}  // namespace fenra
