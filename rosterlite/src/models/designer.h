#pragma once

#include "staff.h"

// A designer asks for its bonus; the salary is 7 times the salary factor plus the bonus.
class designer : public staff {
  public:
    float getBonus() const { return bonus; }

    // Writes "Bonus: " and reads the bonus (see the reading rules of staff).
    void setBonus() override;
    float calSalary() override;

  private:
    float bonus = 0;
};
