#include "freecadhost/bridge/python_object.h"

namespace quenmoor::freecadhost {

std::string describePythonError(const py::error_already_set& error) {
    py::gil_scoped_acquire lock;
    try {
        return py::str(error.value()).cast<std::string>();
    } catch (const std::exception&) {
        return error.what();
    }
}

PythonObject::~PythonObject() {
    // At the interpreter's end the object is gone with it: releasing it then would crash.
    if (Py_IsInitialized() == 0) {
        object_.release();
        return;
    }
    py::gil_scoped_acquire lock;
    object_ = py::object();
}

}  // namespace quenmoor::freecadhost
