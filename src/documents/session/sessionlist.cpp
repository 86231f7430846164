#include "documents/session/sessionlist.h"
#include "editor/textfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

namespace {

QString lockFileOf(const QString &listFile) {
    QString lock = listFile;
    lock.chop(4); // ".lst"
    return lock + QStringLiteral(".lock");
}

} // namespace

SessionList::SessionList(const QString &folder) : m_folder(folder) {}

SessionList::~SessionList() = default;

bool SessionList::begin(QString *error) {
    if (m_lock)
        return true;
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("The folder %1 cannot be made.").arg(m_folder);
        return false;
    }
    // A name no other run has had: the process number alone may come again.
    static int lists = 0;
    const QString run = QStringLiteral("%1-%2-%3")
                            .arg(QDateTime::currentMSecsSinceEpoch())
                            .arg(QCoreApplication::applicationPid())
                            .arg(++lists);
    m_listFile = QDir(m_folder).absoluteFilePath(run + QStringLiteral(".lst"));
    auto lock = std::make_unique<QLockFile>(lockFileOf(m_listFile));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (error)
            *error = QStringLiteral("The lock %1 cannot be taken.").arg(lockFileOf(m_listFile));
        return false;
    }
    m_lock = std::move(lock);
    m_anyWritten = false;
    return write({}, error);
}

bool SessionList::write(const QStringList &documents, QString *error) {
    if (!m_lock)
        return false;
    if (m_anyWritten && documents == m_written)
        return true;
    if (!writeFileAtomically(m_listFile, encode(documents), error))
        return false;
    m_written = documents;
    m_anyWritten = true;
    return true;
}

void SessionList::end() {
    if (!m_lock)
        return;
    QFile::remove(m_listFile);
    m_lock->unlock();
    m_lock.reset();
}

std::vector<SessionList::EndedRun> SessionList::claimEndedRuns() {
    std::vector<EndedRun> runs;
    const QDir folder(m_folder);
    const QFileInfoList lists =
        folder.entryInfoList({QStringLiteral("*.lst")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &info : lists) {
        const QString listFile = info.absoluteFilePath();
        if (listFile == m_listFile)
            continue;
        if (std::any_of(m_claims.begin(), m_claims.end(),
                        [&](const Claim &c) { return c.listFile == listFile; }))
            continue;
        // A lock whose program is gone is taken over; a running program's
        // lock is not.
        auto lock = std::make_unique<QLockFile>(lockFileOf(listFile));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        QFile file(listFile);
        if (!file.open(QIODevice::ReadOnly))
            continue; // the lock goes with `lock`
        runs.push_back({listFile, decode(file.readAll())});
        m_claims.push_back({listFile, std::move(lock)});
    }
    return runs;
}

void SessionList::forget(const EndedRun &run) {
    const auto claim = std::find_if(m_claims.begin(), m_claims.end(),
                                    [&](const Claim &c) { return c.listFile == run.listFile; });
    if (claim == m_claims.end())
        return;
    QFile::remove(run.listFile);
    claim->lock->unlock();
    m_claims.erase(claim);
}

QByteArray SessionList::encode(const QStringList &documents) {
    QByteArray bytes;
    for (QString path : documents) {
        path.replace(QLatin1Char('%'), QLatin1String("%25"))
            .replace(QLatin1Char('\r'), QLatin1String("%0D"))
            .replace(QLatin1Char('\n'), QLatin1String("%0A"));
        bytes += path.toUtf8() + "\r\n";
    }
    return bytes;
}

QStringList SessionList::decode(const QByteArray &bytes) {
    QStringList documents;
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString path;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QStringView code = QStringView(line).mid(i + 1, 2);
            if (line.at(i) == QLatin1Char('%') && code.size() == 2) {
                if (code == QLatin1String("25")) {
                    path += QLatin1Char('%');
                    i += 2;
                    continue;
                }
                if (code.compare(QLatin1String("0D"), Qt::CaseInsensitive) == 0) {
                    path += QLatin1Char('\r');
                    i += 2;
                    continue;
                }
                if (code.compare(QLatin1String("0A"), Qt::CaseInsensitive) == 0) {
                    path += QLatin1Char('\n');
                    i += 2;
                    continue;
                }
            }
            path += line.at(i);
        }
        if (!documents.contains(path))
            documents << path;
    }
    return documents;
}
