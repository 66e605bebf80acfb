#include "kalksrv/pictures/colour_picture.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

// Integer hash noise: the same on every machine, unlike the standard
// library's distributions.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

double Unit(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    return (Hash(x, y, seed) & 0xffffff) / double(0xffffff);
}

// Smooth value noise on a lattice of `cell` pixels, 0..1.
double Noise(double x, double y, double cell, std::uint32_t seed) {
    const double fx = x / cell, fy = y / cell;
    const auto ix = static_cast<std::uint32_t>(std::floor(fx)),
               iy = static_cast<std::uint32_t>(std::floor(fy));
    const double tx = fx - std::floor(fx), ty = fy - std::floor(fy);
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = Unit(ix, iy, seed), b = Unit(ix + 1, iy, seed);
    const double c = Unit(ix, iy + 1, seed), d = Unit(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

QRgb Shade(std::uint32_t rgb, double factor) {
    const auto ch = [&](int shift) {
        return std::clamp(static_cast<int>(std::lround(((rgb >> shift) & 0xff) * factor)), 0, 255);
    };
    return qRgb(ch(16), ch(8), ch(0));
}

double Woodgrain(int x, int y, std::uint32_t seed) {
    // Boards run along x; the growth rings wander with low-frequency noise.
    const double wander = Noise(x, y * 0.5, 110, seed) * 34 + Noise(x, y, 27, seed + 1) * 5;
    const double width = 0.065 + Noise(0, y, 40, seed + 4) * 0.05; // rings of varying width
    const double ring = std::fmod((y + wander) * width + 1000, 1.0);
    const double late = std::pow(1 - std::abs(ring * 2 - 1), 3); // dark late wood
    const double fibre = Noise(x, y * 6.0, 3, seed + 2) - 0.5;
    const double pore = Unit(x / 2, y, seed + 3) > 0.985 ? -0.12 : 0;
    return 1.06 - late * 0.30 + fibre * 0.10 + pore;
}

double Texture(int x, int y, std::uint32_t seed) {
    const double coarse = Noise(x, y, 5, seed) - 0.5, fine = Unit(x, y, seed + 1) - 0.5;
    return 1.0 + coarse * 0.14 + fine * 0.06;
}

double Metal(int x, int y, std::uint32_t seed) {
    const double streak = Noise(x * 0.02, y, 1.5, seed) - 0.5;
    const double fine = Unit(x, y, seed + 1) - 0.5;
    const double sheen = 0.08 * std::sin(y * 0.035 + 1.3);
    return 1.0 + streak * 0.16 + fine * 0.04 + sheen;
}

} // namespace

Surface SurfaceFromName(std::string_view name) {
    if (name == "holz") return Surface::Woodgrain;
    if (name == "struktur") return Surface::Texture;
    if (name == "metall") return Surface::Metal;
    return Surface::Plain;
}

std::vector<unsigned char> ColourPicture(std::uint32_t rgb, Surface surface, std::uint32_t seed,
                                         int width, int height) {
    if (width < 1 || height < 1 || width > 4096 || height > 4096) return {};
    rgb &= 0xffffff;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double f = 1;
            switch (surface) {
            case Surface::Plain:
                break;
            case Surface::Woodgrain:
                f = Woodgrain(x, y, seed);
                break;
            case Surface::Texture:
                f = Texture(x, y, seed);
                break;
            case Surface::Metal:
                f = Metal(x, y, seed);
                break;
            }
            line[x] = Shade(rgb, f);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(88);
    if (!writer.write(image)) return {};
    return {bytes.begin(), bytes.end()};
}

} // namespace pictures
