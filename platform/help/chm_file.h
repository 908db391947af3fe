#pragma once

#include <memory>
#include <string>
#include <vector>

namespace quenmoor::help {

// A compiled HTML help file opened for reading. Entry paths are those of the archive:
// rooted at "/", with forward slashes, for example "/images/menu.png".
//
// Failures throw quenmoor::com::ComError whose description names the file and, where one
// is involved, the entry or topic.
class ChmFile {
public:
    explicit ChmFile(const std::string& path);
    ChmFile(ChmFile&&) noexcept;
    ChmFile& operator=(ChmFile&&) noexcept;
    ~ChmFile();

    const std::string& path() const;

    // The content files of the archive (no directories, no internal "#" or "$" entries),
    // in archive order.
    const std::vector<std::string>& entries() const { return entries_; }

    // The stored path of entry, matched exactly first and then ignoring ASCII case, since
    // the links inside help files do not keep to one case; empty when there is none.
    std::string find(const std::string& entry) const;

    // The bytes of an entry given by its archive path (matched as find() does).
    std::string read(const std::string& entry) const;

    // The entry a topic names, relative to the archive root: "Contents.html" and
    // "/contents.HTML" both give "/Contents.html". A "#fragment" is dropped.
    std::string resolveTopic(const std::string& topic) const;

private:
    struct Archive;

    std::unique_ptr<Archive> archive_;
    std::vector<std::string> entries_;
};

// The archive path that href designates from the page at fromEntry, or an empty string
// for a link that leaves the file (a scheme such as http: or mailto:) or points inside the
// same page only ("#top"). The query and fragment are dropped; "." and ".." are resolved.
std::string resolveLink(const std::string& fromEntry, const std::string& href);

}  // namespace quenmoor::help
