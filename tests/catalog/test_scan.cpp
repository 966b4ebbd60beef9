// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <stdexcept>

#include "catalog/scan.h"
#include "test_util.h"

TEST(Scan, OneFieldPatternReadsAWord) {
    auto f = memoryStream("Fichier du soleil:soleil.syt\n");
    char name[30] = {};
    EXPECT_EQ(scanFile(f.get(), "Fichier du soleil:%s", {name}), 1);
    EXPECT_STREQ(name, "soleil.syt");
}

TEST(Scan, TotalsAreZeroForMatchMinusOneForMismatchMinusTwoAtEnd) {
    auto f = memoryStream("Nom:Mars\nCouleur:rouge");
    char word[15] = {};
    EXPECT_EQ(scanTotal(f.get(), "Nom:%s", {word}), 0);
    EXPECT_EQ(scanTotal(f.get(), "\nRayon:%s", {word}), -1); // "Couleur" is not "Rayon"
    EXPECT_STREQ(word, "Mars");                              // unread field keeps its value
    EXPECT_EQ(scanTotal(f.get(), "\nCouleur:%s", {word}), 0);
    EXPECT_STREQ(word, "rouge");
    EXPECT_EQ(scanTotal(f.get(), "\nNom:%s", {word}), -2);
}

TEST(Scan, WordIsBoundedToItsFieldAndTheRestOfItIsSkipped) {
    auto f = memoryStream("Nom:ABCDEFGHIJKLMNOPQRSTUVWXYZ\nRayon:12.5\n");
    char nom[15];
    std::memset(nom, 'x', sizeof nom);
    double r = 0;
    EXPECT_EQ(scanFile(f.get(), "Nom:%s", {nom}), 1);
    EXPECT_EQ(std::strlen(nom), 14u);
    EXPECT_STREQ(nom, "ABCDEFGHIJKLMN");
    EXPECT_EQ(scanFile(f.get(), "\nRayon:%lf", {&r}), 1);
    EXPECT_DOUBLE_EQ(r, 12.5);
}

TEST(Scan, MultiFieldPatternCountsFieldsUpToTheMismatch) {
    auto f = memoryStream("\n1 Andromeda And 1 2 x 4 5\n");
    int n = 0, v[5] = {};
    char nom[30] = {}, ab[5] = {};
    EXPECT_EQ(
        scanFile(f.get(), "\n%d %s %s %d %d %d %d %d", {&n, nom, ab, &v[0], &v[1], &v[2], &v[3], &v[4]}), 5);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 0);
}

TEST(Scan, BlankInPatternSkipsAnyWhiteSpaceIncludingNone) {
    auto f = memoryStream("280.46\n\n   36000.77 0");
    double a = 0, b = 0, c = 1;
    EXPECT_EQ(scanFile(f.get(), "%lf %lf %lf", {&a, &b, &c}), 3);
    EXPECT_DOUBLE_EQ(b, 36000.77);
    EXPECT_EQ(c, 0.0);
    auto g = memoryStream("L280.5");
    EXPECT_EQ(scanFile(g.get(), "L %lf", {&a}), 1); // no blank in the file: still matches
    EXPECT_DOUBLE_EQ(a, 280.5);
}

TEST(Scan, TrailingTextIsConsumedAfterTheLastField) {
    auto f = memoryStream("Nombre:3\n\nNom:x");
    int n = 0;
    char w[10] = {};
    EXPECT_EQ(scanFile(f.get(), "Nombre:%d\n", {&n}), 1);
    EXPECT_EQ(scanFile(f.get(), "Nom:%s", {w}), 1); // the blank lines were skipped
    EXPECT_STREQ(w, "x");
}

TEST(Scan, FloatAndSlashSeparatedIntegers) {
    auto f = memoryStream("\ntperi:1/15/1997\ntequi:2000.0\n");
    int m = 0, d = 0, y = 0;
    float e = 0;
    EXPECT_EQ(scanFile(f.get(), "\ntperi:%d/%d/%d\n", {&m, &d, &y}), 3);
    EXPECT_EQ(scanFile(f.get(), "tequi:%f\n", {&e}), 1);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 15);
    EXPECT_EQ(y, 1997);
    EXPECT_FLOAT_EQ(e, 2000.0f);
}

TEST(Scan, PatternAndFieldsMustAgree) {
    auto f = memoryStream("1");
    int i = 0;
    double d = 0;
    EXPECT_THROW(scanFile(f.get(), "%lf", {&i}), std::invalid_argument);
    EXPECT_THROW(scanFile(f.get(), "%d %d", {&i}), std::invalid_argument);
    EXPECT_THROW(scanFile(f.get(), "%d", {&i, &d}), std::invalid_argument);
    EXPECT_THROW(scanFile(f.get(), "%x", {&i}), std::invalid_argument);
}

TEST(Scan, EmptyStreamIsEndOfFile) {
    auto f = memoryStream("");
    ASSERT_TRUE(f);
    int i = 7;
    EXPECT_EQ(scanFile(f.get(), "%d", {&i}), EOF);
    EXPECT_EQ(i, 7);
}
