#include "service/load_database.h"

#include "platform/os/message.h"
#include "service/ks_api.h"
#include "service/service_client.h"

bool loadServiceDatabase(const std::string& libraryPath, const char* text1, const char* text2,
                         const char* text3, const char* text4, int number) {
    // This reference is never released: the service keeps the database it
    // has read for the rest of the process, whatever the service client
    // loads and frees meanwhile.
    const os::ModuleHandle library = libraryPath.empty() ? nullptr : os::loadModule(libraryPath);
    if (!library) {
        os::messageBox("couldn't find kalksrv.dll", "error");
        return false;
    }
    const auto readDatabase =
        reinterpret_cast<KsReadDatabaseFn>(os::resolveSymbol(library, KS_NAME_READ_DATABASE));
    if (!readDatabase) {
        os::messageBox("couldn't find function in kalksrv.dll", "Error");
        return false;
    }
    readDatabase(text1, text2, text3, text4, number, 1);
    return true;
}

extern "C" void vm_loadDatabase(const char* text1, const char* text2, const char* text3,
                                const char* text4, const int number) {
    loadServiceDatabase(serviceLibraryPath(), text1, text2, text3, text4, number);
}
