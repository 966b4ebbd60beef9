// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/atomic_file.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<long long> gFailAfter{-1};

mode_t newFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// write(2) with the test seam in front of it.
ssize_t writeSome(int fd, const char* data, std::size_t size) {
    long long left = gFailAfter.load();
    if (left >= 0) {
        if (left == 0) {
            gFailAfter = -1;
            errno = ENOSPC;
            return -1;
        }
        if (static_cast<long long>(size) > left) size = static_cast<std::size_t>(left);
    }
    const ssize_t n = ::write(fd, data, size);
    if (n > 0 && left >= 0) gFailAfter = left - n;
    return n;
}

bool fail(std::string* error, const std::string& what, int code) {
    if (error) {
        std::string reason = std::strerror(code);
        if (!reason.empty())
            reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
        *error = what + ": " + reason;
    }
    return false;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view data, std::string* error) {
    if (path.empty()) return fail(error, "cannot write a file without a name", ENOENT);
    if (path.back() == '/') return fail(error, "cannot write " + path, EISDIR);
    // A hidden name beside the target: same file system, so the rename is atomic.
    const std::string folder = folderOf(path);
    std::string temp = (folder == "/" ? "" : folder) + "/." + baseNameOf(path) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail(error, "cannot write " + path + " (no temporary file in " + folder + ")", errno);
    auto abandon = [&](const std::string& what, int code, bool open) {
        if (open) ::close(fd);
        std::remove(temp.c_str());
        return fail(error, what, code);
    };
    if (::fchmod(fd, newFileMode(path)) != 0) return abandon("cannot write " + path, errno, true);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = writeSome(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon("cannot write " + path, errno, true);
        }
        if (n == 0) return abandon("cannot write " + path, EIO, true);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return abandon("cannot write " + path + " (flushing to the disk)", errno, true);
    if (::close(fd) != 0) return abandon("cannot write " + path, errno, false);
    if (std::rename(temp.c_str(), path.c_str()) != 0) return abandon("cannot replace " + path, errno, false);
    // The rename itself reaches the disk with the folder's entry.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    if (error) error->clear();
    return true;
}

namespace atomicfile {
void failWritesAfterForTesting(long long bytes) {
    gFailAfter = bytes < 0 ? -1 : bytes;
}
} // namespace atomicfile
