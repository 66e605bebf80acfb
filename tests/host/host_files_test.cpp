// The demo host's configuration files, as a user meets them: a save that
// fails part way (file-size limit, full device) is reported and leaves the
// previous file whole; a file that is no configuration is refused with what
// is wrong and where.
#include "host/host_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <sys/resource.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class HostFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vm_loadDatabase("", "", "", "", 0); }
    HostWindow window{velmar_data()};
    QTemporaryDir dir;
    QString why;
};

TEST_F(HostFiles, FailedSaveKeepsThePreviousFileAndSaysWhy) {
    const QString path = dir.filePath(QStringLiteral("order.vmd"));
    ASSERT_TRUE(window.saveConfiguration(path, &why)) << qPrintable(why);
    const QByteArray saved = ReadAll(path);
    ASSERT_GT(saved.size(), 200);

    // A file-size limit that stops the write after 200 bytes.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small{200, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = window.saveConfiguration(path, &why);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(why.contains(QStringLiteral("too large"), Qt::CaseInsensitive)) << qPrintable(why);
    EXPECT_EQ(ReadAll(path), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("order.vmd")});

    // A full device takes nothing.
    EXPECT_FALSE(window.saveConfiguration(QStringLiteral("/dev/full"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("No space left"))) << qPrintable(why);

    velmar_data read;
    EXPECT_TRUE(ReadConfiguration(path, read, &why)) << qPrintable(why);
}

TEST_F(HostFiles, OpenNamesWhatIsWrongAndWhere) {
    const QByteArray good = [] {
        const std::vector<std::uint8_t> packet = velmar_data().toPacket();
        return QByteArray(reinterpret_cast<const char*>(packet.data()),
                          static_cast<qsizetype>(packet.size()));
    }();
    QByteArray newer = good;
    const float two = 2.0f;
    std::memcpy(newer.data() + 4, &two, 4);
    // The frame is the first item: its data follow the 23 index entries.
    QByteArray frameCut = good;
    const int frame = 20 + 23 * 12;
    std::int32_t claimed = 0;
    std::memcpy(&claimed, frameCut.data() + frame, 4);
    claimed += 40;
    std::memcpy(frameCut.data() + frame, &claimed, 4);
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {good.left(100), "cut short: it claims"},
        {QByteArray(300, 'x'), "cut short"},
        {QByteArray(), "empty"},
        {newer, "version 2 is newer than this reader understands (1) at offset 4"},
        {frameCut, "cut short: it claims"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("bad.vmd"));
        Write(path, c.bytes);
        EXPECT_FALSE(window.openConfiguration(path, &why));
        EXPECT_TRUE(why.contains(QLatin1String(c.reason))) << qPrintable(why);
    }
    EXPECT_TRUE(why.contains(QStringLiteral("at offset %1 (member tag 1)").arg(frame)))
        << qPrintable(why);
}

} // namespace
