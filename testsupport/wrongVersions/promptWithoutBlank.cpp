// A wrong version of powerbill for the tests of the check: its prompt lacks its final blank.
#include <iostream>

int main()
{
    std::cout << "Nhap so dien:";
    float consumption = 0;
    std::cin >> consumption;
    const float amount = 1484.0f * consumption;
    std::cout << "So tien phai tra la: " << static_cast<float>(amount * 1.1) << " dong";
    return 0;
}
