// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/prompter.h"

#include <gtest/gtest.h>

TEST(RecordingPrompter, RecordsMessagesAndAnswersQuestionsInOrder) {
    RecordingPrompter p;
    p.message("File x missing", "Nalvo -- Error");
    p.queueAnswer(true);
    EXPECT_TRUE(p.askOkCancel("Insert", "File missing"));
    EXPECT_FALSE(p.askOkCancel("Insert", "File missing")); // default is Cancel
    p.defaultAnswer = true;
    EXPECT_TRUE(p.askOkCancel("Insert", "File missing"));
    ASSERT_EQ(p.entries.size(), 4u);
    EXPECT_FALSE(p.entries[0].question);
    EXPECT_EQ(p.entries[0].text, "File x missing");
    EXPECT_EQ(p.entries[0].caption, "Nalvo -- Error");
    EXPECT_EQ(p.messageCount(), 1);
    EXPECT_EQ(p.questionCount(), 3);
}
