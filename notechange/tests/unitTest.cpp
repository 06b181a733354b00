#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "consoleCapture.h"

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

// The single-precision method: thousands as a float, the half thousand told by the
// fraction, the parity by fmod. It is exact while a float holds the amount's thousands.
std::string singlePrecisionResult(int amount)
{
    std::ostringstream out;
    out << "Nhap so tien: So to nho nhat sau khi quy doi la: ";
    const float q = static_cast<float>(amount) / 1000.0f;
    const float fraction = q - std::floor(q);
    if (fraction == 0.0f) {
        if (std::fmod(static_cast<double>(q), 2.0) == 0.0) {
            out << q / 2.0f << " to 2000 dong";
        } else {
            out << "1 to 1000 dong va " << (q - 1.0f) / 2.0f << " to 2000 dong";
        }
    } else {
        const double h = static_cast<double>(q) - 0.5;
        if (std::fmod(h, 2.0) == 0.0) {
            out << h / 2.0 << " to 2000 dong va 1 to 500 dong";
        } else {
            out << "1 to 1000 dong va " << (h - 1.0) / 2.0 << " to 2000 dong va 1 to 500 dong";
        }
    }
    return out.str();
}

// Every multiple of 500 up to 67110000 prints exactly what the single-precision method
// prints: the integer counts change nothing where that method was right.
TEST(Notechange, AgreesWithSinglePrecisionWhereThatIsExact)
{
    int mismatches = 0;
    for (int amount = 0; amount <= 67110000; amount += 500) {
        const std::string output =
            runWithConsole(std::to_string(amount) + "\n", [] { programMain(); });
        if (output != singlePrecisionResult(amount) && ++mismatches <= 5) {
            ADD_FAILURE() << "amount " << amount << ": " << output;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
