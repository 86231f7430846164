#include "publish/ui/qftpform.h"

#include "app/scopeguards.h"
#include "app/userinteraction.h"
#include "publish/ftpclient.h"
#include "publish/publisherrors.h"
#include "publish/send/sendrules.h"
#include "publish/send/sendrun.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSslCertificate>
#include <QSslError>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QPlainTextEdit *note(const QStringList &lines) {
    auto *memo = new QPlainTextEdit(lines.join(QLatin1Char('\n')));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    memo->setFixedWidth(memo->fontMetrics().horizontalAdvance(QStringLiteral("x")) * 30);
    return memo;
}

QWidget *page(const QString &name) {
    auto *widget = new QWidget;
    widget->setObjectName(name);
    return widget;
}
} // namespace

TQFTPForm::TQFTPForm(UserInteraction &ui, const SendRequest &request, QWidget *parent)
    : QDialog(parent), m_ui(ui), m_request(request), m_plan(request.projectDir, request.pageNames) {
    setObjectName(QStringLiteral("TQFTPForm"));
    setWindowTitle(QStringLiteral("FTP Veda Guy"));
    m_record.load(m_plan.projectDir());

    m_client = new FtpClient(this);
    m_client->setObjectName(QStringLiteral("FtpClient1"));
    m_run = new SendRun(*m_client, ui, this);
    m_run->setTypeRule(request.smartAscii, request.documentExtensions);
    buildControls();

    // Showing: the project's values, the pages (each selected), the page
    // "Default", and the client's time-out and handlers.
    m_host->setText(request.host);
    m_folder->setText(request.folder);
    m_user->setText(request.user);
    m_password->setText(request.password);
    m_passive->setChecked(request.options.passive);
    m_secure->setChecked(request.options.secure);
    fillList(m_filesToSend, m_plan.pages());
    m_filesToSend->scrollToTop();
    for (const QString &line : m_plan.refused())
        log(line);
    showPage(DefaultPage);

    m_client->setTimeOut(request.timeOut);
    connect(m_client, &SockClient::status, this, &TQFTPForm::log);
    m_client->setCertificateCheck(
        [this](const QList<QSslError> &errors, const QSslCertificate &certificate) {
            QStringList problems;
            for (const QSslError &error : errors)
                problems << error.errorString();
            const QString fingerprint = QString::fromLatin1(
                certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
            return m_ui.message(certificateQuestion(m_client->host(), problems, fingerprint),
                                Msg::Warning, Msg::Yes | Msg::No) == Msg::ResultYes;
        });
    connect(m_run, &SendRun::sendingFile, m_sendingFile, &QLabel::setText);
    connect(m_run, &SendRun::filePercent, m_gauge, &QProgressBar::setValue);
    connect(m_run, &SendRun::totalPercent, m_totalProcessed, &QProgressBar::setValue);
    connect(m_run, &SendRun::note, this, &TQFTPForm::log);
}

TQFTPForm::~TQFTPForm() {
    m_client->disconnect(this);
}

QString TQFTPForm::certificateQuestion(const QString &host, const QStringList &problems,
                                       const QString &fingerprint) {
    return QStringLiteral("The certificate of %1 cannot be trusted:\n%2\n\nSHA-256 "
                          "fingerprint:\n%3\n\nConnect anyway?")
        .arg(host, problems.join(QLatin1Char('\n')), fingerprint);
}

// --- Controls ---------------------------------------------------------------------------

void TQFTPForm::buildControls() {
    m_notebook = new QStackedWidget;
    m_notebook->setObjectName(QStringLiteral("FTPNotebook"));
    m_notebook->addWidget(buildDefaultPage());
    m_notebook->addWidget(buildPagesPage());
    m_notebook->addWidget(buildImagesPage());
    m_notebook->addWidget(buildXmitPage());
    m_notebook->addWidget(buildLogPage());

    m_viewLog = new QPushButton(QStringLiteral("&View Log"));
    m_viewLog->setObjectName(QStringLiteral("ViewLog"));
    m_viewLog->setEnabled(false);
    m_viewLog->setAutoDefault(false);
    m_next = new QPushButton(QStringLiteral("Next"));
    m_next->setObjectName(QStringLiteral("NextPageBtn"));
    m_next->setAutoDefault(false);
    m_next->hide();
    m_sendFile = new QPushButton(QStringLiteral("&Send"));
    m_sendFile->setObjectName(QStringLiteral("SendFileBtn"));
    m_sendFile->setDefault(true);
    m_sendFile->hide();
    connect(m_viewLog, &QPushButton::clicked, this, &TQFTPForm::viewLogClick);
    connect(m_next, &QPushButton::clicked, this, &TQFTPForm::nextPageBtnClick);
    connect(m_sendFile, &QPushButton::clicked, this, &TQFTPForm::sendFileBtnClick);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_viewLog);
    buttons->addStretch(1);
    buttons->addWidget(m_next);
    buttons->addWidget(m_sendFile);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_notebook, 1);
    layout->addLayout(buttons);
    resize(460, 340);
}

QWidget *TQFTPForm::buildDefaultPage() {
    QWidget *w = page(QStringLiteral("Default"));
    m_host = new QLineEdit;
    m_host->setObjectName(QStringLiteral("AHost"));
    m_host->setMaxLength(255);
    m_folder = new QLineEdit;
    m_folder->setObjectName(QStringLiteral("FTPDirectory"));
    m_user = new QLineEdit;
    m_user->setObjectName(QStringLiteral("AUserID"));
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("APassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    m_passive = new QCheckBox(QStringLiteral("Passive mode"));
    m_passive->setObjectName(QStringLiteral("Passive"));
    m_passive->setToolTip(
        QStringLiteral("Open the data connections from this computer (for firewalls and routers)"));
    m_secure = new QCheckBox(QStringLiteral("Secure (FTPS)"));
    m_secure->setObjectName(QStringLiteral("Secure"));
    m_secure->setToolTip(QStringLiteral("Encrypt the login and every file sent (FTP over TLS)"));
    m_connect = new QPushButton(QStringLiteral("&Connect"));
    m_connect->setObjectName(QStringLiteral("ConnectBtn"));
    m_connect->setAutoDefault(true);
    connect(m_connect, &QPushButton::clicked, this, &TQFTPForm::connectBtnClick);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Website URL:"), m_host);
    form->addRow(QStringLiteral("Default Web Directory:"), m_folder);
    form->addRow(QStringLiteral("User Name:"), m_user);
    form->addRow(QStringLiteral("Password:"), m_password);
    auto *options = new QHBoxLayout;
    options->addWidget(m_passive);
    options->addWidget(m_secure);
    options->addStretch(1);
    form->addRow(QString(), options);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_connect);
    auto *layout = new QVBoxLayout(w);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(row);
    return w;
}

QWidget *TQFTPForm::buildPagesPage() {
    QWidget *w = page(QStringLiteral("Pages"));
    m_filesToSend = new QListWidget;
    m_filesToSend->setObjectName(QStringLiteral("FilesToSend"));
    m_filesToSend->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(m_filesToSend, &QListWidget::itemSelectionChanged, this, [this]() {
        if (!m_filling)
            readSelection(m_filesToSend, m_plan.pages());
    });
    m_onlyChanged = new QCheckBox(QStringLiteral("Only changed files"));
    m_onlyChanged->setObjectName(QStringLiteral("OnlyChanged"));
    m_onlyChanged->setToolTip(
        QStringLiteral("Leave out the files that have not changed since they were last sent"));
    connect(m_onlyChanged, &QCheckBox::clicked, this, &TQFTPForm::onlyChangedClick);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Page(s) to send:")));
    left->addWidget(m_filesToSend, 1);
    left->addWidget(m_onlyChanged);
    auto *layout = new QHBoxLayout(w);
    layout->addLayout(left, 1);
    layout->addWidget(note({QStringLiteral("All items that are selected "),
                            QStringLiteral("will be sent.  Unselect the "),
                            QStringLiteral("items that you would not "),
                            QStringLiteral("like to send at this time.")}));
    return w;
}

QWidget *TQFTPForm::buildImagesPage() {
    QWidget *w = page(QStringLiteral("images"));
    m_sendImages = new QCheckBox(QStringLiteral("Send SRC && HREF references?"));
    m_sendImages->setObjectName(QStringLiteral("SendImages"));
    connect(m_sendImages, &QCheckBox::clicked, this, &TQFTPForm::sendImagesClick);
    m_imagesToSend = new QListWidget;
    m_imagesToSend->setObjectName(QStringLiteral("ImagesToSend"));
    m_imagesToSend->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(m_imagesToSend, &QListWidget::itemSelectionChanged, this, [this]() {
        if (!m_filling)
            readSelection(m_imagesToSend, m_plan.references());
    });
    auto *left = new QVBoxLayout;
    left->addWidget(m_sendImages);
    left->addWidget(m_imagesToSend, 1);
    auto *layout = new QHBoxLayout(w);
    layout->addLayout(left, 1);
    layout->addWidget(
        note({QStringLiteral("Click the 'Send' "), QStringLiteral("checkbox to search all "),
              QStringLiteral("of the selected pages "), QStringLiteral("for SRC and HREF "),
              QStringLiteral("files that are located "), QStringLiteral("on the drive to include "),
              QStringLiteral("in the file transfer to "), QStringLiteral("your website.")}));
    return w;
}

QWidget *TQFTPForm::buildXmitPage() {
    QWidget *w = page(QStringLiteral("xmit"));
    m_statusPanel = new QFrame;
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    m_statusPanel->setFrameShape(QFrame::StyledPanel);
    m_sendingFile = new QLabel;
    m_sendingFile->setObjectName(QStringLiteral("SendingFile"));
    m_gauge = new QProgressBar;
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_totalProcessed = new QProgressBar;
    m_totalProcessed->setObjectName(QStringLiteral("TotalProcessed"));
    m_totalProcessed->setRange(0, 100);
    m_totalProcessed->setValue(0);
    m_totBytes = new QLabel;
    m_totBytes->setObjectName(QStringLiteral("TotBytes"));
    m_cancelSend = new QPushButton(QStringLiteral("&Cancel"));
    m_cancelSend->setObjectName(QStringLiteral("CancelSend"));
    m_cancelSend->setEnabled(false);
    m_cancelSend->setAutoDefault(false);
    connect(m_cancelSend, &QPushButton::clicked, this, &TQFTPForm::cancelSendClick);

    auto *panel = new QVBoxLayout(m_statusPanel);
    panel->addWidget(m_sendingFile);
    panel->addWidget(m_gauge);
    panel->addWidget(new QLabel(QStringLiteral("Total progress:")));
    panel->addWidget(m_totalProcessed);
    panel->addWidget(m_totBytes);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_cancelSend);
    panel->addLayout(row);
    auto *layout = new QVBoxLayout(w);
    layout->addWidget(m_statusPanel);
    layout->addStretch(1);
    return w;
}

QWidget *TQFTPForm::buildLogPage() {
    QWidget *w = page(QStringLiteral("LogFile"));
    m_logMemo = new QPlainTextEdit;
    m_logMemo->setObjectName(QStringLiteral("FTPLogMemo"));
    m_logMemo->setReadOnly(true);
    m_logMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_logMemo->setMaximumBlockCount(200000);
    auto *layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_logMemo);
    return w;
}

void TQFTPForm::showPage(Page page) {
    m_notebook->setCurrentIndex(int(page));
}

TQFTPForm::Page TQFTPForm::currentPage() const {
    return Page(m_notebook->currentIndex());
}

void TQFTPForm::fillList(QListWidget *list, const QVector<SendItem> &items) {
    m_filling = true;
    list->clear();
    for (const SendItem &item : items) {
        auto *row = new QListWidgetItem(item.name, list);
        row->setSelected(item.selected);
    }
    m_filling = false;
}

void TQFTPForm::readSelection(QListWidget *list, QVector<SendItem> &items) {
    for (int i = 0; i < list->count() && i < items.size(); ++i)
        items[i].selected = list->item(i)->isSelected();
}

void TQFTPForm::log(const QString &text) {
    QString line = text;
    if (line.endsWith(QLatin1String("\r\n")))
        line.chop(2);
    m_logMemo->appendPlainText(line);
}

QString TQFTPForm::siteKey() const {
    return SentRecord::siteKey(m_host->text().trimmed(), m_user->text(), m_folder->text());
}

// --- Handlers ---------------------------------------------------------------------------

void TQFTPForm::storeOptions() {
    const SendOptions options{m_passive->isChecked(), m_secure->isChecked()};
    if (options == m_request.options)
        return;
    QString error;
    if (writeSendOptions(m_plan.projectDir(), options, &error))
        m_request.options = options;
    else
        log(QStringLiteral("The connection choices were not kept: ") + error);
}

void TQFTPForm::connectBtnClick() {
    if (m_busy)
        return;
    // Closing asked for while connecting happens once the wait has ended.
    ScopeExit closeIfWanted([this]() {
        if (m_closeWanted && !m_busy)
            QTimer::singleShot(0, this, [this]() { done(QDialog::Rejected); });
    });
    CountedScope busy(m_busy);
    WaitCursor wait;
    try {
        if (m_client->isConnected())
            m_client->disconnectFromServer();
    } catch (const PublishError &) {
        // A session that ended badly is gone all the same.
    }
    m_client->setHost(m_host->text());
    m_client->setUserId(m_user->text());
    m_client->setPassword(m_password->text());
    if (m_client->host().isEmpty() || m_client->userId().isEmpty() ||
        m_client->password().isEmpty()) {
        m_ui.message(QStringLiteral("Not enough data to connect to your FTP site."), Msg::Warning,
                     Msg::Ok);
        return;
    }
    m_client->setPassive(m_passive->isChecked());
    m_client->setSecure(m_secure->isChecked());
    storeOptions();
    try {
        m_client->connectToServer();
    } catch (const PublishError &e) {
        if (!m_closeWanted)
            m_ui.message(e.message(), Msg::Error, Msg::Ok);
        showPage(DefaultPage);
        return;
    }
    m_viewLog->setEnabled(true);
    if (!m_folder->text().isEmpty()) {
        try {
            m_client->changeDirectory(m_folder->text());
        } catch (const PublishError &) {
            m_ui.message(QStringLiteral("Error changing to specified directory.  View log file "
                                        "for further information."),
                         Msg::Warning, Msg::Ok);
        }
    }
    showPage(m_filesToSend->count() == 1 ? ImagesPage : PagesPage);
    m_next->show();
}

void TQFTPForm::nextPageBtnClick() {
    if (m_busy)
        return;
    const Page current = currentPage() == LogPage ? m_beforeLog : currentPage();
    if (current == LogPage || current == DefaultPage)
        return;
    if (currentPage() == LogPage)
        viewLogClick();
    if (current == PagesPage) {
        showPage(ImagesPage);
    } else if (current == ImagesPage) {
        m_next->hide();
        m_sendFile->show();
        // The totals of what is selected now.
        const qint64 total =
            m_plan.pageTotal() + (m_sendImages->isChecked() ? m_plan.referenceTotal() : 0);
        m_totBytes->setText(SendRules::totalBytesCaption(total));
        showPage(XmitPage);
    }
}

void TQFTPForm::sendImagesClick() {
    if (!m_sendImages->isChecked() || m_plan.referencesCollected())
        return;
    WaitCursor wait;
    const QStringList notes = m_plan.collectReferences();
    for (const QString &line : notes)
        log(line);
    fillList(m_imagesToSend, m_plan.references());
    m_imagesToSend->scrollToTop();
}

void TQFTPForm::onlyChangedClick() {
    WaitCursor wait;
    m_plan.setOnlyChanged(m_onlyChanged->isChecked(), m_record, siteKey());
    fillList(m_filesToSend, m_plan.pages());
    if (m_plan.referencesCollected())
        fillList(m_imagesToSend, m_plan.references());
}

void TQFTPForm::sendFileBtnClick() {
    if (m_busy || !m_sendFile->isVisible())
        return;
    {
        CountedScope busy(m_busy);
        if (currentPage() == LogPage)
            viewLogClick();
        m_cancelSend->setEnabled(true);
        m_statusPanel->show();
        m_gauge->setValue(0);
        m_totalProcessed->setValue(0);
        const bool withReferences = m_sendImages->isChecked();
        m_totBytes->setText(SendRules::totalBytesCaption(
            m_plan.pageTotal() + (withReferences ? m_plan.referenceTotal() : 0)));
        m_run->setRecord(&m_record, siteKey());
        m_run->run(m_plan, withReferences);
        m_cancelSend->setEnabled(false);
        m_statusPanel->hide();
    }
    accept();
}

void TQFTPForm::cancelSendClick() {
    m_statusPanel->hide();
    m_run->cancel();
}

void TQFTPForm::viewLogClick() {
    if (currentPage() != LogPage) {
        m_beforeLog = currentPage();
        showPage(LogPage);
        m_viewLog->setText(QStringLiteral("&Hide Log"));
    } else {
        showPage(m_beforeLog);
        m_viewLog->setText(QStringLiteral("&View Log"));
    }
}

void TQFTPForm::done(int result) {
    // While the client waits (its wait is further up the stack), closing
    // first ends the wait; the dialog closes once the work has stopped.
    if (m_busy) {
        m_closeWanted = true;
        if (m_run->isRunning())
            m_run->cancel();
        else
            m_client->abortTransfer();
        return;
    }
    {
        WaitCursor wait;
        m_client->disconnect(this);
        try {
            m_client->disconnectFromServer();
        } catch (const PublishError &) {
            // Leaving all the same.
        }
    }
    QDialog::done(result);
}
