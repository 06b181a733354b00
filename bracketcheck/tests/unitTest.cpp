#include <gtest/gtest.h>

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

struct Verdict {
    std::string text;
    bool expected;
};

TEST(IsValid, Verdicts)
{
    const Verdict cases[] = {
        {"", true},
        {"()", true},
        {"([]){}", true},
        {"{[()()]}", true},
        {"(a)b", true},
        {"ab", true},
        {std::string("(\0)", 3) + ")", false},
        {"([)]", false},
        {")(", false},
        {"(]", false},
        {"((", false},
        {"{a(]}", false},
        {"(())))((", false},
        {"()[]}{", false}, // only the curly brackets fail to pair
        // Odd length is refused whatever the characters.
        {"(", false},
        {"(()", false},
        {"(a)", false},
        {"abc", false},
    };
    for (const Verdict& c : cases) {
        EXPECT_EQ(isValid(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(IsAllRoundBracket, Verdicts)
{
    const Verdict cases[] = {
        {"(())", true},  {"()()", true},  {"()", true},   {"", false},
        {"(()", false},  {"([])", false}, {"(a)", false}, {")(", false},
        {"[()]", false}, {"())(", false}, {"(", false},
    };
    for (const Verdict& c : cases) {
        EXPECT_EQ(isAllRoundBracket(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(Brackets, CallerStringIsLeftAlone)
{
    const std::string text = "{a(])}";
    isValid(text);
    isAllRoundBracket(text);
    EXPECT_EQ(text, "{a(])}");
}

} // namespace
