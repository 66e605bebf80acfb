#include "platform/os/locals.h"

#include "platform/os/capped_read.h"
#include "platform/os/module.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <map>
#include <mutex>

namespace locals {

namespace {

QString unescape(QStringView value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value[++i];
        if (next == u'n')
            result += u'\n';
        else if (next == u't')
            result += u'\t';
        else if (next == u'\\')
            result += u'\\';
        else {
            // Unknown escapes stay as written.
            result += c;
            result += next;
        }
    }
    return result;
}

// Reads the texts of the file at `path`; a file above the size cap is
// refused unread, with a line on stderr (nobody may be there to answer a box).
QHash<QString, QString> readTexts(const QString& path) {
    const os::CappedRead file = os::readCapped(path, kMaxFileSize);
    if (file.tooLarge)
        std::fprintf(stderr, "%s: larger than %lld KB, its texts are not used\n", qPrintable(path),
                     static_cast<long long>(kMaxFileSize / 1024));
    return parseTexts(file.bytes);
}

} // namespace

QHash<QString, QString> parseTexts(const QByteArray& bytes) {
    QHash<QString, QString> texts;
    QString content = QString::fromUtf8(bytes);
    if (content.startsWith(QChar(0xFEFF))) content.remove(0, 1);

    bool inTexts = false;
    const QStringList lines = content.split(u'\n');
    for (const QString& rawLine : lines) {
        const QStringView line = QStringView(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QStringView section =
                close < 0 ? QStringView() : line.mid(1, close - 1).trimmed();
            inTexts = section.compare(u"texts", Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inTexts) continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) continue;
        const QString key = line.left(equals).trimmed().toString();
        QStringView value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        if (!key.isEmpty() && !texts.contains(key)) texts.insert(key, unescape(value));
    }
    return texts;
}

namespace {

class IniLocaliser final : public Localiser {
public:
    QString getText(const QString& iniPath, const QString& key) override {
        if (iniPath.isEmpty() || key.isEmpty()) return {};
        std::lock_guard lock(mutex_);
        auto file = files_.find(iniPath);
        if (file == files_.end()) file = files_.emplace(iniPath, readTexts(iniPath)).first;
        return file->second.value(key);
    }

private:
    std::mutex mutex_;
    std::map<QString, QHash<QString, QString>> files_;
};

} // namespace

Localiser* getExemplar() {
    static IniLocaliser localiser;
    return &localiser;
}

QString iniFileName(const QString& moduleFile) {
    const qsizetype slash = std::max(moduleFile.lastIndexOf(u'/'), moduleFile.lastIndexOf(u'\\'));
    QString name = moduleFile.mid(slash + 1);
    const qsizetype so = name.indexOf(QLatin1String(".so"));
    if (so > 0 && (so + 3 == name.size() || name[so + 3] == u'.')) {
        // A shared object: "libvelmar.so[.N]" is the library "velmar".
        name.truncate(so);
        if (name.startsWith(QLatin1String("lib")) && name.size() > 3) name.remove(0, 3);
    } else {
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot > 0) name.truncate(dot);
    }
    if (name.isEmpty()) return {};
    return name + QLatin1String(".ini");
}

QString iniPath() {
    const QString module = QString::fromLocal8Bit(os::moduleFileName());
    const QString name = iniFileName(module);
    if (name.isEmpty()) return {};
    return QString::fromLocal8Bit(ModuleDirectory()) + name;
}

} // namespace locals

QString localText(const char* key) {
    static const QString path = locals::iniPath();
    if (!key || path.isEmpty()) return {};
    return locals::getExemplar()->getText(path, QString::fromUtf8(key));
}
