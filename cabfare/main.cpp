// Taxi fare: asks for a distance in kilometres and prints the fare in dong. A negative
// distance, or one whose fare would not fit a float, is asked for again.
#include <cmath>
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

// The taxi fare for a distance of at least 0 km: 15000 dong for the first kilometre, 13500
// a kilometre up to 5 km, 11000 a kilometre beyond, and 10 % off the whole fare over
// 120 km. Every band step is done in float.
float TinhTienTaxi(float distance)
{
    if (distance <= 1.0f) {
        return 15000.0f * distance;
    }
    if (distance <= 5.0f) {
        return (distance - 1.0f) * 13500.0f + 15000.0f;
    }
    const float fare = (distance - 5.0f) * 11000.0f + 69000.0f; // 69000 is the fare at 5 km
    if (distance <= 120.0f) {
        return fare;
    }
    // The reduction factor 0.9 is a double: the fare is widened, multiplied in double
    // precision, and the product narrowed back to float. It is smaller than the fare, so
    // it always fits a float.
    return static_cast<float>(static_cast<double>(fare) * 0.9);
}

// A negative distance is refused, and so is one so long that the fare overflows a float.
bool isValidDistance(float distance)
{
    return distance >= 0.0f && std::isfinite(TinhTienTaxi(distance));
}

int main()
{
    float distance = 0;
    if (!askNumber("Nhap so km: ", "Khong hop le, vui long nhap lai: ", distance,
                   isValidDistance)) {
        return reportEndOfInput();
    }
    if (distance == 0.0f) {
        distance = 0.0f; // "-0" reads as negative zero, which would print as -0
    }
    std::cout << "Gia taxi la: " << TinhTienTaxi(distance) << " dong";
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
    std::cerr << "cabfare: input ended before an answer was accepted\n";
    return 1;
}
