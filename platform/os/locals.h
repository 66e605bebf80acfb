#pragma once
// Localised texts. Every user-facing text that is not fixed in a layout is
// looked up by an IDS_ key in the component's localisation file: a UTF-8 file
// beside the component's library, named after the library's file name without
// directory and extension, plus ".ini". On Linux the library is
// "libvelmar.so" and the loader's "lib" prefix is not part of the name, so the
// file is "velmar.ini" (as it is beside "velmar.dll" on Windows).
//
// File layout:
//
//     ; comment (also '#')
//     [texts]
//     IDS_WARNING=Warnung
//     IDS_SYSTEM_CHANGED=Die Profilserie wurde geändert.\nBitte prüfen Sie die Auswahl.
//
// Only keys of the [texts] section count (section name in any case; keys are
// matched exactly). Key and value are trimmed; a value in double quotes keeps
// its inner blanks. In values, \n is a line break, \t a tab and \\ a
// backslash. The first of several equal keys wins. A missing file, section or
// key gives the empty text: nothing fails or blocks. A file larger than
// kMaxFileSize is not read (a line on stderr says so).

#include <QByteArray>
#include <QHash>
#include <QString>

namespace locals {

// Localisation files above this size are refused unread.
inline constexpr qint64 kMaxFileSize = 1024 * 1024;

// The texts of a localisation file's content, by key.
QHash<QString, QString> parseTexts(const QByteArray& content);

class Localiser {
public:
    // The text of `key` in the localisation file at `iniPath`; empty when the
    // file or the key is missing. Each file is read once and kept.
    virtual QString getText(const QString& iniPath, const QString& key) = 0;
    virtual ~Localiser() = default;
};

// The process-wide localisation service; never null.
Localiser* getExemplar();

// File name of the localisation file that belongs to the module file
// `moduleFile` (a path or a bare file name): "libvelmar.so" and
// "libvelmar.so.1" give "velmar.ini", "velmar.dll" gives "velmar.ini". Empty
// for an empty name.
QString iniFileName(const QString& moduleFile);

// Full path of the component's own localisation file; empty when the
// component's module file name cannot be read.
QString iniPath();

} // namespace locals

// The localised text of an IDS_ key from the component's localisation file;
// empty when the file, the key or the module file name is missing.
QString localText(const char* key);
