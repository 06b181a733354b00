// An example of using rosterlite: fills a programmer and a designer at the terminal, calls
// every role operation on each through a staff&, and prints their salaries.
#include <iostream>
#include <limits>

#include <rosterlite/designer.h>
#include <rosterlite/programmer.h>

// Each record answers the operation that is its own and refuses the others.
void askRoleFigures(staff& member)
{
    member.setOverTime();
    std::cout << '\n';
    member.setBonus();
    std::cout << '\n';
    member.setError();
    std::cout << '\n';
}

int main()
{
    programmer ann;
    designer bob;
    staff* team[] = {&ann, &bob};
    for (staff* member : team) {
        member->setAllInformation();
        askRoleFigures(*member);
        // The role figure is read as a number and leaves its line feed behind; drop the rest
        // of that line so the next record's name starts on a fresh line.
        std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    for (staff* member : team) {
        std::cout << member->getName() << " (" << member->getId() << "): salary "
                  << member->calSalary() << '\n';
    }
    return 0;
}
