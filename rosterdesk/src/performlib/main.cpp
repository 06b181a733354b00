#include <iostream>
#include <vector>

#include "lib/rosterSummary.h"
#include "lib/theSystem.h"

int main()
{
    // The roster owns its heap records until the process ends.
    std::vector<staff*> personnel;
    mySystem(personnel);
    std::cout << std::endl; // end the line that the dialogue left open
    writeRoster(personnel);
    return 0;
}
