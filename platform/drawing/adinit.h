// Settings of the drawing database from its init file "adinit.dat", which
// lies beside the component's library. The format is described in the file
// itself and in the README.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct DrawingSettings {
    std::uint32_t background = 0xFFFFFF; // 0xRRGGBB
    std::uint32_t foreground = 0x000000; // colour 7, and any colour equal to the background
    double defaultLineWeight = 0.25;     // mm, for entities and layers with "default"
    double lineWeightScale = 3.0;        // screen pixels per millimetre of line weight
    std::string textFont = "Liberation Sans";
    std::string legendFont = "Liberation Sans";
    int legendSize = 11;                // pixels
    std::size_t maxPrimitives = 200000; // drawn elements once blocks are expanded
    // Points once blocks are expanded: vertices, arc segments, hatch lines
    // and text glyphs together; bounds the memory a picture takes.
    std::size_t maxPoints = 1000000;
    int maxBlockDepth = 16; // nesting of block references

    friend bool operator==(const DrawingSettings&, const DrawingSettings&) = default;
};

// Reads the settings from the text of an init file. All or nothing: any
// malformed line, unknown key or value out of range rejects the whole text,
// and `error` says which line; the result is then the built-in defaults.
bool ParseDrawingSettings(std::string_view text, DrawingSettings& settings, std::string* error);

// Init files above this size are refused unread.
inline constexpr std::size_t kMaxDrawingInitFile = 65536;

// Reads the file at `path`; a missing, broken or too large file gives the
// defaults.
DrawingSettings LoadDrawingSettings(const std::string& path, std::string* error = nullptr);

// Full path of "adinit.dat" in the directory of the component's library.
std::string DrawingInitFile();
