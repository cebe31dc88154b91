#include <gtest/gtest.h>
#include <QImage>

#include "drawings/artwork.h"
#include "drawings/section_drawing.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

// Share of pixels painted in the steel's grey (not white, not the axis blue,
// not black ink).
double steel_share(const QImage& image) {
    int steel = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool grey = std::abs(c.red() - c.blue()) < 30 && c.red() > 110 && c.red() < 215;
            steel += grey ? 1 : 0;
        }
    }
    return double(steel) / (image.width() * image.height());
}

TEST(Drawings, EverySectionIsPaintedInsideItsPicture) {
    for (std::size_t k = 0; k < checks::kWindowCount; ++k) {
        const QImage picture = drawings::section_picture(static_cast<WindowKind>(k), {200, 200});
        ASSERT_EQ(picture.size(), QSize(200, 200));
        const double share = steel_share(picture);
        EXPECT_GT(share, 0.02) << "kind " << k;
        EXPECT_LT(share, 0.6) << "kind " << k;
        // Nothing is cut at the border: the outermost pixels stay white.
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(picture.pixelColor(i, 0), QColor(Qt::white)) << "kind " << k;
            EXPECT_EQ(picture.pixelColor(0, i), QColor(Qt::white)) << "kind " << k;
        }
    }
}

TEST(Drawings, ArrangementsOfTheSameAnglesDiffer) {
    const WindowKind pairs[][2] = {
        {WindowKind::L2T_Ma_Laminado, WindowKind::L2T_Me_Laminado},
        {WindowKind::L2U_Ma_Laminado, WindowKind::L2U_Me_Laminado},
        {WindowKind::LT_Laminado, WindowKind::LU_Laminado},
        {WindowKind::LU_Laminado, WindowKind::LX_Laminado},
    };
    for (const auto& pair : pairs) {
        EXPECT_NE(drawings::section_picture(pair[0], {160, 160}),
                  drawings::section_picture(pair[1], {160, 160}));
    }
}

TEST(Drawings, GlyphsTitleAndIconAreDrawn) {
    for (std::size_t k = 0; k < checks::kWindowCount; ++k) {
        const QImage glyph = drawings::glyph_picture(static_cast<WindowKind>(k), {39, 39});
        int opaque = 0;
        for (int y = 0; y < 39; ++y) {
            for (int x = 0; x < 39; ++x) {
                opaque += glyph.pixelColor(x, y).alpha() > 0 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 40) << "kind " << k;
    }
    EXPECT_EQ(drawings::title_artwork({569, 385}).size(), QSize(569, 385));
    const QImage icon = drawings::program_icon(64);
    EXPECT_GT(icon.pixelColor(32, 32).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
}

}  // namespace
}  // namespace quintaro::testing
