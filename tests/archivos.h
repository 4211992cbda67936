// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files for tests: whole reads and writes, and files that cannot be written or deleted.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <fcntl.h>
#include <csignal>
#include <linux/fs.h>
#include <sys/resource.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tya::prueba {

inline QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<falta>");
}

// Makes the folder too; replaces what was there.
inline void escribir(const QString& ruta, const QByteArray& datos) {
    QDir().mkpath(QFileInfo(ruta).path());
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(datos);
}

// The immutable flag holds even for root, where the file system has it.
inline bool inmutable(const QString& ruta, bool si) {
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = si ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) ::close(fd);
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

// A disk that fills at `bytes`: no file of this process grows past that size while it lives
// (a file-size limit, with SIGXFSZ ignored so that the write fails with EFBIG instead).
struct DiscoLleno {
    rlimit antes{};
    explicit DiscoLleno(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lleno = antes;
        lleno.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lleno);
    }
    ~DiscoLleno() { setrlimit(RLIMIT_FSIZE, &antes); }
};

}  // namespace tya::prueba
