#include "dxf/dxf_document.h"

#include <algorithm>

namespace dxf {

std::uint32_t IndexColor(int index) {
    static constexpr std::uint32_t kFirst[10] = {0,        0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                                 0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
    static constexpr std::uint32_t kGreys[6] = {0x333333, 0x505050, 0x696969,
                                                0x828282, 0xBEBEBE, 0xFFFFFF};
    if (index >= 1 && index <= 9) return kFirst[index];
    if (index >= 250 && index <= 255) return kGreys[index - 250];
    if (index < 10 || index > 249) return 0;
    // 24 hues in steps of 15 degrees, five shades each, every shade also
    // half-way towards white.
    static constexpr int kValue[5] = {255, 204, 153, 127, 76};
    const int hue = (index / 10 - 1) * 15;
    const int value = kValue[(index % 10) / 2];
    const bool pale = index % 2 == 1;
    const int sector = hue / 60, within = hue % 60;
    const int rising = value * within / 60, falling = value * (60 - within) / 60;
    int r = 0, g = 0, b = 0;
    switch (sector) {
    case 0:
        r = value, g = rising;
        break;
    case 1:
        r = falling, g = value;
        break;
    case 2:
        g = value, b = rising;
        break;
    case 3:
        g = falling, b = value;
        break;
    case 4:
        b = value, r = rising;
        break;
    default:
        b = falling, r = value;
        break;
    }
    if (pale) {
        r += (value - r) / 2;
        g += (value - g) / 2;
        b += (value - b) / 2;
    }
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

std::vector<Point> SplinePoints(const Spline& s, int perSpan, std::size_t limit) {
    const std::size_t n = s.controlPoints.size();
    const int p = s.degree;
    if (n == 0 || p < 1 || s.knots.size() != n + static_cast<std::size_t>(p) + 1 ||
        (!s.weights.empty() && s.weights.size() != n))
        return s.fitPoints;
    const auto& U = s.knots;
    std::vector<Point> out;
    std::vector<double> hx(static_cast<std::size_t>(p) + 1), hy(hx.size()), hw(hx.size());
    // De Boor on homogeneous coordinates, span by span.
    for (std::size_t k = static_cast<std::size_t>(p); k < n && out.size() < limit; ++k) {
        const double u0 = U[k], u1 = U[k + 1];
        if (!(u1 > u0)) continue;
        const int steps = std::max(1, perSpan);
        for (int step = out.empty() ? 0 : 1; step <= steps; ++step) {
            const double u = u0 + (u1 - u0) * step / steps;
            for (int j = 0; j <= p; ++j) {
                const std::size_t i = k - static_cast<std::size_t>(p) + static_cast<std::size_t>(j);
                const double w = s.weights.empty() ? 1 : s.weights[i];
                hx[static_cast<std::size_t>(j)] = s.controlPoints[i].x * w;
                hy[static_cast<std::size_t>(j)] = s.controlPoints[i].y * w;
                hw[static_cast<std::size_t>(j)] = w;
            }
            for (int r = 1; r <= p; ++r) {
                for (int j = p; j >= r; --j) {
                    const std::size_t i =
                        k - static_cast<std::size_t>(p) + static_cast<std::size_t>(j);
                    const double den = U[i + static_cast<std::size_t>(p - r) + 1] - U[i];
                    const double a = den > 0 ? (u - U[i]) / den : 0;
                    const auto J = static_cast<std::size_t>(j);
                    hx[J] = (1 - a) * hx[J - 1] + a * hx[J];
                    hy[J] = (1 - a) * hy[J - 1] + a * hy[J];
                    hw[J] = (1 - a) * hw[J - 1] + a * hw[J];
                }
            }
            const auto P = static_cast<std::size_t>(p);
            const double w = hw[P] != 0 ? hw[P] : 1;
            out.push_back({hx[P] / w, hy[P] / w, 0});
            if (out.size() >= limit) break;
        }
    }
    return out;
}

} // namespace dxf
