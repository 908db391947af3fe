#include "workbook/automation/file_lookup.h"

#include <system_error>

#include "platform/com/text_case.h"

namespace quenmoor::workbook::automation {

namespace fs = std::filesystem;

namespace {

bool present(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

// The entry of folder whose name matches name without regard to case, the smallest in
// byte order when there are several, so the choice does not depend on directory order.
std::optional<fs::path> matchInFolder(const fs::path& folder, const std::string& name) {
    std::optional<std::string> best;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string candidate = it->path().filename().string();
        if (com::equalsIgnoringCase(candidate, name) && (!best || candidate < *best)) {
            best = std::move(candidate);
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return folder / *best;
}

}  // namespace

std::optional<fs::path> findIgnoringCase(const fs::path& requested) {
    if (present(requested)) {
        return requested;
    }
    fs::path resolved = requested.root_path();
    for (const fs::path& part : requested.relative_path()) {
        const std::string name = part.string();
        if (name.empty()) {
            continue;
        }
        fs::path exact = resolved / part;
        if (name == "." || name == ".." || present(exact)) {
            resolved = std::move(exact);
            continue;
        }
        std::optional<fs::path> match = matchInFolder(resolved.empty() ? "." : resolved, name);
        if (!match) {
            return std::nullopt;
        }
        resolved = resolved.empty() ? match->filename() : std::move(*match);
    }
    return resolved;
}

}  // namespace quenmoor::workbook::automation
