// The compiled help reader on the bytes of a whole file: listing, finding and reading
// every entry, and resolving its links, fail by ComError only.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/com/com_error.h"
#include "platform/help/chm_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quenmoor;
    const auto input = fuzz::writeScratchFile("input.chm", data, size);
    try {
        help::ChmFile file(input.string());
        for (const std::string& entry : file.entries()) {
            try {
                const std::string bytes = file.read(entry);
                (void)help::resolveLink(entry, bytes.substr(0, 64));
                (void)file.resolveTopic(entry);
            } catch (const com::ComError&) {
            }
        }
        (void)file.find("/CONTENTS.HTML");
    } catch (const com::ComError&) {
    }
    return 0;
}
