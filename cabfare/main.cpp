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
    std::cerr << "cabfare: input ended before an answer was accepted\n";
    return 1;
}

// The taxi fare for a distance of at least 0 km: 15000 dong for the first kilometre, 13500
// a kilometre up to 5 km, 11000 a kilometre beyond, and 10 % off the whole fare over
// 120 km. Every band step is done in float.
float TinhTienTaxi(float distance)
{
    if (distance <= 1.0f) {
        return 15000.0f * distance;
    }
    if (distance <= 5.0f) {
        return (distance - 1.0f) * 13500.0f + 15000.0f;
    }
    const float fare = (distance - 5.0f) * 11000.0f + 69000.0f; // 69000 is the fare at 5 km
    if (distance <= 120.0f) {
        return fare;
    }
    // The reduction factor 0.9 is a double: the fare is widened, multiplied in double
    // precision, and the product narrowed back to float.
    return static_cast<float>(static_cast<double>(fare) * 0.9);
}

// A negative distance is refused, and so is one so long that the fare overflows a float.
bool isValidDistance(float distance)
{
    return distance >= 0.0f && std::isfinite(TinhTienTaxi(distance));
}

int main()
{
    const char* retryPrompt = "Khong hop le, vui long nhap lai: ";
    std::cout << "Nhap so km: ";
    float distance = 0;
    if (!readNumber(distance, retryPrompt)) {
        return reportEndOfInput();
    }
    while (!isValidDistance(distance)) {
        std::cout << retryPrompt;
        if (!readNumber(distance, retryPrompt)) {
            return reportEndOfInput();
        }
    }
    if (distance == 0.0f) {
        distance = 0.0f; // "-0" reads as negative zero, which would print as -0
    }
    std::cout << "Gia taxi la: " << TinhTienTaxi(distance) << " dong";
    return 0;
}
