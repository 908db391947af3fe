// make_workbook SOURCE.json OUTPUT.xls: builds a default workbook from its readable source
// (the format is described in data/CMakeLists.txt). Exits 1 naming the source and the
// place of the first problem, leaving OUTPUT as it was.

#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/com/com_error.h"
#include "workbook/xls/xls_file.h"

namespace {

using nlohmann::json;
using quenmoor::workbook::CellValue;
using quenmoor::workbook::Sheet;
using quenmoor::workbook::WorkbookData;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what);
}

CellValue cellOf(const json& value, const std::string& where) {
    switch (value.type()) {
        case json::value_t::null:
            return {};
        case json::value_t::string:
            return value.get<std::string>();
        case json::value_t::boolean:
            return value.get<bool>();
        case json::value_t::number_integer:
        case json::value_t::number_unsigned:
        case json::value_t::number_float:
            return value.get<double>();
        default:
            fail(where + ": a cell holds a string, a number, true/false or null");
    }
}

void fillSheet(Sheet& sheet, const json& rows, const std::string& where) {
    if (!rows.is_array()) {
        fail(where + ": \"rows\" must be an array");
    }
    int row = 0;
    for (const json& entry : rows) {
        ++row;
        const std::string at = where + " row " + std::to_string(row);
        if (!entry.is_array()) {
            sheet.set(row, 1, cellOf(entry, at));
            continue;
        }
        int column = 1;
        for (const json& value : entry) {
            sheet.set(row, column, cellOf(value, at + " column " + std::to_string(column)));
            ++column;
        }
    }
}

WorkbookData parse(const std::string& source) {
    std::ifstream in(source);
    if (!in) {
        fail("cannot be read");
    }
    const json document = json::parse(in, nullptr, true, /*ignore_comments=*/true);
    if (!document.contains("sheets") || !document["sheets"].is_array()) {
        fail("no \"sheets\" array");
    }
    WorkbookData workbook;
    for (const json& sheet : document["sheets"]) {
        if (!sheet.contains("name") || !sheet["name"].is_string() || !sheet.contains("rows")) {
            fail("each sheet needs a \"name\" and \"rows\"");
        }
        const std::string name = sheet["name"].get<std::string>();
        if (workbook.findSheet(name) != nullptr) {
            fail("sheet \"" + name + "\" is given twice");
        }
        fillSheet(workbook.addSheet(name), sheet["rows"], "sheet \"" + name + "\"");
    }
    return workbook;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_workbook SOURCE.json OUTPUT.xls\n");
        return 2;
    }
    const std::string source = argv[1];
    try {
        quenmoor::workbook::writeXls(parse(source), argv[2]);
    } catch (const quenmoor::com::ComError& e) {
        std::fprintf(stderr, "make_workbook: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_workbook: %s: %s\n", source.c_str(), e.what());
        return 1;
    }
    return 0;
}
