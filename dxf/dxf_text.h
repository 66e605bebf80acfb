// Text values of DXF files: encodings, escapes and name comparison.
#pragma once

#include <string>
#include <string_view>

namespace dxf {

// UTF-8 of a string value: files before R2007 use the Windows code page
// (text that is not valid UTF-8 is read as Windows-1252); "\U+XXXX" escapes
// of every version are resolved.
std::string DecodeText(std::string_view raw);

// Resolves the control codes of single-line text: %%d, %%c, %%p, %%%, %%nnn;
// the underline and overline switches %%u and %%o are dropped.
std::string DecodeControlCodes(const std::string& text);

// A string value for the writer: every character outside ASCII becomes a
// "\U+XXXX" escape that every version reads, and line breaks become blanks
// so that no value can break the group structure.
std::string EncodeText(std::string_view utf8);

// Layer and block names compare without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b);

} // namespace dxf
