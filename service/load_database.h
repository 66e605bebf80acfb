#pragma once
// Makes the calculation service read its article database. The service stays
// loaded, with the database it has read, for the rest of the process.

#include <string>

#include "service/export.h"

// Loads "kalksrv.dll" from the component's directory and calls
// _KS_readDatabase(text1, text2, text3, text4, number, 1). The texts and the
// number are the service's business and are passed unchanged. Failures are
// reported by message boxes; nothing is returned.
extern "C" VELMAR_EXPORT void vm_loadDatabase(const char* text1, const char* text2,
                                              const char* text3, const char* text4,
                                              const int number);

// The same with the library at `libraryPath` (a full path). False when the
// library or its entry point is missing (after the message).
bool loadServiceDatabase(const std::string& libraryPath, const char* text1, const char* text2,
                         const char* text3, const char* text4, int number);
