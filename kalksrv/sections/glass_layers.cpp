#include "kalksrv/sections/section.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace sections {

namespace {

// "33.1" -> 3 + 3 mm panes with one 0.38 mm foil; "44.2S" -> 8.76 mm.
bool ParsePane(const std::string& token, double& thickness) {
    std::string t;
    for (char c : token)
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') t += c;
    if (t.empty()) return false;
    const auto dot = t.find('.');
    if (dot == 2 && t.size() > 3) { // laminated: two panes and the foil count
        const int a = t[0] - '0', b = t[1] - '0';
        int foils = 0;
        std::from_chars(t.data() + 3, t.data() + t.size(), foils);
        thickness = a + b + foils * 0.38;
        return thickness > 0;
    }
    const auto r = std::from_chars(t.data(), t.data() + t.size(), thickness);
    return r.ec == std::errc() && thickness > 0 && thickness < 100;
}

} // namespace

std::vector<GlassLayer> GlassLayers(const Glass& glass) {
    const double total = glass.thickness > 0 ? glass.thickness : 24;
    if (glass.panel) return {{true, total}};
    std::vector<GlassLayer> layers;
    std::stringstream in(glass.buildUp);
    std::string token;
    bool ok = !glass.buildUp.empty();
    while (ok && std::getline(in, token, '/')) {
        // Words before the first number ("VSG", "EI30") name the product.
        const auto space = token.find_last_of(' ');
        if (space != std::string::npos) token = token.substr(space + 1);
        double t = 0;
        ok = ParsePane(token, t);
        layers.push_back({layers.size() % 2 == 0, t});
    }
    double sum = 0;
    for (const GlassLayer& l : layers) sum += l.thickness;
    if (ok && layers.size() % 2 == 1 && std::abs(sum - total) <= 1.5) return layers;
    // Unreadable build-up: a double glazing of the given thickness.
    const double pane = std::min(4.0, total / 3);
    return {{true, pane}, {false, total - 2 * pane}, {true, pane}};
}

} // namespace sections
