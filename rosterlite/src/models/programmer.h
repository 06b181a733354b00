#pragma once

#include "staff.h"

// A programmer asks for its overtime; the salary is 7 times the salary factor plus a tenth
// of the overtime.
class programmer : public staff {
  public:
    float getOverTime() const { return overTime; }

    // Writes "Overtime: " and reads the overtime (see the reading rules of staff).
    void setOverTime() override;
    float calSalary() override;

  private:
    float overTime = 0;
};
