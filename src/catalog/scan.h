// SPDX-License-Identifier: GPL-3.0-or-later
// Formatted scanning of the text data files: the standard scan patterns, with every "%s" bounded
// to the size of the field it fills, and the fields-read count that the readers' totals add up.
#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

// One target of a scan: an int for "%d", a float for "%f", a double for "%lf", a char buffer for
// "%s" (at most size - 1 characters are stored, then the terminating zero).
class ScanArg {
  public:
    enum class Kind { Int, Float, Double, Word };

    ScanArg(int* p) : kind_(Kind::Int), ptr_(p) {}
    ScanArg(float* p) : kind_(Kind::Float), ptr_(p) {}
    ScanArg(double* p) : kind_(Kind::Double), ptr_(p) {}
    ScanArg(char* buffer, std::size_t size) : kind_(Kind::Word), ptr_(buffer), size_(size) {}
    template <std::size_t N> ScanArg(char (&buffer)[N]) : ScanArg(buffer, N) {}

    Kind kind() const { return kind_; }
    void* ptr() const { return ptr_; }
    std::size_t size() const { return size_; }

  private:
    Kind kind_;
    void* ptr_;
    std::size_t size_ = 0;
};

// Scans `pattern` from `file` as std::fscanf does: a blank or newline in the pattern skips any
// white space (none included), other characters must match, a conversion reads one field.
// Supported conversions: %d, %f, %lf, %s (a width on %s is kept when smaller than the field).
// Returns the number of fields stored, or EOF (-1) when the input ended before the first one;
// (result - 1) is then 0 for a full one-field pattern, -1 for a mismatch, -2 at end of file.
// A pattern whose conversions do not match `args` throws std::invalid_argument.
int scanFile(std::FILE* file, const char* pattern, std::initializer_list<ScanArg> args);

// (fields read - 1), the contribution of one scan to its file's total.
inline int scanTotal(std::FILE* file, const char* pattern, std::initializer_list<ScanArg> args) {
    return scanFile(file, pattern, args) - 1;
}

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file for reading (binary: the readers see the bytes as they are on disk, "\r\n" line
// ends are white space to the patterns). Null when it cannot be opened.
FilePtr openForReading(const std::string& path);
// A stream over bytes in memory, for tests and fuzzing.
FilePtr openMemory(const void* data, std::size_t size);
// True when a regular file of that name exists (it may still fail to open).
bool fileExists(const std::string& path);
