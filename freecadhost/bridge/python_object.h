#pragma once

#include <pybind11/pybind11.h>

#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::pythonhost {

namespace py = pybind11;

// The text of the Python exception being handled, as the user reads it where the host
// shows failures: its message alone, without the traceback, or its type's name when it
// has no message.
std::string describePythonError(const py::error_already_set& error);
// The name of the exception's type, "AttributeError".
std::string pythonTypeName(const py::error_already_set& error);

// The host's record of the add-in's calls, as cadhost keeps one: each call by the name of
// the host method it answers ("AddMenuItem2", "Feature.Name", "combo.ItemText"), and a
// switch that makes the n-th next call of a name fail, so that tests show how the add-in
// and the host cope with a host that fails half way. It records only while asked to; an
// injected failure needs no record. One per process; calls come from the host's thread.
class HostCalls {
public:
    static HostCalls& instance();

    // Records the call, then raises ComError(E_FAIL) naming it when a failure was injected
    // for this call.
    void record(std::string_view name);
    // Makes the n-th next call (1 = the very next) of `name` fail.
    void failCall(std::string name, int nth);
    // Forgets the record and every failure not reached yet.
    void reset();

    void setRecording(bool recording) { recording_ = recording; }
    const std::vector<std::string>& entries() const { return entries_; }

private:
    bool recording_ = false;
    std::vector<std::string> entries_;
    std::map<std::string, int, std::less<>> injected_;
};

// A Python object of the host's side, held by one of the component objects that the
// add-in calls. Those calls arrive from the host's commands, where the host holds the
// interpreter lock, and from the add-in's own windows, where it does not: every call and
// the final release take the lock themselves, and no Python object leaves the scope of
// the lock that fetched it except inside a new component object.
class PythonObject {
public:
    explicit PythonObject(py::object object) : object_(std::move(object)) {}
    ~PythonObject();
    PythonObject(const PythonObject&) = delete;
    PythonObject& operator=(const PythonObject&) = delete;

    // Calls `method` for the host method `name` (recorded in HostCalls) and converts its
    // result to R, a C++ value. A Python exception of any type becomes a ComError with the
    // exception's message, so the add-in's failure names what the host refused.
    template <class R = void, class... Args>
    R call(const char* name, const char* method, Args&&... args) const {
        static_assert(!std::is_base_of_v<py::handle, R>, "wrap Python results with make()");
        HostCalls::instance().record(name);
        py::gil_scoped_acquire lock;
        py::object result = invoke(name, method, std::forward<Args>(args)...);
        if constexpr (!std::is_void_v<R>) {
            return converted<R>(result, method);
        }
    }

    // Calls `method` and wraps the Python object it returns in a new component object of
    // type W, or returns an empty pointer for None.
    template <class W, class... Args>
    com::ComPtr<W> make(const char* name, const char* method, Args&&... args) const {
        HostCalls::instance().record(name);
        py::gil_scoped_acquire lock;
        py::object result = invoke(name, method, std::forward<Args>(args)...);
        if (result.is_none()) {
            return {};
        }
        return W::create(std::move(result));
    }

    // Calls `method`, which returns a sequence, and wraps each of its objects in a W.
    template <class W, class... Args>
    std::vector<com::ComPtr<W>> makeEach(const char* name, const char* method,
                                         Args&&... args) const {
        HostCalls::instance().record(name);
        py::gil_scoped_acquire lock;
        py::object result = invoke(name, method, std::forward<Args>(args)...);
        std::vector<com::ComPtr<W>> made;
        for (py::handle item : converted<py::sequence>(result, method)) {
            made.push_back(W::create(py::reinterpret_borrow<py::object>(item)));
        }
        return made;
    }

private:
    // The host's own refusals (RuntimeError and its kin) say what they refused; any other
    // exception, a slip of the host's code such as an AttributeError from an object deleted
    // under it, is named by the call it broke and its type.
    template <class... Args>
    py::object invoke(const char* name, const char* method, Args&&... args) const {
        try {
            return object_.attr(method)(std::forward<Args>(args)...);
        } catch (const py::error_already_set& error) {
            if (error.matches(PyExc_RuntimeError)) {
                throw com::ComError(com::E_FAIL, describePythonError(error));
            }
            throw com::ComError(com::E_FAIL, std::string(name) + ": " + pythonTypeName(error) +
                                                 ": " + describePythonError(error));
        }
    }

    template <class R>
    static R converted(const py::object& result, const char* method) {
        try {
            return result.cast<R>();
        } catch (const py::cast_error& error) {
            throw com::ComError(com::E_FAIL, std::string(method) + ": " + error.what());
        }
    }

    py::object object_;
};

}  // namespace quenmoor::pythonhost
