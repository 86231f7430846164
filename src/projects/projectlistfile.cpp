#include "projects/projectlistfile.h"
#include "editor/textfile.h"

#include "app/regularfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isEntryText(const QChar *p, qsizetype n) {
    if (n > kMaxEntryLength)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c < 0x20 || c == 0x7F || c == 0xFFFD)
            return false;
    }
    return true;
}

bool isBlank(const QChar *p, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i) {
        if (!p[i].isSpace())
            return false;
    }
    return true;
}

bool fitsWindows1252(const QString &text) {
    for (const QChar ch : text) {
        if (unicodeToWindows1252(ch) < 0)
            return false;
    }
    return true;
}

} // namespace

ProjectTree parseProjectList(const QByteArray &bytes, int *skippedLines, TextFormat *format) {
    const TextFile decoded = decodeText(bytes);
    if (format)
        *format = decoded.format;
    ProjectTree tree;
    int skipped = 0;
    int project = -1;
    const QString &text = decoded.text;
    const QChar *data = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && data[end] != QLatin1Char('\r') && data[end] != QLatin1Char('\n'))
            ++end;
        qsizetype next = end + 1;
        if (end < n && data[end] == QLatin1Char('\r') && next < n &&
            data[next] == QLatin1Char('\n'))
            ++next;

        qsizetype first = start;
        while (first < end && data[first] == QLatin1Char('\t'))
            ++first;
        const bool page = first > start;
        const QChar *entry = data + first;
        const qsizetype length = end - first;
        if (isBlank(entry, length)) {
            // Blank lines carry nothing.
        } else if (!isEntryText(entry, length) || (page && project < 0)) {
            ++skipped;
        } else if (page) {
            tree.appendPage(project, QString(entry, length));
        } else {
            project = tree.addProject(QString(entry, length));
        }
        start = next;
    }
    if (skippedLines)
        *skippedLines = skipped;
    return tree;
}

QByteArray formatProjectList(const ProjectTree &tree, const TextFormat &format) {
    QString text;
    text.reserve(tree.entryCount() * 40);
    for (int p = 0; p < tree.projectCount(); ++p) {
        text += tree.projectText(p);
        text += QLatin1String("\r\n");
        for (const QString &page : tree.pages(p)) {
            text += QLatin1Char('\t');
            text += page;
            text += QLatin1String("\r\n");
        }
    }
    TextFormat out = format;
    if (out.encoding == TextFormat::Encoding::Windows1252 && !fitsWindows1252(text)) {
        out.encoding = TextFormat::Encoding::Utf8;
        out.byteOrderMark = false;
    }
    return encodeText(text, out);
}

ProjectListLoad ProjectListFile::load(ProjectTree &tree) {
    ProjectListLoad result;
    m_keepOriginal = false;
    m_format = TextFormat();
    const QFileInfo info(m_path);
    if (!info.exists()) {
        result.status = ProjectListLoad::Status::Missing;
        tree = ProjectTree::defaultTree();
        return result;
    }
    tree.clear();
    if (info.size() > kMaxProjectListSize) {
        result.status = ProjectListLoad::Status::TooLarge;
        result.error = QStringLiteral("the file is larger than %1 MB")
                           .arg(kMaxProjectListSize / (1024 * 1024));
        m_keepOriginal = true;
        return result;
    }
    QByteArray bytes;
    const RegularFile::Outcome read = RegularFile::readAll(m_path, bytes, kMaxProjectListSize);
    if (!read.ok()) {
        result.status = read.failure == RegularFile::Failure::TooLarge
                            ? ProjectListLoad::Status::TooLarge
                            : ProjectListLoad::Status::Unreadable;
        result.error = info.isDir() ? QStringLiteral("it is a folder") : read.message;
        m_keepOriginal = true;
        return result;
    }
    tree = parseProjectList(bytes, &result.skippedLines, &m_format);
    m_keepOriginal = result.skippedLines > 0;
    return result;
}

QString ProjectListFile::loadMessage(const ProjectListLoad &load) const {
    switch (load.status) {
    case ProjectListLoad::Status::Missing:
        return QString();
    case ProjectListLoad::Status::Unreadable:
    case ProjectListLoad::Status::TooLarge:
        return QStringLiteral("The project list %1 could not be read (%2). The file will be "
                              "kept as %3.")
            .arg(m_path, load.error, backupPath());
    case ProjectListLoad::Status::Loaded:
        break;
    }
    if (load.skippedLines == 0)
        return QString();
    return QStringLiteral("%1 line(s) of the project list %2 could not be read and are left "
                          "out of the project tree. The file will be kept as %3.")
        .arg(load.skippedLines)
        .arg(m_path, backupPath());
}

bool ProjectListFile::save(const ProjectTree &tree) {
    m_error.clear();
    // What could not be read is kept beside the list before the new list
    // takes its place.
    if (m_keepOriginal && RegularFile::isRegular(m_path)) {
        QFile::remove(backupPath());
        if (!QFile::copy(m_path, backupPath())) {
            m_error = QStringLiteral("%1 could not be kept as %2").arg(m_path, backupPath());
            return false;
        }
    }
    if (!writeFileAtomically(m_path, formatProjectList(tree, m_format), &m_error))
        return false;
    m_keepOriginal = false;
    return true;
}

QString ProjectListFile::saveFailureMessage() const {
    return QStringLiteral("The project list could not be saved to %1 (%2). The file from before "
                          "is kept.")
        .arg(m_path, m_error);
}
