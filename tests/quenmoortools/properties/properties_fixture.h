#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quenmoortools/properties/options_workbook.h"
#include "tests/support/addin_on_host.h"
#include "tests/support/com_error_of.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::properties::testsupport {

using com::ComPtr;
using quenmoor::testsupport::comErrorOf;
using workbook::CellValue;
using List = std::vector<CellValue>;

// The add-in on the running host with one part open, and an options workbook of the
// test's own in a scratch folder.
class PropertiesTest : public quenmoor::testsupport::AddinOnHost {
protected:
    void SetUp() override {
        AddinOnHost::SetUp();
        document_ = &host_->model().newDocument(host::DocumentPart, "Bracket");
    }

    // An options workbook: "properties" holds `names`, and "list<k>" holds lists[k - 1].
    // A missing cell is an empty one.
    std::string writeOptions(const List& names, const std::vector<List>& lists,
                             const std::string& file = "Options.xls") {
        workbook::WorkbookData data;
        fill(data.addSheet("properties"), names);
        for (std::size_t k = 0; k < lists.size(); ++k) {
            fill(data.addSheet(listSheetName(static_cast<int>(k) + 1)), lists[k]);
        }
        workbook::writeXls(data, folder_ / file);
        return (folder_ / file).string();
    }

    // Column A of a sheet of the file as it is on disk, down to its last filled row.
    std::vector<std::string> columnOnDisk(const std::string& sheet,
                                          const std::string& file = "Options.xls") {
        auto data = workbook::readXls(folder_ / file);
        const workbook::Sheet* found = data.findSheet(sheet);
        EXPECT_NE(found, nullptr) << sheet;
        std::vector<std::string> cells;
        if (found != nullptr) {
            found->forEachCell([&](int row, int column, const CellValue& value) {
                if (column == 1) {
                    cells.resize(static_cast<std::size_t>(row));
                    cells[static_cast<std::size_t>(row) - 1] = text(value);
                }
            });
        }
        return cells;
    }

    static std::string text(const CellValue& value) {
        if (const auto* s = std::get_if<std::string>(&value)) {
            return *s;
        }
        if (const auto* d = std::get_if<double>(&value)) {
            return com::formatDouble(*d);
        }
        return {};
    }

    static void fill(workbook::Sheet& sheet, const List& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            sheet.set(static_cast<int>(i) + 1, 1, rows[i]);
        }
    }

    cadhost::Document* document_ = nullptr;
    toolkit::Int16Counter row_;
    quenmoor::testsupport::ScratchFolder folder_;
};

}  // namespace quenmoor::properties::testsupport
