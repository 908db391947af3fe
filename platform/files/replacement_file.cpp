#include "platform/files/replacement_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace quenmoor::files {

ReplacementFile::ReplacementFile(std::filesystem::path target) : target_(std::move(target)) {
    const std::filesystem::path folder =
        target_.parent_path().empty() ? "." : target_.parent_path();
    // ".<name>.XXXXXX", appended piece by piece: `"." + name` inserts at the front of a
    // string, which GCC 12 at -O3 wrongly warns may overlap itself (-Wrestrict).
    std::string name = ".";
    name.append(target_.filename().string()).append(".XXXXXX");
    temporary_ = (folder / name).string();
    fd_ = ::mkstemp(temporary_.data());
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        fail("cannot create a file in " + folder.string(), error);
    }
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_ && !temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

void ReplacementFile::fail(const std::string& what, int error) const {
    throw std::system_error(error, std::generic_category(), target_.string() + ": " + what);
}

void ReplacementFile::write(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot write", errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

void ReplacementFile::commit() {
    // A new file gets the usual permissions rather than mkstemp's owner-only ones; a
    // replaced file keeps its own.
    struct stat old {};
    const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0) {
        fail("cannot write", errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail("cannot write", errno);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail("cannot replace the file", errno);
    }
    committed_ = true;
}

void replaceFile(const std::filesystem::path& target, std::string_view bytes) {
    ReplacementFile file(target);
    file.write(bytes);
    file.commit();
}

}  // namespace quenmoor::files
