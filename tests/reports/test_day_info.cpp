// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly information files: layouts written by hand.
#include "reports/day_info.h"
#include "reports_test_util.h"

using namespace reports;

namespace {
class DayInfo : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        dir = (std::filesystem::temp_directory_path() / "dayinfo").string();
        std::filesystem::create_directories(dir);
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream f(dir + "/" + name, std::ios::binary);
        f << bytes;
    }
    static date2 day(int d, int m, int y) {
        date2 x;
        x.jour = d;
        x.mois = m;
        x.annee = y;
        x.calculeT();
        return x;
    }
};
} // namespace

TEST_F(DayInfo, FileNameHasMonthThenYear) {
    EXPECT_EQ(dayInfoFileName(day(5, 3, 1998)), "NalvoInfo31998.dat");
    EXPECT_EQ(dayInfoFileName(day(5, 11, 2026)), "NalvoInfo112026.dat");
}

TEST_F(DayInfo, RecordsHeadingAndMissingDays) {
    write("NalvoInfo32026.dat", "Events of March 2026 (UT)*\n3 Full Moon at 11:38.\nTotal lunar eclipse.*\n"
                                "20 March equinox at 14:46 (Sun at 0\xB0 longitude).*\n");
    std::string text;
    bool found = false;
    ASSERT_TRUE(readDayInfo(day(3, 3, 2026), text, {dir}, &found));
    EXPECT_TRUE(found);
    EXPECT_EQ(text, "\n\nEvents of March 2026 (UT)\n\nFull Moon at 11:38.\nTotal lunar eclipse.\n");
    ASSERT_TRUE(readDayInfo(day(20, 3, 2026), text, {dir}, &found));
    EXPECT_EQ(text, "\n\nEvents of March 2026 (UT)\n\nMarch equinox at 14:46 (Sun at 0\xB0 longitude).\n");
    // A day without a record: the heading alone, and no note of the day.
    ASSERT_TRUE(readDayInfo(day(4, 3, 2026), text, {dir}, &found));
    EXPECT_FALSE(found);
    EXPECT_EQ(text, "\nEvents of March 2026 (UT)\n");
    // A day without a record still shows the month's heading.
    EXPECT_EQ(noteOfTheDay(day(4, 3, 2026), {dir}), "\nEvents of March 2026 (UT)\n");
    EXPECT_EQ(noteOfTheDay(day(3, 3, 2026), {dir}).substr(0, 8), "\n\nEvents");
    // appendDayInfo adds exactly that text.
    std::string report = "x";
    appendDayInfo(day(4, 3, 2026), report, {dir});
    EXPECT_EQ(report, "x\nEvents of March 2026 (UT)\n");
    // No file for the month: nothing at all.
    EXPECT_FALSE(readDayInfo(day(3, 4, 2026), text, {dir}, &found));
    EXPECT_EQ(text, "");
    report = "x";
    appendDayInfo(day(3, 4, 2026), report, {dir});
    EXPECT_EQ(report, "x");
}

TEST_F(DayInfo, DamagedFilesGiveWhatTheyHold) {
    // No star after the heading, a record without its star, a day number that is not one.
    write("NalvoInfo52026.dat", "Only a heading");
    write("NalvoInfo62026.dat", "June*\n7 New Moon");
    write("NalvoInfo72026.dat", "July*\nseven Full Moon*\n");
    write("NalvoInfo82026.dat", "*");
    std::string text;
    EXPECT_TRUE(readDayInfo(day(1, 5, 2026), text, {dir}));
    EXPECT_EQ(text, "\nOnly a heading\n");
    EXPECT_TRUE(readDayInfo(day(7, 6, 2026), text, {dir}));
    EXPECT_EQ(text, "\n\nJune\n\nNew Moon\n");
    EXPECT_TRUE(readDayInfo(day(8, 6, 2026), text, {dir}));
    EXPECT_EQ(text, "\nJune\n");
    EXPECT_TRUE(readDayInfo(day(7, 7, 2026), text, {dir}));
    EXPECT_EQ(text, "\nJuly\n");
    EXPECT_FALSE(readDayInfo(day(1, 8, 2026), text, {dir})); // empty heading, no record
    // A record far longer than a line reaches the report whole.
    const std::string longRecord(3000, 'x');
    write("NalvoInfo92026.dat", "September*\n2 " + longRecord + "*\n");
    std::string report;
    appendDayInfo(day(2, 9, 2026), report, {dir});
    EXPECT_EQ(report, "\n\nSeptember\n\n" + longRecord + "\n");
}

// Every shipped month from 2026 to 2035 is there and follows the layout: a heading, then records
// with increasing day numbers within the month, each ended by a star.
TEST(ShippedDayInfo, EveryMonthOf2026To2035) {
    int records = 0;
    for (int year = 2026; year <= 2035; ++year)
        for (int month = 1; month <= 12; ++month) {
            date2 d;
            d.jour = 1;
            d.mois = month;
            d.annee = year;
            const std::string path = dayInfoPath(d, {NALVO_SOURCE_DATA_DIR});
            ASSERT_FALSE(path.empty()) << dayInfoFileName(d);
            std::ifstream in(path, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), {});
            const size_t star = bytes.find('*');
            ASSERT_NE(star, std::string::npos) << path;
            ASSERT_GT(star, 0u) << path;
            int lastDay = 0;
            size_t p = star + 1;
            while (true) {
                while (p < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[p])))
                    ++p;
                if (p >= bytes.size()) break;
                size_t q = p;
                while (q < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[q])))
                    ++q;
                ASSERT_GT(q, p) << path << " at " << p;
                const int dayNumber = std::stoi(bytes.substr(p, q - p));
                EXPECT_GT(dayNumber, lastDay) << path;
                EXPECT_LE(dayNumber, daysInMonth(month, year)) << path;
                ASSERT_EQ(bytes[q], ' ') << path;
                const size_t end = bytes.find('*', q);
                ASSERT_NE(end, std::string::npos) << path;
                lastDay = dayNumber;
                ++records;
                // The reader finds this very record.
                d.jour = dayNumber;
                bool found = false;
                std::string text;
                ASSERT_TRUE(readDayInfo(d, text, {NALVO_SOURCE_DATA_DIR}, &found));
                EXPECT_TRUE(found) << path << " day " << dayNumber;
                EXPECT_EQ(text,
                          "\n\n" + bytes.substr(0, star) + "\n\n" + bytes.substr(q + 1, end - q - 1) + "\n");
                p = end + 1;
            }
        }
    // Four Moon phases a month at least.
    EXPECT_GT(records, 120 * 4);
}
