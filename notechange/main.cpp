// Banknote change: asks for an amount in dong and prints the fewest notes of 2000, 1000 and
// 500 dong that make it up. A negative amount, or one that is not a multiple of 500, is
// asked for again.
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

// Only whole multiples of 500 dong can be paid in notes of 2000, 1000 and 500.
bool isValidAmount(int amount)
{
    return amount >= 0 && amount % 500 == 0;
}

int main()
{
    int amount = 0;
    if (!askNumber("Nhap so tien: ", "So tien khong hop le, vui long nhap lai: ", amount,
                   isValidAmount)) {
        return reportEndOfInput();
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
    std::cerr << "notechange: input ended before an answer was accepted\n";
    return 1;
}
