// vmpacket: a command-line tool for host developers and catalogue authors.
//   vmpacket dump FILE
//   vmpacket json --as TYPE FILE
//   vmpacket encode --as TYPE JSON_FILE OUT_FILE
//   vmpacket call ...
// Exit status: 0 success, 1 malformed input or a record that did not read,
// 2 usage error. FILE "-" is stdin, OUT_FILE "-" stdout.

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/refusal.h"
#include "model/json_codec.h"
#include "tools/vmpacket/call.h"
#include "tools/vmpacket/dump.h"
#include "tools/vmpacket/io.h"

namespace {

int failure(const std::string& message) {
    std::fprintf(stderr, "vmpacket: %s\n", message.c_str());
    return 1;
}

QString TypeList() {
    QStringList types;
    for (std::string_view t : vmjson::recordTypes())
        types << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    return types.join(QStringLiteral(", "));
}

// What a command was given: its files and, for json and encode, --as TYPE.
struct CommandArguments {
    std::vector<std::string> files;
    std::string type;
};

// Parses the arguments of one command (arguments[1]), which takes `files`
// files and, when `typed`, --as TYPE. Help, version and usage errors as for
// the tool itself; returns false after a usage error was reported.
bool ParseCommand(const QStringList& arguments, const QString& syntax, const QString& description,
                  qsizetype files, bool typed, CommandArguments& out) {
    QCommandLineParser parser;
    const QCommandLineOption as(QStringLiteral("as"),
                                QStringLiteral("Record type: ") + TypeList() + '.',
                                QStringLiteral("TYPE"));
    if (typed) parser.addOption(as);
    const QString command = arguments[1];
    parser.addPositionalArgument(command, description, command + ' ' + syntax);
    cli::Parse(parser, arguments, QStringLiteral("vmpacket"), description);
    const QStringList given = parser.positionalArguments().mid(1);
    if (given.size() != files) {
        cli::UsageError(QStringLiteral("%1 takes %2").arg(command, syntax));
        return false;
    }
    for (const QString& file : given) out.files.push_back(file.toStdString());
    out.type = parser.value(as).toStdString();
    if (!typed || vmjson::isRecordType(out.type)) return true;
    cli::UsageError(
        out.type.empty()
            ? QStringLiteral("--as TYPE is needed")
            : QStringLiteral("unknown record type '%1'").arg(QString::fromStdString(out.type)));
    return false;
}

int runDump(const QStringList& arguments) {
    CommandArguments given;
    if (!ParseCommand(arguments, QStringLiteral("FILE"),
                      QStringLiteral("Prints version, header, item count and every item of the "
                                     "packet in FILE (\"-\": stdin); nested packets indented."),
                      1, false, given))
        return 2;
    const std::vector<std::string>& args = given.files;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFileBytes(args[0], bytes, error)) return failure(error);
    std::string text;
    if (!dumpPacket(bytes, text, error)) return failure(args[0] + ": " + packetRefusal(bytes, {}));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int runJson(const QStringList& arguments) {
    CommandArguments given;
    if (!ParseCommand(arguments, QStringLiteral("--as TYPE FILE"),
                      QStringLiteral("Decodes the packet in FILE (\"-\": stdin) with the record's "
                                     "own read and prints {\"read\": true|false, \"record\": "
                                     "{...}}."),
                      1, true, given))
        return 2;
    const std::vector<std::string>& args = given.files;
    const std::string& type = given.type;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFileBytes(args[0], bytes, error)) return failure(error);
    const auto decoded = vmjson::decodePacket(type, bytes, &error);
    // The record's default packet tells which of its members are records.
    const auto defaults = vmjson::encodePacket(type, vmjson::json::object());
    const auto why = [&] {
        std::string reason =
            packetRefusal(bytes, defaults ? *defaults : std::vector<std::uint8_t>{});
        return reason.empty() ? error : reason;
    };
    if (!decoded) return failure(args[0] + ": " + why());
    vmjson::json out = vmjson::json::object();
    out["read"] = decoded->read;
    out["record"] = decoded->record;
    const std::string text = out.dump(2, ' ', false, vmjson::json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (!decoded->read) {
        error = "a member did not read";
        return failure(args[0] + ": " + type + "::read returned false: " + why());
    }
    return 0;
}

int runEncode(const QStringList& arguments) {
    CommandArguments given;
    if (!ParseCommand(arguments, QStringLiteral("--as TYPE JSON_FILE OUT_FILE"),
                      QStringLiteral("Builds the record from JSON (members left out keep their "
                                     "defaults; the output of json is accepted) and writes it "
                                     "with the record's own write. \"-\" reads stdin or "
                                     "writes stdout."),
                      2, true, given))
        return 2;
    const std::vector<std::string>& args = given.files;
    const std::string& type = given.type;
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
    const QStringList arguments = cli::Arguments(argc, argv);
    QCommandLineParser parser;
    // Everything after the command is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 QStringLiteral("dump, json, encode or call; \"vmpacket COMMAND "
                                                "--help\" describes one."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    cli::Parse(parser, arguments, QStringLiteral("vmpacket"),
               QStringLiteral("Shows, decodes, builds and sends packets of the tagged record "
                              "stream.\n"
                              "  dump FILE                          every item of a packet\n"
                              "  json --as TYPE FILE                the record as JSON\n"
                              "  encode --as TYPE JSON_FILE OUT     JSON -> packet\n"
                              "  call ENTRY --request REQUEST.json  ask the calculation service\n"
                              "Exit status: 0 success, 1 malformed input or a record whose read "
                              "failed, 2 usage error."));
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) return cli::UsageError(QStringLiteral("no command given"));
    const QString command = rest.first();
    const QStringList commandArguments = QStringList{arguments.first()} + rest;
    if (command == QLatin1String("dump")) return runDump(commandArguments);
    if (command == QLatin1String("json")) return runJson(commandArguments);
    if (command == QLatin1String("encode")) return runEncode(commandArguments);
    if (command == QLatin1String("call")) return vmpacketCall(commandArguments);
    return cli::UsageError(QStringLiteral("unknown command '%1'").arg(command));
}
