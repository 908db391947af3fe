// quenmoorfreecad: the Python module through which FreeCAD hosts the add-in. The
// workbench creates one Bridge over its Python host object; the bridge registers the
// running host, creates and connects the add-in through the registry and the component
// runtime, and passes menu picks and page events to it.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "contracts/host/addin_connection.h"
#include "contracts/host/installed_components.h"
#include "contracts/host/running_host.h"
#include "freecadhost/bridge/application_object.h"
#include "freecadhost/bridge/page_events.h"

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
            throw com::ComError(com::E_UNEXPECTED, "add-in " + progId + ": " + addin_->progId() +
                                                       " is connected already");
        }
        addin_.emplace(progId, Cookie);
        const auto result = addin_->connect(*application_);
        if (!result.succeeded()) {
            throw com::ComError(result.code, result.failure(progId, "ConnectToSW"));
        }
        return result.returned != com::VariantFalse;
    }

    // Disconnects and releases the add-in; returns what it answered, None when none was
    // connected. The library stays loaded while it has objects alive, its windows among
    // them.
    std::optional<bool> disconnect() {
        if (!addin_) {
            return std::nullopt;
        }
        const auto result = addin_->disconnect();
        const std::string progId = addin_->progId();
        addin_.reset();
        application_->releaseCallbacks();
        host::AddinConnection::unloadUnused();
        if (!result.succeeded()) {
            throw com::ComError(result.code, result.failure(progId, "DisconnectFromSW"));
        }
        return result.returned != com::VariantFalse;
    }

    bool connected() const { return addin_.has_value(); }

    void call(const std::string& callback) { application_->callBack(callback); }

private:
    static constexpr std::int32_t Cookie = 1;

    com::ComPtr<FreeCadApplication> application_;
    std::unique_ptr<host::RunningHost> running_;
    std::optional<host::AddinConnection> addin_;
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

    namespace host = quenmoor::host;
    module.attr("ADDIN_PROG_ID") = std::string(host::InstalledAddinProgId);
    module.def(
        "register_components",
        [](const std::string& folder, bool every) {
            std::vector<std::string> registered;
            for (const auto& component : host::registerInstalledComponents(
                     folder, every ? host::Registration::Every : host::Registration::MissingOnly)) {
                registered.push_back(component.library.string());
            }
            return registered;
        },
        py::arg("folder"), py::arg("every") = false,
        "Registers the components the folder holds (the spreadsheet engine and the add-in):\n"
        "those the registry lacks, or every one when `every` is true. Returns the libraries\n"
        "registered.");

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
