// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in pictures of the satellite views load at their sizes, a globe on a black sky.
#include <gtest/gtest.h>

#include "views/view_pictures.h"

TEST(ViewPictures, GlobesOfTheirSizesOnBlack) {
    const struct {
        int id, width, height;
    } expected[] = {{views::kJupiterPicture, 212, 198},
                    {views::kSaturnPicture, 99, 86},
                    {views::kSaturnGlobePicture, 197, 200}};
    for (const auto& e : expected) {
        const QImage* p = views::viewPicture(e.id);
        ASSERT_NE(p, nullptr) << e.id;
        EXPECT_EQ(p->width(), e.width) << e.id;
        EXPECT_EQ(p->height(), e.height) << e.id;
        // Black corners stay transparent where the views combine the picture by OR; the disc is lit.
        EXPECT_EQ(p->pixel(0, 0) & 0xffffff, 0u) << e.id;
        EXPECT_EQ(p->pixel(e.width - 1, e.height - 1) & 0xffffff, 0u) << e.id;
        EXPECT_GT(qGray(p->pixel(e.width / 2, e.height / 3)), 100) << e.id;
    }
}
