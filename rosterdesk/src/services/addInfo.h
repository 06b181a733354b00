#pragma once

#include <string>

#include "models/personnel/designer.h"
#include "models/personnel/manager.h"
#include "models/personnel/programmer.h"
#include "models/personnel/tester.h"

// The record factory: fills a record of one role from its field values. It has no state,
// so every copy works alike. The common fields come in field order: name, ID, day of
// birth, address, coefficient, starting day.
class addInfo {
  public:
    manager createManager(std::string name, std::string id, std::string dob, std::string address,
                          float heSoLuong, std::string startedDay);
    designer createDesigner(std::string name, std::string id, std::string dob, std::string address,
                            float heSoLuong, std::string startedDay, float bonus);
    programmer createProgrammer(std::string name, std::string id, std::string dob,
                                std::string address, float heSoLuong, std::string startedDay,
                                float overTime);
    tester createTester(std::string name, std::string id, std::string dob, std::string address,
                        float heSoLuong, std::string startedDay, int error);
};
