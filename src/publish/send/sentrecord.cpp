#include "publish/send/sentrecord.h"

#include "app/regularfile.h"
#include "editor/textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QChar kTab(QLatin1Char('\t'));

// A name that would break the line it is written on is not recorded: such a
// file is simply sent every time.
bool recordable(const QString &text) {
    return !text.contains(kTab) && !text.contains(QLatin1Char('\r')) &&
           !text.contains(QLatin1Char('\n'));
}
} // namespace

QString SentRecord::key(const QString &site, const QString &remoteName) {
    return site + kTab + remoteName;
}

QString SentRecord::siteKey(const QString &host, const QString &user, const QString &folder) {
    return user + QLatin1Char('@') + host.toLower() + QLatin1Char('/') + folder;
}

bool SentRecord::load(const QString &projectDir) {
    m_path = QDir(projectDir).filePath(fileName());
    m_entries.clear();
    m_order.clear();
    m_dirty = false;
    m_unreadable = false;
    if (!QFileInfo::exists(m_path) && !QFileInfo(m_path).isSymLink())
        return true;
    QByteArray bytes;
    if (!RegularFile::readAll(m_path, bytes, kMaxSize).ok()) {
        m_unreadable = true;
        return false;
    }
    const QString text = QString::fromUtf8(bytes);
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString &line : lines) {
        const QStringList fields = line.split(kTab);
        if (fields.size() != 4)
            continue;
        bool ok = false;
        const qint64 size = fields.at(2).toLongLong(&ok);
        const QByteArray sum = QByteArray::fromHex(fields.at(3).toLatin1());
        if (!ok || size < 0 || sum.size() != 32)
            continue;
        const QString k = key(fields.at(0), fields.at(1));
        if (!m_entries.contains(k))
            m_order << k;
        m_entries.insert(k, {size, sum});
    }
    return true;
}

bool SentRecord::save(QString *error) {
    if (m_unreadable) {
        if (error)
            *error = QStringLiteral("%1 could not be read").arg(m_path);
        return false;
    }
    QByteArray bytes;
    for (const QString &k : std::as_const(m_order)) {
        const Entry &entry = m_entries[k];
        bytes += k.toUtf8() + '\t' + QByteArray::number(entry.size) + '\t' + entry.sha256.toHex() +
                 "\r\n";
    }
    if (!writeFileAtomically(m_path, bytes, error))
        return false;
    m_dirty = false;
    return true;
}

bool SentRecord::isUnchanged(const QString &site, const QString &remoteName,
                             const QString &localPath) const {
    const auto it = m_entries.constFind(key(site, remoteName));
    if (it == m_entries.constEnd())
        return false;
    const QFileInfo info(localPath);
    if (!info.isFile() || info.size() != it->size)
        return false;
    const QByteArray sum = sha256Of(localPath);
    return !sum.isEmpty() && sum == it->sha256;
}

void SentRecord::recordSent(const QString &site, const QString &remoteName, qint64 size,
                            const QByteArray &sha256) {
    if (!recordable(site) || !recordable(remoteName) || sha256.size() != 32 || size < 0)
        return;
    const QString k = key(site, remoteName);
    if (!m_entries.contains(k))
        m_order << k;
    m_entries.insert(k, {size, sha256});
    m_dirty = true;
}

QByteArray SentRecord::sha256Of(const QString &path) {
    QFile file;
    if (!RegularFile::open(file, path).ok())
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result();
}
