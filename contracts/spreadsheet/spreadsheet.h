#pragma once

#include <cstdint>
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_table.h"

// The spreadsheet application's object model, as far as the add-in's tools use it: one
// global object, its workbooks, their sheets and cells. Rows and columns count from 1.
namespace quenmoor::spreadsheet {

using com::ComPtr;
using com::Guid;
using com::Variant;

inline constexpr Guid SpreadsheetGlobalClass = com::guid("{00020812-0000-0000-C000-000000000046}");
inline constexpr std::int32_t SpreadsheetLocale = 1033;

class Range : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{00020846-0000-0000-C000-000000000046}");
    using Base = com::IDispatch;
    static const com::DispatchTable<Range>& dispatchTable();

    // Text, a double, a Boolean or Empty; Empty equals "" and converts to 0.
    virtual Variant Value() = 0;
    virtual void SetValue(Variant value) = 0;

protected:
    ~Range() = default;
};

class Worksheet : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{000208D8-0000-0000-C000-000000000046}");
    using Base = com::IDispatch;
    static const com::DispatchTable<Worksheet>& dispatchTable();

    virtual std::string Name() = 0;
    // Makes this the active sheet of the application.
    virtual void Activate() = 0;
    virtual ComPtr<Range> Cells(std::int32_t row, std::int32_t column) = 0;

protected:
    ~Worksheet() = default;
};

class Workbook : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{000208DA-0000-0000-C000-000000000046}");
    using Base = com::IDispatch;
    static const com::DispatchTable<Workbook>& dispatchTable();

    virtual std::string Name() = 0;
    virtual std::string FullName() = 0;
    // A sheet by name, without regard to case.
    virtual ComPtr<Worksheet> Worksheets(std::string name) = 0;
    // Writes the workbook to its file.
    virtual void Save() = 0;
    // Writes the whole workbook to another file, which becomes its file.
    virtual void SaveAs(std::string fileName) = 0;
    virtual void Close(bool saveChanges) = 0;

protected:
    ~Workbook() = default;
};

class Workbooks : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{000208DB-0000-0000-C000-000000000046}");
    using Base = com::IDispatch;
    static const com::DispatchTable<Workbooks>& dispatchTable();

    // Opens the file, found without regard to the case of its name; it becomes the active
    // workbook.
    virtual ComPtr<Workbook> Open(std::string fileName) = 0;
    // Closes every open workbook without saving.
    virtual void Close() = 0;
    virtual std::int32_t Count() = 0;

protected:
    ~Workbooks() = default;
};

// The application's global object: what the add-in creates once and keeps.
class Global : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{000208D9-0000-0000-C000-000000000046}");
    using Base = com::IDispatch;
    static const com::DispatchTable<Global>& dispatchTable();

    virtual ComPtr<spreadsheet::Workbooks> Workbooks() = 0;
    // Empty when no workbook is open.
    virtual ComPtr<Workbook> ActiveWorkbook() = 0;
    // A sheet of the active workbook by name.
    virtual ComPtr<Worksheet> Worksheets(std::string name) = 0;
    virtual ComPtr<Worksheet> ActiveSheet() = 0;
    // A cell of the active sheet.
    virtual ComPtr<Range> Cells(std::int32_t row, std::int32_t column) = 0;

protected:
    ~Global() = default;
};

// The engine's own switch for tests and host scripts, reached by QueryInterface on the
// global object; the add-in never uses it. Operations go by interface and method:
// "Workbooks.Open", "Workbook.Save", "Range.Value", "Range.SetValue".
class CallFailures : public com::IUnknown {
public:
    static constexpr Guid iid = com::guid("{6F47EE1F-2F05-475B-BF7A-CB3999F9D078}");

    // Makes the nth next call (1 = the very next) of the operation fail with
    // ComError(E_FAIL) naming it; ComError(E_INVALIDARG) for an unknown operation.
    virtual void FailCall(std::string operation, std::int32_t nth) = 0;
    // The calls each operation has had since the engine was loaded, a line each, such as
    // "Range.Value 12"; operations never called are left out.
    virtual std::string CallCounts() = 0;

protected:
    ~CallFailures() = default;
};

}  // namespace quenmoor::spreadsheet
