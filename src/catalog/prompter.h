// SPDX-License-Identifier: GPL-3.0-or-later
// How the core shows a message or asks a question on its way (a missing file, "Insert CD-ROM").
// The app implements it with message boxes; tests and the command-line tool record the calls.
#pragma once

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A message box with an OK button.
    virtual void message(const std::string& text, const std::string& caption) = 0;
    // An OK/Cancel question; true for OK.
    virtual bool askOkCancel(const std::string& text, const std::string& caption) = 0;
};

// Records every call. Questions take the queued answers in order, then `defaultAnswer`.
// With `echo` set, each call is also printed there ("caption: text").
class RecordingPrompter : public Prompter {
  public:
    struct Entry {
        bool question = false;
        std::string text;
        std::string caption;
    };

    explicit RecordingPrompter(std::FILE* echo = nullptr) : echo_(echo) {}

    void message(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;

    void queueAnswer(bool ok) { answers_.push_back(ok); }
    void clear() { entries.clear(); }
    int messageCount() const;
    int questionCount() const;

    std::vector<Entry> entries;
    bool defaultAnswer = false; // Cancel unless told otherwise

  private:
    std::FILE* echo_;
    std::deque<bool> answers_;
};
