// The host's document loader on the bytes of a document file. A document it accepts is
// saved, loaded and saved again: both saved files must be the same.
#include <cstdint>
#include <cstdlib>

#include "cadhost/model/document_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/com/com_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quenmoor;
    const auto input = fuzz::writeScratchFile("input.json", data, size);
    std::shared_ptr<cadhost::Document> document;
    try {
        document = cadhost::loadDocument(input);
    } catch (const com::ComError&) {
        return 0;
    }
    const auto first = fuzz::scratchFolder() / "first.json";
    const auto second = fuzz::scratchFolder() / "second.json";
    cadhost::saveDocument(*document, first);
    cadhost::saveDocument(*cadhost::loadDocument(first), second);
    if (fuzz::fileBytes(first) != fuzz::fileBytes(second)) {
        std::abort();
    }
    return 0;
}
