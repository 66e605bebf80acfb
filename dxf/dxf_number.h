// Locale-independent number text, shared by the DXF reader and writer and by
// the drawing database's init file. The host may set any C locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dxf {

// Surrounding blanks are allowed, one leading '+' too; nothing else. Gives no
// value for empty text, trailing characters, overflow and non-finite numbers.
std::optional<double> ParseDouble(std::string_view text);
std::optional<std::int64_t> ParseInteger(std::string_view text);

// Shortest text that reads back to the same double, fixed notation for the
// ordinary magnitudes of a drawing, and never "-0".
std::string FormatDouble(double value);

std::string_view Trim(std::string_view text);

} // namespace dxf
