#include "platform/os/locals.h"
#include "platform/os/module.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

class Localisation : public testing::Test {
protected:
    QString writeIni(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    static QString text(const QString& path, const char* key) {
        return locals::getExemplar()->getText(path, QString::fromUtf8(key));
    }
    QTemporaryDir dir;
};

TEST_F(Localisation, ReadsTheTextsSectionOfAUtf8File) {
    const QString path = writeIni("texts.ini", "\xef\xbb\xbf; Texte\r\n"
                                               "IDS_OUTSIDE=not in a section\r\n"
                                               "[other]\r\n"
                                               "IDS_WARNING=from another section\r\n"
                                               "[ Texts ]\r\n"
                                               "  IDS_WARNING =  Warnung  \r\n"
                                               "IDS_WARNING=second value\r\n"
                                               "# comment=not a key\r\n"
                                               "IDS_GLAS=Glas: Größe\r\n"
                                               "IDS_QUOTED=\"  two blanks  \"\r\n"
                                               "IDS_LINES=Erste Zeile\\nZweite\\tZeile \\\\ \\q\r\n"
                                               "IDS_EMPTY=\r\n"
                                               "=no key\r\n"
                                               "IDS_NOEQUALS\r\n"
                                               "[more]\r\n"
                                               "IDS_AFTER=after the section\n");
    EXPECT_EQ(text(path, "IDS_WARNING"), "Warnung");
    EXPECT_EQ(text(path, "IDS_GLAS"), QStringLiteral("Glas: Größe"));
    EXPECT_EQ(text(path, "IDS_QUOTED"), "  two blanks  ");
    EXPECT_EQ(text(path, "IDS_LINES"), "Erste Zeile\nZweite\tZeile \\ \\q");
    for (const char* none : {"IDS_EMPTY", "IDS_OUTSIDE", "IDS_AFTER", "IDS_NOEQUALS", "# comment",
                             "ids_warning", "IDS_MISSING", ""})
        EXPECT_EQ(text(path, none), "") << none;
}

TEST_F(Localisation, MissingOrBrokenFilesGiveEmptyTexts) {
    // Missing, a directory, binary, an unclosed section, too large (refused
    // unread, however it begins), endless.
    for (const QString& path :
         {dir.filePath("missing.ini"), QString(), dir.path(),
          writeIni("binary.ini", QByteArray("\0\xff[texts\n=\n\xfe", 13)),
          writeIni("unclosed.ini", "[texts\nIDS_A=a\n"),
          writeIni("large.ini", "[texts]\nIDS_A=a\n;" + QByteArray(locals::kMaxFileSize, 'x')),
          QStringLiteral("/dev/zero")})
        EXPECT_EQ(text(path, "IDS_A"), "") << path.toStdString();
}

TEST_F(Localisation, EachFileIsReadOnce) {
    const QString path = writeIni("once.ini", "[texts]\nIDS_A=first\n");
    EXPECT_EQ(text(path, "IDS_A"), "first");
    writeIni("once.ini", "[texts]\nIDS_A=changed\nIDS_B=new\n");
    EXPECT_EQ(text(path, "IDS_A"), "first");
    EXPECT_EQ(text(path, "IDS_B"), "");
}

TEST(LocalisationFile, IsNamedAfterTheModuleWithoutLibPrefixOrExtension) {
    EXPECT_EQ(locals::iniFileName("/opt/app/libvelmar.so"), "velmar.ini");
    EXPECT_EQ(locals::iniFileName("libvelmar.so.0.1"), "velmar.ini");
    EXPECT_EQ(locals::iniFileName("C:\\Programme\\velmar.dll"), "velmar.ini");
    EXPECT_EQ(locals::iniFileName("/usr/bin/velmar-host"), "velmar-host.ini");
    EXPECT_EQ(locals::iniFileName(""), "");
    EXPECT_EQ(locals::iniFileName("/x/"), "");
}

TEST(LocalisationFile, LiesBesideTheLibraryThatAsks) {
    // This executable has no file of its own.
    EXPECT_EQ(localText("IDS_PROBE"), "");
    EXPECT_EQ(localText(nullptr), "");
    EXPECT_EQ(locals::iniPath(), QString::fromStdString(ModuleDirectory()) + "platform_test.ini");

    os::ModuleHandle module = os::loadModule(VELMAR_PROBE_PATH);
    ASSERT_NE(module, nullptr);
    auto probeText = reinterpret_cast<int (*)(const char*, char*, int)>(
        os::resolveSymbol(module, "probeLocalText"));
    ASSERT_NE(probeText, nullptr);
    char buffer[256];
    ASSERT_GT(probeText("IDS_PROBE", buffer, sizeof buffer), 0);
    EXPECT_EQ(QString::fromUtf8(buffer), QStringLiteral("Prüftext aus der Bibliothek"));
    EXPECT_EQ(probeText("IDS_MISSING", buffer, sizeof buffer), 0);
    os::freeModule(module);
}

} // namespace
