// A wrong version of powerbill for the tests of the check: every tier is computed in double
// and narrowed once, where each tier step should be in float.
#include <iostream>

double tierAmount(double consumption)
{
    if (consumption <= 50) {
        return 1484 * consumption;
    }
    if (consumption <= 100) {
        return (consumption - 50) * 1533 + 74200;
    }
    if (consumption <= 200) {
        return (consumption - 100) * 1786 + 150850;
    }
    if (consumption <= 300) {
        return (consumption - 200) * 2242 + 329450;
    }
    if (consumption <= 400) {
        return (consumption - 300) * 2503 + 553650;
    }
    return (consumption - 400) * 2587 + 803950;
}

int main()
{
    std::cout << "Nhap so dien: ";
    float consumption = 0;
    std::cin >> consumption;
    while (consumption < 0) {
        std::cout << "Khong hop le, vui long nhap lai: ";
        std::cin >> consumption;
    }
    const double amount = tierAmount(static_cast<double>(consumption)) * 1.1;
    std::cout << "So tien phai tra la: " << static_cast<float>(amount) << " dong";
    return 0;
}
