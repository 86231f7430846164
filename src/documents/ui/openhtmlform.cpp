#include "documents/ui/openhtmlform.h"
#include "app/ui/filelistpanel.h"
#include "documents/documentnames.h"
#include "preview/htmlviewer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

OpenHtmlForm::OpenHtmlForm(const QString &filter, const QString &folder, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TOpenHTMLForm"));
    setWindowTitle(QStringLiteral("Open HTML Page"));
    resize(563, 364);

    m_files = new FileListPanel(this);
    m_files->setFilter(filter);
    m_files->setFolder(folder);

    m_viewer = new HtmlViewer(this);
    m_viewer->setObjectName(QStringLiteral("OpenViewer"));
    m_viewer->setDefFontSize(6);
    m_viewer->setMinimumWidth(260);

    m_fileToLoad = new QLineEdit(this);
    m_fileToLoad->setObjectName(QStringLiteral("FileToLoad"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_files, 0, 0);
    layout->addWidget(m_viewer, 0, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->addWidget(m_fileToLoad, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);

    connect(m_files, &FileListPanel::fileClicked, this, &OpenHtmlForm::showFile);
    connect(m_files, &FileListPanel::fileDoubleClicked, this, [this](const QString &path) {
        showFile(path);
        accept();
    });
    connect(m_viewer, &HtmlViewer::hotSpotClick, this, &OpenHtmlForm::linkClicked);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString OpenHtmlForm::fileToLoad() const {
    return m_fileToLoad->text();
}

void OpenHtmlForm::showFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    QString folder = m_files->folder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (DocumentNames::namesImage(name)) {
        m_viewer->setViewImages(true);
        m_viewer->loadFromString(DocumentNames::imagePage(name), folder);
    } else {
        m_viewer->setViewImages(false);
        m_viewer->loadFromFile(folder + name);
    }
    m_fileToLoad->setText(folder + name);
}

void OpenHtmlForm::linkClicked(const QString &target, bool *handled) {
    // A link to a file of the list selects that file.
    const QUrl url(target);
    if (!url.scheme().isEmpty() && !url.isLocalFile())
        return;
    const QString name = QFileInfo(url.isLocalFile() ? url.toLocalFile() : url.path()).fileName();
    if (name.isEmpty())
        return;
    const QList<QListWidgetItem *> found = m_files->fileList()->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_files->fileList()->setCurrentItem(found.first());
    showFile(found.first()->text());
    *handled = true;
}
