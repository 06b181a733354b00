#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string prompts = "Nhap diem Toan: Nhap diem Ly: Nhap diem Hoa: ";
const std::string retry = "Loi, nhap lai: ";

const Transcript transcripts[] = {
    {"Kem", "0\n0\n0\n", prompts + "kem", 0},
    {"AverageExactlyThreeAndAHalf", "3.5\n3.5\n3.5\n", prompts + "yeu", 0},
    {"TrungBinh", "5\n5\n5\n", prompts + "trung binh", 0},
    {"Kha", "6.5\n6.5\n6.5\n", prompts + "kha", 0},
    {"AverageExactlyEight", "7\n8\n9\n", prompts + "gioi", 0},
    {"XuatSac", "9\n9\n9\n", prompts + "xuat sac", 0},
    {"NoUpperBound", "20\n20\n20\n", prompts + "xuat sac", 0},
    // Toan plus Hoa first, in float: the same marks in another order change the band.
    {"SumJustBelowTwentySeven", "8.9\n8.9\n9.2\n", prompts + "gioi", 0},
    {"SumExactlyTwentySeven", "8.9\n9.2\n8.9\n", prompts + "xuat sac", 0},
    // The average in double gives "kem", and so do the sums (Toan + Ly) + Hoa and
    // (Ly + Hoa) + Toan.
    {"AverageInFloat", "0.2\n8.4\n1.9\n", prompts + "yeu", 0},
    // The sums (Toan + Ly) + Hoa and (Ly + Hoa) + Toan, and the sum times 1 / 3 in float,
    // give "trung binh". Dividing the float sum in double and comparing in double cannot
    // change any band: no quotient lands close enough to a bound for the rounding to cross it.
    {"SumInItsOrder", "2.1\n3.2\n9.7\n", prompts + "yeu", 0},
    {"JustBelowABound", "4.99\n5\n5\n", prompts + "yeu", 0},
    {"NegativeMarkAskedAgain", "-1\n7\n8\n9\n",
     "Nhap diem Toan: " + retry + "Nhap diem Ly: Nhap diem Hoa: gioi", 0},
    {"EachMarkKeepsItsRetries", "7\n-1\n-2\n8\n9\n",
     "Nhap diem Toan: Nhap diem Ly: " + retry + retry + "Nhap diem Hoa: gioi", 0},
    {"NotANumber", "ten\n1e39\n7\n8\n9\n",
     "Nhap diem Toan: " + retry + retry + "Nhap diem Ly: Nhap diem Hoa: gioi", 0},
    {"AllOnOneLine", "7 8 9", prompts + "gioi", 0},
    {"EmptyInput", "", "Nhap diem Toan: ", 1},
    {"InputEndsAtTheLastMark", "7\n8\n", prompts, 1},
    // Once the input has ended, no prompt or retry message is written.
    {"InputEndsWithAMark", "7\n8", "Nhap diem Toan: Nhap diem Ly: ", 1},
    {"InputEndsWithARefusedMark", "7\n8\n-1", prompts, 1},
};

TRANSCRIPT_TESTS(Gradeband, GradebandDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt and retry message must be visible before
// the program waits for its answer.
const Conversation conversations[] = {
    {"ThreePrompts",
     {{"Nhap diem Toan: ", "7\n"}, {"Nhap diem Ly: ", "8\n"}, {"Nhap diem Hoa: ", "9\n"}},
     "gioi",
     0},
    {"RetryOnEachMark",
     {{"Nhap diem Toan: ", "-1\n"},
      {retry, "7\n"},
      {"Nhap diem Ly: ", "ten\n"},
      {retry, "8\n"},
      {"Nhap diem Hoa: ", "-9\n"},
      {retry, "9\n"}},
     "gioi",
     0},
};

CONVERSATION_TESTS(Gradeband, GradebandConversation, conversations);

} // namespace
