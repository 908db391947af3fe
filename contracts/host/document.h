#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_table.h"

// A document of the host, its features and dimensions, its selection and the components of
// an assembly, as far as the add-in's tools use them.
namespace quenmoor::host {

using com::ComPtr;
using com::Guid;

class IFeature;
class ISelectionMgr;

class IModelDoc2 : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5B01}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IModelDoc2>& dispatchTable();

    // 1 part, 2 assembly, 3 drawing.
    virtual std::int32_t GetType() = 0;
    virtual std::string GetTitle() = 0;
    // Saves under the name with the format its extension selects; 0 on success, else an
    // error number (the host does not raise for a save that fails).
    virtual std::int32_t SaveAs2(std::string name, std::int32_t version, bool saveAsCopy,
                                 bool silent) = 0;

    // Custom properties; configuration "" is the document's own set. CustomInfo2 of a
    // property that does not exist is "".
    virtual std::string CustomInfo2(std::string configuration, std::string field) = 0;
    virtual bool DeleteCustomInfo2(std::string configuration, std::string field) = 0;
    virtual bool AddCustomInfo3(std::string configuration, std::string field,
                                std::int32_t fieldType, std::string value) = 0;

    virtual bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) = 0;

    // Nine values: red, green, blue, ambient, diffuse, specular, shininess, transparency,
    // emission.
    virtual std::vector<double> MaterialPropertyValues() = 0;
    virtual void SetMaterialPropertyValues(std::vector<double> values) = 0;
    virtual void GraphicsRedraw2() = 0;
    virtual ComPtr<ISelectionMgr> SelectionManager() = 0;

    virtual std::int32_t GetFeatureCount() = 0;
    // Position 0 is the last feature of the tree.
    virtual ComPtr<IFeature> FeatureByPositionReverse(std::int32_t position) = 0;

protected:
    ~IModelDoc2() = default;
};

class IDimension : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5B02}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IDimension>& dispatchTable();

    virtual std::string Name() = 0;
    virtual void SetName(std::string name) = 0;

protected:
    ~IDimension() = default;
};

class IDisplayDimension : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5B03}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IDisplayDimension>& dispatchTable();

    virtual ComPtr<IDimension> GetDimension() = 0;

protected:
    ~IDisplayDimension() = default;
};

class IFeature : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5B04}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IFeature>& dispatchTable();

    virtual std::string Name() = 0;
    // Empty when the feature has no display dimension, or none after `previous`.
    virtual ComPtr<IDisplayDimension> GetFirstDisplayDimension() = 0;
    virtual ComPtr<IDisplayDimension> GetNextDisplayDimension(
        ComPtr<IDisplayDimension> previous) = 0;

protected:
    ~IFeature() = default;
};

class ISelectionMgr : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5B05}");
    using Base = com::IDispatch;
    static const com::DispatchTable<ISelectionMgr>& dispatchTable();

    // Index 1 is the first selected item; type 0 when there is no such item, 20 for a
    // component.
    virtual std::int32_t GetSelectedObjectType2(std::int32_t index) = 0;
    virtual ComPtr<com::IDispatch> GetSelectedObject3(std::int32_t index) = 0;

protected:
    ~ISelectionMgr() = default;
};

class IComponent2 : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5B06}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IComponent2>& dispatchTable();

    virtual std::string Name2() = 0;
    virtual std::vector<double> MaterialPropertyValues() = 0;
    virtual void SetMaterialPropertyValues(std::vector<double> values) = 0;

protected:
    ~IComponent2() = default;
};

}  // namespace quenmoor::host
