// A wrong version for the tests of the check: it writes its prompt and then waits for ever
// without reading.
#include <iostream>

#include <unistd.h>

int main()
{
    std::cout << "Nhap so dien: " << std::flush;
    while (true) {
        pause();
    }
}
