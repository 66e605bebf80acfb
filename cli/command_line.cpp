#include "cli/command_line.h"

#include <QCoreApplication>

#include "interface/velmar_version.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace cli {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString Version() {
    return QStringLiteral(VELMAR_VERSION);
}

void Parse(QCommandLineParser& parser, const QStringList& arguments, const QString& tool,
           const QString& description) {
    // The help and version texts name the tool, with or without an
    // application object.
    QCoreApplication::setApplicationName(tool);
    QCoreApplication::setApplicationVersion(Version());
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(arguments)) std::exit(UsageError(parser.errorText()));
    if (parser.isSet(QStringLiteral("help"))) {
        // Before an application object exists Qt cannot name the program.
        QString text = parser.helpText();
        if (!QCoreApplication::instance()) text.replace(QStringLiteral("<executable_name>"), tool);
        std::fputs(text.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        std::exit(0);
    }
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
}

std::string ComponentDirectory() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path tool = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    fs::path dir = tool.parent_path();
    // Installed, the tools lie in bin/ and the component in its own folder.
    if (!fs::exists(dir / "kalksrv.dll", error))
        dir = (dir / VELMAR_TOOLS_TO_COMPONENT).lexically_normal();
    return (dir / "").string();
}

int UsageError(const QString& reason) {
    const QByteArray tool = QCoreApplication::applicationName().toLocal8Bit();
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", tool.constData(),
                 reason.toLocal8Bit().constData(), tool.constData());
    std::fflush(stderr);
    return 2;
}

} // namespace cli
