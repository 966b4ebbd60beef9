// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_prompter.h"

#include "gfx/text_codec.h"

#include <QMessageBox>

void MessageBoxPrompter::message(const std::string& text, const std::string& caption) {
    QMessageBox::information(owner_, gfx::fromWindows1252(caption), gfx::fromWindows1252(text), QMessageBox::Ok);
}

bool MessageBoxPrompter::askOkCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Warning, gfx::fromWindows1252(caption), gfx::fromWindows1252(text),
                    QMessageBox::Ok | QMessageBox::Cancel, owner_);
    return box.exec() == QMessageBox::Ok;
}
