#include "app/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

namespace {

Outcome refuse(Failure failure, const QString &message) {
    return {failure, message};
}

QString sizeText(qint64 bytes) {
    constexpr qint64 kKilo = 1024;
    constexpr qint64 kMega = kKilo * kKilo;
    if (bytes >= kMega)
        return QStringLiteral("%1 MB").arg(bytes / kMega);
    if (bytes >= kKilo)
        return QStringLiteral("%1 KB").arg(bytes / kKilo);
    return QStringLiteral("%1 bytes").arg(bytes);
}

// What a path holds that is neither a file nor a folder.
QString kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}

// Classifies what `status` describes; None for a regular file.
Outcome judge(const struct stat &status, const QString &path) {
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return refuse(Failure::Folder, QStringLiteral("%1 is a folder, not a file.").arg(path));
    return refuse(Failure::NotRegular,
                  QStringLiteral("%1 is %2, not a file.").arg(path, kindOf(status.st_mode)));
}

Outcome tooLarge(const QString &path, qint64 size, qint64 maxBytes) {
    return refuse(Failure::TooLarge,
                  QStringLiteral("The file %1 is too large to open (%2; at most %3).")
                      .arg(path, sizeText(size), sizeText(maxBytes)));
}

} // namespace

bool isRegular(const QString &path) {
    struct stat status {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

Outcome inspect(const QString &path) {
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return refuse(Failure::Missing, QStringLiteral("The file %1 does not exist.").arg(path));
    return judge(status, path);
}

Outcome replaceable(const QString &path) {
    const Outcome there = inspect(path);
    if (there.failure == Failure::Missing)
        return {}; // nothing there (or a link to nothing): a new file
    return there;
}

Outcome open(QFile &file, const QString &path) {
    file.close();
    const QByteArray native = QFile::encodeName(path);
    struct stat status {};
    if (path.isEmpty() || ::stat(native.constData(), &status) != 0) {
        const int error = path.isEmpty() ? ENOENT : errno;
        if (error == ENOENT || error == ENOTDIR)
            return refuse(Failure::Missing,
                          QStringLiteral("The file %1 does not exist.").arg(path));
        return refuse(Failure::CannotOpen,
                      QStringLiteral("Cannot open %1: %2").arg(path, qt_error_string(error)));
    }
    Outcome kind = judge(status, path);
    if (!kind.ok())
        return kind;

    // Opened without waiting, and looked at again through the open handle:
    // the path may have been replaced by a pipe since it was looked at. (On a
    // regular file O_NONBLOCK changes nothing.)
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return refuse(Failure::CannotOpen,
                      QStringLiteral("Cannot open %1: %2").arg(path, qt_error_string(errno)));
    }
    if (::fstat(fd, &status) != 0 || !(kind = judge(status, path)).ok()) {
        ::close(fd);
        return kind.ok() ? refuse(Failure::CannotOpen, QStringLiteral("Cannot open %1.").arg(path))
                         : kind;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(Failure::CannotOpen,
                      QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    return {};
}

Outcome readAll(const QString &path, QByteArray &out, qint64 maxBytes) {
    QFile file;
    Outcome opened = open(file, path);
    if (!opened.ok())
        return opened;
    const qint64 claimed = file.size();
    if (claimed > maxBytes)
        return tooLarge(path, claimed, maxBytes);

    constexpr qint64 kChunk = qint64(1) << 20;
    QByteArray bytes;
    bytes.reserve(claimed);
    for (;;) {
        // One byte more than allowed tells a file that grew (or that claims
        // less than it holds) from one that fits exactly.
        const qint64 room = maxBytes + 1 - bytes.size();
        const qint64 want = qMin(kChunk, room);
        const qsizetype before = bytes.size();
        bytes.resize(before + want);
        const qint64 got = file.read(bytes.data() + before, want);
        if (got < 0) {
            return refuse(Failure::CannotRead,
                          QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        }
        bytes.resize(before + got);
        if (bytes.size() > maxBytes)
            return tooLarge(path, bytes.size(), maxBytes);
        if (got == 0)
            break;
    }
    out = std::move(bytes);
    return {};
}

} // namespace RegularFile
