// The demo host: loads the catalogue, embeds one configurator instance (or
// several side by side) in its window and shows what the instance reports and
// hands back.
//
//   velmar-host [--database FILE] [--open FILE.vmd] [--instances N]
//               [--screenshot FILE.png] [--dump] [--gallery DIR]

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "host/gallery.h"
#include "host/host_window.h"
#include "interface/velmar.h"

int main(int argc, char** argv) {
    QCommandLineParser parser;
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Article catalogue the service reads (default: the sample catalogue "
                       "beside the component)."),
        QStringLiteral("FILE"));
    const QCommandLineOption open(QStringLiteral("open"),
                                  QStringLiteral("Configuration packet to start with."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window to a PNG file and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption dump(
        QStringLiteral("dump"),
        QStringLiteral("Print the configuration the instance hands back as JSON and exit."));
    const QCommandLineOption instances(
        QStringLiteral("instances"),
        QStringLiteral("Number of configurator instances side by side, 1 to 4 (default 1)."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption gallery(
        QStringLiteral("gallery"),
        QStringLiteral("Open every dialog from the instance's rows, write DIR/<dialog>.png of "
                       "each, cancel it and exit."),
        QStringLiteral("DIR"));
    parser.addOptions({database, open, instances, screenshot, dump, gallery});
    // Parsed before the application exists: --help needs no display.
    cli::Parse(parser, cli::Arguments(argc, argv), QStringLiteral("velmar-host"),
               QStringLiteral("Demo host of the velmar configurator."));
    bool number = false;
    const int instanceCount = parser.value(instances).toInt(&number);
    if (!number || instanceCount < 1 || instanceCount > 4)
        return cli::UsageError(QStringLiteral("--instances takes 1 to 4"));
    // Nobody looks at a dump, a screenshot or the gallery while it is made:
    // messages go to stderr, and without a display nothing needs one.
    const bool batch = parser.isSet(dump) || parser.isSet(screenshot) || parser.isSet(gallery);
    if (batch) {
        vm_setHeadless(true);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    const std::string databasePath = parser.value(database).toStdString();
    vm_loadDatabase(databasePath.c_str(), "", "", "", 0);

    velmar_data initial;
    if (parser.isSet(open)) {
        QString why;
        if (!ReadConfiguration(parser.value(open), initial, &why)) {
            std::fprintf(stderr, "velmar-host: %s holds no configuration: %s\n",
                         qPrintable(parser.value(open)), qPrintable(why));
            return 2;
        }
    }

    HostWindow window(initial, instanceCount);
    if (window.instance() == nullptr) {
        std::fprintf(stderr, "velmar-host: the configurator could not be created\n");
        return 1;
    }

    if (parser.isSet(dump)) {
        // The record as velmar_dataToJson gives it, and the element's Uw.
        auto document = nlohmann::ordered_json::parse(velmar_dataToJson(window.currentRecord()),
                                                      nullptr, false);
        if (!document.is_object()) document = nlohmann::ordered_json::object();
        document["uw"] = UwJson(window.instance());
        const std::string json =
            document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        std::fwrite(json.data(), 1, json.size(), stdout);
        std::fputc('\n', stdout);
        return 0;
    }

    if (parser.isSet(gallery)) return RunGallery(window, parser.value(gallery)) > 0 ? 0 : 1;

    window.show();
    if (parser.isSet(screenshot)) {
        QApplication::processEvents();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "velmar-host: could not write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
