#include "platform/drawing/adinit.h"

#include "dxf/dxf_number.h"

#include <fstream>

namespace {

bool ParseColor(std::string_view text, std::uint32_t& out) {
    if (text.size() != 7 || text[0] != '#') return false;
    std::uint32_t value = 0;
    for (char c : text.substr(1)) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
        if (d < 0) return false;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    out = value;
    return true;
}

bool InRange(std::string_view text, double low, double high, double& out) {
    const auto v = dxf::ParseDouble(text);
    if (!v || *v < low || *v > high) return false;
    out = *v;
    return true;
}

} // namespace

bool ParseDrawingSettings(std::string_view text, DrawingSettings& settings, std::string* error) {
    DrawingSettings s;
    std::size_t lineNo = 0;
    bool format = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNo;
        line = dxf::Trim(line);
        if (line.empty() || line.front() == '#') continue; // blank or comment line
        const auto fail = [&](const std::string& why) {
            if (error) *error = "line " + std::to_string(lineNo) + ": " + why;
            settings = DrawingSettings{};
            return false;
        };
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return fail("key = value expected");
        const std::string_view key = dxf::Trim(line.substr(0, eq));
        const std::string_view value = dxf::Trim(line.substr(eq + 1));
        double number = 0;
        if (key == "format") {
            if (value != "1") return fail("unknown format " + std::string(value));
            format = true;
        } else if (key == "background") {
            if (!ParseColor(value, s.background)) return fail("colour #RRGGBB expected");
        } else if (key == "foreground") {
            if (!ParseColor(value, s.foreground)) return fail("colour #RRGGBB expected");
        } else if (key == "default_lineweight") {
            if (!InRange(value, 0, 2.11, s.defaultLineWeight)) return fail("0 to 2.11 mm expected");
        } else if (key == "lineweight_scale") {
            if (!InRange(value, 0, 100, s.lineWeightScale)) return fail("0 to 100 expected");
        } else if (key == "text_font" || key == "legend_font") {
            if (value.empty()) return fail("font family expected");
            (key == "text_font" ? s.textFont : s.legendFont) = std::string(value);
        } else if (key == "legend_size") {
            if (!InRange(value, 4, 72, number) || number != static_cast<int>(number))
                return fail("4 to 72 pixels expected");
            s.legendSize = static_cast<int>(number);
        } else if (key == "max_primitives") {
            if (!InRange(value, 1000, 1e7, number)) return fail("1000 to 10000000 expected");
            s.maxPrimitives = static_cast<std::size_t>(number);
        } else if (key == "max_points") {
            if (!InRange(value, 10000, 1e8, number)) return fail("10000 to 100000000 expected");
            s.maxPoints = static_cast<std::size_t>(number);
        } else if (key == "max_block_depth") {
            if (!InRange(value, 1, 64, number)) return fail("1 to 64 expected");
            s.maxBlockDepth = static_cast<int>(number);
        } else {
            return fail("unknown key " + std::string(key));
        }
    }
    if (!format) {
        if (error) *error = "format line missing";
        settings = DrawingSettings{};
        return false;
    }
    settings = s;
    return true;
}

DrawingSettings LoadDrawingSettings(const std::string& path, std::string* error) {
    DrawingSettings settings;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = "cannot open " + path;
        return settings;
    }
    // One byte more than allowed tells a file that is too large (or a
    // device without end) without reading it all.
    std::string content(kMaxDrawingInitFile + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (content.size() > kMaxDrawingInitFile) {
        if (error)
            *error = path + " is larger than " + std::to_string(kMaxDrawingInitFile / 1024) + " KB";
        return settings;
    }
    std::string why;
    if (!ParseDrawingSettings(content, settings, &why) && error) *error = path + ": " + why;
    return settings;
}
