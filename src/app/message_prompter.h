// SPDX-License-Identifier: GPL-3.0-or-later
// The core's questions and messages shown as message boxes.
#pragma once

#include "catalog/prompter.h"

class QWidget;

class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void message(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;

private:
    QWidget* owner_;
};
