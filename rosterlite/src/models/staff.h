#pragma once

#include <string>

// A member of staff: six common fields, and role operations that prompt for a role's own
// figure. Any role operation may be called on any record: the role that owns the figure
// asks for it, every other role writes a refusal and reads nothing.
//
// Reading rules of the role operations: the answer is one float read with formatted input.
// When it is not a number, the figure keeps its value, the stream's error is cleared and
// the rest of the line is discarded, so that the caller's next read works. At the end of
// input the figure keeps its value and std::cin stays at its end. Once the input has ended,
// no prompt is written any more.
//
// Number fields start at zero, text fields empty. Records are not meant to be destroyed
// through a pointer to staff: the class declares no destructor.
class staff {
  public:
    const std::string& getName() const { return name; }
    void setName(const std::string& value) { name = value; }

    const std::string& getDob() const { return dob; }
    void setDob(const std::string& value) { dob = value; }

    const std::string& getId() const { return id; }
    void setId(const std::string& value) { id = value; }

    const std::string& getAddress() const { return address; }
    void setAddress(const std::string& value) { address = value; }

    float getSalaryFactor() const { return salaryFactor; }
    void setSalaryFactor(float value) { salaryFactor = value; }

    const std::string& getStartedDay() const { return startedDay; }
    void setStartedDay(const std::string& value) { startedDay = value; }

    // Asks at the terminal for the six common fields, in this order: "Name: ",
    // "Day of birth: ", "ID: ", "Address: " (whole lines, blanks kept), "He so luong: " (a
    // float; an answer that is not a number is asked for again with the same prompt, and one
    // character, normally the line feed, is discarded after it) and "Started Day: " (a whole
    // line). Each answer is stored as it comes; if input ends, no further prompt is written
    // and the fields not yet answered keep their values.
    void setAllInformation();

    virtual void setOverTime() { writeRefusal(); }
    virtual void setBonus() { writeRefusal(); }
    virtual void setError() { writeRefusal(); }
    virtual float calSalary() = 0;

  protected:
    std::string name;
    std::string dob;
    std::string id;
    std::string address;
    float salaryFactor = 0;
    std::string startedDay;

    // Writes a prompt and reads one float into `figure`, following the reading rules above.
    static void askFigure(const char* prompt, float& figure);

  private:
    // Writes "Don't have this feature in this staff", with no line break.
    static void writeRefusal();
};
