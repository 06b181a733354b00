// Divisor listing: asks for a positive integer, asking again while it is 0 or below, and
// prints its positive divisors in increasing order.
#include <iostream>
#include <limits>

// The input policy, defined at the bottom of this file.
void writePrompt(const char* text);
void discardRestOfLine();
template <typename Number>
bool readNumber(Number& value, const char* retryPrompt);
template <typename Number, typename Check>
bool askNumber(const char* prompt, const char* retryPrompt, Number& value, Check isAcceptable);
int reportEndOfInput();

bool isPositive(int number)
{
    return number >= 1;
}

// Asks until the number is at least 1. If input ends first, it returns with std::cin failed.
void enterNum(int& number)
{
    askNumber("Nhap vao so can tim uoc: ", "Khong hop le, vui long nhap so duong: ", number,
              isPositive);
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

// ---- Input policy: this block is the same in every program that reads numbers ----
// An answer that is not a number (letters, a lone sign, a value outside the type's range)
// has the rest of its line discarded and is asked for again. Once the input has ended no
// prompt is written any more: nobody is left to answer it.

// Writes a prompt or a retry message, unless the input has already ended.
void writePrompt(const char* text)
{
    if (!std::cin.eof()) {
        std::cout << text; // std::cin is tied to std::cout: it is flushed before each read
    }
}

void discardRestOfLine()
{
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

// Reads one number, writing `retryPrompt` after every answer that is not a number. False
// when the input ends first.
template <typename Number>
bool readNumber(Number& value, const char* retryPrompt)
{
    while (!(std::cin >> value)) {
        if (std::cin.eof()) {
            return false;
        }
        std::cin.clear();
        discardRestOfLine();
        writePrompt(retryPrompt);
    }
    return true;
}

// Writes `prompt` and reads a number until `isAcceptable` holds for it, writing
// `retryPrompt` before each new read. False when the input ends first.
template <typename Number, typename Check>
bool askNumber(const char* prompt, const char* retryPrompt, Number& value, Check isAcceptable)
{
    writePrompt(prompt);
    if (!readNumber(value, retryPrompt)) {
        return false;
    }
    while (!isAcceptable(value)) {
        writePrompt(retryPrompt);
        if (!readNumber(value, retryPrompt)) {
            return false;
        }
    }
    return true;
}
// ---- End of the input policy ----

// At the end of input before an accepted answer the program has not done its job: one line
// on standard error and exit status 1.
int reportEndOfInput()
{
    std::cerr << "divisorlist: input ended before an answer was accepted\n";
    return 1;
}
