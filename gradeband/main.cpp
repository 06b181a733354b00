// Mark classification: asks for three marks (Toan, Ly, Hoa), each asked for again while it
// is negative, and prints the one word that classifies their average.
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

bool isNotNegative(float mark)
{
    return mark >= 0.0f;
}

// Asks for one mark until it is not negative.
bool readMark(const char* prompt, float& mark)
{
    return askNumber(prompt, "Loi, nhap lai: ", mark, isNotNegative);
}

// The word for an average; each bound belongs to the band above it. The bounds 3.5 and 6.5
// are written as double constants and 5, 8 and 9 as float ones, as the exercise states;
// every bound is exact in float, so each test gives the same answer either way.
const char* bandOf(float average)
{
    if (average < 3.5) {
        return "kem";
    }
    if (average < 5.0f) {
        return "yeu";
    }
    if (average < 6.5) {
        return "trung binh";
    }
    if (average < 8.0f) {
        return "kha";
    }
    if (average < 9.0f) {
        return "gioi";
    }
    return "xuat sac";
}

// In float, and Toan plus Hoa first: the order of the additions can change the last bit of
// the sum, and so the band (8.9, 8.9, 9.2 is "gioi" but 8.9, 9.2, 8.9 "xuat sac").
float averageOf(float toan, float ly, float hoa)
{
    return ((toan + hoa) + ly) / 3.0f;
}

int main()
{
    float toan = 0;
    float ly = 0;
    float hoa = 0;
    if (!readMark("Nhap diem Toan: ", toan) || !readMark("Nhap diem Ly: ", ly) ||
        !readMark("Nhap diem Hoa: ", hoa)) {
        return reportEndOfInput();
    }
    std::cout << bandOf(averageOf(toan, ly, hoa));
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
    std::cerr << "gradeband: input ended before an answer was accepted\n";
    return 1;
}
