#pragma once

#include "staff.h"

// A designer is paid the base, 7 times the coefficient, plus the bonus, all in float.
class designer final : public staff {
  public:
    float getBonus() const { return bonus; }
    void setBonus(float value) { bonus = value; }

    float calSalary() override
    {
        const float base = heSoLuong * 7.0f; // rounded to float before the bonus is added
        return base + bonus;
    }

  private:
    float bonus = 0;
};
