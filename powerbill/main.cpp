#include <cmath>
#include <iostream>
#include <limits>

// Input policy, the same in every program: an answer that is not a number has the rest of
// its line discarded and is asked for again with the retry message. At the end of input
// readNumber returns false, and the program stops with status 1 without a result.

void discardRestOfLine()
{
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

template <typename Number>
bool readNumber(Number& value, const char* retryPrompt)
{
    while (!(std::cin >> value)) {
        if (std::cin.eof()) {
            return false;
        }
        std::cin.clear();
        discardRestOfLine();
        if (!std::cin.eof()) { // nobody is left to answer once the input has ended
            std::cout << retryPrompt;
        }
    }
    return true;
}

int reportEndOfInput()
{
    std::cerr << "powerbill: input ended before an answer was accepted\n";
    return 1;
}

// The amount to pay for a consumption of electricity units, under six tiers. Each tier's
// base amount is the full charge of all lower tiers, so the amount is continuous at every
// bound. Every tier step is done in float.
float TinhTienDien(float consumption)
{
    float amount = 0;
    if (consumption <= 50.0f) {
        amount = 1484.0f * consumption;
    } else if (consumption <= 100.0f) {
        amount = (consumption - 50.0f) * 1533.0f + 74200.0f;
    } else if (consumption <= 200.0f) {
        amount = (consumption - 100.0f) * 1786.0f + 150850.0f;
    } else if (consumption <= 300.0f) {
        amount = (consumption - 200.0f) * 2242.0f + 329450.0f;
    } else if (consumption <= 400.0f) {
        amount = (consumption - 300.0f) * 2503.0f + 553650.0f;
    } else {
        amount = (consumption - 400.0f) * 2587.0f + 803950.0f;
    }
    // The final factor 1.1 is a double: the amount is widened, multiplied in double
    // precision, and the product narrowed back to float.
    return static_cast<float>(static_cast<double>(amount) * 1.1);
}

// Negative consumption is refused, and so is one so large that the amount overflows a float.
bool isValidConsumption(float consumption)
{
    return consumption >= 0.0f && std::isfinite(TinhTienDien(consumption));
}

int main()
{
    const char* retryPrompt = "Khong hop le, vui long nhap lai: ";
    std::cout << "Nhap so dien: ";
    float consumption = 0;
    if (!readNumber(consumption, retryPrompt)) {
        return reportEndOfInput();
    }
    while (!isValidConsumption(consumption)) {
        std::cout << retryPrompt;
        if (!readNumber(consumption, retryPrompt)) {
            return reportEndOfInput();
        }
    }
    if (consumption == 0.0f) {
        consumption = 0.0f; // "-0" reads as negative zero, which would print as -0
    }
    std::cout << "So tien phai tra la: " << TinhTienDien(consumption) << " dong";
    return 0;
}
