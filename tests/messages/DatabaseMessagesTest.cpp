// The sentences of the element database and of the search for it, and the names of what a
// path holds when it is no regular file: every id has a template taking its values, and the
// sentences read word for word as fenra32-calc prints them.

#include <gtest/gtest.h>

#include <string>

#include "messages/DatabaseMessages.h"
#include "messages/PathKindMessages.h"
#include "messages/TemplateCheck.h"

namespace fenra {
namespace {

class DatabaseTemplateTest : public ::testing::TestWithParam<int> {};

TEST_P(DatabaseTemplateTest, HasATextTakingItsValues) {
    ExpectTemplateTakesItsValues(static_cast<DatabaseText>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(DatabaseMessages, DatabaseTemplateTest,
                         ::testing::Range(0, static_cast<int>(DatabaseText::Count)));

TEST(DatabaseMessages, CountHasNoTemplate) {
    EXPECT_EQ(TemplateOf(DatabaseText::Count), nullptr);
    EXPECT_EQ(ArgumentCount(DatabaseText::Count), 0);
}

struct KindCase {
    PathKind kind;
    const char* words;
};

class PathKindNameTest : public ::testing::TestWithParam<KindCase> {};

// Each name is a template of its own, so that the window translates it inside its sentence.
TEST_P(PathKindNameTest, IsATranslatableName) {
    const Message name = PathKindName(GetParam().kind);
    ASSERT_NE(name.text, nullptr);
    EXPECT_STREQ(name.text, GetParam().words);
    EXPECT_EQ(
        Words(Sentence(DatabaseText::NotRegular, {Value("/x"), name})),
        std::string("Element database \"/x\" is ") + GetParam().words + ", not a regular file.");
}

INSTANTIATE_TEST_SUITE_P(DatabaseMessages, PathKindNameTest,
                         ::testing::Values(KindCase{PathKind::Folder, "a folder"},
                                           KindCase{PathKind::Fifo, "a FIFO"},
                                           KindCase{PathKind::Device, "a device"},
                                           KindCase{PathKind::Socket, "a socket"},
                                           KindCase{PathKind::Other, "not a regular file"}));

TEST(DatabaseMessages, ARegularFileHasNoName) {
    EXPECT_TRUE(PathKindName(PathKind::Regular).Empty());
}

// A sentence inside a sentence, as the database reader builds them.
TEST(DatabaseMessages, APlaceInsideAReason) {
    const Message place =
        Sentence(DatabaseText::ValuePlace, {Value("/d/F.mdb"), Value("PCoef"), Value("PCoef2"),
                                            Sentence(DatabaseText::AtomNum, {Value("7")})});
    EXPECT_EQ(Words(Sentence(DatabaseText::ValueEmpty, {place})),
              "\"/d/F.mdb\": table \"PCoef\", column \"PCoef2\" of AtomNum 7 is empty.");
    EXPECT_EQ(
        Words(Sentence(DatabaseText::NotADatabase,
                       {Value("/d/F.mdb"), Sentence(DatabaseText::LargerThan, {Value("64")})})),
        "\"/d/F.mdb\" is not an element database: it is larger than 64 MB.");
}

}  // namespace
}  // namespace fenra
