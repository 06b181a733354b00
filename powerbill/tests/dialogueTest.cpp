#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string prompt = "Nhap so dien: ";
const std::string retry = "Khong hop le, vui long nhap lai: ";

std::string bill(const std::string& amount)
{
    return "So tien phai tra la: " + amount + " dong";
}

const Transcript transcripts[] = {
    {"Zero", "0\n", prompt + bill("0"), 0},
    {"FirstTier", "20\n", prompt + bill("32648"), 0},
    {"FirstBound", "50\n", prompt + bill("81620"), 0},
    {"JustAboveFirstBound", "50.5\n", prompt + bill("82463.1"), 0},
    {"SecondBound", "100\n", prompt + bill("165935"), 0},
    {"ThirdTier", "120\n", prompt + bill("205227"), 0},
    {"SixthTier", "401\n", prompt + bill("887191"), 0},
    {"MillionInScientificNotation", "450\n", prompt + bill("1.02663e+06"), 0},
    // One consumption per tier whose printed amount changes with any other precision: the
    // tier in double and narrowed once, the factor 1.1 taken as a float, a fused
    // multiply-add, or a narrowing after the subtraction or after the product alone.
    {"PrecisionOfTierOne", "27.08996\n", prompt + bill("44221.6"), 0},
    {"PrecisionOfTierTwo", "57.81762\n", prompt + bill("94802.8"), 0},
    {"PrecisionOfTierThree", "138.3195\n", prompt + bill("241217"), 0},
    {"PrecisionOfTierFour", "272.5584\n", prompt + bill("541338"), 0},
    {"PrecisionOfTierFive", "388.3763\n", prompt + bill("852341"), 0},
    {"PrecisionOfTierSix", "735.2708\n", prompt + bill("1.83842e+06"), 0},
    {"NegativeThenValid", "-3\n120\n", prompt + retry + bill("205227"), 0},
    {"NegativeZeroIsZero", "-0\n", prompt + bill("0"), 0},
    // The largest float consumption whose amount (after the factor 1.1) is still a float,
    // and the next float above it, which is refused.
    {"LargestThatFitsAFloat", "1.19577729e35\n", prompt + bill("3.40282e+38"), 0},
    {"NextAboveIsRefused", "1.19577739e35\n20\n", prompt + retry + bill("32648"), 0},
    {"AmountWouldOverflow", "1.3e35\n3e38\n20\n", prompt + retry + retry + bill("32648"), 0},
    {"NotANumber", "abc\n-\n1e39\nnan\ninf\n20\n",
     prompt + retry + retry + retry + retry + retry + bill("32648"), 0},
    {"RestOfBadLineDiscarded", "x 5\n20\n", prompt + retry + bill("32648"), 0},
    {"NoLineBreakAtTheEnd", "20", prompt + bill("32648"), 0},
    {"EmptyInput", "", prompt, 1},
    {"InputEndsAfterNegative", "-3\n", prompt + retry, 1},
    // Once the input has ended, no retry message is written: nobody is left to answer it.
    {"RefusedLastAnswerWithoutLineBreak", "-3", prompt, 1},
    {"InputEndsInsideBadLine", "abc", prompt, 1},
};

TRANSCRIPT_TESTS(Powerbill, PowerbillDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt and retry message must be visible before
// the program waits for its answer.
const Conversation conversations[] = {
    {"Prompt", {{prompt, "20\n"}}, bill("32648"), 0},
    {"RetryAfterRefusalAndAfterNotANumber",
     {{prompt, "-3\n"}, {retry, "abc\n"}, {retry, "120\n"}},
     bill("205227"),
     0},
    {"InputClosedAtThePrompt", {{prompt, ""}}, "", 1},
};

CONVERSATION_TESTS(Powerbill, PowerbillConversation, conversations);

} // namespace
