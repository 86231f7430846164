#pragma once

#include "publish/send/sendoptions.h"
#include "publish/send/sendplan.h"
#include "publish/send/sentrecord.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class FtpClient;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class SendRun;
class UserInteraction;

// What the send dialog is opened with.
struct SendRequest {
    QString projectDir;
    QStringList pageNames; // file names of the project's pages (or of the one page)
    QString host;          // WebURL
    QString folder;        // FTPDirectory
    QString user;          // LoginID
    QString password;      // LoginPassword, deciphered
    SendOptions options;   // Passive, Secure
    int timeOut = 60000;   // milliseconds, 0 = never
    QString smartAscii;
    QString documentExtensions = QStringLiteral("html,htm,shtm,shtml");
};

// "FTP Veda Guy": sends a project's pages, or one page, and the files they
// refer to, to the project's web site, step by step over five pages:
// "Default" (the site, the login and "&Connect"), "Pages" (which pages),
// "images" (which referenced files), "xmit" (the progress of "&Send") and
// "LogFile" (the protocol trace, shown with "&View Log"). Owns the FTP
// client `FtpClient1`, whose trace fills the log; closing the dialog logs
// out. The user can cancel a transfer; closing the window while the client
// waits cancels the wait first.
class TQFTPForm : public QDialog {
    Q_OBJECT
public:
    enum Page { DefaultPage, PagesPage, ImagesPage, XmitPage, LogPage };

    TQFTPForm(UserInteraction &ui, const SendRequest &request, QWidget *parent = nullptr);
    ~TQFTPForm() override;

    FtpClient &ftpClient() { return *m_client; }
    SendPlan &plan() { return m_plan; }
    Page currentPage() const;
    bool isBusy() const { return m_busy > 0; }

    // The handlers of the buttons, as a click runs them.
    void connectBtnClick();
    void nextPageBtnClick();
    void sendImagesClick();
    void onlyChangedClick();
    void sendFileBtnClick();
    void cancelSendClick();
    void viewLogClick();

    // "Are you sure?" for a certificate with problems (the texts of the
    // problems, the certificate's fingerprint).
    static QString certificateQuestion(const QString &host, const QStringList &problems,
                                       const QString &fingerprint);

public slots:
    void done(int result) override;

private:
    void buildControls();
    QWidget *buildDefaultPage();
    QWidget *buildPagesPage();
    QWidget *buildImagesPage();
    QWidget *buildXmitPage();
    QWidget *buildLogPage();
    void showPage(Page page);
    void fillList(QListWidget *list, const QVector<SendItem> &items);
    void readSelection(QListWidget *list, QVector<SendItem> &items);
    void log(const QString &text);
    void storeOptions();
    QString siteKey() const;

    UserInteraction &m_ui;
    SendRequest m_request;
    SendPlan m_plan;
    SentRecord m_record;
    FtpClient *m_client = nullptr;
    SendRun *m_run = nullptr;
    int m_busy = 0;
    bool m_closeWanted = false;
    bool m_filling = false;
    Page m_beforeLog = DefaultPage;

    QStackedWidget *m_notebook = nullptr;
    QLineEdit *m_host = nullptr, *m_folder = nullptr, *m_user = nullptr, *m_password = nullptr;
    QCheckBox *m_passive = nullptr, *m_secure = nullptr;
    QPushButton *m_connect = nullptr;
    QListWidget *m_filesToSend = nullptr, *m_imagesToSend = nullptr;
    QCheckBox *m_onlyChanged = nullptr, *m_sendImages = nullptr;
    QFrame *m_statusPanel = nullptr;
    QLabel *m_sendingFile = nullptr, *m_totBytes = nullptr;
    QProgressBar *m_gauge = nullptr, *m_totalProcessed = nullptr;
    QPushButton *m_cancelSend = nullptr;
    QPlainTextEdit *m_logMemo = nullptr;
    QPushButton *m_viewLog = nullptr, *m_next = nullptr, *m_sendFile = nullptr;
};
