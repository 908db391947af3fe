#include "platform/help/chm_file.h"

#include "platform/com/text_case.h"

#include <chm_lib.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <set>

#include "platform/com/com_error.h"

namespace quenmoor::help {

namespace {

using com::ComError;

// chmlib divides by the block length of the reset table and by the reset block count it
// derives from the LZX control data, without checking either; a damaged file with a zero
// there stops the process. Both are read here, from the uncompressed section, before any
// compressed entry is read.
constexpr const char* ResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";
constexpr const char* ControlData = "::DataSpace/Storage/MSCompressed/ControlData";

// An entry larger than this is taken for a damaged directory, not read into memory.
constexpr LONGUINT64 LargestEntry = 64u << 20;
// chmlib allocates a directory chunk and a compressed block at the sizes the file gives,
// unchecked; help compilers write 4 or 8 KiB and 32 KiB.
constexpr std::uint64_t LargestBlock = 1u << 20;

std::uint64_t littleEndian(const unsigned char* bytes, int count) {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// chmlib lists entries by following the "next" links of the directory's listing chunks
// until one says -1; a damaged file whose links run in a circle would keep it there for
// ever, and one that claims chunks of gigabytes makes it allocate them. The chain is
// followed here first: false when the chunks are too large or it comes back to a chunk.
bool directoryUsable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const auto bytesAt = [&in](std::uint64_t offset, std::size_t size) {
        std::vector<unsigned char> bytes(size);
        in.clear();
        in.seekg(static_cast<std::streamoff>(offset));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        return in.gcount() == static_cast<std::streamsize>(size) ? bytes
                                                                 : std::vector<unsigned char>();
    };
    const auto header = bytesAt(0, 0x58);
    if (header.empty()) {
        return true;  // chm_open has refused it already
    }
    const std::uint64_t directory = littleEndian(header.data() + 0x48, 8);
    const auto itsp = bytesAt(directory, 0x54);
    if (itsp.empty() || directory > std::numeric_limits<std::uint64_t>::max() / 2) {
        return true;
    }
    const std::uint64_t chunks = directory + littleEndian(itsp.data() + 0x08, 4);
    const std::uint64_t chunkSize = littleEndian(itsp.data() + 0x10, 4);
    if (chunkSize > LargestBlock) {
        return false;
    }
    std::set<std::int32_t> visited;
    auto chunk = static_cast<std::int32_t>(littleEndian(itsp.data() + 0x20, 4));
    while (chunk != -1) {
        if (!visited.insert(chunk).second) {
            return false;
        }
        const auto listing = bytesAt(chunks + static_cast<std::uint32_t>(chunk) * chunkSize, 0x14);
        if (listing.empty()) {
            return true;  // chmlib stops at a chunk it cannot read
        }
        chunk = static_cast<std::int32_t>(littleEndian(listing.data() + 0x10, 4));
    }
    return true;
}

// The bytes of an entry of the uncompressed section, or none when it is missing, stored
// compressed or shorter than `size`.
std::optional<std::vector<unsigned char>> uncompressedEntry(chmFile* file, const char* name,
                                                            std::size_t size) {
    chmUnitInfo unit{};
    if (chm_resolve_object(file, name, &unit) != CHM_RESOLVE_SUCCESS ||
        unit.space != CHM_UNCOMPRESSED || unit.length < size) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(size);
    if (chm_retrieve_object(file, &unit, bytes.data(), 0, static_cast<LONGINT64>(size)) !=
        static_cast<LONGINT64>(size)) {
        return std::nullopt;
    }
    return bytes;
}

// False when the compressed section's settings would make chmlib divide by zero.
bool compressionSettingsUsable(chmFile* file) {
    const auto reset = uncompressedEntry(file, ResetTable, 40);
    const auto control = uncompressedEntry(file, ControlData, 24);
    if (!reset || !control || std::memcmp(control->data() + 4, "LZXC", 4) != 0) {
        return true;  // chmlib reads no compressed entry of such a file
    }
    const std::uint64_t blockLength = littleEndian(reset->data() + 32, 8);
    if (blockLength == 0 || blockLength > LargestBlock) {
        return false;
    }
    std::uint64_t resetInterval = littleEndian(control->data() + 12, 4);
    std::uint64_t windowSize = littleEndian(control->data() + 16, 4);
    if (littleEndian(control->data() + 8, 4) == 2) {
        resetInterval *= 0x8000;
        windowSize *= 0x8000;
    }
    const std::uint64_t windowsPerReset = littleEndian(control->data() + 20, 4);
    return windowSize / 2 != 0 && resetInterval / (windowSize / 2) * windowsPerReset != 0;
}

int collectEntry(chmFile*, chmUnitInfo* unit, void* context) {
    auto* entries = static_cast<std::vector<std::string>*>(context);
    std::string name = unit->path;
    if (!name.empty() && name.back() != '/') {
        entries->push_back(std::move(name));
    }
    return CHM_ENUMERATOR_CONTINUE;
}

std::string percentDecoded(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

bool hasScheme(const std::string& href) {
    const auto colon = href.find(':');
    if (colon == std::string::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(href[0]))) {
        return false;
    }
    return std::all_of(href.begin(), href.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

}  // namespace

ChmFile::ChmFile(const std::string& path) : path_(path), handle_(nullptr, chm_close) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw ComError(com::E_FILE_NOT_FOUND, path + ": help file not found");
    }
    if (!directoryUsable(path)) {
        throw ComError(com::E_FAIL,
                       path + ": not a readable compiled help file (its directory is damaged)");
    }
    handle_.reset(chm_open(path.c_str()));
    if (!handle_) {
        throw ComError(com::E_FAIL, path + ": not a readable compiled help file");
    }
    if (!compressionSettingsUsable(handle_.get())) {
        throw ComError(com::E_FAIL, path +
                                        ": not a readable compiled help file (its "
                                        "compression settings are damaged)");
    }
    chm_enumerate(handle_.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectEntry,
                  &entries_);
}

ChmFile::ChmFile(ChmFile&&) noexcept = default;
ChmFile& ChmFile::operator=(ChmFile&&) noexcept = default;
ChmFile::~ChmFile() = default;

std::string ChmFile::find(const std::string& entry) const {
    if (std::find(entries_.begin(), entries_.end(), entry) != entries_.end()) {
        return entry;
    }
    const auto match = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& e) {
        return com::equalsIgnoringCase(e, entry);
    });
    return match == entries_.end() ? std::string() : *match;
}

std::string ChmFile::read(const std::string& entry) const {
    const std::string stored = find(entry);
    chmUnitInfo unit{};
    if (stored.empty() ||
        chm_resolve_object(handle_.get(), stored.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        throw ComError(com::E_FILE_NOT_FOUND, path_ + ": no entry " + entry);
    }
    if (unit.length > LargestEntry) {
        throw ComError(com::E_FAIL, path_ + ": entry " + entry + " is damaged (it claims " +
                                        std::to_string(unit.length) + " bytes)");
    }
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    LONGUINT64 done = 0;
    while (done < unit.length) {
        const LONGINT64 got = chm_retrieve_object(handle_.get(), &unit,
                                                  reinterpret_cast<unsigned char*>(&bytes[done]),
                                                  done, static_cast<LONGINT64>(unit.length - done));
        if (got <= 0) {
            throw ComError(com::E_FAIL, path_ + ": entry " + entry + " is damaged");
        }
        done += static_cast<LONGUINT64>(got);
    }
    return bytes;
}

std::string ChmFile::resolveTopic(const std::string& topic) const {
    std::string name = topic.substr(0, topic.find('#'));
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.empty()) {
        throw ComError(com::E_INVALIDARG, path_ + ": no topic given");
    }
    if (name.front() != '/') {
        name.insert(name.begin(), '/');
    }
    std::string stored = find(name);
    if (stored.empty()) {
        throw ComError(com::E_FILE_NOT_FOUND, path_ + ": no topic " + topic);
    }
    return stored;
}

std::string resolveLink(const std::string& fromEntry, const std::string& href) {
    if (hasScheme(href)) {
        return {};
    }
    const std::string target = percentDecoded(href.substr(0, href.find_first_of("?#")));
    if (target.empty()) {
        return {};
    }
    std::string joined =
        target.front() == '/' ? target : fromEntry.substr(0, fromEntry.rfind('/') + 1) + target;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= joined.size()) {
        const std::size_t slash = std::min(joined.find('/', start), joined.size());
        const std::string part = joined.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string resolved;
    for (const auto& part : parts) {
        resolved += '/' + part;
    }
    return resolved.empty() ? "/" : resolved;
}

}  // namespace quenmoor::help
