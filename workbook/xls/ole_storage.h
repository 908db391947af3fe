#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
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

// An OLE2 compound file, as bytes, holding stream as its "Workbook" stream. Throws
// ComError naming file (used in messages only) on failure.
std::vector<std::uint8_t> buildCompoundFile(const std::vector<std::uint8_t>& stream,
                                            const std::filesystem::path& file);

}  // namespace quenmoor::workbook
