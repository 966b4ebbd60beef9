// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/scan.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// One fscanf call: literal text, at most one conversion and, for the last piece, the pattern's
// trailing text.
struct Piece {
    std::string format;
    bool hasConversion = false;
    bool isWord = false;
};

ScanArg::Kind conversionKind(char c, bool isLong) {
    switch (c) {
    case 'd':
        if (!isLong) return ScanArg::Kind::Int;
        break;
    case 'f':
        return isLong ? ScanArg::Kind::Double : ScanArg::Kind::Float;
    case 's':
        if (!isLong) return ScanArg::Kind::Word;
        break;
    default:
        break;
    }
    throw std::invalid_argument(std::string("scan pattern: unsupported conversion %") + (isLong ? "l" : "") +
                                c);
}

} // namespace

// The formats are built here from the readers' fixed patterns, with every word bounded.
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

int scanFile(std::FILE* file, const char* pattern, std::initializer_list<ScanArg> args) {
    if (!file || !pattern) throw std::invalid_argument("scan: no file or pattern");
    std::vector<Piece> pieces(1);
    const ScanArg* arg = args.begin();
    for (const char* p = pattern; *p;) {
        // Text after a conversion starts the next piece.
        if (pieces.back().hasConversion) pieces.emplace_back();
        if (*p != '%') {
            pieces.back().format += *p++;
            continue;
        }
        if (p[1] == '%') {
            pieces.back().format += "%%";
            p += 2;
            continue;
        }
        Piece& piece = pieces.back();
        ++p;
        std::size_t width = 0;
        while (*p >= '0' && *p <= '9')
            width = width * 10 + static_cast<std::size_t>(*p++ - '0');
        bool isLong = false;
        if (*p == 'l') {
            isLong = true;
            ++p;
        }
        if (!*p) throw std::invalid_argument("scan pattern ends inside a conversion");
        const ScanArg::Kind kind = conversionKind(*p, isLong);
        if (arg == args.end() || arg->kind() != kind)
            throw std::invalid_argument(std::string("scan pattern and fields differ: ") + pattern);
        if (kind == ScanArg::Kind::Word) {
            if (arg->size() < 2) throw std::invalid_argument("scan: word buffer too small");
            const std::size_t room = arg->size() - 1;
            if (width == 0 || width > room) width = room;
            piece.format += "%" + std::to_string(width) + "s";
            piece.isWord = true;
        } else {
            piece.format += '%';
            if (width) piece.format += std::to_string(width);
            if (isLong) piece.format += 'l';
            piece.format += *p;
        }
        piece.hasConversion = true;
        ++p;
        ++arg;
    }
    if (arg != args.end())
        throw std::invalid_argument(std::string("scan: more fields than conversions: ") + pattern);

    // Text after the last conversion is matched once every field has been read, as fscanf does.
    std::string trailing;
    if (pieces.size() > 1 && !pieces.back().hasConversion) {
        trailing = pieces.back().format;
        pieces.pop_back();
    }

    int stored = 0;
    arg = args.begin();
    for (const Piece& piece : pieces) {
        if (!piece.hasConversion) {
            // A pattern without conversions only matches text.
            return std::fscanf(file, piece.format.c_str());
        }
        const int r = std::fscanf(file, piece.format.c_str(), arg->ptr());
        ++arg;
        if (r != 1) return r == EOF && stored == 0 ? EOF : stored;
        ++stored;
        // A word longer than its field: the rest of it is skipped, so that the next scan starts
        // after the word as it would with an unbounded field.
        if (piece.isWord) std::fscanf(file, "%*[^ \t\n\v\f\r]");
    }
    if (!trailing.empty()) std::fscanf(file, trailing.c_str());
    return stored;
}

FilePtr openForReading(const std::string& path) {
    return FilePtr(std::fopen(path.c_str(), "rb"));
}

FilePtr openMemory(const void* data, std::size_t size) {
    // An empty stream (fmemopen refuses a size of 0).
    if (size == 0) return FilePtr(std::fopen("/dev/null", "rb"));
    // fmemopen does not modify the buffer in read mode.
    return FilePtr(fmemopen(const_cast<void*>(data), size, "rb"));
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
