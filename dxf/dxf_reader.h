// Strict reader of ASCII DXF files (group-code files of R12 to R2018).
#pragma once

#include "dxf/dxf_document.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace dxf {

struct ReadResult {
    bool ok = false;
    Document document;    // empty unless ok
    std::size_t line = 0; // 1-based line of the fault, 0 when ok
    std::string error;    // what is wrong, in English

    explicit operator bool() const { return ok; }
    // "line N: message", for logs and message boxes.
    std::string Message() const;
};

// Reads a whole DXF file from memory. Every group code and value is checked
// against its type; unknown sections, tables, objects and entities are
// skipped. Binary DXF and anything that is not a complete ASCII DXF file
// (for example one cut short before EOF) give an error with its line.
ReadResult Read(std::string_view data);

} // namespace dxf
