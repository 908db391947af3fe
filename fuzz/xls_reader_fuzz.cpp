// The .xls reader on the bytes of a whole file. Whatever it accepts must survive a round
// trip through the writer: what the writer makes of it, read back and written again, is
// the same file.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "platform/com/com_error.h"
#include "workbook/xls/xls_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quenmoor;
    const auto input = fuzz::writeScratchFile("input.xls", data, size);
    workbook::WorkbookData workbook;
    try {
        workbook = workbook::readXls(input);
    } catch (const com::ComError&) {
        return 0;
    }
    const auto first = fuzz::scratchFolder() / "first.xls";
    const auto second = fuzz::scratchFolder() / "second.xls";
    try {
        workbook::writeXls(workbook, first);
    } catch (const com::ComError&) {
        return 0;  // a name or a text the file format cannot hold is refused, by name
    }
    workbook::writeXls(workbook::readXls(first), second);
    if (fuzz::fileBytes(first) != fuzz::fileBytes(second)) {
        std::abort();
    }
    return 0;
}
