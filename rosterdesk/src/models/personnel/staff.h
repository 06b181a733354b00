#pragma once

#include <string>

// A member of staff: the six fields that every role has, with a getter and a setter each.
// Abstract: only the four roles are ever created. The destructor is deliberately not
// virtual, because records stay in the roster until the process ends and are never
// destroyed through a pointer to staff.
class staff {
  public:
    const std::string& getName() const { return name; }
    void setName(const std::string& value) { name = value; }

    const std::string& getId() const { return id; }
    void setId(const std::string& value) { id = value; }

    const std::string& getDob() const { return dob; }
    void setDob(const std::string& value) { dob = value; }

    const std::string& getAddress() const { return address; }
    void setAddress(const std::string& value) { address = value; }

    float getHeSoLuong() const { return heSoLuong; }
    void setHeSoLuong(float value) { heSoLuong = value; }

    const std::string& getStartedDay() const { return startedDay; }
    void setStartedDay(const std::string& value) { startedDay = value; }

    // The salary, computed by the record's role.
    virtual float calSalary() = 0;

  protected:
    std::string name;
    std::string id;
    std::string dob;
    std::string address;
    float heSoLuong = 0; // the salary coefficient; zero until a setter gives it a value
    std::string startedDay;
};
