#pragma once

#include <string>

// Asks for the six common fields of a record and stores the answers in the six arguments,
// given in field order. The day of birth is asked for before the ID. If input ends before
// the last answer, the remaining prompts are not written and std::cin is left failed.
void saveInfo(std::string& name, std::string& id, std::string& dob, std::string& address,
              float& heSoLuong, std::string& startedDay);
