// quenmoorhost: the Python module through which a Python-scriptable application hosts the
// add-in (FreeCAD's Quenmoor workbench is one). The application creates one AddinHost over
// its Python host object; the AddinHost registers the running host, creates and connects
// the add-in through the registry and the component runtime, and passes menu picks and
// page events to it. Nothing here knows which application it is.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "contracts/host/addin_connection.h"
#include "contracts/host/host_codes.h"
#include "contracts/host/installed_components.h"
#include "contracts/host/running_host.h"
#include "contracts/spreadsheet/spreadsheet.h"
#include "freecadhost/bridge/application_object.h"
#include "freecadhost/bridge/page_events.h"
#include "freecadhost/bridge/page_objects.h"
#include "platform/com/activation.h"
#include "platform/com/registry.h"

namespace quenmoor::pythonhost {

namespace {

// Lives as long as the Python object that holds it: the host object keeps it while the
// add-in is hosted and drops it after disconnecting (the FreeCAD workbench does at quit).
// It holds the host object in turn, so the host must drop it for either to go; going, it
// disconnects an add-in still connected and takes the running host out of the registry.
class AddinHost {
public:
    explicit AddinHost(py::object host)
        : application_(PythonApplication::create(std::move(host))),
          running_(std::make_unique<host::RunningHost>(application_)) {}

    ~AddinHost() {
        try {
            disconnect();
        } catch (const com::ComError&) {
            // The host dropped the add-in without disconnecting it: nobody is left to tell.
        }
    }

    AddinHost(const AddinHost&) = delete;
    AddinHost& operator=(const AddinHost&) = delete;

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

    // Calls a menu callback; the items its page's combo boxes gathered reach the host
    // before the call returns, whether it succeeded or not.
    void call(const std::string& callback) {
        try {
            application_->callBack(callback);
        } catch (const com::ComError&) {
            handOverPendingItems();
            throw;
        }
        handOverPendingItems();
    }

private:
    static constexpr std::int32_t Cookie = 1;

    com::ComPtr<PythonApplication> application_;
    std::unique_ptr<host::RunningHost> running_;
    std::optional<host::AddinConnection> addin_;
};

// The switch of the spreadsheet engine the add-in uses in this process.
quenmoor::com::ComPtr<quenmoor::spreadsheet::CallFailures> engineCalls() {
    namespace sheets = quenmoor::spreadsheet;
    return quenmoor::com::createInstance<sheets::Global>(sheets::SpreadsheetGlobalClass)
        .as<sheets::CallFailures>("the spreadsheet engine");
}

}  // namespace

}  // namespace quenmoor::pythonhost

PYBIND11_MODULE(quenmoorhost, module) {
    namespace py = pybind11;
    using namespace quenmoor::pythonhost;
    module.doc() = "Hosts the Quenmoor add-in in a Python-scriptable application.";

    // A failure of the add-in or of the runtime: its text names what failed, `hresult`
    // is its code.
    static py::exception<quenmoor::com::ComError> hostCallError(module, "HostCallError",
                                                                PyExc_RuntimeError);
    py::register_exception_translator([](std::exception_ptr failure) {
        try {
            if (failure) {
                std::rethrow_exception(failure);
            }
        } catch (const quenmoor::com::ComError& e) {
            py::object error = py::reinterpret_borrow<py::object>(hostCallError)(e.description());
            error.attr("hresult") = static_cast<std::uint32_t>(e.code());
            PyErr_SetObject(hostCallError.ptr(), error.ptr());
        }
    });

    namespace host = quenmoor::host;
    module.attr("ADDIN_PROG_ID") = std::string(host::InstalledAddinProgId);

    // The contract's numbers under the names the Python side uses for them.
    py::module_ codes = module.def_submodule("codes", "The numbers of the host contract.");
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"DOCUMENT_PART", host::DocumentPart},
        {"DOCUMENT_ASSEMBLY", host::DocumentAssembly},
        {"DOCUMENT_DRAWING", host::DocumentDrawing},
        {"CLOSE_OKAY", host::CloseOkay},
        {"CLOSE_CANCEL", host::CloseCancel},
        {"CONTROL_CHECKBOX", host::ControlCheckbox},
        {"CONTROL_BUTTON", host::ControlButton},
        {"CONTROL_OPTION", host::ControlOption},
        {"CONTROL_TEXTBOX", host::ControlTextbox},
        {"CONTROL_COMBOBOX", host::ControlCombobox},
        {"SELECTION_NOTHING", host::SelectionNothing},
        {"SELECTION_OTHER", host::SelectionOther},
        {"SELECTION_COMPONENT", host::SelectionComponent},
        {"CUSTOM_INFO_TEXT", host::CustomInfoText},
        {"PREFERENCE_MATERIAL_DENSITY", host::PreferenceMaterialDensity},
        {"PREFERENCE_STL_BINARY", host::PreferenceStlBinary},
        {"PREFERENCE_STL_CHORD_TOLERANCE", host::PreferenceStlChordTolerance},
        {"PREFERENCE_STL_ANGLE_TOLERANCE", host::PreferenceStlAngleTolerance},
        {"PREFERENCE_TEAM_FOLDER", host::PreferenceTeamFolder},
        {"SAVE_FAILED", host::SaveFailed},
        {"MATERIAL_VALUE_COUNT", host::MaterialValueCount},
    };
    for (const auto& [name, value] : numbers) {
        codes.attr(name) = value;
    }
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

    module.def(
        "record_calls",
        [](bool recording) {
            HostCalls::instance().reset();
            HostCalls::instance().setRecording(recording);
        },
        py::arg("recording"),
        "Starts (True) or stops a fresh record of the add-in's calls on the host, each by\n"
        "the host method's name, as cadhost's journal names them.");
    module.def(
        "recorded_calls", [] { return HostCalls::instance().entries(); },
        "The add-in's calls on the host since record_calls(True), in order.");
    module.def(
        "fail_call",
        [](const std::string& name, int nth) { HostCalls::instance().failCall(name, nth); },
        py::arg("name"), py::arg("nth") = 1,
        "Makes the nth next call of the named host method fail, as cadhost's fail does:\n"
        "the add-in gets E_FAIL with \"<name>: the host refused the call\".");
    module.def(
        "fail_engine_call",
        [](const std::string& operation, int nth) { engineCalls()->FailCall(operation, nth); },
        py::arg("operation"), py::arg("nth") = 1,
        "Makes the nth next call of the spreadsheet engine's operation (\"Workbook.Save\")\n"
        "fail, in the engine the add-in uses in this process.");
    module.def(
        "engine_call_counts", [] { return engineCalls()->CallCounts(); },
        "The calls each of the spreadsheet engine's operations has had in this process, a\n"
        "line each, such as \"Range.Value 12\".");
    module.def(
        "use_registry",
        [](const std::string& file) { quenmoor::com::Registry::instance().usePath(file); },
        py::arg("file"),
        "Makes `file` the component registry of this process, whatever QUENMOOR_REGISTRY\n"
        "says; an empty text goes back to QUENMOOR_REGISTRY, else the user's registry.json.");
    module.def(
        "registry", [] { return quenmoor::com::Registry::instance().path().string(); },
        "The component registry this process reads and writes now.");

    py::class_<AddinHost>(module, "AddinHost")
        .def(py::init<py::object>(), py::arg("host"))
        .def("connect", &AddinHost::connect, py::arg("prog_id"))
        .def("disconnect", &AddinHost::disconnect)
        .def("connected", &AddinHost::connected)
        .def("call", &AddinHost::call, py::arg("callback"));

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
