#include "hostileInputs.h"

#include <cstdint>

namespace {

// A small generator written out here, so that the inputs are the same with every library.
class Random {
  public:
    explicit Random(std::uint32_t seed) : state(seed * 2654435761u + 1u) {}

    std::uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    std::size_t below(std::size_t bound) { return next() % bound; }

  private:
    std::uint32_t state;
};

const char* const tokens[] = {
    // Answers that a program accepts, and menu choices.
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "7",
    "12",
    "13",
    "20",
    "50.5",
    "120",
    "401",
    "1500",
    "7500",
    "3.7",
    "8.9",
    "-0",
    "y",
    "n",
    "Y",
    "yes",
    "Ann",
    "S01",
    // Numbers refused by a bound, or far outside the type's range.
    "-1",
    "-3.5",
    "-500",
    "1234",
    "99999999999",
    "-99999999999",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "1e39",
    "-1e39",
    "3e38",
    "1e35",
    "1e-50",
    "0.0000001",
    "340282356779733661637539395458142568448",
    // Lone signs and points, and numbers cut short.
    "-",
    "+",
    ".",
    "-.",
    "+-1",
    "--1",
    "1e",
    "1e+",
    "e5",
    "1.2.3",
    // Words, and what other languages would read as numbers.
    "abc",
    "x",
    "nan",
    "NaN",
    "-nan",
    "inf",
    "-inf",
    "infinity",
    "0x1A",
    "0x",
    "1,5",
    "½",
};

std::string longLine(Random& random)
{
    const char fill = random.below(2) == 0 ? '9' : 'a';
    return std::string(2000 + random.below(8000), fill);
}

std::string separator(Random& random)
{
    const char* const separators[] = {"\n", "\n", "\n", " ", "\t", "\r\n", "\n\n", " \t "};
    return separators[random.below(sizeof separators / sizeof *separators)];
}

std::string tokenStream(Random& random)
{
    std::string input;
    const std::size_t count = 1 + random.below(40);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t kind = random.below(20);
        if (kind == 0) {
            input += longLine(random);
        } else if (kind == 1) {
            input += std::string(1 + random.below(3), '\0');
        } else if (kind == 2) {
            input += ""; // a blank line once the separator follows
        } else {
            input += tokens[random.below(sizeof tokens / sizeof *tokens)];
        }
        if (i + 1 < count || random.below(3) != 0) { // some inputs lack a final line break
            input += separator(random);
        }
    }
    return input;
}

std::string randomBytes(Random& random)
{
    std::string input(random.below(300), '\0');
    for (char& byte : input) {
        byte = static_cast<char>(random.below(256));
    }
    return input;
}

} // namespace

std::vector<std::string> hostileInputs(unsigned int seed, int count)
{
    Random random(seed);
    std::vector<std::string> inputs{""};
    while (static_cast<int>(inputs.size()) < count) {
        inputs.push_back(random.below(4) == 0 ? randomBytes(random) : tokenStream(random));
    }
    return inputs;
}
