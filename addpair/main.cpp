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
    std::cerr << "addpair: input ended before an answer was accepted\n";
    return 1;
}

// The sum modulo 2^32, as 32-bit hardware adds: the addition is done in unsigned arithmetic,
// which wraps by definition, because a signed overflow would be undefined behaviour.
int sumTwoNum(int first, int second)
{
    const unsigned int sum = static_cast<unsigned int>(first) + static_cast<unsigned int>(second);
    return static_cast<int>(sum);
}

int main()
{
    // There is no retry message: an answer that is not a number gets the same prompt again.
    const char* firstPrompt = "Nhap vao so dau tien: ";
    const char* secondPrompt = "Nhap vao so thu 2: ";
    int first = 0;
    int second = 0;
    std::cout << firstPrompt;
    if (!readNumber(first, firstPrompt)) {
        return reportEndOfInput();
    }
    std::cout << secondPrompt;
    if (!readNumber(second, secondPrompt)) {
        return reportEndOfInput();
    }
    std::cout << "Tong cua 2 so " << first << " va " << second << " la "
              << sumTwoNum(first, second);
    return 0;
}
