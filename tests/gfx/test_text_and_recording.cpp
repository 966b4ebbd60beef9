// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/date2.h"
#include "gfx/dessine_date.h"
#include "gfx/recording_canvas.h"
#include "gfx/text_codec.h"

#include <gtest/gtest.h>
#include <vector>

using namespace gfx;

TEST(TextCodec, Windows1252Bytes) {
    EXPECT_EQ(fromWindows1252("N\xb0 ville"), QString::fromUtf8("N° ville"));
    EXPECT_EQ(fromWindows1252("Images plan\xe8tes"), QString::fromUtf8("Images planètes"));
    EXPECT_EQ(fromWindows1252("Voie Lact\xe9"), QString::fromUtf8("Voie Lacté"));
    EXPECT_EQ(fromWindows1252("\x80"), QString::fromUtf8("€"));
    EXPECT_EQ(fromWindows1252("\x9c"), QString::fromUtf8("œ"));
    EXPECT_EQ(fromWindows1252("\x81"), QString(QChar(0xFFFD)));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("N° ville")), std::string("N\xb0 ville"));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("€œ")), std::string("\x80\x9c"));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("Ω")), std::string("?"));
    std::string all;
    for (int b = 0x20; b < 0x100; ++b)
        if (b < 0x80 || b >= 0xA0 || (b != 0x81 && b != 0x8d && b != 0x8f && b != 0x90 && b != 0x9d))
            all.push_back(char(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
}

TEST(RecordingCanvas, RecordsLinesOnceAndShapesWhole) {
    RecordingCanvas c(100, 100);
    c.selectPen(16);
    c.line(10, 10, 50, 20);
    c.rectangle(0, 0, 10, 10);
    EXPECT_TRUE(c.hasLine(10, 10, 50, 20));
    EXPECT_TRUE(c.hasLine(50, 20, 10, 10));
    EXPECT_FALSE(c.hasLine(10, 10, 50, 21));
    EXPECT_EQ(c.count(DrawCall::Kind::Line), 1); // the rectangle's sides are not lines
    EXPECT_EQ(c.count(DrawCall::Kind::Rectangle), 1);
    EXPECT_EQ(c.calls().front().penIndex, 16);
    EXPECT_EQ(c.calls().front().pen.style, PenStyle::Dotted);
    // It draws as well as records.
    EXPECT_EQ(c.pixel(10, 10), rgb(0, 0, 200));
    const std::vector<Point> pts{{1, 1}, {2, 2}, {3, 1}};
    c.polygon(pts);
    EXPECT_EQ(c.count(DrawCall::Kind::Polygon), 1);
    EXPECT_EQ(c.count(DrawCall::Kind::Line), 1);
    c.clearCalls();
    EXPECT_TRUE(c.calls().empty());
}

TEST(RecordingCanvas, RecordsText) {
    RecordingCanvas c(200, 40);
    c.setTextColour(rgb(255, 0, 0));
    c.textOut(3, 4, std::string_view("45\xb0"));
    c.textOut(3, 20, QString::fromUtf8("N° ville"));
    ASSERT_EQ(c.count(DrawCall::Kind::Text), 2);
    EXPECT_TRUE(c.hasText("45\xb0"));
    EXPECT_TRUE(c.hasText("N\xb0 ville"));
    EXPECT_EQ(c.calls()[0].points[0], (Point{3, 4}));
    EXPECT_EQ(c.calls()[0].colour, rgb(255, 0, 0));
}

TEST(DessineDate, LabelAndColours) {
    date2 d;
    d.jour = 5;
    d.mois = 3;
    d.annee = 1996;
    RecordingCanvas c(200, 30, rgb(0, 0, 0));
    c.setBackgroundMode(BackgroundMode::Transparent);
    dessineDate(c, d, 6, 5, false);
    ASSERT_EQ(c.count(DrawCall::Kind::Text), 1);
    EXPECT_EQ(c.calls()[0].text, "Date:05/03/1996");
    EXPECT_EQ(c.calls()[0].points[0], (Point{6, 5}));
    EXPECT_EQ(c.calls()[0].colour, rgb(200, 200, 200));
    int grey = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x) grey += c.pixel(x, y) == rgb(200, 200, 200);
    EXPECT_GT(grey, 10);

    RecordingCanvas w(200, 30, rgb(255, 255, 255));
    d.jour = 25;
    d.mois = 12;
    d.annee = 2001;
    dessineDate(w, d, 0, 0, true);
    EXPECT_EQ(w.calls()[0].text, "Date:25/12/2001");
    EXPECT_EQ(w.calls()[0].colour, rgb(0, 0, 0));
}
