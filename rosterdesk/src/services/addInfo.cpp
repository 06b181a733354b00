#include "addInfo.h"

namespace {

void setCommonFields(staff& record, const std::string& name, const std::string& id,
                     const std::string& dob, const std::string& address, float heSoLuong,
                     const std::string& startedDay)
{
    record.setName(name);
    record.setId(id);
    record.setDob(dob);
    record.setAddress(address);
    record.setHeSoLuong(heSoLuong);
    record.setStartedDay(startedDay);
}

} // namespace

manager addInfo::createManager(std::string name, std::string id, std::string dob,
                               std::string address, float heSoLuong, std::string startedDay)
{
    manager record;
    setCommonFields(record, name, id, dob, address, heSoLuong, startedDay);
    return record;
}

designer addInfo::createDesigner(std::string name, std::string id, std::string dob,
                                 std::string address, float heSoLuong, std::string startedDay,
                                 float bonus)
{
    designer record;
    setCommonFields(record, name, id, dob, address, heSoLuong, startedDay);
    record.setBonus(bonus);
    return record;
}

programmer addInfo::createProgrammer(std::string name, std::string id, std::string dob,
                                     std::string address, float heSoLuong, std::string startedDay,
                                     float overTime)
{
    programmer record;
    setCommonFields(record, name, id, dob, address, heSoLuong, startedDay);
    record.setOverTime(overTime);
    return record;
}

tester addInfo::createTester(std::string name, std::string id, std::string dob, std::string address,
                             float heSoLuong, std::string startedDay, int error)
{
    tester record;
    setCommonFields(record, name, id, dob, address, heSoLuong, startedDay);
    record.setError(error);
    return record;
}
