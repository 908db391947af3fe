#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "tests/support/scratch_folder.h"

namespace quenmoor::fuzz {

// A folder of this process's own under the temporary folder, removed with its content
// when the process ends; every target writes its inputs and outputs there.
inline const std::filesystem::path& scratchFolder() {
    static const testsupport::ScratchFolder folder;
    return folder.path();
}

inline std::filesystem::path writeScratchFile(std::string_view name, const std::uint8_t* data,
                                              std::size_t size) {
    const auto path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::abort();  // the scratch folder is gone or full: no finding can be trusted then
    }
    return path;
}

using testsupport::fileBytes;

}  // namespace quenmoor::fuzz
