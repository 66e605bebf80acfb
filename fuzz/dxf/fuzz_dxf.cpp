// Feeds arbitrary bytes to the DXF reader and to the drawing database.
// Checks, beyond "no crash, no read past the input": the database accepts
// exactly what the reader accepts and is empty after a refusal, and whatever
// was read can be written and read back.
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "platform/drawing/qv_database.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0xFFFFFFFFu) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const dxf::ReadResult read = dxf::Read(text);
    if (read) {
        for (const auto version : {dxf::Version::R2000, dxf::Version::R12}) {
            const dxf::ReadResult again = dxf::Read(dxf::Write(read.document, version));
            if (!again) std::abort();
        }
    } else if (read.error.empty()) {
        std::abort();
    }

    QV_C_DataBase database;
    QV_C_XrefManager xrefs;
    QV_C_DbStream stream(&database, QV_C_String("/nonexistent/adinit.dat"), &xrefs);
    const bool loaded = stream.AdMemRead(data, static_cast<std::uint32_t>(size));
    if (loaded != (read.ok && size > 0)) std::abort();
    if (!loaded && !database.IsEmpty()) std::abort();
    return 0;
}
