#include "designer.h"

void designer::setBonus()
{
    askFigure("Bonus: ", bonus);
}

float designer::calSalary()
{
    const float base = salaryFactor * 7.0f; // rounded to float before the bonus is added
    return base + bonus;
}
