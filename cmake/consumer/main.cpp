#include <iostream>

#include <rosterlite/designer.h>
#include <rosterlite/programmer.h>
#include <sortkit/sortImplementation.h>

int main()
{
    int marks[] = {3, 1, 2};
    insertionSort(marks, 3);
    std::cout << marks[0] << marks[1] << marks[2] << '\n';

    designer ann;
    ann.setSalaryFactor(2.5f);
    staff& member = ann;
    member.setError();
    std::cout << '\n' << member.calSalary() << '\n';
    return 0;
}
