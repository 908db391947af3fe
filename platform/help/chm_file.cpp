#include "platform/help/chm_file.h"

#include "platform/com/text_case.h"

#include <chm_lib.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "platform/com/com_error.h"

namespace quenmoor::help {

namespace {

using com::ComError;

// An entry larger than this is taken for a damaged directory, not read into memory.
constexpr LONGUINT64 LargestEntry = 64u << 20;
// Help compilers write directory chunks of 4 or 8 KiB and compressed blocks of 32 KiB.
constexpr std::uint64_t LargestBlock = 1u << 20;

std::uint64_t littleEndian(const unsigned char* bytes, int count) {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// chmlib trusts the numbers of a help file's headers: it follows the directory's chain of
// listing chunks until one says -1, allocates chunks and compressed blocks at the sizes
// given, and divides by the block length of the reset table and by a reset block count
// derived from the LZX control data. A damaged file can so keep it listing for ever, make
// it allocate gigabytes, or stop the process with a division by zero. The layout is read
// here first, with the same arithmetic, and such a file is refused before chmlib sees it.
class ChmLayout {
public:
    explicit ChmLayout(const std::string& path) : in_(path, std::ios::binary) {}

    // What is wrong with the file, or "" when chmlib may open it (which includes files
    // too short or too odd for chmlib to open at all: it refuses those itself).
    std::string damage() {
        const auto header = bytesAt(0, 0x60);
        if (header.size() < 0x58 || std::memcmp(header.data(), "ITSF", 4) != 0) {
            return {};
        }
        const std::uint64_t directory = number(header, 0x48, 8);
        const auto itsp = bytesAt(directory, 0x54);
        if (itsp.empty() || directory > MaxOffset) {
            return {};
        }
        data_ = number(header, 4, 4) >= 3 && header.size() >= 0x60
                    ? number(header, 0x58, 8)
                    : directory + number(header, 0x50, 8);
        const std::uint64_t chunks = directory + number(itsp, 0x08, 4);
        const std::uint64_t chunkSize = number(itsp, 0x10, 4);
        if (chunkSize > LargestBlock) {
            return "its directory claims chunks of " + std::to_string(chunkSize) + " bytes";
        }
        std::set<std::int32_t> visited;
        for (auto chunk = static_cast<std::int32_t>(number(itsp, 0x20, 4)); chunk != -1;) {
            if (!visited.insert(chunk).second) {
                return "its directory runs in a circle";
            }
            const auto listing =
                bytesAt(chunks + static_cast<std::uint32_t>(chunk) * chunkSize, chunkSize);
            if (listing.size() < 0x14) {
                break;  // chmlib stops at a chunk it cannot read
            }
            readEntries(listing);
            chunk = static_cast<std::int32_t>(number(listing, 0x10, 4));
        }
        return compressionDamage();
    }

private:
    struct Entry {
        std::uint64_t section = 0;
        std::uint64_t start = 0;
        std::uint64_t length = 0;
    };

    static constexpr std::uint64_t MaxOffset = std::uint64_t{1} << 62;

    std::vector<unsigned char> bytesAt(std::uint64_t offset, std::uint64_t size) {
        if (offset > MaxOffset || size > LargestBlock) {
            return {};
        }
        std::vector<unsigned char> bytes(size);
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0)));
        return bytes;
    }

    static std::uint64_t number(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
        return at + size <= bytes.size() ? littleEndian(bytes.data() + at, size) : 0;
    }

    // The entries of a listing chunk: a name, then its section, start and length, each a
    // number of 7-bit groups, most significant first, the high bit saying another follows.
    void readEntries(const std::vector<unsigned char>& chunk) {
        const std::size_t free = static_cast<std::size_t>(number(chunk, 4, 4));
        const std::size_t end = free < chunk.size() ? chunk.size() - free : 0;
        std::size_t at = 0x14;
        const auto encoded = [&]() -> std::optional<std::uint64_t> {
            std::uint64_t value = 0;
            for (int groups = 0; at < end && groups < 9; ++groups) {
                const unsigned char byte = chunk[at++];
                value = value << 7 | (byte & 0x7Fu);
                if ((byte & 0x80u) == 0) {
                    return value;
                }
            }
            return std::nullopt;
        };
        while (at < end) {
            const auto nameLength = encoded();
            if (!nameLength || *nameLength > end - at) {
                return;
            }
            std::string name(reinterpret_cast<const char*>(chunk.data() + at),
                             static_cast<std::size_t>(*nameLength));
            at += static_cast<std::size_t>(*nameLength);
            const auto section = encoded();
            const auto start = encoded();
            const auto length = encoded();
            if (!section || !start || !length) {
                return;
            }
            entries_.emplace(com::toLowerAscii(name), Entry{*section, *start, *length});
        }
    }

    // The entries chmlib may take for `name`: it compares names without regard to case,
    // and may reach a chunk through the index rather than the chain, so any of them.
    std::vector<Entry> candidates(const char* name) const {
        std::vector<Entry> found;
        for (auto [at, end] = entries_.equal_range(com::toLowerAscii(name)); at != end; ++at) {
            found.push_back(at->second);
        }
        return found;
    }

    // chmlib decodes the compressed section when the reset table, the content and the
    // control data are all found outside it (any section but 1 counts as uncompressed).
    // It then reads the control data's stated length, however short, and the reset
    // table's first 0x28 bytes, turning compression off only when those cannot be read.
    std::string compressionDamage() {
        const auto outside = [](const std::vector<Entry>& entries) {
            return std::any_of(entries.begin(), entries.end(),
                               [](const Entry& e) { return e.section != 1; });
        };
        const auto resets = candidates(ResetTable);
        const auto controls = candidates(ControlData);
        if (!outside(resets) || !outside(controls) || !outside(candidates(Content))) {
            return {};
        }
        for (const Entry& reset : resets) {
            const auto table = reset.section != 1 ? bytesAt(data_ + reset.start, 0x28)
                                                  : std::vector<unsigned char>();
            const std::uint64_t blockLength = number(table, 0x20, 8);
            if (table.size() == 0x28 && (blockLength == 0 || blockLength > LargestBlock)) {
                return "its compressed blocks are " + std::to_string(blockLength) + " bytes long";
            }
        }
        for (const Entry& control : controls) {
            if (control.section != 1 && !usableControlData(control)) {
                return "its compression settings are damaged";
            }
        }
        return {};
    }

    bool usableControlData(const Entry& control) {
        if (control.length < 0x18 || control.start > MaxOffset) {
            return false;  // chmlib would read past what the entry holds
        }
        const auto bytes = bytesAt(data_ + control.start, 0x18);
        if (bytes.size() < 0x18) {
            return true;  // chmlib cannot read it either, and leaves compression off
        }
        // chmlib's own 32-bit arithmetic, wrapping where it wraps.
        auto resetInterval = static_cast<std::uint32_t>(number(bytes, 0x0C, 4));
        auto windowSize = static_cast<std::uint32_t>(number(bytes, 0x10, 4));
        if (number(bytes, 0x08, 4) == 2) {
            resetInterval *= 0x8000u;
            windowSize *= 0x8000u;
        }
        const auto windowsPerReset = static_cast<std::uint32_t>(number(bytes, 0x14, 4));
        // The LZX decoder takes windows of 2^15 to 2^21 bytes; chmlib does not check that
        // it got one before using it.
        const int windowBits = std::countr_zero(windowSize);
        return windowSize / 2 != 0 && resetInterval / (windowSize / 2) * windowsPerReset != 0 &&
               windowBits >= 15 && windowBits <= 21;
    }

    static constexpr const char* ResetTable =
        "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
        "InstanceData/ResetTable";
    static constexpr const char* ControlData = "::DataSpace/Storage/MSCompressed/ControlData";
    static constexpr const char* Content = "::DataSpace/Storage/MSCompressed/Content";

    std::ifstream in_;
    std::uint64_t data_ = 0;                     // where section 0, the uncompressed one, begins
    std::multimap<std::string, Entry> entries_;  // by name in lower case
};

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
    if (const std::string damage = ChmLayout(path).damage(); !damage.empty()) {
        throw ComError(com::E_FAIL, path + ": not a readable compiled help file (" + damage + ")");
    }
    handle_.reset(chm_open(path.c_str()));
    if (!handle_) {
        throw ComError(com::E_FAIL, path + ": not a readable compiled help file");
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
