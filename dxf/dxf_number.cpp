#include "dxf/dxf_number.h"

#include <charconv>
#include <cmath>

namespace dxf {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

namespace {
std::string_view Digits(std::string_view text) {
    text = Trim(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}
} // namespace

std::optional<double> ParseDouble(std::string_view text) {
    text = Digits(text);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    text = Digits(text);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string FormatDouble(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    char buffer[400];
    const double magnitude = std::fabs(value);
    const auto format = magnitude >= 1e-6 && magnitude < 1e15 ? std::chars_format::fixed
                                                              : std::chars_format::general;
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    if (ec != std::errc()) return "0";
    std::string text(buffer, end);
    // Fixed notation of a whole number has no point; CAD programs read both,
    // but a point marks the value as real for the human reader.
    if (format == std::chars_format::fixed && text.find('.') == std::string::npos) text += ".0";
    return text;
}

} // namespace dxf
