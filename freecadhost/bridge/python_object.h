#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/com/com_error.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::freecadhost {

namespace py = pybind11;

// The text of the Python exception being handled, as the user reads it in FreeCAD's
// report view: its message alone, without the traceback.
std::string describePythonError(const py::error_already_set& error);

// Returns a new component object of type W over a Python object of the FreeCAD side, or
// an empty pointer for None.
template <class W>
com::ComPtr<W> wrapObject(py::object object) {
    py::gil_scoped_acquire lock;
    if (object.is_none()) {
        return {};
    }
    return W::create(std::move(object));
}

// A Python object of the FreeCAD side, held by one of the component objects that the
// add-in calls. Those calls arrive from menu commands, where FreeCAD holds the
// interpreter lock, and from the add-in's own windows, where it does not: every call and
// the final release take the lock themselves.
class PythonObject {
public:
    explicit PythonObject(py::object object) : object_(std::move(object)) {}
    ~PythonObject();
    PythonObject(const PythonObject&) = delete;
    PythonObject& operator=(const PythonObject&) = delete;

    // Calls `method` and converts its result to R. A Python exception becomes a ComError
    // with the exception's message, so the add-in's failure names what FreeCAD refused.
    template <class R = void, class... Args>
    R call(const char* method, Args&&... args) const {
        py::gil_scoped_acquire lock;
        try {
            py::object result = object_.attr(method)(std::forward<Args>(args)...);
            if constexpr (!std::is_void_v<R>) {
                return result.cast<R>();
            }
        } catch (const py::error_already_set& error) {
            throw com::ComError(com::E_FAIL, describePythonError(error));
        } catch (const py::cast_error& error) {
            throw com::ComError(com::E_FAIL, std::string(method) + ": " + error.what());
        }
    }

private:
    py::object object_;
};

}  // namespace quenmoor::freecadhost
