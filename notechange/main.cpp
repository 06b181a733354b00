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
    std::cerr << "notechange: input ended before an answer was accepted\n";
    return 1;
}

// Only whole multiples of 500 dong can be paid in notes of 2000, 1000 and 500.
bool isValidAmount(int amount)
{
    return amount >= 0 && amount % 500 == 0;
}

int main()
{
    const char* retryPrompt = "So tien khong hop le, vui long nhap lai: ";
    std::cout << "Nhap so tien: ";
    int amount = 0;
    if (!readNumber(amount, retryPrompt)) {
        return reportEndOfInput();
    }
    while (!isValidAmount(amount)) {
        std::cout << retryPrompt;
        if (!readNumber(amount, retryPrompt)) {
            return reportEndOfInput();
        }
    }
    // Whole integers throughout, so that every amount gives exact counts.
    const int thousands = amount / 1000;
    const bool hasHalfThousand = amount % 1000 == 500;
    const bool hasOddThousand = thousands % 2 == 1;
    const int notesOf2000 = thousands / 2;

    std::cout << "So to nho nhat sau khi quy doi la: ";
    if (hasOddThousand) {
        std::cout << "1 to 1000 dong va ";
    }
    // The count is written in the default floating-point format, six significant digits,
    // so a million notes or more appear as mantissa and exponent (1e+06).
    std::cout << static_cast<double>(notesOf2000) << " to 2000 dong";
    if (hasHalfThousand) {
        std::cout << " va 1 to 500 dong";
    }
    return 0;
}
