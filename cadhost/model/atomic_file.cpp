#include "cadhost/model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

void writeFileAtomically(const std::filesystem::path& path, std::string_view contents) {
    auto fail = [&](const std::string& what) {
        throw com::ComError(com::E_ACCESSDENIED,
                            path.string() + ": " + what + " (" + std::strerror(errno) + ")");
    };
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = mkstemp(temporary.data());
    if (fd < 0) {
        fail("cannot create a file in " + folder.string());
    }
    std::size_t written = 0;
    while (written < contents.size()) {
        ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0) {
            int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            errno = error;
            fail("cannot write");
        }
        written += static_cast<std::size_t>(n);
    }
    fchmod(fd, 0644);
    if (::close(fd) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        fail("cannot replace the file");
    }
}

}  // namespace quenmoor::cadhost
