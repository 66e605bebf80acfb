#include "platform/os/capped_read.h"

#include <QFile>

namespace os {

CappedRead readCapped(const QString& path, qint64 limit) {
    CappedRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.opened = true;
    if (!file.isSequential() && file.size() > limit) {
        result.tooLarge = true;
        return result;
    }
    result.bytes = file.isSequential() ? file.read(limit + 1) : file.readAll();
    if (result.bytes.size() > limit) { // a device, or a file that grew meanwhile
        result.tooLarge = true;
        result.bytes.clear();
    }
    return result;
}

} // namespace os
