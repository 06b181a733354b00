#include "outputGrammar.h"

#include <cctype>
#include <cstdint>
#include <string>

namespace {

// Reads a text from the front, piece by piece.
class Reader {
  public:
    explicit Reader(std::string_view text) : rest(text) {}

    bool atEnd() const { return rest.empty(); }
    bool startsWith(std::string_view piece) const { return rest.substr(0, piece.size()) == piece; }

    bool take(std::string_view piece)
    {
        if (!startsWith(piece)) {
            return false;
        }
        rest.remove_prefix(piece.size());
        return true;
    }

    void takeAll(std::string_view piece)
    {
        while (take(piece)) {
        }
    }

    // An integer in decimal; its value goes to `value`.
    bool takeInteger(std::int64_t& value)
    {
        const bool negative = take("-");
        const std::size_t digits = countDigits();
        if (digits == 0 || digits > 10) {
            return false;
        }
        value = std::stoll(std::string(rest.substr(0, digits)));
        value = negative ? -value : value;
        rest.remove_prefix(digits);
        return true;
    }

    // A number as the stream's default format writes it: 12, 82463.1, 1.02663e+06. No inf,
    // no nan. A minus sign only where `mayBeNegative`.
    bool takeNumber(bool mayBeNegative)
    {
        if (mayBeNegative) {
            take("-");
        }
        if (!takeDigits()) {
            return false;
        }
        if (take(".") && !takeDigits()) {
            return false;
        }
        if (take("e")) {
            return (take("+") || take("-")) && countDigits() >= 2 && takeDigits();
        }
        return true;
    }

    // Everything up to the next line break, which is taken too.
    bool takeLine(std::string_view& line)
    {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            return false;
        }
        line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        return true;
    }

  private:
    std::size_t countDigits() const
    {
        std::size_t count = 0;
        while (count < rest.size() && std::isdigit(static_cast<unsigned char>(rest[count]))) {
            ++count;
        }
        return count;
    }
    bool takeDigits()
    {
        const std::size_t digits = countDigits();
        rest.remove_prefix(digits);
        return digits > 0;
    }

    std::string_view rest;
};

const OutputVerdict malformed{false, false};

// The common shape: a prompt, any number of retry messages, then the result or nothing.
template <typename ResultCheck>
OutputVerdict promptThenResult(std::string_view output, std::string_view prompt,
                               std::string_view retry, ResultCheck resultIsWellFormed)
{
    Reader reader(output);
    if (!reader.take(prompt)) {
        return malformed;
    }
    reader.takeAll(retry);
    if (reader.atEnd()) {
        return {true, false};
    }
    return {resultIsWellFormed(reader) && reader.atEnd(), true};
}

bool takeOneOf(Reader& reader, std::initializer_list<std::string_view> words)
{
    for (std::string_view word : words) {
        if (reader.take(word)) {
            return true;
        }
    }
    return false;
}

} // namespace

OutputVerdict checkPowerbill(std::string_view output)
{
    return promptThenResult(
        output, "Nhap so dien: ", "Khong hop le, vui long nhap lai: ", [](Reader& r) {
            return r.take("So tien phai tra la: ") && r.takeNumber(false) && r.take(" dong");
        });
}

OutputVerdict checkCabfare(std::string_view output)
{
    return promptThenResult(
        output, "Nhap so km: ", "Khong hop le, vui long nhap lai: ", [](Reader& r) {
            return r.take("Gia taxi la: ") && r.takeNumber(false) && r.take(" dong");
        });
}

OutputVerdict checkMonthname(std::string_view output)
{
    return promptThenResult(output, "Nhap thang: ", "Loi, vui long nhap lai: ", [](Reader& r) {
        return takeOneOf(r,
                         {"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December", "Do not exist"});
    });
}

OutputVerdict checkGradeband(std::string_view output)
{
    Reader reader(output);
    for (std::string_view prompt : {"Nhap diem Toan: ", "Nhap diem Ly: ", "Nhap diem Hoa: "}) {
        if (!reader.take(prompt)) {
            return malformed;
        }
        reader.takeAll("Loi, nhap lai: ");
        if (reader.atEnd()) {
            return {true, false};
        }
    }
    const bool word = takeOneOf(reader, {"kem", "yeu", "trung binh", "kha", "gioi", "xuat sac"});
    return {word && reader.atEnd(), true};
}

OutputVerdict checkNotechange(std::string_view output)
{
    return promptThenResult(
        output, "Nhap so tien: ", "So tien khong hop le, vui long nhap lai: ", [](Reader& r) {
            if (!r.take("So to nho nhat sau khi quy doi la: ")) {
                return false;
            }
            r.take("1 to 1000 dong va ");
            if (!r.takeNumber(false) || !r.take(" to 2000 dong")) {
                return false;
            }
            r.take(" va 1 to 500 dong");
            return true;
        });
}

OutputVerdict checkAddpair(std::string_view output)
{
    Reader reader(output);
    for (std::string_view prompt : {"Nhap vao so dau tien: ", "Nhap vao so thu 2: "}) {
        if (!reader.take(prompt)) {
            return malformed;
        }
        reader.takeAll(prompt);
        if (reader.atEnd()) {
            return {true, false};
        }
    }
    std::int64_t first = 0;
    std::int64_t second = 0;
    std::int64_t sum = 0;
    const bool wellFormed = reader.take("Tong cua 2 so ") && reader.takeInteger(first) &&
                            reader.take(" va ") && reader.takeInteger(second) &&
                            reader.take(" la ") && reader.takeInteger(sum) && reader.atEnd();
    // The sum, wrapped to 32 bits, must be right.
    const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(first + second));
    return {wellFormed && sum == wrapped, true};
}

OutputVerdict checkDivisorlist(std::string_view output)
{
    return promptThenResult(
        output,
        "Nhap vao so can tim uoc: ", "Khong hop le, vui long nhap so duong: ", [](Reader& r) {
            std::int64_t n = 0;
            if (!r.take("Cac uoc cua ") || !r.takeInteger(n) || !r.take(" la: ") || n < 1) {
                return false;
            }
            // Every listed divisor divides n and they rise; n itself closes the list.
            std::int64_t previous = 0;
            std::int64_t divisor = 0;
            while (r.take(" ") && r.takeInteger(divisor)) {
                if (divisor <= previous || n % divisor != 0) {
                    return false;
                }
                previous = divisor;
                if (!r.take(" ;")) {
                    return divisor == n;
                }
            }
            return false;
        });
}

namespace {

const std::string_view menu = "What part of staff you want to save information\n"
                              "1. Manager\n2. Programmer\n3. Designer\n4. Tester\n";
const std::string_view againQuestion = "Do you want to do again('y' for yes and 'n' for no): ";

// The prompts of one record, in order, cut short where input ended.
void takeRecordPrompts(Reader& reader)
{
    if (!reader.take("Name: ") || !reader.take("Day of birth: ") || !reader.take("ID: ") ||
        !reader.take("Address: ") || !reader.take("He so luong: ")) {
        return;
    }
    reader.takeAll("He so luong: ");
    if (!reader.take("Started Day: ")) {
        return;
    }
    for (std::string_view figure : {"Overtime: ", "Bonus: ", "Error found: "}) {
        reader.takeAll(figure);
    }
}

bool isRosterLine(std::string_view line)
{
    Reader reader(line);
    if (!takeOneOf(reader, {"Manager \"", "Programmer \"", "Designer \"", "Tester \""}) ||
        line.find("\", ID \"") == std::string_view::npos) {
        return false;
    }
    const std::size_t salary = line.rfind("\", salary ");
    if (salary == std::string_view::npos) {
        return false;
    }
    Reader amount(line.substr(salary + 10));
    return amount.take("out of range") || (amount.takeNumber(true) && amount.atEnd());
}

} // namespace

OutputVerdict checkRosterdesk(std::string_view output)
{
    Reader reader(output);
    // Passes of the menu; the summary begins with the line break that ends the dialogue.
    while (reader.take(menu)) {
        if (!reader.take("Type here: ")) {
            return malformed;
        }
        reader.takeAll("Type here: ");
        if (!reader.take("DON'T EXIST\n")) {
            takeRecordPrompts(reader);
        }
        if (!reader.take(againQuestion)) {
            break;
        }
    }
    if (!reader.take("\n")) {
        return malformed;
    }
    if (reader.take("No record was saved\n")) {
        return {reader.atEnd(), true};
    }
    std::string_view line;
    int records = 0;
    while (reader.takeLine(line)) {
        if (!isRosterLine(line)) {
            return malformed;
        }
        ++records;
    }
    return {records > 0 && reader.atEnd(), true};
}
