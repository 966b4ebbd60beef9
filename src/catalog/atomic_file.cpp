#include "catalog/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

mode_t newFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view data, std::string* error) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return fail(error, "cannot create a temporary file beside " + path);
    const std::string temp(name.data());
    auto abandon = [&](const std::string& what) {
        const int saved = errno;
        ::close(fd);
        std::remove(temp.c_str());
        errno = saved;
        return fail(error, what);
    };
    if (::fchmod(fd, newFileMode(path)) != 0) return abandon("cannot set the permissions of " + temp);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon("cannot write " + temp);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return abandon("cannot flush " + temp);
    if (::close(fd) != 0) {
        const int saved = errno;
        std::remove(temp.c_str());
        errno = saved;
        return fail(error, "cannot close " + temp);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        std::remove(temp.c_str());
        errno = saved;
        return fail(error, "cannot rename " + temp + " to " + path);
    }
    return true;
}
