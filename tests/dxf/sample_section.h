// The sample frame section as a catalogue author drew it (tests/dxf/data):
// contour, chambers, hatched steel, gaskets, a screw block, texts,
// dimensions and the five construction layers.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

inline std::string SampleSectionDxf(bool r12 = false) {
    std::ifstream in(std::string(VELMAR_TEST_DATA) + "/profile_section" + (r12 ? "_r12" : "") +
                         ".dxf",
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
