#include "platform/os/module.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>
#endif

#include <cstring>

namespace os {

namespace {

thread_local std::string lastError;

// An address inside this module. Internal linkage, so no other module can
// stand in for it when the module asks for its own file name.
void moduleAnchor() {}

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

#ifndef _WIN32
std::string executablePath() {
    std::string path(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || size_t(length) >= path.size()) return {};
    path.resize(size_t(length));
    return path;
}

std::string absolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

struct ModuleSearch {
    const std::string* name;
    std::string found;
};

int matchModule(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<ModuleSearch*>(data);
    if (!info->dlpi_name || !*info->dlpi_name) return 0;
    const std::string path = info->dlpi_name;
    if (path == *search->name || baseName(path) == *search->name) {
        search->found = path;
        return 1;
    }
    return 0;
}
#endif

} // namespace

ModuleHandle loadModule(const std::string& path) {
    if (path.empty()) {
        lastError = "empty path";
        return nullptr;
    }
#ifdef _WIN32
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) lastError = "LoadLibrary failed with code " + std::to_string(GetLastError());
    return reinterpret_cast<ModuleHandle>(module);
#else
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* reason = dlerror();
        lastError = reason ? reason : "dlopen failed";
    }
    return module;
#endif
}

void* resolveSymbol(ModuleHandle module, const char* name) {
    if (!module || !name || !*name) return nullptr;
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
#else
    return dlsym(module, name);
#endif
}

void freeModule(ModuleHandle module) {
    if (!module) return;
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(module));
#else
    dlclose(module);
#endif
}

std::string lastModuleError() {
    return lastError;
}

std::string moduleFileName(const std::string& name) {
#ifdef _WIN32
    HMODULE module = nullptr;
    if (name.empty()) {
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&moduleAnchor), &module);
    } else {
        module = GetModuleHandleA(name.c_str());
    }
    if (!module) return {};
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
#else
    if (name.empty()) {
        Dl_info info{};
        link_map* map = nullptr;
        if (!dladdr1(reinterpret_cast<void*>(&moduleAnchor), &info, reinterpret_cast<void**>(&map),
                     RTLD_DL_LINKMAP))
            return {};
        // The loader names the executable after argv[0], which may be relative
        // or bare; the kernel knows its real path.
        if (!map || !map->l_name || !*map->l_name) return executablePath();
        return absolutePath(map->l_name);
    }
    ModuleSearch search{&name, {}};
    dl_iterate_phdr(&matchModule, &search);
    if (!search.found.empty()) return absolutePath(search.found);
    const std::string executable = executablePath();
    if (executable == name || baseName(executable) == name) return executable;
    return {};
#endif
}

} // namespace os

std::string ModuleDirectory(const std::string& name) {
    const std::string path = os::moduleFileName(name);
    const auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return {};
    return path.substr(0, slash + 1);
}
