#include "projects/inifile.h"

#include "editor/textfile.h"
#include "editor/textfile.h"

#include "app/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QString sectionName(const QString &line, bool *isSection) {
    const QString t = line.trimmed();
    *isSection = false;
    if (!t.startsWith(QLatin1Char('[')))
        return QString();
    const int close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return QString();
    *isSection = true;
    return t.mid(1, close - 1).trimmed();
}

// Splits "key = value"; false for blank lines, comments and lines without a
// key.
bool splitKeyLine(const QString &line, QString *key, QString *value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('[')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    if (key->isEmpty())
        return false;
    if (value) {
        QString v = t.mid(eq + 1).trimmed();
        if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
            v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

bool fitsWindows1252(const QStringList &lines) {
    for (const QString &line : lines) {
        for (const QChar ch : line) {
            if (unicodeToWindows1252(ch) < 0)
                return false;
        }
    }
    return true;
}

} // namespace

bool IniFile::load(const QString &path) {
    m_lines.clear();
    m_error.clear();
    m_unreadable = false;
    m_encoding = Encoding::Utf8;
    m_byteOrderMark = false;
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QByteArray bytes;
    const RegularFile::Outcome read = RegularFile::readAll(path, bytes, kMaxSize);
    if (!read.ok()) {
        m_unreadable = true;
        m_error = info.isDir() ? QStringLiteral("%1 is a folder").arg(path)
                  : read.failure == RegularFile::Failure::TooLarge
                      ? QStringLiteral("%1 is too large").arg(path)
                      : read.message;
        return false;
    }
    setBytes(bytes);
    return true;
}

void IniFile::setBytes(const QByteArray &bytes) {
    QString text;
    m_byteOrderMark = false;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.at(0) == '\xFF';
        m_encoding = little ? Encoding::Utf16LE : Encoding::Utf16BE;
        m_byteOrderMark = true;
        QStringDecoder decode(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = decode(bytes.mid(2));
    } else {
        TextFile decoded = decodeText(bytes);
        m_encoding = decoded.format.encoding == TextFormat::Encoding::Utf8 ? Encoding::Utf8
                                                                           : Encoding::Windows1252;
        m_byteOrderMark = decoded.format.byteOrderMark;
        text = std::move(decoded.text);
    }
    m_lines.clear();
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && p[end] != QLatin1Char('\r') && p[end] != QLatin1Char('\n'))
            ++end;
        m_lines.append(QString(p + start, end - start));
        if (end < n && p[end] == QLatin1Char('\r') && end + 1 < n &&
            p[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
}

QByteArray IniFile::toBytes() const {
    QString text;
    for (const QString &line : m_lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    switch (m_encoding) {
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        QStringEncoder encode(m_encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                              : QStringConverter::Utf16BE,
                              QStringConverter::Flag::WriteBom);
        return encode(text);
    }
    case Encoding::Windows1252:
        if (fitsWindows1252(m_lines)) {
            TextFormat format;
            format.encoding = TextFormat::Encoding::Windows1252;
            return encodeText(text, format);
        }
        break;
    case Encoding::Utf8:
        break;
    }
    TextFormat format;
    format.byteOrderMark = m_encoding == Encoding::Utf8 && m_byteOrderMark;
    return encodeText(text, format);
}

bool IniFile::save(const QString &path) {
    if (m_unreadable) {
        m_error = QStringLiteral("Unable to write to %1: it could not be read, so it is not "
                                 "written over")
                      .arg(path);
        return false;
    }
    QString why;
    if (!writeFileAtomically(path, toBytes(), &why)) {
        m_error = QStringLiteral("Unable to write to %1").arg(path);
        if (!why.isEmpty())
            m_error += QStringLiteral(" (%1)").arg(why);
        return false;
    }
    m_error.clear();
    return true;
}

void IniFile::findSection(const QString &section, int &first, int &end) const {
    first = -1;
    end = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        bool isSection = false;
        const QString name = sectionName(m_lines.at(i), &isSection);
        if (!isSection)
            continue;
        if (first >= 0) {
            end = i;
            return;
        }
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            first = i + 1;
    }
    if (first >= 0)
        end = int(m_lines.size());
}

int IniFile::findKey(int first, int end, const QString &key) const {
    QString name;
    for (int i = first; i < end; ++i) {
        if (splitKeyLine(m_lines.at(i), &name, nullptr) &&
            name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const {
    int first, end;
    findSection(section, first, end);
    if (first < 0)
        return std::nullopt;
    const int line = findKey(first, end, key);
    if (line < 0)
        return std::nullopt;
    QString name, value;
    splitKeyLine(m_lines.at(line), &name, &value);
    return value;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value) {
    QString clean = value;
    for (QChar &ch : clean) {
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar(0))
            ch = QLatin1Char(' ');
    }
    int first, end;
    findSection(section, first, end);
    if (first < 0) {
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(key + QLatin1Char('=') + clean);
        return;
    }
    const int line = findKey(first, end, key);
    if (line >= 0) {
        QString name;
        splitKeyLine(m_lines.at(line), &name, nullptr);
        m_lines[line] = name + QLatin1Char('=') + clean;
        return;
    }
    // After the last line of the section that is not blank.
    int at = end;
    while (at > first && m_lines.at(at - 1).trimmed().isEmpty())
        --at;
    m_lines.insert(at, key + QLatin1Char('=') + clean);
}
