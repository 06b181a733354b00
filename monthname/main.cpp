// Month name: asks for a month number and prints the English name of the month, or
// "Do not exist" above 12. A number of 0 or below is asked for again.
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

// Numbers above 12 pass: they are answered with "Do not exist", not asked again.
bool isPositive(int month)
{
    return month > 0;
}

int main()
{
    const char* const monthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};
    int month = 0;
    if (!askNumber("Nhap thang: ", "Loi, vui long nhap lai: ", month, isPositive)) {
        return reportEndOfInput();
    }
    if (month <= 12) {
        std::cout << monthNames[month - 1];
    } else {
        std::cout << "Do not exist";
    }
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
    std::cerr << "monthname: input ended before an answer was accepted\n";
    return 1;
}
