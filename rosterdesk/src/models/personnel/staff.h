#pragma once

#include <limits>
#include <string>

// A member of staff: the six fields that every role has, with a getter and a setter each.
// Abstract: only the four roles are ever created. The destructor is deliberately not
// virtual, because records stay in the roster until the process ends and are never
// destroyed through a pointer to staff. The roles are final, so a record can be deleted
// soundly through its own role.
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
    // The nearest float to a double salary. Narrowing a double beyond the float range is
    // undefined behaviour; every double from the bound below on rounds to infinity in IEEE
    // arithmetic, so that is the result given.
    static float narrowToFloat(double value)
    {
        constexpr double firstBeyondFloat = 0x1.ffffffp127;
        if (value >= firstBeyondFloat) {
            return std::numeric_limits<float>::infinity();
        }
        if (value <= -firstBeyondFloat) {
            return -std::numeric_limits<float>::infinity();
        }
        return static_cast<float>(value);
    }

    std::string name;
    std::string id;
    std::string dob;
    std::string address;
    float heSoLuong = 0; // the salary coefficient; zero until a setter gives it a value
    std::string startedDay;
};
