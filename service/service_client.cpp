#include "service/service_client.h"

#include "model/materialdaten.h"
#include "platform/os/cursor.h"
#include "platform/os/message.h"

#include <exception>
#include <utility>
#include <vector>

ServiceClient serviceClient;

namespace {

const char* const notFound = "couldn't find kalksrv.dll";
const char* const functionNotFound = "couldn't find function in kalksrv.dll";
const char* const notInitialised = "couldn't initialize kalksrv.dll";

template <class Fn> Fn resolve(os::ModuleHandle library, const char* name) {
    return reinterpret_cast<Fn>(os::resolveSymbol(library, name));
}

// Little-endian 32-bit value at `p`.
std::int32_t packetLength(const std::uint8_t* p) {
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                     std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24);
}

// Reads the answer into `data`. An answer is trusted only as far as it is
// one whole packet: the length the service returned must be the packet's
// own total length. Anything else is read as an empty answer. The packet is
// read where it lies; the caller resets `data` before it lets the answer go.
bool readAnswer(Materialdaten& data, const std::uint8_t* answer, std::int32_t length) {
    data.reset();
    bool ok = answer && length >= 4 && packetLength(answer) == length &&
              data.parseInPlace(answer, length) == 0;
    try {
        if (!ok) data.reset();
        data.read();
    } catch (const std::exception&) {
        // A nested record too large to hold: the read fails as a whole.
        data.reset();
        data.read();
        ok = false;
    }
    return ok;
}

} // namespace

std::string serviceLibraryPath(const std::string& directory) {
    const std::string dir = directory.empty() ? ModuleDirectory() : directory;
    if (dir.empty()) return {};
    return dir + ServiceClient::libraryFileName;
}

ServiceClient::~ServiceClient() {
    unload();
}

void ServiceClient::setLibraryDirectory(std::string directory) {
    if (!directory.empty() && directory.back() != '/' && directory.back() != '\\') directory += '/';
    libraryDirectory_ = std::move(directory);
}

std::string ServiceClient::libraryPath() const {
    return serviceLibraryPath(libraryDirectory_);
}

void ServiceClient::ensureLoaded() {
    if (context_) return;
    // A library left loaded but not initialised by an earlier attempt is
    // released before it is loaded afresh, so no reference is lost.
    if (library_) os::freeModule(library_);
    library_ = nullptr;
    releaseFunction_ = nullptr;

    // No path without our own directory: a bare file name would make the
    // loader search for some other "kalksrv.dll".
    const std::string path = libraryPath();
    if (!path.empty()) library_ = os::loadModule(path);
    if (!library_) {
        os::messageBox(notFound, "error");
        return;
    }

    const auto init = resolve<KsInitFn>(library_, KS_NAME_INIT);
    const auto release = resolve<KsDeleteDataFn>(library_, KS_NAME_DELETE_DATA);
    const auto setIniData = resolve<KsSetIniDataFn>(library_, KS_NAME_SET_INI_DATA);
    if (!init || !release || !setIniData) {
        os::messageBox(functionNotFound, "Error");
        return;
    }
    releaseFunction_ = release;
    context_ = init();
    if (!context_) os::messageBox(notInitialised, "Error");
}

void ServiceClient::unload() {
    if (!library_) return;
    const auto deInit = resolve<KsDeInitFn>(library_, KS_NAME_DEINIT);
    if (!deInit)
        os::messageBox(functionNotFound, "Error");
    else if (context_)
        deInit(context_);
    os::freeModule(library_);
    library_ = nullptr;
    context_ = nullptr;
    releaseFunction_ = nullptr;
}

bool ServiceClient::callService(Materialdaten& data, std::uint32_t header, const char* entryPoint) {
    return dispatch(data, header, entryPoint, true);
}

bool ServiceClient::dispatch(Materialdaten& data, std::uint32_t header, const char* entryPoint,
                             bool required) {
    const os::HourglassCursor hourglass;

    std::vector<std::uint8_t> request;
    try {
        data.reset();
        data.write();
        data.header = header;
        request = data.takeBytes();
    } catch (const std::exception&) {
        data.reset();
        return false; // a request too large for one packet
    }
    data.reset();

    if (!library_) ensureLoaded();
    if (!library_) return false;
    if (!isInitialised()) return false;

    const auto entry = resolve<KsDispatchFn>(library_, entryPoint);
    if (!entry) {
        if (required) os::messageBox(functionNotFound, "Error");
        return false;
    }

    std::uint8_t* answer = nullptr;
    const std::int32_t length =
        entry(context_, request.data(), static_cast<std::int32_t>(request.size()), &answer);
    if (length <= 0) return false;

    const bool ok = readAnswer(data, answer, length);
    data.reset(); // its items point into the answer
    if (answer) releaseFunction_(answer);
    return ok;
}

void ServiceClient::getGlasdickeReal(int glassNumber, double* thickness) {
    if (!library_ || !thickness) return;
    const auto entry = resolve<KsGetGlasdickeRealFn>(library_, KS_NAME_GET_GLASDICKE_REAL);
    if (!entry) {
        os::messageBox(L"couldn't find function in kalksrv.dll", L"Error");
        return;
    }
    entry(library_, glassNumber, thickness);
}

#define KS_CLIENT_METHOD(name)                                                                     \
    bool ServiceClient::name(Materialdaten& data) {                                                \
        return callService(data, 0, "_KS_" #name);                                                 \
    }
KS_DISPATCHED(KS_CLIENT_METHOD)
#undef KS_CLIENT_METHOD

#define KS_CLIENT_OPTIONAL(name)                                                                   \
    bool ServiceClient::name(Materialdaten& data) {                                                \
        return dispatch(data, 0, "_KS_" #name, false);                                             \
    }
KS_OPTIONAL(KS_CLIENT_OPTIONAL)
#undef KS_CLIENT_OPTIONAL
