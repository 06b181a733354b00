#pragma once

#include "staff.h"

// A tester is paid the base, 7 times the coefficient, plus a tenth for each error found.
class tester final : public staff {
  public:
    int getError() const { return error; }
    void setError(int value) { error = value; }

    float calSalary() override
    {
        const float base = 7.0f * heSoLuong;
        // Like the programmer's overtime: the double constant 0.1 makes the sum a double,
        // narrowed back to float once. Every int is exact as a double.
        const double errorPay = static_cast<double>(error) * 0.1;
        return narrowToFloat(errorPay + static_cast<double>(base));
    }

  private:
    int error = 0; // the number of errors found
};
