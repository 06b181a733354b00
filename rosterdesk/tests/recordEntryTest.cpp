#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "consoleCapture.h"
#include "lib/myInformation.h"
#include "lib/saveInformation.h"
#include "lib/theSystem.h"

namespace {

// Puts a scripted text behind std::cin and catches std::cout for one test.
class RecordEntry : public testing::Test {
  protected:
    void type(const std::string& text) { console.type(text); }
    std::string remainingInput() { return console.remainingInput(); }
    std::string output() const { return console.output(); }

    ScriptedConsole console;
    std::vector<staff*> personnel;
    addInfo factory;
};

const std::string commonPrompts = "Name: Day of birth: ID: Address: He so luong: Started Day: ";

TEST_F(RecordEntry, TesterFieldsLandInTheRightPlaces)
{
    type("Ann\n02/01/90\nS01\n5 Elm Road\n2.5\n01/05/20\n3\n");
    myTesterInformation(personnel, factory);
    ASSERT_EQ(personnel.size(), 1u);
    auto* record = dynamic_cast<tester*>(personnel.back());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->getName(), "Ann");
    EXPECT_EQ(record->getDob(), "02/01/90");
    EXPECT_EQ(record->getId(), "S01");
    EXPECT_EQ(record->getAddress(), "5 Elm Road");
    EXPECT_EQ(record->getHeSoLuong(), 2.5f);
    EXPECT_EQ(record->getStartedDay(), "01/05/20");
    EXPECT_EQ(record->getError(), 3);
    EXPECT_EQ(output(), commonPrompts + "Error found: ");
    EXPECT_EQ(remainingInput(), "\n"); // nothing is discarded after the role figure
}

TEST_F(RecordEntry, OneCharacterIsDiscardedAfterTheCoefficient)
{
    type("Ann\nd\ni\na\n2.5 x\n3\n");
    myTesterInformation(personnel, factory);
    ASSERT_EQ(personnel.size(), 1u);
    EXPECT_EQ(personnel.back()->getStartedDay(), "x");
    EXPECT_EQ(dynamic_cast<tester*>(personnel.back())->getError(), 3);
}

TEST_F(RecordEntry, TextAnswersKeepTheirBlanksAndMayBeEmpty)
{
    type("\n  Ann Lee \n\n\n1\n\n");
    myManagerInformation(personnel, factory);
    ASSERT_EQ(personnel.size(), 1u);
    EXPECT_EQ(personnel.back()->getName(), "");
    EXPECT_EQ(personnel.back()->getDob(), "  Ann Lee ");
    EXPECT_EQ(personnel.back()->getId(), "");
    EXPECT_EQ(personnel.back()->getStartedDay(), "");
    EXPECT_EQ(output(), commonPrompts); // a manager has no seventh prompt
}

TEST_F(RecordEntry, RoleFiguresOfProgrammerAndDesignerAreStoredInEntryOrder)
{
    type("P\nd\ni\na\n1\ns\n7.5\nD\nd\ni\na\n2\ns\n-3\n");
    myProgrammerInformation(personnel, factory);
    std::cin.ignore(); // the line feed after the figure, which the menu's next read skips
    myDesignerInformation(personnel, factory);
    ASSERT_EQ(personnel.size(), 2u);
    EXPECT_EQ(dynamic_cast<programmer*>(personnel[0])->getOverTime(), 7.5f);
    EXPECT_EQ(dynamic_cast<designer*>(personnel[1])->getBonus(), -3.0f);
    EXPECT_EQ(personnel[0]->getName(), "P");
    EXPECT_EQ(output(), commonPrompts + "Overtime: " + commonPrompts + "Bonus: ");
}

TEST_F(RecordEntry, AnswerThatIsNotANumberIsAskedForAgain)
{
    type("Ann\nd\ni\na\nabc def\n-\n1.5\ns\nmany\n4\n");
    myTesterInformation(personnel, factory);
    ASSERT_EQ(personnel.size(), 1u);
    EXPECT_EQ(personnel.back()->getHeSoLuong(), 1.5f);
    EXPECT_EQ(dynamic_cast<tester*>(personnel.back())->getError(), 4);
    EXPECT_EQ(output(), "Name: Day of birth: ID: Address: He so luong: He so luong: "
                        "He so luong: Started Day: Error found: Error found: ");
}

TEST_F(RecordEntry, IncompleteRecordIsNotStored)
{
    const char* inputs[] = {"", "Ann\nd\n", "Ann\nd\ni\na\n2.5", "Ann\nd\ni\na\n2.5\ns\n",
                            "Ann\nd\ni\na\n2.5\ns\nabc"};
    for (const char* text : inputs) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        std::cin.clear();
        type(text);
        myTesterInformation(personnel, factory);
        EXPECT_TRUE(personnel.empty());
        EXPECT_TRUE(std::cin.fail());
    }
}

TEST_F(RecordEntry, PromptsStopWhenInputEnds)
{
    type("Ann\nd\n");
    myProgrammerInformation(personnel, factory);
    EXPECT_EQ(output(), "Name: Day of birth: ID: ");
}

TEST_F(RecordEntry, LastAnswerWithoutLineBreakCompletesTheRecord)
{
    type("Ann\nd\ni\na\n2.5\ns\n3");
    myTesterInformation(personnel, factory);
    ASSERT_EQ(personnel.size(), 1u);
    EXPECT_EQ(dynamic_cast<tester*>(personnel.back())->getError(), 3);
}

TEST_F(RecordEntry, MenuAppendsOneRecordPerPassInOrder)
{
    type("2\nP\nd\ni\na\n1\ns\n5\ny\n5\ny\n4\nT\nd\ni\na\n1\ns\n2\nn\n");
    mySystem(personnel);
    ASSERT_EQ(personnel.size(), 2u);
    EXPECT_NE(dynamic_cast<programmer*>(personnel[0]), nullptr);
    EXPECT_NE(dynamic_cast<tester*>(personnel[1]), nullptr);
    EXPECT_EQ(personnel[1]->getName(), "T");
}

// The menu's five lines and "DON'T EXIST" are each ended with a flush, so each is visible
// as soon as it is written, before the program reads anything.
TEST(RoleMenu, EndsEachLineWithAFlush)
{
    std::vector<staff*> personnel;
    const FlushedConsole console = runRecordingFlushes("5\nn\n", [&] { mySystem(personnel); });
    ASSERT_EQ(std::count(console.output.begin(), console.output.end(), '\n'), 6);
    for (std::size_t i = 0; i < console.output.size(); ++i) {
        if (console.output[i] == '\n') {
            EXPECT_TRUE(console.flushedAfter(i + 1))
                << "no flush after " << testing::PrintToString(console.output.substr(0, i + 1));
        }
    }
}

} // namespace
