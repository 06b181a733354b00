#pragma once

#include "staff.h"

// A manager holds the common fields only; the salary is the base, 7 times the coefficient.
class manager final : public staff {
  public:
    float calSalary() override { return 7.0f * heSoLuong; }
};
