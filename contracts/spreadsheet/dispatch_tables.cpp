// The names under which each spreadsheet interface answers late-bound calls.

#include "contracts/spreadsheet/spreadsheet.h"

namespace quenmoor::spreadsheet {

// clang-format off
QUENMOOR_DISPATCH_TABLE(Range,
    T::get<&Range::Value>("Value"),
    T::put<&Range::SetValue>("Value"))

QUENMOOR_DISPATCH_TABLE(Worksheet,
    T::get<&Worksheet::Name>("Name"),
    T::method<&Worksheet::Activate>("Activate"),
    T::get<&Worksheet::Cells>("Cells"))

QUENMOOR_DISPATCH_TABLE(Workbook,
    T::get<&Workbook::Name>("Name"),
    T::get<&Workbook::FullName>("FullName"),
    T::get<&Workbook::Worksheets>("Worksheets"),
    T::method<&Workbook::Save>("Save"),
    T::method<&Workbook::SaveAs>("SaveAs"),
    T::method<&Workbook::Close>("Close"))

QUENMOOR_DISPATCH_TABLE(Workbooks,
    T::method<&Workbooks::Open>("Open"),
    T::method<&Workbooks::Close>("Close"),
    T::get<&Workbooks::Count>("Count"))

QUENMOOR_DISPATCH_TABLE(Global,
    T::get<&Global::Workbooks>("Workbooks"),
    T::get<&Global::ActiveWorkbook>("ActiveWorkbook"),
    T::get<&Global::Worksheets>("Worksheets"),
    T::get<&Global::ActiveSheet>("ActiveSheet"),
    T::get<&Global::Cells>("Cells"))
// clang-format on

}  // namespace quenmoor::spreadsheet
