// Sentences as templates and values: the one-pass filling both the English and the windows use.

#include <gtest/gtest.h>

#include "messages/Message.h"
#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

struct FillCase {
    const char* text;
    std::vector<std::string> args;
    const char* filled;
};

class FillPlaceholdersTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillPlaceholdersTest, FillsEachPlaceholderOnce) {
    const FillCase& c = GetParam();
    EXPECT_EQ(FillPlaceholders(c.text, c.args), c.filled);
}

INSTANTIATE_TEST_SUITE_P(Message, FillPlaceholdersTest,
                         ::testing::Values(FillCase{"no placeholder", {"a"}, "no placeholder"},
                                           FillCase{"%1 and %2", {"a", "b"}, "a and b"},
                                           FillCase{"%2 before %1", {"a", "b"}, "b before a"},
                                           // A value holding a placeholder is shown as it is.
                                           FillCase{"%1: %2", {"%2", "%1"}, "%2: %1"},
                                           // A placeholder without a value, a lone % and %0 stay.
                                           FillCase{"%1 %3 % %0 100%", {"a"}, "a %3 % %0 100%"},
                                           FillCase{"%1%1", {"x"}, "xx"}, FillCase{"", {}, ""}));

TEST(Message, NestedSentencesAreWordedInside) {
    const Message m = Sentence("Cannot write %1: %2", {Value("/d/%1"), Sentence("write error")});
    EXPECT_EQ(Words(m), "Cannot write /d/%1: write error");
    EXPECT_TRUE(Message{}.Empty());
    EXPECT_EQ(Words(Message{}), "");
    EXPECT_FALSE(Value("x").Empty());
}

TEST(Message, FixedSentencesAreTheirOwnEnglish) {
    EXPECT_EQ(Words(InvalidElementSentence(4, "Xyz")), "Invalid element !! (line 4: \"Xyz\")");
    EXPECT_STREQ(kInvalidElementMessage, "Invalid element !!");
    EXPECT_STREQ(kNoCalculationMessage, "No calculation was made.");
    EXPECT_STREQ(kTargetEmptyMessage, "Target is empty.");
}

}  // namespace
}  // namespace fenra
