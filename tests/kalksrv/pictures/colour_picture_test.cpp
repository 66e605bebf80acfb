// Colour pictures: real JPEGs of the asked size and colour, the same bytes
// every time, a grain only where the surface has one.
#include "kalksrv/pictures/colour_picture.h"

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using pictures::ColourPicture;
using pictures::Surface;

namespace {

QImage Decode(const std::vector<unsigned char>& jpeg) {
    QImage image;
    image.loadFromData(
        QByteArray(reinterpret_cast<const char*>(jpeg.data()), static_cast<qsizetype>(jpeg.size())),
        "JPEG");
    return image;
}

// Mean and spread of the grey level over the picture.
std::pair<double, double> Stats(const QImage& image) {
    double sum = 0, sq = 0;
    const int n = image.width() * image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double g = qGray(image.pixel(x, y));
            sum += g;
            sq += g * g;
        }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, sq / n - mean * mean))};
}

} // namespace

TEST(ColourPicture, PlainSwatchIsTheColour) {
    const QImage image = Decode(ColourPicture(0x2E5E3A, Surface::Plain, 1, 120, 80));
    ASSERT_EQ(image.size(), QSize(120, 80));
    const QColor c = image.pixelColor(60, 40);
    EXPECT_NEAR(c.red(), 0x2E, 6);
    EXPECT_NEAR(c.green(), 0x5E, 6);
    EXPECT_NEAR(c.blue(), 0x3A, 6);
    EXPECT_LT(Stats(image).second, 2.0);
}

TEST(ColourPicture, SurfacesAreDeterministicAndShowTheirGrain) {
    for (Surface s : {Surface::Woodgrain, Surface::Texture, Surface::Metal}) {
        const auto a = ColourPicture(0x8B5A2B, s, 7);
        EXPECT_EQ(a, ColourPicture(0x8B5A2B, s, 7));
        const QImage image = Decode(a);
        ASSERT_EQ(image.size(), QSize(290, 184));
        const auto [mean, spread] = Stats(image);
        EXPECT_GT(spread, 3.0) << static_cast<int>(s);
        // Still reads as the colour: the grain varies around it.
        EXPECT_NEAR(mean, qGray(0x8B, 0x5A, 0x2B), 20) << static_cast<int>(s);
    }
    // Two decors of the same colour do not share one grain.
    EXPECT_NE(ColourPicture(0x8B5A2B, Surface::Woodgrain, 7),
              ColourPicture(0x8B5A2B, Surface::Woodgrain, 8));
}

TEST(ColourPicture, BadSizesAndBitsAboveTheColour) {
    EXPECT_TRUE(ColourPicture(0xFFFFFF, Surface::Plain, 0, 0, 10).empty());
    EXPECT_TRUE(ColourPicture(0xFFFFFF, Surface::Plain, 0, 10, -1).empty());
    EXPECT_TRUE(ColourPicture(0xFFFFFF, Surface::Plain, 0, 5000, 10).empty());
    // Bits above the colour are ignored.
    EXPECT_EQ(ColourPicture(0xFF123456, Surface::Plain, 0, 8, 8),
              ColourPicture(0x123456, Surface::Plain, 0, 8, 8));
}
