// vmpacket call ENTRY --request REQUEST.json [--service DIR] [--database FILE]
//
// Sends a request to one entry point of the calculation service through the
// component's own service client, and prints the answer. The request is an
// exchange record (Materialdaten) as JSON, either the record itself or the
// {"read": ..., "record": ...} form this command prints. The client's
// messages go to stderr. Exit status: 0 the call succeeded, 1 it failed, 2
// usage errors.

#include "tools/vmpacket/call.h"

#include "model/json_codec.h"
#include "model/materialdaten.h"
#include "service/ks_api.h"
#include "service/load_database.h"
#include "service/service_client.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

const char* const usageText =
    "usage: vmpacket call ENTRY --request REQUEST.json [--service DIR] [--database FILE]\n"
    "  ENTRY      a dispatched entry point of kalksrv.dll, with or without its\n"
    "             _KS_ prefix (getSystems, _KS_getCut, ...)\n"
    "  --request  the request: an exchange record (Materialdaten) as JSON\n"
    "  --service  load kalksrv.dll from DIR instead of beside this program\n"
    "  --database let the service read FILE first, as vm_loadDatabase does\n"
    "Prints {\"read\": ..., \"record\": ...}; exit status 0 success, 1 failure,\n"
    "2 usage error.\n";

int usage(const std::string& problem) {
    std::cerr << "vmpacket call: " << problem << '\n' << usageText;
    return 2;
}

// A request file that cannot be used: the reason alone.
int badRequest(const std::string& problem) {
    std::cerr << "vmpacket call: " << problem << '\n';
    return 2;
}

// The full name of a dispatched entry point; empty when there is none.
std::string entryPointName(const std::string& entry) {
    const std::string full = entry.rfind("_KS_", 0) == 0 ? entry : "_KS_" + entry;
    for (const char* name : ksDispatchedNames)
        if (full == name) return full;
    return {};
}

} // namespace

int vmpacketCall(int argc, char** argv) {
    std::string entry, requestPath, serviceDir, databasePath;
    bool haveService = false, haveDatabase = false;
    // argv[0] is the command's own name.
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc) return false;
            target = argv[++i];
            return true;
        };
        if (arg == "-h" || arg == "--help") {
            std::cout << usageText;
            return 0;
        }
        if (arg == "--request") {
            if (!value(requestPath)) return usage("--request needs a file");
        } else if (arg == "--service") {
            if (!value(serviceDir)) return usage("--service needs a directory");
            haveService = true;
        } else if (arg == "--database") {
            if (!value(databasePath)) return usage("--database needs a file");
            haveDatabase = true;
        } else if (arg.rfind("--", 0) == 0) {
            return usage("unknown option " + arg);
        } else if (entry.empty()) {
            entry = arg;
        } else {
            return usage("more than one entry point");
        }
    }
    if (entry.empty()) return usage("no entry point");
    const std::string name = entryPointName(entry);
    if (name.empty()) return usage("no dispatched entry point " + entry);
    if (requestPath.empty()) return usage("no --request");
    if (haveService && serviceDir.empty()) return usage("--service needs a directory");
    if (haveDatabase && databasePath.empty()) return usage("--database needs a file");

    Materialdaten request;
    {
        std::ifstream in(requestPath, std::ios::binary);
        if (!in) return badRequest("cannot read " + requestPath);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        try {
            const vmjson::json json = vmjson::json::parse(text);
            if (!json.is_object()) return badRequest(requestPath + ": not a JSON object");
            const bool wrapped = json.contains("record") && json["record"].is_object();
            vmjson::fromJson(wrapped ? json["record"] : json, request);
        } catch (const std::exception& e) {
            return badRequest(requestPath + ": " + e.what());
        }
    }

    if (haveService) serviceClient.setLibraryDirectory(serviceDir);
    if (haveDatabase &&
        !loadServiceDatabase(serviceClient.libraryPath(), databasePath.c_str(), "", "", "", 0))
        return 1;

    const bool ok = serviceClient.callService(request, 0, name.c_str());
    serviceClient.unload();

    vmjson::json out = vmjson::json::object();
    out["read"] = ok;
    out["record"] = vmjson::toJson(request);
    std::cout << out.dump(2) << '\n';
    return ok ? 0 : 1;
}
