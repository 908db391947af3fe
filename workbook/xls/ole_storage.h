#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace quenmoor::workbook {

// Bytes read whole from a file; the buffer is not cleared before they are read into it.
struct StreamBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;

    std::span<const std::uint8_t> bytes() const { return {data.get(), size}; }
};

// The bytes of the "Workbook" stream (or "Book", as some writers name it) of an OLE2
// compound file. Throws ComError naming the file and what failed.
StreamBytes readWorkbookStream(const std::filesystem::path& file);

// Builds an OLE2 compound file holding stream as its "Workbook" stream and hands its bytes
// to `use`, which must not keep them. Throws ComError naming file (used in messages only)
// on failure.
void buildCompoundFile(const std::vector<std::uint8_t>& stream, const std::filesystem::path& file,
                       const std::function<void(std::string_view bytes)>& use);

}  // namespace quenmoor::workbook
