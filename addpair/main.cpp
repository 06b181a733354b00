// Sum of two numbers: asks for two integers and prints their sum, which wraps around
// modulo 2^32 like 32-bit hardware addition.
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

// The sum modulo 2^32, as 32-bit hardware adds: the addition is done in unsigned arithmetic,
// which wraps by definition, because a signed overflow would be undefined behaviour.
int sumTwoNum(int first, int second)
{
    const unsigned int sum = static_cast<unsigned int>(first) + static_cast<unsigned int>(second);
    return static_cast<int>(sum);
}

// Every int is accepted.
bool anyNumber(int)
{
    return true;
}

int main()
{
    // There is no retry message: an answer that is not a number gets the same prompt again.
    const char* firstPrompt = "Nhap vao so dau tien: ";
    const char* secondPrompt = "Nhap vao so thu 2: ";
    int first = 0;
    int second = 0;
    if (!askNumber(firstPrompt, firstPrompt, first, anyNumber) ||
        !askNumber(secondPrompt, secondPrompt, second, anyNumber)) {
        return reportEndOfInput();
    }
    std::cout << "Tong cua 2 so " << first << " va " << second << " la "
              << sumTwoNum(first, second);
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
    std::cerr << "addpair: input ended before an answer was accepted\n";
    return 1;
}
