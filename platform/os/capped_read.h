#pragma once
// Reading a whole file whose size is capped, so that a huge file or a device
// without end (a link to /dev/zero) is refused before it is read.

#include <QByteArray>
#include <QString>

namespace os {

struct CappedRead {
    bool opened = false;   // false: the file could not be opened, `error` says why
    bool tooLarge = false; // true: larger than the cap, nothing was kept
    QByteArray bytes;      // the content when opened and not too large
    QString error;
};

// A regular file is judged by its size before anything is read; of a pipe
// or device at most one byte more than `limit` is read.
CappedRead readCapped(const QString& path, qint64 limit);

} // namespace os
