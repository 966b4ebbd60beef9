// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/prompter.h"

void RecordingPrompter::message(const std::string& text, const std::string& caption) {
    entries.push_back({false, text, caption});
    if (echo_) std::fprintf(echo_, "%s: %s\n", caption.c_str(), text.c_str());
}

bool RecordingPrompter::askOkCancel(const std::string& text, const std::string& caption) {
    entries.push_back({true, text, caption});
    bool ok = defaultAnswer;
    if (!answers_.empty()) {
        ok = answers_.front();
        answers_.pop_front();
    }
    if (echo_) std::fprintf(echo_, "%s: %s [%s]\n", caption.c_str(), text.c_str(), ok ? "OK" : "Cancel");
    return ok;
}

int RecordingPrompter::messageCount() const {
    int n = 0;
    for (const Entry& e : entries)
        n += e.question ? 0 : 1;
    return n;
}

int RecordingPrompter::questionCount() const {
    return static_cast<int>(entries.size()) - messageCount();
}
