// SPDX-License-Identifier: GPL-3.0-or-later
// The data set shipped in data/: every file that "Sys.syt" names loads with no note and a
// non-negative total, with the counts the data files state.
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "test_util.h"

namespace {

const std::string kData = NALVO_SOURCE_DATA_DIR;

} // namespace

TEST(ShippedData, LoadsWithoutAnyError) {
    ASSERT_TRUE(std::filesystem::exists(kData + "/Sys.syt")) << "no " << kData << "/Sys.syt";
    TempDir t;
    // The catalogue lines are added here when Sys.syt does not have them yet.
    std::string sysText;
    {
        std::FILE* f = std::fopen((kData + "/Sys.syt").c_str(), "rb");
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
            sysText.append(buf, n);
        std::fclose(f);
    }
    if (sysText.find("Fichier des constellations") == std::string::npos)
        sysText += "Fichier des constellations:constel.syt\nFichier des objets Messier:messier.syt\n"
                   "Fichier des objets NGC:ngc.syt\nFichier de la Voie Lact\xE9"
                   "e:lactee.syt\n"
                   "Fichier des cometes:comet.syt\nFichier des frontieres:frontier.syt\n";
    const std::string sysPath = t.write("Sys.syt", sysText);
    RecordingPrompter p;
    systeme sys;
    sys.lookupDirs = {kData};
    const int total = sys.load(sysPath, p, t.path("Nalvo.ini"));
    EXPECT_GE(total, 0);
    EXPECT_EQ(p.entries.size(), 0u) << (p.entries.empty() ? "" : p.entries[0].text);
    for (const std::string& n : sys.notes)
        ADD_FAILURE() << n;
    EXPECT_EQ(sys.planetCount(), 9);
    ASSERT_NE(sys.planet(2), nullptr);
    EXPECT_STREQ(sys.planet(2)->nom, "Terre");
    ASSERT_NE(sys.planet(2)->getSatellite(0), nullptr);
    EXPECT_EQ(sys.constellationCount(), 88);
    EXPECT_EQ(sys.deepSkyCount(), 400);
    EXPECT_STREQ(sys.deepSky(0)->designation, "M1");
    EXPECT_EQ(std::string(sys.deepSky(110)->designation).substr(0, 3), "NGC");
    ASSERT_NE(sys.milkyWay(), nullptr);
    EXPECT_EQ(sys.milkyWay()->count1, 500);
    EXPECT_EQ(sys.milkyWay()->count2, 499);
    EXPECT_GT(sys.cometCount(), 100);
    EXPECT_EQ(sys.borderPointCount(), 698);
    EXPECT_GT(sys.borderLineCount(), 0);
    // Every figure link names a star of its own constellation.
    for (int c = 0; c < sys.constellationCount(); ++c)
        for (int s = 0; s < sys.constellation(c)->nbStars; ++s)
            for (int k = 0; k < 8 && sys.constellation(c)->star(s)->links[k] >= 0; ++k)
                EXPECT_LT(sys.constellation(c)->star(s)->links[k], sys.constellation(c)->nbStars);
}
