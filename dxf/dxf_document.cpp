#include "dxf/dxf_document.h"

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

} // namespace dxf
