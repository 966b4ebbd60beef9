// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts need the application object: one QGuiApplication for the whole test program.
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QGuiApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "gfx_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);
} // namespace
