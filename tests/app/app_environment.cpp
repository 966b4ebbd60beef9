// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the whole test program, created before any test, and a private user data
// and settings folder so that the tests never touch the real ones.
#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {
class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        char dirTemplate[] = "/tmp/nalvo_app_tests_XXXXXX";
        if (const char* dir = mkdtemp(dirTemplate)) {
            const std::string base = dir;
            setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
            setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
        }
        if (!QCoreApplication::instance()) app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "app_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace
