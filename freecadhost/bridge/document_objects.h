#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contracts/host/document.h"
#include "freecadhost/bridge/python_object.h"
#include "platform/com/com_object.h"

// The host's document interfaces over the host's Python objects: each method is one call
// of the Python object's method of the same meaning (FreeCAD's: freecadhost/workbench).
namespace quenmoor::pythonhost {

using com::ComPtr;

class PythonDocument final
    : public com::ComObject<PythonDocument, com::DualInterface<host::IModelDoc2>> {
public:
    explicit PythonDocument(py::object document) : document_(std::move(document)) {}

    std::int32_t GetType() override;
    std::string GetTitle() override;
    std::int32_t SaveAs2(std::string name, std::int32_t version, bool saveAsCopy,
                         bool silent) override;
    std::string CustomInfo2(std::string configuration, std::string field) override;
    bool DeleteCustomInfo2(std::string configuration, std::string field) override;
    bool AddCustomInfo3(std::string configuration, std::string field, std::int32_t fieldType,
                        std::string value) override;
    bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) override;
    std::vector<double> MaterialPropertyValues() override;
    void SetMaterialPropertyValues(std::vector<double> values) override;
    void GraphicsRedraw2() override;
    ComPtr<host::ISelectionMgr> SelectionManager() override;
    std::int32_t GetFeatureCount() override;
    ComPtr<host::IFeature> FeatureByPositionReverse(std::int32_t position) override;

private:
    PythonObject document_;
};

class PythonDimension final
    : public com::ComObject<PythonDimension, com::DualInterface<host::IDimension>> {
public:
    explicit PythonDimension(py::object dimension) : dimension_(std::move(dimension)) {}

    std::string Name() override;
    void SetName(std::string name) override;

private:
    PythonObject dimension_;
};

// A sketch's dimensional constraint as the feature shows it.
class PythonDisplayDimension final
    : public com::ComObject<PythonDisplayDimension, com::DualInterface<host::IDisplayDimension>> {
public:
    explicit PythonDisplayDimension(py::object dimension)
        : dimension_(PythonDimension::create(std::move(dimension))) {}

    ComPtr<host::IDimension> GetDimension() override {
        HostCalls::instance().record("GetDimension");
        return dimension_;
    }

private:
    ComPtr<PythonDimension> dimension_;
};

class PythonFeature final
    : public com::ComObject<PythonFeature, com::DualInterface<host::IFeature>> {
public:
    explicit PythonFeature(py::object feature) : feature_(std::move(feature)) {}

    std::string Name() override;
    ComPtr<host::IDisplayDimension> GetFirstDisplayDimension() override;
    ComPtr<host::IDisplayDimension> GetNextDisplayDimension(
        ComPtr<host::IDisplayDimension> previous) override;

private:
    PythonObject feature_;
    // Read from the host at the first GetFirstDisplayDimension, so that GetNext walks the
    // same objects the add-in was given.
    std::vector<ComPtr<PythonDisplayDimension>> dimensions_;
};

class PythonSelection final
    : public com::ComObject<PythonSelection, com::DualInterface<host::ISelectionMgr>> {
public:
    explicit PythonSelection(py::object selection) : selection_(std::move(selection)) {}

    std::int32_t GetSelectedObjectType2(std::int32_t index) override;
    ComPtr<com::IDispatch> GetSelectedObject3(std::int32_t index) override;

private:
    PythonObject selection_;
};

class PythonComponent final
    : public com::ComObject<PythonComponent, com::DualInterface<host::IComponent2>> {
public:
    explicit PythonComponent(py::object component) : component_(std::move(component)) {}

    std::string Name2() override;
    std::vector<double> MaterialPropertyValues() override;
    void SetMaterialPropertyValues(std::vector<double> values) override;

private:
    PythonObject component_;
};

}  // namespace quenmoor::pythonhost
