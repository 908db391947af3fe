#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/dispatch_table.h"
#include "platform/com/guid.h"

// The class served by goodcomponent.so, shared by the library and the tests that load it.

namespace quenmoor::testcomponents {

inline constexpr com::Guid CLSID_TestCounter = com::guid("{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4}");
inline constexpr com::Guid LIBID_TestCounter = com::guid("{694F7223-82E8-4198-A0C4-F685CDB833DB}");
inline constexpr std::string_view TestCounterProgId = "Quenmoor.TestCounter";

// A 16-bit counter with a name, reachable by its functions and by name alike.
class ICounter : public com::IDispatch {
public:
    static constexpr com::Guid iid = com::guid("{855AFCE9-6145-4D9B-B6F6-253C37D36A5C}");
    using Base = com::IDispatch;

    // The new value; an overflow error past 32767.
    virtual std::int16_t Increment() = 0;
    virtual std::int16_t Value() = 0;
    virtual void SetValue(std::int16_t value) = 0;
    virtual std::string Name() = 0;
    virtual void SetName(std::string name) = 0;

    static const com::DispatchTable<ICounter>& dispatchTable() {
        using Table = com::DispatchTable<ICounter>;
        static const Table table{
            Table::method<&ICounter::Increment>("Increment"), Table::get<&ICounter::Value>("Value"),
            Table::put<&ICounter::SetValue>("Value"),         Table::get<&ICounter::Name>("Name"),
            Table::put<&ICounter::SetName>("Name"),
        };
        return table;
    }

protected:
    ~ICounter() = default;
};

}  // namespace quenmoor::testcomponents
