#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "tests/support/com_error_of.h"
#include "tests/support/register_library.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/activation.h"
#include "platform/com/server_module.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook::testsupport {

using com::ComPtr;
using com::Variant;
using quenmoor::testsupport::fileBytes;
using quenmoor::testsupport::ScratchFolder;

// Registers workbook.so in the test process's registry through its own DllRegisterServer,
// then creates the global object by class id through the loader, as the add-in does.
// Every workbook left open is closed after each test, since all global objects of the
// process share the one application.
class SpreadsheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quenmoor::testsupport::registerLibrary(WORKBOOK_LIBRARY); }

    void SetUp() override {
        global_ = com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
        late_ = global_.as<com::IDispatch>("global object");
    }

    void TearDown() override {
        if (global_) {
            global_->Workbooks()->Close();
        }
    }

    // A copy of a default workbook in the scratch folder, so tests may change it.
    std::filesystem::path copyDefault(const std::string& name) const {
        const auto copy = folder_ / name;
        std::filesystem::copy_file(std::filesystem::path(DEFAULT_WORKBOOKS) / name, copy);
        return copy;
    }

    // One sheet holding `rows` in column A from row 1.
    std::filesystem::path writeList(const std::string& file, const std::string& sheet,
                                    const std::vector<CellValue>& rows) const {
        WorkbookData data;
        Sheet& list = data.addSheet(sheet);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            list.set(static_cast<int>(i) + 1, 1, rows[i]);
        }
        writeXls(data, folder_ / file);
        return folder_ / file;
    }

    // Cell (row, column) of the active sheet, read by name through late binding.
    Variant cellByName(std::int32_t row, std::int32_t column) const {
        return com::call(com::call(late_, "Cells", row, column).toObject(), "Value");
    }

    ComPtr<spreadsheet::Global> global_;
    ComPtr<com::IDispatch> late_;
    ScratchFolder folder_;
};

using quenmoor::testsupport::comErrorOf;

}  // namespace quenmoor::workbook::testsupport
