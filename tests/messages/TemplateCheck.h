#pragma once
// The check every table of sentence templates passes: each id has a template, its placeholders
// are %1..%n for the n values it takes, and the values are put in their places.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "messages/Message.h"

namespace fenra {

// The highest placeholder %n of a template, and whether %1..%n each occur.
struct Placeholders {
    int highest = 0;
    std::vector<bool> seen = std::vector<bool>(10, false);
};

inline Placeholders PlaceholdersOf(const std::string& text) {
    Placeholders p;
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        if (text[k] != '%' || text[k + 1] < '1' || text[k + 1] > '9') continue;
        const int n = text[k + 1] - '0';
        p.seen[static_cast<std::size_t>(n)] = true;
        p.highest = std::max(p.highest, n);
    }
    return p;
}

// Id is PhysicsText or DatabaseText: TemplateOf, ArgumentCount and Sentence of it are found by
// argument-dependent lookup.
template <typename Id>
void ExpectTemplateTakesItsValues(Id id) {
    const char* text = TemplateOf(id);
    ASSERT_NE(text, nullptr) << "id " << static_cast<int>(id) << " has no template";
    ASSERT_STRNE(text, "");
    const Placeholders p = PlaceholdersOf(text);
    EXPECT_EQ(p.highest, ArgumentCount(id)) << text;
    for (int n = 1; n <= p.highest; ++n) EXPECT_TRUE(p.seen[static_cast<std::size_t>(n)]) << text;

    std::vector<Message> args;
    for (int n = 1; n <= ArgumentCount(id); ++n)
        args.push_back(Value("<" + std::to_string(n) + ">"));
    const std::string said = Words(Sentence(id, args));
    for (int n = 1; n <= ArgumentCount(id); ++n)
        EXPECT_NE(said.find("<" + std::to_string(n) + ">"), std::string::npos) << said;
    EXPECT_TRUE(PlaceholdersOf(said).highest == 0) << said;
}

}  // namespace fenra
