#pragma once
// Command-line handling shared by the tools (velmar-host, vmpacket, dxfview,
// kalksrv-catalogue, kalksrv-drawings): the same --help, --version and usage errors
// everywhere, on QCommandLineParser.
//
//     QCommandLineParser parser;
//     parser.addOption(...);
//     parser.addPositionalArgument(...);
//     cli::Parse(parser, cli::Arguments(argc, argv), "kalksrv-catalogue", "Builds ...");
//     if (parser.positionalArguments().isEmpty()) return cli::UsageError("no OUT.db");

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <string>

namespace cli {

// The arguments as QCoreApplication::arguments() would give them, for tools
// that parse before (or without) creating an application object.
QStringList Arguments(int argc, char** argv);

// Adds --help and --version, then parses `arguments` (the program name
// first). --help prints the help on stdout and exits with 0, --version prints
// "TOOL VERSION" and exits with 0; an unknown option or a missing value
// prints the reason on stderr and exits with 2. Options are never taken as
// positional arguments; "--" ends the options (for a file named "-x").
void Parse(QCommandLineParser& parser, const QStringList& arguments, const QString& tool,
           const QString& description);

// Reports a usage error found after parsing ("TOOL: reason" and a hint to
// --help on stderr) and returns the exit status 2.
int UsageError(const QString& reason);

// The component's version, "MAJOR.MINOR.PATCH".
QString Version();

// The directory of the component's files (kalksrv.dll, catalogue.db,
// adinit.dat) for this tool, with a trailing separator: beside the tool in
// the build tree, the component's library folder when installed.
std::string ComponentDirectory();

} // namespace cli
