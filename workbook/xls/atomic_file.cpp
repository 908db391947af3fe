#include "workbook/xls/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/com/com_error.h"

namespace quenmoor::workbook {

namespace {

// Removes the temporary file unless released, and closes its descriptor.
class TempFile {
public:
    TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        closeFd();
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool closeFd() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }
    void release() { path_.clear(); }

private:
    std::string path_;
    int fd_;
};

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& what, int error) {
    const com::HRESULT hr =
        error == EACCES || error == EPERM || error == EROFS ? com::E_ACCESSDENIED : com::E_FAIL;
    throw com::ComError(hr, file.string() + ": " + what + ": " + std::strerror(error));
}

}  // namespace

void replaceFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        const int error = errno;
        fail(file, "cannot create a temporary file in " + folder.string(), error);
    }
    TempFile temp(pattern, fd);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(temp.fd(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            fail(file, "cannot write", error);
        }
        done += static_cast<std::size_t>(n);
    }
    // A new file gets the usual permissions rather than mkstemp's owner-only ones; a
    // replaced file keeps its own.
    struct stat old {};
    const mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(temp.fd(), mode) != 0 || ::fsync(temp.fd()) != 0 || !temp.closeFd()) {
        const int error = errno;
        fail(file, "cannot write", error);
    }
    if (::rename(temp.path().c_str(), file.c_str()) != 0) {
        const int error = errno;
        fail(file, "cannot replace the file", error);
    }
    temp.release();
}

}  // namespace quenmoor::workbook
