#pragma once

#include "staff.h"

// A programmer is paid the base, 7 times the coefficient, plus a tenth of the overtime.
class programmer final : public staff {
  public:
    float getOverTime() const { return overTime; }
    void setOverTime(float value) { overTime = value; }

    float calSalary() override
    {
        const float base = 7.0f * heSoLuong;
        // 0.1 is a double constant: the overtime pay and the sum are formed in double
        // precision, and only the final sum is narrowed back to float.
        const double overtimePay = static_cast<double>(overTime) * 0.1;
        return narrowToFloat(overtimePay + static_cast<double>(base));
    }

  private:
    float overTime = 0;
};
