#include "platform/help/chm_file.h"

#include "platform/com/text_case.h"

#include <chm_lib.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/com/com_error.h"

namespace quenmoor::help {

namespace {

using com::ComError;

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
