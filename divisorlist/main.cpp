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
    std::cerr << "divisorlist: input ended before an answer was accepted\n";
    return 1;
}

// Asks until the number is at least 1. If input ends first, it returns with std::cin failed.
void enterNum(int& number)
{
    const char* retryPrompt = "Khong hop le, vui long nhap so duong: ";
    std::cout << "Nhap vao so can tim uoc: ";
    if (!readNumber(number, retryPrompt)) {
        return;
    }
    while (number < 1) {
        std::cout << retryPrompt;
        if (!readNumber(number, retryPrompt)) {
            return;
        }
    }
}

void writeDivisor(int divisor)
{
    std::cout << " " << divisor << " ;";
}

// Writes the divisors of n below n in increasing order, then n itself. For n of 0 or below
// only n is written.
void findUOC(int n)
{
    std::cout << "Cac uoc cua " << n << " la: ";
    // Divisors come in pairs, i and n / i, with i at most the square root of n. Trying only
    // those i takes about 46 thousand divisions for the largest int instead of a thousand
    // million. The test i <= n / i stands for i * i <= n, which could overflow.
    int i = 1;
    for (; i <= n / i; ++i) { // the small divisor of each pair, rising
        if (n % i == 0 && i != n) {
            writeDivisor(i);
        }
    }
    for (--i; i >= 1; --i) { // the large divisor of each pair, rising as i falls
        if (n % i == 0 && n / i != i && n / i != n) {
            writeDivisor(n / i);
        }
    }
    std::cout << " " << n;
}

int main()
{
    int number = 0;
    enterNum(number);
    if (!std::cin) {
        return reportEndOfInput();
    }
    findUOC(number);
    return 0;
}
