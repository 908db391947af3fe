#include "freecadhost/bridge/python_object.h"

namespace quenmoor::pythonhost {

std::string describePythonError(const py::error_already_set& error) {
    py::gil_scoped_acquire lock;
    try {
        std::string text = py::str(error.value()).cast<std::string>();
        if (text.empty()) {
            text = py::str(error.type().attr("__name__")).cast<std::string>();
        }
        return text;
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

}  // namespace quenmoor::pythonhost
