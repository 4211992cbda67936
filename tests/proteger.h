#pragma once
// Makes a file or folder unchangeable even for root (the immutable flag where the file system
// has it, else read-only permissions), so tests can meet files that cannot be written or deleted.
#include <QFile>
#include <QString>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tya::prueba {

inline bool inmutable(const QString& ruta, bool si) {
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = si ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// True when `ruta` can no longer be changed (by this process).
inline bool proteger(const QString& ruta) {
    if (inmutable(ruta, true)) return true;
    return ::geteuid() != 0 && QFile::setPermissions(ruta, QFile::ReadOwner | QFile::ExeOwner);
}

inline void desproteger(const QString& ruta) {
    inmutable(ruta, false);
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace tya::prueba
