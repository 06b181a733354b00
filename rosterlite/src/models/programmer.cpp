#include "programmer.h"

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
    return static_cast<float>(overtimePay + static_cast<double>(base));
}
