// vmpacket: a command-line tool for host developers and catalogue authors.
//   vmpacket dump FILE
//   vmpacket json --as TYPE FILE
//   vmpacket encode --as TYPE JSON_FILE OUT_FILE
//   vmpacket call ...
// Exit status: 0 success, 1 malformed input or a record that did not read,
// 2 usage error. FILE "-" is stdin, OUT_FILE "-" stdout.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/json_codec.h"
#include "tools/vmpacket/call.h"
#include "tools/vmpacket/dump.h"
#include "tools/vmpacket/io.h"

namespace {

void usage(std::FILE* to) {
    std::fputs("usage:\n"
               "  vmpacket dump FILE\n"
               "      version, header, item count and every item; nested packets indented\n"
               "  vmpacket json --as TYPE FILE\n"
               "      decodes the packet with the record's own read:\n"
               "      {\"read\": true|false, \"record\": {...}}\n"
               "  vmpacket encode --as TYPE JSON_FILE OUT_FILE\n"
               "      builds the record from JSON (missing members keep their defaults)\n"
               "      and writes it with the record's own write; the output of json is\n"
               "      accepted as input\n"
               "  vmpacket call ...\n"
               "      sends a packet to the calculation service\n"
               "TYPE: ",
               to);
    bool first = true;
    for (std::string_view t : vmjson::recordTypes()) {
        std::fprintf(to, "%s%.*s", first ? "" : ", ", static_cast<int>(t.size()), t.data());
        first = false;
    }
    std::fputs("\nFILE \"-\" reads stdin; OUT_FILE \"-\" writes stdout.\n"
               "exit status: 0 success, 1 malformed input or read false, 2 usage error\n",
               to);
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "vmpacket: %s\n", message.c_str());
    usage(stderr);
    return 2;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "vmpacket: %s\n", message.c_str());
    return 1;
}

// Splits "--as TYPE" / "--as=TYPE" from the positional arguments.
bool splitArgs(int argc, char** argv, std::string& type, std::vector<std::string>& positional,
               std::string& error) {
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--as") {
            if (i + 1 >= argc) {
                error = "--as needs a record type";
                return false;
            }
            type = argv[++i];
        } else if (arg.rfind("--as=", 0) == 0) {
            type = arg.substr(5);
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    return true;
}

int runDump(const std::vector<std::string>& args) {
    if (args.size() != 1) return usageError("dump takes one FILE");
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFileBytes(args[0], bytes, error)) return failure(error);
    std::string text;
    if (!dumpPacket(bytes, text, error)) return failure(args[0] + ": " + error);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int runJson(const std::string& type, const std::vector<std::string>& args) {
    if (args.size() != 1) return usageError("json takes --as TYPE and one FILE");
    if (!vmjson::isRecordType(type)) return usageError("unknown record type '" + type + "'");
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFileBytes(args[0], bytes, error)) return failure(error);
    const auto decoded = vmjson::decodePacket(type, bytes, &error);
    if (!decoded) return failure(args[0] + ": " + error);
    vmjson::json out = vmjson::json::object();
    out["read"] = decoded->read;
    out["record"] = decoded->record;
    const std::string text = out.dump(2, ' ', false, vmjson::json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (!decoded->read) return failure(args[0] + ": " + type + "::read returned false");
    return 0;
}

int runEncode(const std::string& type, const std::vector<std::string>& args) {
    if (args.size() != 2) return usageError("encode takes --as TYPE, JSON_FILE and OUT_FILE");
    if (!vmjson::isRecordType(type)) return usageError("unknown record type '" + type + "'");
    std::vector<std::uint8_t> text;
    std::string error;
    if (!readFileBytes(args[0], text, error)) return failure(error);
    vmjson::json input;
    try {
        input = vmjson::json::parse(text.begin(), text.end());
    } catch (const vmjson::json::exception& e) {
        return failure(args[0] + ": " + e.what());
    }
    // The output of `json` is accepted as it stands: its record is encoded.
    if (input.is_object() && input.size() == 2 && input.contains("read") &&
        input.contains("record") && input["record"].is_object())
        input = vmjson::json(input["record"]);
    const auto packet = vmjson::encodePacket(type, input, &error);
    if (!packet) return failure(args[0] + ": " + error);
    if (!writeFileBytes(args[1], *packet, error)) return failure(error);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usageError("missing command");
    const std::string command = argv[1];
    if (command == "call") return vmpacketCall(argc - 1, argv + 1);
    if (command == "help" || command == "--help" || command == "-h") {
        usage(stdout);
        return 0;
    }
    std::string type, error;
    std::vector<std::string> args;
    if (!splitArgs(argc, argv, type, args, error)) return usageError(error);
    if (command == "dump") {
        if (!type.empty()) return usageError("dump takes no --as");
        return runDump(args);
    }
    if (command == "json") return runJson(type, args);
    if (command == "encode") return runEncode(type, args);
    return usageError("unknown command '" + command + "'");
}
