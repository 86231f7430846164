#include "editor/textfile.h"

#include "app/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Codes 128 to 159 of Windows-1252. The five codes the code page leaves
// undefined (129, 141, 143, 144, 157) map to the C1 control characters of the
// same number, so that any byte sequence decodes and encodes back unchanged.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Larger files are refused with a message rather than risk running out of
// memory: the editor holds the text several times over while loading.
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// The first line end in the bytes; CR LF when there is none (a new
// document's kind).
TextFormat::LineEnd firstLineEnd(const char *p, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\n')
            return TextFormat::LineEnd::Lf;
        if (p[i] == '\r')
            return (i + 1 < n && p[i + 1] == '\n') ? TextFormat::LineEnd::CrLf
                                                   : TextFormat::LineEnd::Cr;
    }
    return TextFormat::LineEnd::CrLf;
}

} // namespace

bool isValidUtf8(const char *data, qsizetype size) {
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *end = p + size;
    while (p < end) {
        // Plain ASCII goes eight bytes at a time.
        while (end - p >= 8) {
            quint64 block;
            memcpy(&block, p, 8);
            if (block & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                lo = 0xA0; // no overlong forms
            else if (c == 0xED)
                hi = 0x9F; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F; // nothing past U+10FFFF
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        if (p[1] < lo || p[1] > hi)
            return false;
        for (int i = 2; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += more + 1;
    }
    return true;
}

TextFormat detectFormat(const QByteArray &bytes) {
    TextFormat format;
    const bool bom = bytes.startsWith(kUtf8Bom);
    const qsizetype offset = bom ? 3 : 0;
    if (isValidUtf8(bytes.constData() + offset, bytes.size() - offset)) {
        format.encoding = TextFormat::Encoding::Utf8;
        format.byteOrderMark = bom;
    } else {
        format.encoding = TextFormat::Encoding::Windows1252;
    }
    format.lineEnd = firstLineEnd(bytes.constData(), bytes.size());
    return format;
}

QChar windows1252ToUnicode(unsigned char code) {
    if (code >= 0x80 && code < 0xA0)
        return QChar(kHighControls[code - 0x80]);
    return QChar(code);
}

int unicodeToWindows1252(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

TextFile decodeText(const QByteArray &bytes) {
    TextFile result;
    result.format = detectFormat(bytes);
    if (result.format.encoding == TextFormat::Encoding::Utf8) {
        const qsizetype offset = result.format.byteOrderMark ? 3 : 0;
        result.text = QString::fromUtf8(bytes.constData() + offset, bytes.size() - offset);
    } else {
        QString text(bytes.size(), Qt::Uninitialized);
        QChar *out = text.data();
        for (qsizetype i = 0; i < bytes.size(); ++i)
            out[i] = windows1252ToUnicode(static_cast<unsigned char>(bytes.at(i)));
        result.text = std::move(text);
    }
    return result;
}

QByteArray encodeText(const QString &text, const TextFormat &format) {
    if (format.encoding == TextFormat::Encoding::Utf8) {
        QByteArray out = text.toUtf8();
        if (format.byteOrderMark)
            out.prepend(kUtf8Bom);
        return out;
    }
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        const int code = unicodeToWindows1252(ch);
        if (code >= 0) {
            out.append(char(code));
            continue;
        }
        // Not in the code page: write a numeric character reference of the
        // whole code point (a surrogate pair is one character).
        char32_t point = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            point = QChar::surrogateToUcs4(ch, text.at(i + 1));
            ++i;
        } else if (ch.isSurrogate()) {
            point = 0xFFFD;
        }
        out.append("&#");
        out.append(QByteArray::number(uint(point)));
        out.append(';');
    }
    return out;
}

QString withLineEnds(const QString &text, TextFormat::LineEnd lineEnd) {
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    QString out;
    out.reserve(n + n / 16);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = p[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        out.append(p + runStart, i - runStart);
        if (c == QLatin1Char('\r') && i + 1 < n && p[i + 1] == QLatin1Char('\n'))
            ++i;
        switch (lineEnd) {
        case TextFormat::LineEnd::CrLf:
            out.append(QLatin1String("\r\n"));
            break;
        case TextFormat::LineEnd::Lf:
            out.append(QLatin1Char('\n'));
            break;
        case TextFormat::LineEnd::Cr:
            out.append(QLatin1Char('\r'));
            break;
        }
        runStart = i + 1;
    }
    out.append(p + runStart, n - runStart);
    return out;
}

bool readFileBytes(const QString &path, QByteArray &out, QString *error) {
    const RegularFile::Outcome read = RegularFile::readAll(path, out, kMaxFileSize);
    if (!read.ok() && error)
        *error = read.message;
    return read.ok();
}

bool readTextFile(const QString &path, TextFile &out, QString *error) {
    QByteArray bytes;
    if (!readFileBytes(path, bytes, error))
        return false;
    out = decodeText(bytes);
    return true;
}

QString savingFile(const QString &path) {
    return path + QStringLiteral(".saving");
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Cannot save %1: %2").arg(path, why);
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("it is a folder."));
    // Through a link, the file it points to is replaced and the link stays.
    QString target = path;
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty())
        target = info.canonicalFilePath();
    if (!RegularFile::replaceable(target).ok())
        return fail(QStringLiteral("it is not a regular file (a pipe, a device or a socket)."));
    // A read-only file is not replaced behind the user's back, although the
    // rename below could do so (and the root user passes every access check).
    const QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & writeBits)))
        return fail(QStringLiteral("the file is read-only."));

    const QByteArray native = QFile::encodeName(target);
    const QByteArray temporary = QFile::encodeName(savingFile(target));
    struct stat existing {};
    const bool exists = ::stat(native.constData(), &existing) == 0;

    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(temporary.constData(), flags, 0666);
    if (fd < 0 && errno == EEXIST) {
        // Left by a save that was cut short; this save supersedes it. Only a
        // plain file is taken away, never a link or anything else.
        struct stat left {};
        if (::lstat(temporary.constData(), &left) == 0 && S_ISREG(left.st_mode) &&
            ::unlink(temporary.constData()) == 0)
            fd = ::open(temporary.constData(), flags, 0666);
        else
            errno = EEXIST;
    }
    if (fd < 0)
        return fail(qt_error_string(errno));
    // The new file keeps the old one's permissions.
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);

    int failure = 0;
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, size_t(qMin<qint64>(left, qint64(1) << 30)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            failure = errno;
            break;
        }
        p += written;
        left -= written;
    }
    // Every byte on the disk before the file takes the document's place.
    if (!failure && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && ::rename(temporary.constData(), native.constData()) != 0)
        failure = errno;
    if (failure) {
        ::unlink(temporary.constData());
        return fail(qt_error_string(failure));
    }
    return true;
}
