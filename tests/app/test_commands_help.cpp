// SPDX-License-Identifier: GPL-3.0-or-later
// The "Help" menu's dialogs: the about box's picture and its painted back button, the two plain
// dialogs of static texts, opened by their commands.
#include "app/commands.h"
#include "app/dialogs/about_dialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void click(QWidget& target, int x, int y) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &press);
}

TEST(HelpDialogs, AboutPictureAndBackButton) {
    const QImage picture = TDialogAbout::picture();
    EXPECT_EQ(picture.size(), QSize(550, 350));
    // The button face differs from the sky just outside it.
    EXPECT_NE(picture.pixel(250, 309), picture.pixel(250, 340));
    EXPECT_TRUE(TDialogAbout::onBackButton(149, 288));
    EXPECT_TRUE(TDialogAbout::onBackButton(351, 329));
    EXPECT_FALSE(TDialogAbout::onBackButton(352, 300));
    EXPECT_FALSE(TDialogAbout::onBackButton(200, 330));
    EXPECT_FALSE(TDialogAbout::onBackButton(148, 300));

    TDialogAbout dialog;
    dialog.show();
    click(dialog, 100, 100);  // elsewhere on the picture: stays open
    EXPECT_TRUE(dialog.isVisible());
    click(dialog, 250, 300);  // the back button closes it
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(HelpDialogs, PlainTextDialogs) {
    TDialogTexts gifts(TDialogTexts::Gifts);
    EXPECT_EQ(gifts.windowTitle(), QStringLiteral("Gifts !"));
    EXPECT_EQ(gifts.kind(), TDialogTexts::Gifts);
    TDialogTexts sources(TDialogTexts::Sources);
    EXPECT_EQ(sources.windowTitle(), QStringLiteral("Sources and thanks"));
    EXPECT_EQ(sources.kind(), TDialogTexts::Sources);
}

}  // namespace
