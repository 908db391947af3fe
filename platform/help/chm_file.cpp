#include "platform/help/chm_file.h"

#include "platform/com/text_case.h"

#include <mspack.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unordered_map>

#include "platform/com/com_error.h"

namespace quenmoor::help {

namespace {

using com::ComError;

// An entry larger than this is taken for a damaged directory, not read into memory.
constexpr off_t LargestEntry = off_t{64} << 20;

// libmspack reaches files through a table of functions. This one reads the help file with
// stdio and extracts an entry into a string, refusing to write more than the entry claims.
// libmspack's warnings concern files it still reads, so they are dropped; what it cannot
// read comes back as an error code.
struct Stream {
    std::FILE* in = nullptr;
    std::string* out = nullptr;
    std::size_t limit = 0;
};

struct StringSystem : mspack_system {
    StringSystem() : mspack_system{} {
        open = &openStream;
        close = [](mspack_file* file) {
            Stream* stream = streamOf(file);
            if (stream->in != nullptr) {
                std::fclose(stream->in);
            }
            delete stream;
        };
        read = [](mspack_file* file, void* buffer, int bytes) -> int {
            Stream* stream = streamOf(file);
            if (stream->in == nullptr || bytes < 0) {
                return -1;
            }
            const std::size_t got =
                std::fread(buffer, 1, static_cast<std::size_t>(bytes), stream->in);
            return std::ferror(stream->in) ? -1 : static_cast<int>(got);
        };
        write = [](mspack_file* file, void* buffer, int bytes) -> int {
            Stream* stream = streamOf(file);
            if (stream->out == nullptr || bytes < 0 ||
                static_cast<std::size_t>(bytes) > stream->limit - stream->out->size()) {
                return -1;
            }
            stream->out->append(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
            return bytes;
        };
        seek = [](mspack_file* file, off_t offset, int mode) -> int {
            Stream* stream = streamOf(file);
            const int whence = mode == MSPACK_SYS_SEEK_START ? SEEK_SET
                               : mode == MSPACK_SYS_SEEK_CUR ? SEEK_CUR
                                                             : SEEK_END;
            return stream->in != nullptr && fseeko(stream->in, offset, whence) == 0 ? 0 : -1;
        };
        tell = [](mspack_file* file) -> off_t {
            Stream* stream = streamOf(file);
            return stream->in != nullptr ? ftello(stream->in) : -1;
        };
        message = &dropMessage;
        alloc = [](mspack_system*, std::size_t bytes) { return std::malloc(bytes); };
        free = [](void* memory) { std::free(memory); };
        copy = [](void* from, void* to, std::size_t bytes) { std::memmove(to, from, bytes); };
    }

    // Where the next file libmspack opens for writing goes.
    std::string* output = nullptr;
    std::size_t outputLimit = 0;

private:
    static Stream* streamOf(mspack_file* file) { return reinterpret_cast<Stream*>(file); }

    static void dropMessage(mspack_file*, const char*, ...) {}

    static mspack_file* openStream(mspack_system* self, const char* filename, int mode) {
        auto* system = static_cast<StringSystem*>(self);
        auto stream = std::make_unique<Stream>();
        if (mode == MSPACK_SYS_OPEN_READ) {
            stream->in = std::fopen(filename, "rb");
            if (stream->in == nullptr) {
                return nullptr;
            }
        } else if (mode == MSPACK_SYS_OPEN_WRITE && system->output != nullptr) {
            stream->out = system->output;
            stream->limit = system->outputLimit;
        } else {
            return nullptr;
        }
        return reinterpret_cast<mspack_file*>(stream.release());
    }
};

// What libmspack's error code says about the file.
std::string problem(int error) {
    switch (error) {
        case MSPACK_ERR_OPEN:
            return "it cannot be opened";
        case MSPACK_ERR_READ:
        case MSPACK_ERR_SEEK:
            return "it ends early or cannot be read";
        case MSPACK_ERR_WRITE:
            return "it holds more than its directory says";
        case MSPACK_ERR_NOMEMORY:
            return "there is not enough memory";
        case MSPACK_ERR_SIGNATURE:
            return "it is not a compiled help file";
        case MSPACK_ERR_DATAFORMAT:
            return "its directory or compression settings are damaged";
        case MSPACK_ERR_CHECKSUM:
        case MSPACK_ERR_DECRUNCH:
            return "its compressed content is damaged";
        default:
            return "error " + std::to_string(error);
    }
}

// A content file: under the root, not an internal "#" or "$" entry, not a directory.
bool isContent(const std::string& name) {
    return name.size() > 1 && name.front() == '/' && name[1] != '#' && name[1] != '$' &&
           name.back() != '/';
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

struct ChmFile::Archive {
    explicit Archive(const std::string& file) : path(file) {}
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;
    ~Archive() {
        if (header != nullptr) {
            decompressor->close(decompressor, header);
        }
        if (decompressor != nullptr) {
            mspack_destroy_chm_decompressor(decompressor);
        }
    }

    // libmspack keeps a pointer to the name it opened, to reopen the file when it extracts.
    std::string path;
    StringSystem system;
    mschm_decompressor* decompressor = nullptr;
    mschmd_header* header = nullptr;
    std::unordered_map<std::string, mschmd_file*> files;
};

ChmFile::ChmFile(const std::string& path) : archive_(std::make_unique<Archive>(path)) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw ComError(com::E_FILE_NOT_FOUND, path + ": help file not found");
    }
    int selftest = MSPACK_ERR_OK;
    MSPACK_SYS_SELFTEST(selftest);
    archive_->decompressor =
        selftest == MSPACK_ERR_OK ? mspack_create_chm_decompressor(&archive_->system) : nullptr;
    if (archive_->decompressor == nullptr) {
        throw ComError(com::E_FAIL, path + ": the help file reader could not be started");
    }
    archive_->header = archive_->decompressor->open(archive_->decompressor, archive_->path.c_str());
    if (archive_->header == nullptr) {
        throw ComError(com::E_FAIL,
                       path + ": not a readable compiled help file (" +
                           problem(archive_->decompressor->last_error(archive_->decompressor)) +
                           ")");
    }
    for (mschmd_file* file = archive_->header->files; file != nullptr; file = file->next) {
        std::string name = file->filename;
        if (isContent(name) && archive_->files.emplace(name, file).second) {
            entries_.push_back(std::move(name));
        }
    }
}

ChmFile::ChmFile(ChmFile&&) noexcept = default;
ChmFile& ChmFile::operator=(ChmFile&&) noexcept = default;
ChmFile::~ChmFile() = default;

const std::string& ChmFile::path() const {
    return archive_->path;
}

std::string ChmFile::find(const std::string& entry) const {
    if (archive_->files.contains(entry)) {
        return entry;
    }
    const auto match = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& e) {
        return com::equalsIgnoringCase(e, entry);
    });
    return match == entries_.end() ? std::string() : *match;
}

std::string ChmFile::read(const std::string& entry) const {
    const std::string stored = find(entry);
    if (stored.empty()) {
        throw ComError(com::E_FILE_NOT_FOUND, path() + ": no entry " + entry);
    }
    mschmd_file* file = archive_->files.at(stored);
    if (file->length < 0 || file->length > LargestEntry) {
        throw ComError(com::E_FAIL, path() + ": entry " + entry + " is damaged (it claims " +
                                        std::to_string(file->length) + " bytes)");
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(file->length));
    archive_->system.output = &bytes;
    archive_->system.outputLimit = static_cast<std::size_t>(file->length);
    // libmspack opens the output by name; the system ignores the name and writes to bytes.
    const int error = archive_->decompressor->extract(archive_->decompressor, file, "");
    archive_->system.output = nullptr;
    if (error != MSPACK_ERR_OK || bytes.size() != static_cast<std::size_t>(file->length)) {
        throw ComError(com::E_FAIL, path() + ": entry " + entry + " is damaged (" +
                                        problem(error == MSPACK_ERR_OK ? MSPACK_ERR_READ : error) +
                                        ")");
    }
    return bytes;
}

std::string ChmFile::resolveTopic(const std::string& topic) const {
    std::string name = topic.substr(0, topic.find('#'));
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.empty()) {
        throw ComError(com::E_INVALIDARG, path() + ": no topic given");
    }
    if (name.front() != '/') {
        name.insert(name.begin(), '/');
    }
    std::string stored = find(name);
    if (stored.empty()) {
        throw ComError(com::E_FILE_NOT_FOUND, path() + ": no topic " + topic);
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
