#include "reports/report_text.h"

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reports {

void appendf(std::string& out, const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        return;
    }
    if (static_cast<size_t>(n) < sizeof buffer) {
        out.append(buffer, static_cast<size_t>(n));
    } else {
        const size_t at = out.size();
        out.resize(at + static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data() + at, static_cast<size_t>(n) + 1, format, again);
        out.resize(at + static_cast<size_t>(n));
    }
    va_end(again);
}

DeclinationParts splitDeclination(double dec_deg) {
    DeclinationParts p;
    const double d = std::trunc(dec_deg);
    const double rest = std::fabs(dec_deg - d);
    p.degrees = static_cast<int>(d);
    p.minutes = static_cast<int>(std::floor(rest * 60));
    p.seconds = static_cast<int>(std::trunc((rest - p.minutes / 60.0) * 3600));
    p.negative = dec_deg < 0;
    return p;
}

RightAscensionParts splitRightAscension(double ra_deg) {
    RightAscensionParts p;
    const int h0 = static_cast<int>(std::trunc(ra_deg / 15));
    const double x = std::fabs(ra_deg - 15.0 * h0);
    p.minutes = static_cast<int>(std::trunc(x * 4));
    p.seconds = static_cast<int>(std::trunc((x - p.minutes / 4.0) * 240));
    p.hours = h0 < 0 ? h0 + 24 : h0;
    return p;
}

bool writeReportFile(const std::string& path, std::string_view bytes, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    bool ok = true;
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    int savedErrno = ok ? 0 : errno;
    // A report is an ordinary document: readable by its owner's other programs.
    if (ok && ::fchmod(fd, 0644) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        std::remove(temp.c_str());
        error = "cannot write " + path + ": " + std::strerror(savedErrno ? savedErrno : EIO);
        return false;
    }
    error.clear();
    return true;
}

} // namespace reports
