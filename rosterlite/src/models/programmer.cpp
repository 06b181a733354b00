#include "programmer.h"

#include <limits>

namespace {

// The nearest float to a double. Narrowing a double beyond the float range is undefined
// behaviour; every double from the bound below on rounds to infinity in IEEE arithmetic, so
// that is the result given.
float narrowToFloat(double value)
{
    constexpr double firstBeyondFloat = 0x1.ffffffp127;
    if (value >= firstBeyondFloat) {
        return std::numeric_limits<float>::infinity();
    }
    if (value <= -firstBeyondFloat) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

} // namespace

void programmer::setOverTime()
{
    askFigure("Overtime: ", overTime);
}

float programmer::calSalary()
{
    const float base = 7.0f * salaryFactor;
    // 0.1 is a double constant: the overtime pay and the sum are formed in double precision,
    // and only the sum is narrowed back to float.
    const double overtimePay = static_cast<double>(overTime) * 0.1;
    return narrowToFloat(overtimePay + static_cast<double>(base));
}
