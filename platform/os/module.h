#pragma once
// Loading libraries at run time and finding the directory of a loaded
// module. The component looks for "kalksrv.dll", its ".ini" file and
// "adinit.dat" beside its own library, whatever the host's working directory.

#include <string>

namespace os {

// Opaque handle of a loaded library; null when nothing is loaded.
using ModuleHandle = void*;

// Loads the library at `path` (a full path: no search path is consulted).
// Null when the file is missing or cannot be loaded.
ModuleHandle loadModule(const std::string& path);
// Address of the exported symbol `name`, or null (also for a null module and
// an empty or null name).
void* resolveSymbol(ModuleHandle module, const char* name);
// Drops one reference taken by loadModule(); null does nothing.
void freeModule(ModuleHandle module);

// The reason of the last failed loadModule() on this thread, for diagnostics.
std::string lastModuleError();

// Full file name of a loaded module: `name` is matched against the file names
// (without directory) of the loaded modules, or against their full paths; the
// empty name means the module that holds this code (the component's library,
// or the executable it is linked into). Empty when there is no such module.
std::string moduleFileName(const std::string& name = {});

} // namespace os

// Directory of a loaded module with its trailing separator (see
// os::moduleFileName for `name`); empty when the module is not loaded.
std::string ModuleDirectory(const std::string& name = {});
