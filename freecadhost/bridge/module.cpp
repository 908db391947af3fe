// quenmoorfreecad: the Python module through which FreeCAD hosts the add-in. The
// workbench creates one Bridge over its Python host object; the bridge registers the
// running host, creates and connects the add-in through the registry and the component
// runtime, and passes menu picks and page events to it.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <optional>
#include <string>

#include "contracts/host/addin_events.h"
#include "contracts/host/running_host.h"
#include "freecadhost/bridge/application_object.h"
#include "freecadhost/bridge/page_events.h"
#include "platform/com/activation.h"
#include "platform/com/server_library.h"

namespace quenmoor::freecadhost {

namespace {

class Bridge {
public:
    explicit Bridge(py::object host)
        : application_(FreeCadApplication::create(std::move(host))),
          running_(std::make_unique<host::RunningHost>(application_)) {}

    ~Bridge() {
        try {
            disconnect();
        } catch (const com::ComError&) {
            // FreeCAD is closing: the add-in's failure has nobody left to tell.
        }
    }

    Bridge(const Bridge&) = delete;
    Bridge& operator=(const Bridge&) = delete;

    // Creates the add-in by ProgID and connects it; returns what it answered. A failing
    // connection raises after keeping the add-in, so that disconnecting removes what it
    // did add.
    bool connect(const std::string& progId) {
        if (addin_) {
            throw com::ComError(com::E_UNEXPECTED,
                                "add-in " + progId + ": " + progId_ + " is connected already");
        }
        try {
            com::ComPtr<com::IUnknown> object =
                com::CoCreateInstance(com::CLSIDFromProgID(progId), host::SwAddin::iid);
            addin_ = com::ComPtr<host::SwAddin>::adopt(
                static_cast<host::SwAddin*>(static_cast<void*>(object.detach())));
        } catch (const com::ComError& e) {
            throw com::ComError(e.code(), "add-in " + progId + ": " + e.description());
        }
        progId_ = progId;
        com::VariantBool returned = com::VariantFalse;
        com::check(addin_->ConnectToSW(static_cast<host::ISldWorks*>(application_.get()), cookie_,
                                       &returned),
                   "add-in " + progId + ": ConnectToSW");
        return returned != com::VariantFalse;
    }

    // Disconnects and releases the add-in; returns what it answered, None when none was
    // connected. The library stays loaded while it has objects alive, its windows among
    // them.
    std::optional<bool> disconnect() {
        if (!addin_) {
            return std::nullopt;
        }
        com::VariantBool returned = com::VariantFalse;
        const com::HRESULT hr = addin_->DisconnectFromSW(&returned);
        const std::string failure = com::failed(hr) ? com::takeErrorInfo() : std::string();
        addin_.reset();
        application_->releaseCallbacks();
        com::CoFreeUnusedLibraries();
        if (com::failed(hr)) {
            throw com::ComError(
                hr, failure.empty()
                        ? "add-in " + progId_ + ": DisconnectFromSW: " + com::describeCode(hr)
                        : failure);
        }
        return returned != com::VariantFalse;
    }

    bool connected() const { return static_cast<bool>(addin_); }

    void call(const std::string& callback) { application_->callBack(callback); }

private:
    com::ComPtr<FreeCadApplication> application_;
    std::unique_ptr<host::RunningHost> running_;
    com::ComPtr<host::SwAddin> addin_;
    std::string progId_;
    std::int32_t cookie_ = 1;
};

}  // namespace

}  // namespace quenmoor::freecadhost

PYBIND11_MODULE(quenmoorfreecad, module) {
    namespace py = pybind11;
    using namespace quenmoor::freecadhost;
    module.doc() = "Hosts the Quenmoor add-in in FreeCAD through the component runtime.";

    py::register_exception_translator([](std::exception_ptr failure) {
        try {
            if (failure) {
                std::rethrow_exception(failure);
            }
        } catch (const quenmoor::com::ComError& e) {
            PyErr_SetString(PyExc_RuntimeError, e.description().c_str());
        }
    });

    module.def("registered", &quenmoor::com::isRegistered, py::arg("prog_id"),
               "Whether the registry holds a class under this ProgID.");
    module.def(
        "register_library",
        [](const std::string& path) {
            quenmoor::com::ServerLibrary(path).callRegistration("DllRegisterServer");
        },
        py::arg("path"), "Registers a component library through its DllRegisterServer.");

    py::class_<Bridge>(module, "Bridge")
        .def(py::init<py::object>(), py::arg("host"))
        .def("connect", &Bridge::connect, py::arg("prog_id"))
        .def("disconnect", &Bridge::disconnect)
        .def("connected", &Bridge::connected)
        .def("call", &Bridge::call, py::arg("callback"));

    py::class_<PageEvents>(module, "PageEvents")
        .def("on_close", &PageEvents::onClose)
        .def("after_close", &PageEvents::afterClose)
        .def("on_help", &PageEvents::onHelp)
        .def("on_button_press", &PageEvents::onButtonPress)
        .def("on_option_check", &PageEvents::onOptionCheck)
        .def("on_checkbox_check", &PageEvents::onCheckboxCheck)
        .def("on_textbox_changed", &PageEvents::onTextboxChanged)
        .def("on_combobox_selection_changed", &PageEvents::onComboboxSelectionChanged)
        .def("detach", &PageEvents::detach)
        .def("attached", &PageEvents::attached);
}
