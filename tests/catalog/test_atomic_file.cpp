// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of whole files: a failure at any step leaves the old file byte for byte, no
// temporary file behind, and a message naming the file and the reason.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include "catalog/atomic_file.h"
#include "catalog/profile.h"
#include "catalog/settings.h"
#include "test_util.h"

namespace {

std::string patterned(std::size_t size) {
    std::string data(size, '\0');
    for (std::size_t k = 0; k < size; ++k)
        data[k] = char(k * 13 + 7);
    return data;
}

int entriesIn(const std::string& dir) {
    return int(
        std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

// Restores the file size limit and SIGXFSZ at the end of a test.
struct FileSizeLimit {
    rlimit before{};
    void (*handler)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before);
        handler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        rlimit small = before;
        small.rlim_cur = bytes;
        ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
    }
    bool ok = false;
};

} // namespace

TEST(AtomicFile, AFolderThatCannotHoldFilesLeavesNothingAndSaysWhy) {
    // A regular file stands where the folder should be: no user, root included, can write there.
    TempDir t;
    const std::string blocker = t.write("blocker", "not a folder");
    const std::string target = blocker + "/Nalvo.ini";
    std::string error;
    ASSERT_FALSE(writeFileAtomically(target, "x", &error));
    EXPECT_NE(error.find("cannot write " + target), std::string::npos) << error;
    EXPECT_NE(error.find("not a directory"), std::string::npos) << error;
    EXPECT_EQ(t.read("blocker"), "not a folder");
    EXPECT_EQ(entriesIn(t.dir()), 1);
    // The settings writers pass the reason on.
    systeme sys;
    sys.latitude = 48.85;
    EXPECT_FALSE(writeObserverPlace(target, sys, &error));
    EXPECT_NE(error.find(target), std::string::npos) << error;
    EXPECT_FALSE(profileWriteInt(target, "Position", "Latitude", 4885, &error));
    EXPECT_NE(error.find(target), std::string::npos) << error;
}

TEST(AtomicFile, AFailureHalfWayKeepsTheOldFileByteForByte) {
    TempDir t;
    const std::string old = patterned(5000);
    const std::string path = t.write("comet.syt", old);
    ::chmod(path.c_str(), 0640);
    const std::string replacement = patterned(200000).substr(3);
    // The disk fills after 70000 bytes of the new file.
    atomicfile::failWritesAfterForTesting(70000);
    std::string error;
    EXPECT_FALSE(writeFileAtomically(path, replacement, &error));
    atomicfile::failWritesAfterForTesting(-1);
    EXPECT_EQ(error, "cannot write " + path + ": no space left on device");
    EXPECT_EQ(t.read("comet.syt"), old);
    EXPECT_EQ(entriesIn(t.dir()), 1); // the temporary file is gone
    // The seam fires once: the next write goes through and keeps the file's permissions.
    ASSERT_TRUE(writeFileAtomically(path, replacement, &error)) << error;
    EXPECT_EQ(t.read("comet.syt"), replacement);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entriesIn(t.dir()), 1);
}

TEST(AtomicFile, ARealWriteErrorHalfWayKeepsTheOldFile) {
    // The system's own limit on file sizes stops the write in the middle, as a full disk would;
    // it holds for root too.
    TempDir t;
    const std::string old = "[Position]\nLatitude=4590\n";
    const std::string path = t.write("Nalvo.ini", old);
    std::string error;
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.ok) << "the file size limit cannot be set";
        EXPECT_FALSE(writeFileAtomically(path, patterned(256 * 1024), &error));
    }
    EXPECT_NE(error.find("cannot write " + path + ": file too large"), std::string::npos) << error;
    EXPECT_EQ(t.read("Nalvo.ini"), old);
    EXPECT_EQ(entriesIn(t.dir()), 1);
}

TEST(AtomicFile, ANameThatIsNotAFileIsRefused) {
    TempDir t;
    std::string error;
    EXPECT_FALSE(writeFileAtomically("", "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writeFileAtomically(t.dir() + "/", "x", &error));
    EXPECT_NE(error.find("is a directory"), std::string::npos) << error;
    EXPECT_EQ(entriesIn(t.dir()), 0);
}
