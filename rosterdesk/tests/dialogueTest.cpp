#include <gtest/gtest.h>

#include <chrono>

#include "conversation.h"
#include "runProgram.h"
#include "transcript.h"

namespace {

const std::string menu = "What part of staff you want to save information\n"
                         "1. Manager\n"
                         "2. Programmer\n"
                         "3. Designer\n"
                         "4. Tester\n"
                         "Type here: ";
const std::string again = "Do you want to do again('y' for yes and 'n' for no): ";
const std::string common = "Name: Day of birth: ID: Address: He so luong: Started Day: ";
const std::string nothingSaved = "\nNo record was saved\n";

// Six answers for the common fields: name, day of birth, ID, address, coefficient, start.
std::string answers(const std::string& name, const std::string& id)
{
    return name + "\n01/01/90\n" + id + "\n5 Elm Road\n2.5\n01/05/20\n";
}

const Transcript transcripts[] = {
    {"ManagerPass", "1\n" + answers("Ann", "S01") + "n\n",
     menu + common + again + "\nManager \"Ann\", ID \"S01\", salary 17.5\n", 0},
    {"EachRoleWithItsFigure",
     "1\n" + answers("M", "1") + "y\n2\n" + answers("P", "2") + "10\ny\n3\n" + answers("D", "3") +
         "3\ny\n4\n" + answers("T", "4") + "3\nn\n",
     menu + common + again + menu + common + "Overtime: " + again + menu + common +
         "Bonus: " + again + menu + common + "Error found: " + again +
         "\nManager \"M\", ID \"1\", salary 17.5\n"
         "Programmer \"P\", ID \"2\", salary 18.5\n"
         "Designer \"D\", ID \"3\", salary 20.5\n"
         "Tester \"T\", ID \"4\", salary 17.8\n",
     0},
    {"ChoiceOutsideTheMenu", "5\nn\n", menu + "DON'T EXIST\n" + again + nothingSaved, 0},
    {"ZeroAndNegativeChoices", "0\ny\n-1\nn\n",
     menu + "DON'T EXIST\n" + again + menu + "DON'T EXIST\n" + again + nothingSaved, 0},
    {"UpperCaseYEnds", "5\nY\n", menu + "DON'T EXIST\n" + again + nothingSaved, 0},
    {"AnyOtherAnswerEnds", "5\nx\n", menu + "DON'T EXIST\n" + again + nothingSaved, 0},
    // Only the first character answers: "es" meets the next choice read, which is not a
    // number, so its line is discarded and "Type here: " is written again.
    {"YesTakesOnlyItsY", "5\nyes\n5\nno\n",
     menu + "DON'T EXIST\n" + again + menu + "Type here: DON'T EXIST\n" + again + nothingSaved, 0},
    // What follows the y on its line is the next choice.
    {"ChoiceOnTheAnswerLine", "5\ny5\nn\n",
     menu + "DON'T EXIST\n" + again + menu + "DON'T EXIST\n" + again + nothingSaved, 0},
    {"BlankAfterChoiceIsTheDiscardedCharacter", "1 Ann\n01/01/90\nS01\nRoad\n1\nday\nn\n",
     menu + common + again + "\nManager \"Ann\", ID \"S01\", salary 7\n", 0},
    {"CoefficientAndStartOnOneLine", "1\nAnn\nd\nS01\na\n2.5 x\nn\n",
     menu + common + again + "\nManager \"Ann\", ID \"S01\", salary 17.5\n", 0},
    {"PointAfterErrorCountEndsTheLoop", "4\n" + answers("T", "4") + "3.7\n5\n",
     menu + common + "Error found: " + again + "\nTester \"T\", ID \"4\", salary 17.8\n", 0},
    {"FigureOnTheAnswerLine", "4\n" + answers("T", "4") + "3 n\n",
     menu + common + "Error found: " + again + "\nTester \"T\", ID \"4\", salary 17.8\n", 0},
    {"ChoiceThatIsNotANumber", "two\n-\n99999999999\n5\nn\n",
     menu + "Type here: Type here: Type here: DON'T EXIST\n" + again + nothingSaved, 0},
    {"FigureThatIsNotANumber", "2\n" + answers("P", "2") + "ten hours\n10\nn\n",
     menu + common + "Overtime: Overtime: " + again + "\nProgrammer \"P\", ID \"2\", salary 18.5\n",
     0},
    {"CoefficientThatIsNotANumber", "3\nD\nd\n3\na\nabc\n1e39\n2.5\ns\n3\nn\n",
     menu +
         "Name: Day of birth: ID: Address: He so luong: He so luong: He so luong: "
         "Started Day: Bonus: " +
         again + "\nDesigner \"D\", ID \"3\", salary 20.5\n",
     0},
    {"EmptyInput", "", menu + nothingSaved, 0},
    {"InputEndsAtTheAgainQuestion", "5\n", menu + "DON'T EXIST\n" + again + nothingSaved, 0},
    {"InputEndsInsideARecord", "1\n" + answers("M", "1") + "y\n4\nT\nd\n",
     menu + common + again + menu +
         "Name: Day of birth: ID: " + "\nManager \"M\", ID \"1\", salary 17.5\n",
     0},
    {"InputEndsAfterABadFigure", "2\n" + answers("P", "2") + "lots",
     menu + common + "Overtime: " + nothingSaved, 0},
    // Once the input has ended, no prompt is written; a last answer still counts.
    {"LastAnswerWithoutLineBreak", "4\n" + answers("T", "4") + "3",
     menu + common + "Error found: " + "\nTester \"T\", ID \"4\", salary 17.8\n", 0},
    {"InputEndsWithTheChoice", "1", menu + nothingSaved, 0},
    {"InputEndsWithAChoiceOutsideTheMenu", "5", menu + "DON'T EXIST\n" + nothingSaved, 0},
    {"InputEndsWithTheCoefficient", "1\nAnn\nd\nS01\na\n2.5",
     menu + "Name: Day of birth: ID: Address: He so luong: " + nothingSaved, 0},
    {"NegativeZeroSalaryIsZero", "1\nZ\nd\nZ1\na\n-0\ns\nn\n",
     menu + common + again + "\nManager \"Z\", ID \"Z1\", salary 0\n", 0},
    // One record per role whose printed salary changes with any other precision: for the
    // programmer and the tester, wholly in float, wholly in double narrowed once, or the
    // pay narrowed before the sum; for the designer, in double narrowed once or a fused
    // multiply-add. A manager's salary is one product of two floats, exact in double, so
    // no other precision can change it.
    {"PrecisionOfEachRole",
     "2\nP\nd\n2\na\n1.184962\ns\n66.70016\ny\n3\nD\nd\n3\na\n4.819624\ns\n49.44298\ny\n"
     "4\nT\nd\n4\na\n6.247636\ns\n533\nn\n",
     menu + common + "Overtime: " + again + menu + common + "Bonus: " + again + menu + common +
         "Error found: " + again +
         "\nProgrammer \"P\", ID \"2\", salary 14.9647\n"
         "Designer \"D\", ID \"3\", salary 83.1803\n"
         "Tester \"T\", ID \"4\", salary 97.0335\n",
     0},
    {"SalaryTooLargeToShow", "1\nBig\nd\nB1\na\n3e38\ns\nn\n",
     menu + common + again + "\nManager \"Big\", ID \"B1\", salary out of range\n", 0},
};

TRANSCRIPT_TESTS(Rosterdesk, RosterdeskDialogue, transcripts);

// A scripted session of many records is handled in time linear in its length: the run
// must end well inside the time limit and keep every record in entry order.
TEST(RosterdeskSession, ManyRecordsPipedIn)
{
    constexpr int records = 40000;
    std::string input;
    std::string expectedSummary;
    for (int i = 0; i < records; ++i) {
        const std::string id = std::to_string(i);
        input += "4\n" + answers("T", id) + "3\n" + (i + 1 < records ? "y\n" : "n\n");
        expectedSummary += "Tester \"T\", ID \"" + id + "\", salary 17.8\n";
    }
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runProgram(PROGRAM_PATH, input, std::chrono::seconds(60));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.output.size(), expectedSummary.size());
    EXPECT_EQ(run.output.substr(run.output.size() - expectedSummary.size()), expectedSummary);
    RecordProperty("seconds", std::to_string(seconds.count()));
}

// Answer by answer, as at a terminal: the menu, each of the six common prompts, each role
// figure and the again-question must be visible before the program waits for its answer.
std::vector<Turn> commonTurns(const std::string& name, const std::string& id)
{
    return {{"Name: ", name + "\n"},    {"Day of birth: ", "01/01/90\n"},
            {"ID: ", id + "\n"},        {"Address: ", "5 Elm Road\n"},
            {"He so luong: ", "2.5\n"}, {"Started Day: ", "01/05/20\n"}};
}

std::vector<Turn> recordTurns(const std::string& choice, const std::string& name,
                              const std::string& id, const Turn& figure, const std::string& ans)
{
    std::vector<Turn> turns = {{menu, choice + "\n"}};
    for (const Turn& turn : commonTurns(name, id)) {
        turns.push_back(turn);
    }
    if (!figure.prompt.empty()) {
        turns.push_back(figure);
    }
    turns.push_back({again, ans + "\n"});
    return turns;
}

std::vector<Turn> everyRole()
{
    std::vector<Turn> turns;
    for (const auto& record :
         {recordTurns("1", "M", "1", {}, "y"),
          recordTurns("2", "P", "2", {"Overtime: ", "10\n"}, "y"),
          recordTurns("3", "D", "3", {"Bonus: ", "3\n"}, "y"),
          recordTurns("4", "T", "4", {"Error found: ", "3\n"}, "y"),
          std::vector<Turn>{{menu, "5\n"}, {"DON'T EXIST\n" + again, "n\n"}}}) {
        turns.insert(turns.end(), record.begin(), record.end());
    }
    return turns;
}

std::vector<Turn> promptsAgainAfterNotANumber()
{
    return {{menu, "two\n"},
            {"Type here: ", "1\n"},
            {"Name: ", "Ann\n"},
            {"Day of birth: ", "d\n"},
            {"ID: ", "S01\n"},
            {"Address: ", "a\n"},
            {"He so luong: ", "abc\n"},
            {"He so luong: ", "2.5\n"},
            {"Started Day: ", "s\n"},
            {again, "n\n"}};
}

const Conversation conversations[] = {
    {"EveryRoleAndTheMenuAgain", everyRole(),
     "\nManager \"M\", ID \"1\", salary 17.5\n"
     "Programmer \"P\", ID \"2\", salary 18.5\n"
     "Designer \"D\", ID \"3\", salary 20.5\n"
     "Tester \"T\", ID \"4\", salary 17.8\n",
     0},
    {"PromptsAgainAfterNotANumber", promptsAgainAfterNotANumber(),
     "\nManager \"Ann\", ID \"S01\", salary 17.5\n", 0},
    {"InputClosedAtTheMenu", {{menu, ""}}, nothingSaved, 0},
};

CONVERSATION_TESTS(Rosterdesk, RosterdeskConversation, conversations);

} // namespace
