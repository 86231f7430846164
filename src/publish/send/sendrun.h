#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class FtpClient;
class PublishError;
class SendPlan;
class SentRecord;
class UserInteraction;

// Sends the chosen files of a plan over a logged-in client: the selected
// pages as text ("TYPE A"), then, when asked, the selected references, each
// as text or binary by the SmartASCII rule. Reports the file in progress,
// its per cent and the per cent of the whole.
//
// A failure among the pages is told ("Error opening document file, send
// failed!") and the references are still sent; a failure among the
// references is told ("Error opening image file <name>, send failed!") and
// ends the run. A failure that leaves the connection in doubt (a time-out,
// a lost connection, a reply that makes no sense) closes it at once, so
// that nothing more waits on it and nothing counts as sent that was not.
// cancel() stops the file in progress and every file after it.
//
// With a record, each file is entered in it once its upload has succeeded.
class SendRun : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Done, Canceled, Failed };

    SendRun(FtpClient &client, UserInteraction &ui, QObject *parent = nullptr);

    // Where successful uploads are entered, under `site`; null for none.
    void setRecord(SentRecord *record, const QString &site);
    void setTypeRule(const QString &smartAscii, const QString &documentExtensions);

    Outcome run(const SendPlan &plan, bool withReferences);
    void cancel();
    bool isRunning() const { return m_running; }
    bool canceled() const { return m_canceled; }

signals:
    void sendingFile(const QString &name);
    void filePercent(int percent);
    void totalPercent(int percent);
    // A line for the log.
    void note(const QString &line);

private:
    void upload(const QString &path, const QString &name);
    void stepDone(qint64 size);
    void failed(const PublishError &error);
    void keepRecord(bool now);
    Outcome finish(Outcome outcome);

    FtpClient &m_client;
    UserInteraction &m_ui;
    SentRecord *m_record = nullptr;
    QString m_site;
    QString m_smartAscii;
    QString m_extensions;
    bool m_running = false;
    bool m_canceled = false;
    int m_lastFilePercent = -1;
    qint64 m_total = 0;
    qint64 m_sent = 0;
    int m_files = 0;
    int m_done = 0;
    QElapsedTimer m_sinceSaved;
};
