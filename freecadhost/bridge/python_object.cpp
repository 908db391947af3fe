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

HostCalls& HostCalls::instance() {
    static HostCalls calls;
    return calls;
}

void HostCalls::record(std::string_view name) {
    if (recording_) {
        entries_.emplace_back(name);
    }
    if (injected_.empty()) {
        return;
    }
    auto it = injected_.find(name);
    if (it != injected_.end() && --it->second == 0) {
        injected_.erase(it);
        throw com::ComError(com::E_FAIL, std::string(name) + ": the host refused the call");
    }
}

void HostCalls::failCall(std::string name, int nth) {
    if (nth < 1) {
        throw com::ComError(com::E_INVALIDARG, "fail_call: the call number must be 1 or more");
    }
    injected_[std::move(name)] = nth;
}

void HostCalls::reset() {
    entries_.clear();
    injected_.clear();
}

std::string pythonTypeName(const py::error_already_set& error) {
    py::gil_scoped_acquire lock;
    try {
        return py::str(error.type().attr("__name__")).cast<std::string>();
    } catch (const std::exception&) {
        return "exception";
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
