// SPDX-License-Identifier: GPL-3.0-or-later
// Every test process gets a private temporary folder (TMPDIR), so tests that write fixed file
// names under temp_directory_path() never meet each other when ctest runs them in parallel.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {
struct PrivateTmp {
    std::string dir;
    PrivateTmp() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/nalvo-test-XXXXXX";
        if (char* made = mkdtemp(pattern.data())) {
            dir = made;
            setenv("TMPDIR", dir.c_str(), 1);
        }
    }
    ~PrivateTmp() {
        std::error_code ec;
        if (!dir.empty()) std::filesystem::remove_all(dir, ec);
    }
};
const PrivateTmp kPrivateTmp;
} // namespace
