// vmpacket call ENTRY --request REQUEST.json [--service DIR] [--database FILE]
//
// Sends a request to one entry point of the calculation service through the
// component's own service client, and prints the answer. The request is an
// exchange record (Materialdaten) as JSON, either the record itself or the
// {"read": ..., "record": ...} form this command prints. The client's
// messages go to stderr. Exit status: 0 the call succeeded, 1 it failed, 2
// usage errors.

#include "tools/vmpacket/call.h"

#include <QCommandLineParser>

#include "cli/command_line.h"
#include "model/json_codec.h"
#include "model/materialdaten.h"
#include "service/ks_api.h"
#include "service/load_database.h"
#include "service/service_client.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

// A request file that cannot be used.
int badRequest(const std::string& problem) {
    return cli::UsageError(QString::fromStdString(problem));
}

// The full name of a dispatched entry point; empty when there is none.
std::string entryPointName(const std::string& entry) {
    const std::string full = entry.rfind("_KS_", 0) == 0 ? entry : "_KS_" + entry;
    for (const char* name : ksDispatchedNames)
        if (full == name) return full;
    return {};
}

} // namespace

int vmpacketCall(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption requestOption(
        QStringLiteral("request"),
        QStringLiteral("The request: an exchange record (Materialdaten) as JSON."),
        QStringLiteral("REQUEST.json"));
    const QCommandLineOption serviceOption(
        QStringLiteral("service"),
        QStringLiteral("Loads kalksrv.dll from DIR instead of the component's."),
        QStringLiteral("DIR"));
    const QCommandLineOption databaseOption(
        QStringLiteral("database"),
        QStringLiteral("Lets the service read FILE first, as vm_loadDatabase does."),
        QStringLiteral("FILE"));
    parser.addOptions({requestOption, serviceOption, databaseOption});
    parser.addPositionalArgument(QStringLiteral("call"),
                                 QStringLiteral("ENTRY: a dispatched entry point of kalksrv.dll, "
                                                "with or without its _KS_ prefix (getSystems, "
                                                "_KS_getCut, ...)."),
                                 QStringLiteral("call ENTRY"));
    cli::Parse(parser, arguments, QStringLiteral("vmpacket"),
               QStringLiteral("Sends one request to the calculation service and prints "
                              "{\"read\": ..., \"record\": ...}. Exit status: 0 answered, "
                              "1 failed, 2 usage error."));
    const QStringList entries = parser.positionalArguments().mid(1);
    if (entries.isEmpty()) return cli::UsageError(QStringLiteral("no entry point"));
    if (entries.size() > 1) return cli::UsageError(QStringLiteral("more than one entry point"));
    const std::string entry = entries[0].toStdString();
    const std::string name = entryPointName(entry);
    if (name.empty())
        return cli::UsageError(QStringLiteral("no dispatched entry point ") + entries[0]);
    const std::string requestPath = parser.value(requestOption).toStdString();
    if (requestPath.empty()) return cli::UsageError(QStringLiteral("no --request"));
    const bool haveService = parser.isSet(serviceOption);
    const bool haveDatabase = parser.isSet(databaseOption);
    const std::string serviceDir = parser.value(serviceOption).toStdString();
    const std::string databasePath = parser.value(databaseOption).toStdString();
    if (haveService && serviceDir.empty())
        return cli::UsageError(QStringLiteral("--service needs a directory"));
    if (haveDatabase && databasePath.empty())
        return cli::UsageError(QStringLiteral("--database needs a file"));

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

    serviceClient.setLibraryDirectory(haveService ? serviceDir : cli::ComponentDirectory());
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
