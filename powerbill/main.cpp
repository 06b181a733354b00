// Electricity bill: asks for a consumption in units and prints the amount to pay under a
// six-tier tariff with a final factor of 1.1. A negative consumption, or one whose amount
// would not fit a float, is asked for again.
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

// The amount to pay for a consumption of electricity units, under six tiers. Each tier's
// base amount is the full charge of all lower tiers, so the amount is continuous at every
// bound. Every tier step is done in float.
float TinhTienDien(float consumption)
{
    float amount = 0;
    if (consumption <= 50.0f) {
        amount = 1484.0f * consumption;
    } else if (consumption <= 100.0f) {
        amount = (consumption - 50.0f) * 1533.0f + 74200.0f;
    } else if (consumption <= 200.0f) {
        amount = (consumption - 100.0f) * 1786.0f + 150850.0f;
    } else if (consumption <= 300.0f) {
        amount = (consumption - 200.0f) * 2242.0f + 329450.0f;
    } else if (consumption <= 400.0f) {
        amount = (consumption - 300.0f) * 2503.0f + 553650.0f;
    } else {
        amount = (consumption - 400.0f) * 2587.0f + 803950.0f;
    }
    // The final factor 1.1 is a double: the amount is widened, multiplied in double
    // precision, and the product narrowed back to float.
    const double withFactor = static_cast<double>(amount) * 1.1;
    // Narrowing a double beyond the float range is undefined behaviour. Every double from
    // this bound on rounds to infinity in IEEE arithmetic, so that is the result given.
    constexpr double firstBeyondFloat = 0x1.ffffffp127;
    if (withFactor >= firstBeyondFloat) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(withFactor);
}

// Negative consumption is refused, and so is one so large that the amount overflows a float.
bool isValidConsumption(float consumption)
{
    return consumption >= 0.0f && std::isfinite(TinhTienDien(consumption));
}

int main()
{
    float consumption = 0;
    if (!askNumber("Nhap so dien: ", "Khong hop le, vui long nhap lai: ", consumption,
                   isValidConsumption)) {
        return reportEndOfInput();
    }
    if (consumption == 0.0f) {
        consumption = 0.0f; // "-0" reads as negative zero, which would print as -0
    }
    std::cout << "So tien phai tra la: " << TinhTienDien(consumption) << " dong";
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
    std::cerr << "powerbill: input ended before an answer was accepted\n";
    return 1;
}
