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
    std::cerr << "monthname: input ended before an answer was accepted\n";
    return 1;
}

int main()
{
    const char* const monthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};
    const char* retryPrompt = "Loi, vui long nhap lai: ";
    std::cout << "Nhap thang: ";
    int month = 0;
    if (!readNumber(month, retryPrompt)) {
        return reportEndOfInput();
    }
    while (month <= 0) { // numbers above 12 pass: they are answered, not asked again
        std::cout << retryPrompt;
        if (!readNumber(month, retryPrompt)) {
            return reportEndOfInput();
        }
    }
    if (month <= 12) {
        std::cout << monthNames[month - 1];
    } else {
        std::cout << "Do not exist";
    }
    return 0;
}
