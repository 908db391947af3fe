#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quenmoor::workbook {

// The bytes of the "Workbook" stream (or "Book", as some writers name it) of an OLE2
// compound file. Throws ComError naming the file and what failed.
std::vector<std::uint8_t> readWorkbookStream(const std::filesystem::path& file);

// An OLE2 compound file, as bytes, holding stream as its "Workbook" stream. Throws
// ComError naming file (used in messages only) on failure.
std::vector<std::uint8_t> buildCompoundFile(const std::vector<std::uint8_t>& stream,
                                            const std::filesystem::path& file);

}  // namespace quenmoor::workbook
