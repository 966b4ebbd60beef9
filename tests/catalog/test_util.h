// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the catalog tests: a fresh temporary directory per test, files written into it, and
// the user directories pointed there so that nothing of the machine's own files is read.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "catalog/scan.h"

class TempDir {
  public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "nalvo-catalog-XXXXXX").string();
        char* made = ::mkdtemp(tmpl.data());
        if (!made) throw std::runtime_error("mkdtemp failed");
        path_ = made;
        ::setenv("XDG_DATA_HOME", (path_ / "user-data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (path_ / "user-config").c_str(), 1);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string path(const std::string& name) const { return (path_ / name).string(); }
    std::string dir() const { return path_.string(); }
    // Writes the bytes as they are (no line-end conversion).
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string p = path(name);
        std::filesystem::create_directories(std::filesystem::path(p).parent_path());
        std::FILE* f = std::fopen(p.c_str(), "wb");
        if (!f) throw std::runtime_error("cannot write " + p);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return p;
    }
    std::string read(const std::string& name) const {
        std::FILE* f = std::fopen(path(name).c_str(), "rb");
        if (!f) return {};
        std::string s;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
            s.append(buf, n);
        std::fclose(f);
        return s;
    }

  private:
    std::filesystem::path path_;
};

// A stream over a copy of a string's bytes (the copy lives as long as the stream).
class MemoryStream {
  public:
    explicit MemoryStream(std::string bytes)
        : bytes_(std::move(bytes)), file_(openMemory(bytes_.data(), bytes_.size())) {}
    std::FILE* get() const { return file_.get(); }
    explicit operator bool() const { return static_cast<bool>(file_); }

  private:
    std::string bytes_;
    FilePtr file_;
};

inline MemoryStream memoryStream(const std::string& bytes) {
    return MemoryStream(bytes);
}
