// Writes the sample section as R2000 and R12 files:
//   make_sample_section OUT_DIR
#include "tests/dxf/sample_section.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_section OUT_DIR\n");
        return 2;
    }
    const dxf::Builder b = SampleSection();
    const std::string dir = argv[1];
    std::ofstream(dir + "/profile_section.dxf", std::ios::binary) << b.ToDxf(dxf::Version::R2000);
    std::ofstream(dir + "/profile_section_r12.dxf", std::ios::binary) << b.ToDxf(dxf::Version::R12);
    return 0;
}
