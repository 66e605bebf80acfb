#pragma once
// File input and output of vmpacket; "-" stands for stdin / stdout.

#include <cstdint>
#include <string>
#include <vector>

// The whole file; false with a reason in `error`.
bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& out, std::string& error);
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes,
                    std::string& error);
