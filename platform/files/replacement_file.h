#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quenmoor::files {

// The new content of a file, written beside it under a temporary name and renamed over it
// by commit(), so that a reader sees the old file or the new one, never a part. Until then
// the target is untouched; a replacement that is not committed removes its temporary file.
// Failures throw std::system_error with the errno of the cause and a text that names the
// target and the step that failed.
class ReplacementFile {
public:
    explicit ReplacementFile(std::filesystem::path target);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    // For writers that open a file by name: they write here, and commit() moves it.
    const std::string& temporaryPath() const { return temporary_; }

    void write(std::string_view bytes);
    // Gives the file the target's permissions (0644 for a new file), flushes it to disk and
    // renames it over the target.
    void commit();

private:
    [[noreturn]] void fail(const std::string& what, int error) const;

    std::filesystem::path target_;
    std::string temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

// Replaces `target` with `bytes` through a ReplacementFile.
void replaceFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace quenmoor::files
