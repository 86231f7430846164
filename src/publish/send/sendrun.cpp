#include "publish/send/sendrun.h"

#include "app/regularfile.h"
#include "app/userinteraction.h"
#include "publish/ftpclient.h"
#include "publish/publisherrors.h"
#include "publish/send/sendplan.h"
#include "publish/send/sendrules.h"
#include "publish/send/sentrecord.h"

#include <QFileInfo>

namespace {
// How often the record of sent files is written while a run goes on; it is
// always written at the end.
constexpr qint64 kRecordInterval = 2000;
} // namespace

SendRun::SendRun(FtpClient &client, UserInteraction &ui, QObject *parent)
    : QObject(parent), m_client(client), m_ui(ui),
      m_extensions(QStringLiteral("html,htm,shtm,shtml")) {
    connect(&m_client, &SockClient::packetSent, this, [this]() {
        if (!m_running)
            return;
        const qint64 total = m_client.bytesTotal();
        const qint64 sent = m_client.bytesRecvd();
        if (total <= 0 || sent > total)
            return;
        const int percent = SendRules::percentOf(sent, total);
        if (percent != m_lastFilePercent) {
            m_lastFilePercent = percent;
            emit filePercent(percent);
        }
    });
}

void SendRun::setRecord(SentRecord *record, const QString &site) {
    m_record = record;
    m_site = site;
}

void SendRun::setTypeRule(const QString &smartAscii, const QString &documentExtensions) {
    m_smartAscii = smartAscii;
    m_extensions = documentExtensions;
}

void SendRun::cancel() {
    m_canceled = true;
    m_client.abortTransfer();
}

void SendRun::upload(const QString &path, const QString &name) {
    m_lastFilePercent = -1;
    if (!m_client.isConnected())
        throw SockError(QStringLiteral("Not connected"));
    const RegularFile::Outcome there = RegularFile::inspect(path);
    if (!there.ok())
        throw PublishError(there.message);
    QByteArray sum;
    qint64 size = 0;
    if (m_record) {
        size = QFileInfo(path).size();
        sum = SentRecord::sha256Of(path);
    }
    m_client.uploadFile(path, name);
    if (m_canceled || m_client.beenCanceled())
        return; // cut off: not sent
    if (m_record && !sum.isEmpty()) {
        m_record->recordSent(m_site, name, size, sum);
        keepRecord(false);
    }
}

void SendRun::stepDone(qint64 size) {
    m_sent += size;
    ++m_done;
    // Empty files still move the bar along.
    emit totalPercent(m_total > 0 ? SendRules::percentOf(m_sent, m_total)
                                  : SendRules::percentOf(m_done, m_files));
}

void SendRun::failed(const PublishError &error) {
    emit note(QStringLiteral("Send failed: ") + error.message());
    // After a time-out, a lost connection or a reply that makes no sense,
    // the server's state is unknown: the connection is given up, so that
    // the next file fails at once instead of waiting again.
    const bool doubtful = dynamic_cast<const SockError *>(&error) != nullptr ||
                          error.message().startsWith(QLatin1String("Invalid Reply"));
    if (doubtful && m_client.isConnected())
        m_client.abandon();
}

void SendRun::keepRecord(bool now) {
    if (!m_record || !m_record->isDirty())
        return;
    if (!now && m_sinceSaved.isValid() && m_sinceSaved.elapsed() < kRecordInterval)
        return;
    QString error;
    if (!m_record->save(&error))
        emit note(QStringLiteral("The record of sent files was not written: ") + error);
    m_sinceSaved.start();
}

SendRun::Outcome SendRun::finish(Outcome outcome) {
    keepRecord(true);
    m_running = false;
    return outcome;
}

SendRun::Outcome SendRun::run(const SendPlan &plan, bool withReferences) {
    m_canceled = false;
    m_running = true;
    m_sent = 0;
    m_done = 0;
    m_files = 0;
    m_sinceSaved.start();
    m_total = plan.pageTotal() + (withReferences ? plan.referenceTotal() : 0);
    for (const SendItem &item : plan.pages())
        m_files += item.selected ? 1 : 0;
    if (withReferences) {
        for (const SendItem &item : plan.references())
            m_files += item.selected ? 1 : 0;
    }
    emit totalPercent(0);

    try {
        if (!m_client.isConnected())
            throw SockError(QStringLiteral("Not connected"));
        m_client.setTransferType(FtpClient::Ascii);
        for (const SendItem &page : plan.pages()) {
            if (!page.selected)
                continue;
            emit sendingFile(page.name);
            upload(page.path, page.name);
            emit filePercent(0);
            stepDone(page.size);
            if (m_canceled)
                return finish(Outcome::Canceled);
        }
    } catch (const PublishError &error) {
        if (m_canceled)
            return finish(Outcome::Canceled);
        failed(error);
        m_ui.message(QStringLiteral("Error opening document file, send failed!"), Msg::Warning,
                     Msg::Ok);
        emit filePercent(0);
    }
    emit filePercent(0);
    if (!withReferences)
        return finish(Outcome::Done);

    QString current;
    try {
        for (const SendItem &reference : plan.references()) {
            if (!reference.selected)
                continue;
            current = reference.name;
            emit sendingFile(reference.name);
            if (!m_client.isConnected())
                throw SockError(QStringLiteral("Not connected"));
            m_client.setTransferType(
                SendRules::referenceTransferType(reference.name, m_smartAscii, m_extensions));
            upload(reference.path, reference.name);
            emit filePercent(0);
            stepDone(reference.size);
            if (m_canceled)
                return finish(Outcome::Canceled);
        }
    } catch (const PublishError &error) {
        if (m_canceled)
            return finish(Outcome::Canceled);
        failed(error);
        m_ui.message(QStringLiteral("Error opening image file ") + current +
                         QStringLiteral(", send failed!"),
                     Msg::Warning, Msg::Ok);
        return finish(Outcome::Failed);
    }
    return finish(Outcome::Done);
}
