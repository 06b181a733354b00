#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "services/addInfo.h"

namespace {

TEST(RecordFactory, StoresCommonFieldsInFieldOrder)
{
    addInfo factory;
    const manager record = factory.createManager("A", "B", "C", "D", 2.5f, "E");
    EXPECT_EQ(record.getName(), "A");
    EXPECT_EQ(record.getId(), "B");
    EXPECT_EQ(record.getDob(), "C");
    EXPECT_EQ(record.getAddress(), "D");
    EXPECT_EQ(record.getHeSoLuong(), 2.5f);
    EXPECT_EQ(record.getStartedDay(), "E");
}

TEST(RecordFactory, RoleFigureSurvivesCopies)
{
    addInfo factory;
    const tester record = factory.createTester("Ann", "S01", "02/01/90", "", 1, "", 3);
    const tester copy = record;
    const std::unique_ptr<tester> onHeap(new tester(record));
    EXPECT_EQ(record.getError(), 3);
    EXPECT_EQ(copy.getError(), 3);
    EXPECT_EQ(onHeap->getError(), 3);
    EXPECT_EQ(onHeap->getName(), "Ann");
}

TEST(RecordFactory, StoresFiguresAndEmptyTextsUnchanged)
{
    addInfo factory;
    const designer withoutBonus = factory.createDesigner("", "", "", "", 0, "", 0);
    const programmer negativeOvertime = factory.createProgrammer("", "", "", "", -2, "", -1);
    EXPECT_EQ(withoutBonus.getBonus(), 0.0f);
    EXPECT_EQ(negativeOvertime.getOverTime(), -1.0f);
    EXPECT_EQ(negativeOvertime.getHeSoLuong(), -2.0f);
    EXPECT_EQ(withoutBonus.getName(), "");
    EXPECT_EQ(withoutBonus.getId(), "");
    EXPECT_EQ(withoutBonus.getStartedDay(), "");
}

TEST(RecordFactory, ManagerHoldsOnlyTheCommonFields)
{
    EXPECT_EQ(sizeof(manager), sizeof(staff));
}

TEST(Staff, SettersReplaceAndNewRecordsStartAtZero)
{
    programmer record;
    EXPECT_EQ(record.getHeSoLuong(), 0.0f);
    EXPECT_EQ(record.getOverTime(), 0.0f);
    EXPECT_EQ(tester().getError(), 0);
    EXPECT_EQ(designer().getBonus(), 0.0f);
    record.setName("first");
    record.setName("second");
    record.setAddress("  5 Elm Road ");
    EXPECT_EQ(record.getName(), "second");
    EXPECT_EQ(record.getAddress(), "  5 Elm Road ");
}

struct SalaryCase {
    const char* role;
    float heSoLuong;
    float figure;
    float expected;
};

// Calls the salary through the base, as the roster does.
float salaryThroughBase(staff& record)
{
    return record.calSalary();
}

float salaryOf(const SalaryCase& c)
{
    addInfo factory;
    const std::string role = c.role;
    if (role == "manager") {
        manager record = factory.createManager("", "", "", "", c.heSoLuong, "");
        return salaryThroughBase(record);
    }
    if (role == "programmer") {
        programmer record = factory.createProgrammer("", "", "", "", c.heSoLuong, "", c.figure);
        return salaryThroughBase(record);
    }
    if (role == "designer") {
        designer record = factory.createDesigner("", "", "", "", c.heSoLuong, "", c.figure);
        return salaryThroughBase(record);
    }
    tester record =
        factory.createTester("", "", "", "", c.heSoLuong, "", static_cast<int>(c.figure));
    return salaryThroughBase(record);
}

// Salaries compare bit for bit: the precision of each step decides the last bit.
TEST(Staff, SalaryOfEachRole)
{
    const SalaryCase cases[] = {
        {"manager", 2.5f, 0, 17.5f},
        {"manager", 0.1f, 0, 0.699999988079071044921875f},
        {"programmer", 2.5f, 10, 18.5f},
        // 0.1 times the overtime is formed in double: wholly in float this would be 3.5.
        {"programmer", 0.3f, 14, 3.5000002384185791015625f},
        {"programmer", 1, 42, 11.19999980926513671875f},
        {"programmer", 1, -10, 6.0f},
        {"designer", 2.5f, 3, 20.5f},
        // The product is rounded to float before the bonus is added.
        {"designer", 0.1f, 0.2f, 0.89999997615814208984375f},
        {"tester", 2.5f, 3, 17.799999237060546875f},
        {"tester", 1, 42, 11.19999980926513671875f},
        // Each of these differs from the salary wholly in float, wholly in double narrowed
        // once, and with the pay narrowed before the sum (and, for the designer, from a
        // fused multiply-add), in the float and in the six digits printed.
        {"programmer", 1.184962f, 66.70016f, 14.964749336242676f},
        {"designer", 4.819624f, 49.44298f, 83.180343627929688f},
        {"tester", 6.247636f, 533, 97.033454895019531f},
        // A sum in double beyond the float range is not narrowed (undefined): it gives
        // infinity, as IEEE rounding would, and the roster writes "salary out of range".
        {"programmer", 4.7e37f, 3.4e38f, std::numeric_limits<float>::infinity()},
        {"programmer", -4.7e37f, -3.4e38f, -std::numeric_limits<float>::infinity()},
    };
    for (const SalaryCase& c : cases) {
        SCOPED_TRACE(std::string(c.role) + " " + std::to_string(c.heSoLuong) + " " +
                     std::to_string(c.figure));
        EXPECT_EQ(salaryOf(c), c.expected);
    }
}

} // namespace
