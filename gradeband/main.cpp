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
    std::cerr << "gradeband: input ended before an answer was accepted\n";
    return 1;
}

// Asks for one mark until it is not negative.
bool readMark(const char* prompt, float& mark)
{
    const char* retryPrompt = "Loi, nhap lai: ";
    std::cout << prompt;
    if (!readNumber(mark, retryPrompt)) {
        return false;
    }
    while (mark < 0.0f) {
        std::cout << retryPrompt;
        if (!readNumber(mark, retryPrompt)) {
            return false;
        }
    }
    return true;
}

// The word for an average; each bound belongs to the band above it.
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

int main()
{
    float toan = 0;
    float ly = 0;
    float hoa = 0;
    if (!readMark("Nhap diem Toan: ", toan) || !readMark("Nhap diem Ly: ", ly) ||
        !readMark("Nhap diem Hoa: ", hoa)) {
        return reportEndOfInput();
    }
    // In float, and Toan plus Hoa first: the order of the additions can change the last bit
    // of the sum, and so the band (8.9, 8.9, 9.2 is "gioi" but 8.9, 9.2, 8.9 "xuat sac").
    const float average = ((toan + hoa) + ly) / 3.0f;
    std::cout << bandOf(average);
    return 0;
}
