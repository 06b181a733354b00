#include <gtest/gtest.h>

#include <iostream>
#include <limits>

#include <rosterlite/designer.h>
#include <rosterlite/programmer.h>

#include "consoleCapture.h"

namespace {

const std::string refusal = "Don't have this feature in this staff";

// What is left of the input after `action`: shows what an operation read.
std::string inputLeftAfter(const std::function<void()>& action)
{
    std::string left;
    runWithConsole("7.5\n", [&] {
        action();
        std::cin.clear();
        left.assign(std::istreambuf_iterator<char>(std::cin), {});
    });
    return left;
}

TEST(Refusal, OtherRolesOperationsWriteItAndReadNothing)
{
    programmer ann;
    designer bob;
    staff& annAsStaff = ann;
    staff& bobAsStaff = bob;
    const std::function<void()> refusals[] = {
        [&] { ann.setBonus(); },           [&] { ann.setError(); },
        [&] { bob.setOverTime(); },        [&] { bob.setError(); },
        [&] { annAsStaff.setBonus(); },    [&] { annAsStaff.setError(); },
        [&] { bobAsStaff.setOverTime(); }, [&] { bobAsStaff.setError(); },
    };
    for (const auto& refuse : refusals) {
        EXPECT_EQ(runWithConsole("7.5\n", refuse), refusal);
        EXPECT_EQ(inputLeftAfter(refuse), "7.5\n");
    }
    EXPECT_EQ(ann.getOverTime(), 0.0f);
    EXPECT_EQ(bob.getBonus(), 0.0f);
}

TEST(Refusal, TwoInARowRunTogether)
{
    programmer ann;
    EXPECT_EQ(runWithConsole("",
                             [&] {
                                 ann.setBonus();
                                 ann.setError();
                             }),
              refusal + refusal);
}

TEST(RoleEntry, PromptsReadsAndStoresTheFigure)
{
    programmer ann;
    designer bob;
    staff& annAsStaff = ann;
    staff& bobAsStaff = bob;
    EXPECT_EQ(runWithConsole("7.5\n", [&] { annAsStaff.setOverTime(); }), "Overtime: ");
    EXPECT_EQ(runWithConsole("  -3\n", [&] { bobAsStaff.setBonus(); }), "Bonus: ");
    EXPECT_EQ(ann.getOverTime(), 7.5f);
    EXPECT_EQ(bob.getBonus(), -3.0f);
    EXPECT_EQ(inputLeftAfter([&] { ann.setOverTime(); }), "\n"); // the line feed stays
}

TEST(RoleEntry, AnswerThatIsNotANumberKeepsTheFigure)
{
    programmer ann;
    runWithConsole("12\n", [&] { ann.setOverTime(); });
    for (const char* badAnswer : {"abc def\n", "-\n", "1e39\n", "nan\n"}) {
        int nextRead = 0;
        runWithConsole(std::string(badAnswer) + "42\n", [&] {
            ann.setOverTime();
            std::cin >> nextRead; // the caller's next read works
        });
        EXPECT_EQ(ann.getOverTime(), 12.0f) << badAnswer;
        EXPECT_EQ(nextRead, 42) << badAnswer;
    }
}

TEST(RoleEntry, EndOfInputKeepsTheFigure)
{
    designer bob;
    runWithConsole("4\n", [&] { bob.setBonus(); });
    runWithConsole("", [&] {
        bob.setBonus();
        EXPECT_TRUE(std::cin.eof());
    });
    EXPECT_EQ(bob.getBonus(), 4.0f);
}

TEST(Staff, NewRecordsStartEmptyAndAtZero)
{
    programmer ann;
    designer bob;
    EXPECT_EQ(ann.getSalaryFactor(), 0.0f);
    EXPECT_EQ(ann.getOverTime(), 0.0f);
    EXPECT_EQ(bob.getBonus(), 0.0f);
    EXPECT_EQ(ann.getName(), "");
    EXPECT_EQ(ann.calSalary(), 0.0f);
    EXPECT_EQ(bob.calSalary(), 0.0f);
}

TEST(Staff, AccessorsReplaceTheirField)
{
    designer bob;
    bob.setName("Bob");
    bob.setDob("03/03/91");
    bob.setId("D02");
    bob.setAddress(" 7 Oak Lane ");
    bob.setSalaryFactor(2.5f);
    bob.setStartedDay("02/02/21");
    bob.setName("Robert");
    EXPECT_EQ(bob.getName(), "Robert");
    EXPECT_EQ(bob.getDob(), "03/03/91");
    EXPECT_EQ(bob.getId(), "D02");
    EXPECT_EQ(bob.getAddress(), " 7 Oak Lane ");
    EXPECT_EQ(bob.getSalaryFactor(), 2.5f);
    EXPECT_EQ(bob.getStartedDay(), "02/02/21");
}

float programmerSalary(float salaryFactor, const std::string& overTime)
{
    programmer ann;
    ann.setSalaryFactor(salaryFactor);
    runWithConsole(overTime, [&] { ann.setOverTime(); });
    staff& asStaff = ann;
    return asStaff.calSalary();
}

float designerSalary(float salaryFactor, const std::string& bonus)
{
    designer bob;
    bob.setSalaryFactor(salaryFactor);
    runWithConsole(bonus, [&] { bob.setBonus(); });
    staff& asStaff = bob;
    return asStaff.calSalary();
}

// Bit for bit: the precision of each step decides the last bit.
TEST(CalSalary, ProgrammerMixesFloatAndDouble)
{
    EXPECT_EQ(programmerSalary(2.5f, "10"), 18.5f);
    // In float alone, or in double rounded once, this would be 3.5.
    EXPECT_EQ(programmerSalary(0.3f, "14"), 3.5000002384185791015625f);
    // In float alone this would be 11.200000762939453125.
    EXPECT_EQ(programmerSalary(1.0f, "42"), 11.19999980926513671875f);
    EXPECT_EQ(programmerSalary(1.0f, "-10"), 6.0f);
    // Wholly in float, wholly in double narrowed once, or with the overtime pay narrowed
    // to float before the sum, this would be 14.964750289916992.
    EXPECT_EQ(programmerSalary(1.184962f, "66.70016"), 14.964749336242676f);
    // A sum in double beyond the float range is not narrowed (undefined): it gives infinity,
    // as IEEE rounding would.
    EXPECT_EQ(programmerSalary(4.7e37f, "3.4e38"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(programmerSalary(-4.7e37f, "-3.4e38"), -std::numeric_limits<float>::infinity());
}

TEST(CalSalary, DesignerIsWhollyInFloat)
{
    EXPECT_EQ(designerSalary(2.5f, "3"), 20.5f);
    // The product is rounded to float before the bonus is added; in double rounded once
    // this would be 0.900000035762786865234375.
    EXPECT_EQ(designerSalary(0.1f, "0.2"), 0.89999997615814208984375f);
    // In double narrowed once, or with a fused multiply-add, this would be
    // 83.180351257324219.
    EXPECT_EQ(designerSalary(4.819624f, "49.44298"), 83.180343627929688f);
}

TEST(SetAllInformation, AsksForTheSixCommonFields)
{
    programmer ann;
    const std::string output =
        runWithConsole("Ann Lee\n02/01/90\nP01\n 5 Elm Road\nabc\n2.5\n01/05/20\n",
                       [&] { ann.setAllInformation(); });
    EXPECT_EQ(output, "Name: Day of birth: ID: Address: He so luong: He so luong: Started Day: ");
    EXPECT_EQ(ann.getName(), "Ann Lee");
    EXPECT_EQ(ann.getDob(), "02/01/90");
    EXPECT_EQ(ann.getId(), "P01");
    EXPECT_EQ(ann.getAddress(), " 5 Elm Road");
    EXPECT_EQ(ann.getSalaryFactor(), 2.5f);
    EXPECT_EQ(ann.getStartedDay(), "01/05/20");
}

TEST(SetAllInformation, OneCharacterIsDiscardedAfterTheFactor)
{
    designer bob;
    runWithConsole("B\nd\ni\na\n2.5 x\nnext\n", [&] { bob.setAllInformation(); });
    EXPECT_EQ(bob.getStartedDay(), "x");
}

TEST(SetAllInformation, EndOfInputStopsTheQuestions)
{
    designer bob;
    bob.setId("kept id");
    bob.setStartedDay("kept");
    bob.setSalaryFactor(9.0f);
    const std::string output = runWithConsole("Bob\nd\n", [&] { bob.setAllInformation(); });
    EXPECT_EQ(output, "Name: Day of birth: ID: ");
    EXPECT_EQ(bob.getName(), "Bob");
    EXPECT_EQ(bob.getId(), "kept id"); // the field whose prompt met the end of input
    EXPECT_EQ(bob.getSalaryFactor(), 9.0f);
    EXPECT_EQ(bob.getStartedDay(), "kept");
}

TEST(SetAllInformation, NoPromptOnceInputHasEnded)
{
    // The last answer ends without a line break: the input has ended with it.
    designer bob;
    bob.setStartedDay("kept");
    const std::string output =
        runWithConsole("Bob\nd\ni\na\n2.5", [&] { bob.setAllInformation(); });
    EXPECT_EQ(output, "Name: Day of birth: ID: Address: He so luong: ");
    EXPECT_EQ(bob.getSalaryFactor(), 2.5f);
    EXPECT_EQ(bob.getStartedDay(), "kept");
}

TEST(SetAllInformation, EndOfInputAtTheFactorKeepsIt)
{
    designer bob;
    bob.setSalaryFactor(9.0f);
    const std::string output = runWithConsole("Bob\nd\ni\na\n", [&] { bob.setAllInformation(); });
    EXPECT_EQ(output, "Name: Day of birth: ID: Address: He so luong: ");
    EXPECT_EQ(bob.getSalaryFactor(), 9.0f);
}

} // namespace
