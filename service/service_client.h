#pragma once
// The connection to the calculation service "kalksrv.dll": loads it from the
// component's directory, initialises it, sends every request through one
// dispatcher and releases it again. One instance, `serviceClient`, serves the
// whole component; the main form and the dialogs share it.
//
// States: unloaded (no library), loaded but not initialised (library, no
// context: a lifecycle entry point was missing or _KS_init failed), ready
// (library and context). Every dispatch in the unloaded state loads first; in
// the not-initialised state the client refuses to dispatch, so it never calls
// an entry point with a null context nor releases an answer through a missing
// function. Failures are reported by message boxes and false results; nothing
// is thrown.

#include <cstdint>
#include <string>

#include "platform/os/module.h"
#include "service/ks_api.h"

class Materialdaten;

class ServiceClient {
public:
    // File name of the service library.
    static constexpr const char* libraryFileName = "kalksrv.dll";

    ServiceClient() = default;
    // De-initialises and frees a loaded service.
    ~ServiceClient();
    ServiceClient(const ServiceClient&) = delete;
    ServiceClient& operator=(const ServiceClient&) = delete;

    // Loads and initialises the service unless it is initialised already.
    void ensureLoaded();
    // De-initialises and frees the service; afterwards nothing is loaded.
    void unload();

    // Sends `data` as a request to the entry point `entryPoint` (its full
    // name) with `header` in the packet's header word, and reads the answer
    // into `data`. False when the service could not be loaded, is not
    // initialised, lacks the entry point or gave no answer (the record then
    // keeps its request fields), and when the answer was unreadable (the
    // record is then read from an empty answer: every field 0 or empty).
    bool callService(Materialdaten& data, std::uint32_t header, const char* entryPoint);

    // One request per dispatched entry point, named as the entry point
    // without its "_KS_" prefix (getSystems, getCut, ...).
#define KS_CLIENT_DECLARE(name) bool name(Materialdaten& data);
    KS_DISPATCHED(KS_CLIENT_DECLARE)
    // The optional entry points (KS_OPTIONAL) likewise; a service without
    // one gives false without a message, and the record keeps its request.
    KS_OPTIONAL(KS_CLIENT_DECLARE)
#undef KS_CLIENT_DECLARE

    // Asks the service for the real thickness of glass `glassNumber` and lets
    // it write the answer to *thickness. Does nothing while the library is not
    // loaded (or for a null pointer); *thickness is then unchanged.
    void getGlasdickeReal(int glassNumber, double* thickness);

    // Directory (with trailing separator) the library is loaded from; empty
    // (the default) means the component's own directory. Takes effect at the
    // next load. For tools that drive a service from elsewhere.
    void setLibraryDirectory(std::string directory);
    // Full path of the library the next load uses; empty when the
    // component's own directory cannot be determined.
    std::string libraryPath() const;

    bool isLoaded() const {
        return library_ != nullptr;
    }
    bool isInitialised() const {
        return context_ != nullptr && releaseFunction_ != nullptr;
    }
    os::ModuleHandle library() const {
        return library_;
    }
    KsContext context() const {
        return context_;
    }

private:
    // callService; a missing entry point is reported only when `required`.
    bool dispatch(Materialdaten& data, std::uint32_t header, const char* entryPoint, bool required);

    os::ModuleHandle library_ = nullptr;
    KsContext context_ = nullptr;
    KsDeleteDataFn releaseFunction_ = nullptr;
    std::string libraryDirectory_;
};

// Path of "kalksrv.dll" in `directory` (with trailing separator), or in the
// component's own directory when `directory` is empty. Empty when the
// component's directory cannot be determined.
std::string serviceLibraryPath(const std::string& directory = {});

// The component's one connection to the service.
extern ServiceClient serviceClient;
