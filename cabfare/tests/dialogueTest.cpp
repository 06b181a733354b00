#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string prompt = "Nhap so km: ";
const std::string retry = "Khong hop le, vui long nhap lai: ";

std::string fare(const std::string& amount)
{
    return "Gia taxi la: " + amount + " dong";
}

const Transcript transcripts[] = {
    {"Zero", "0\n", prompt + fare("0"), 0},
    {"HalfKilometre", "0.5\n", prompt + fare("7500"), 0},
    {"FirstKilometre", "1\n", prompt + fare("15000"), 0},
    {"SecondBand", "2.5\n", prompt + fare("35250"), 0},
    {"FiveKilometres", "5\n", prompt + fare("69000"), 0},
    {"ThirdBand", "10\n", prompt + fare("124000"), 0},
    {"BelowAMillion", "89\n", prompt + fare("993000"), 0},
    {"MillionInScientificNotation", "90\n", prompt + fare("1.004e+06"), 0},
    {"LastUnreducedDistance", "120\n", prompt + fare("1.334e+06"), 0},
    {"ReductionApplies", "120.5\n", prompt + fare("1.20555e+06"), 0},
    {"ReducedFare", "121\n", prompt + fare("1.2105e+06"), 0},
    // One distance per band whose printed fare changes with any other precision: the band
    // in double and narrowed once, a fused multiply-add, a narrowing after the subtraction
    // alone, the factor 0.9 taken as a float. Band 1 is one product, exact in double.
    {"PrecisionOfBandTwo", "2.764063\n", prompt + fare("38814.9"), 0},
    {"PrecisionOfBandThree", "23.16868\n", prompt + fare("268856"), 0},
    {"PrecisionOfBandFour", "766.0187\n", prompt + fare("7.59619e+06"), 0},
    {"NegativeIsRefused", "-2\n0.5\n", prompt + retry + fare("7500"), 0},
    {"NegativeZeroIsZero", "-0\n", prompt + fare("0"), 0},
    {"LongestThatFitsAFloat", "3e34\n", prompt + fare("2.97e+38"), 0},
    // The longest float distance whose fare is still a float, and the next one, refused.
    {"LongestFloatDistance", "3.09347574e34\n", prompt + fare("3.06254e+38"), 0},
    {"NextAboveIsRefused", "3.09347598e34\n1\n", prompt + retry + fare("15000"), 0},
    {"FareWouldOverflow", "1e35\n1\n", prompt + retry + fare("15000"), 0},
    {"NotANumber", "km\n+\n1e39\n5\n", prompt + retry + retry + retry + fare("69000"), 0},
    {"EmptyInput", "", prompt, 1},
    {"InputEndsAfterNegative", "-1\n", prompt + retry, 1},
    // Once the input has ended, no retry message is written: nobody is left to answer it.
    {"RefusedLastAnswerWithoutLineBreak", "-1", prompt, 1},
};

TRANSCRIPT_TESTS(Cabfare, CabfareDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt and retry message must be visible before
// the program waits for its answer.
const Conversation conversations[] = {
    {"Prompt", {{prompt, "2.5\n"}}, fare("35250"), 0},
    {"RetryAfterRefusalAndAfterNotANumber",
     {{prompt, "-2\n"}, {retry, "km\n"}, {retry, "5\n"}},
     fare("69000"),
     0},
};

CONVERSATION_TESTS(Cabfare, CabfareConversation, conversations);

} // namespace
