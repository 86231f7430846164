#include "publish/area/sendarea.h"

#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "projects/projectpaths.h"
#include "projects/projectselection.h"
#include "projects/projectsettings.h"
#include "publish/send/sendoptions.h"
#include "publish/ui/qftpform.h"
#include "settings/settings.h"

#include <QAction>

SendArea::SendArea(Shell &shell, ActiveDocument &document, ProjectSelection &projects,
                   MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_projects(projects), m_a(actions),
      m_runner([](TQFTPForm &form) { form.exec(); }) {
    MainActions::setBuilt({m_a.quikFtpSend, m_a.ftpSend});
    for (QAction *entry : {m_a.quikFtpSend, m_a.ftpSend})
        connect(entry, &QAction::triggered, this, [this, entry]() { send(entry); });
}

bool SendArea::requestFor(SendRequest &request) const {
    const ProjectTree &tree = m_projects.projectTree();
    const EntryRef entry = m_projects.selectedEntry();
    if (!tree.contains(entry))
        return false;
    const QString programDir = m_shell.programDir();
    request.projectDir = projectDir(tree, entry, programDir);
    request.pageNames.clear();
    if (entry.isPage()) {
        request.pageNames << entryName(tree.pageText(entry.project, entry.page));
    } else {
        for (const QString &text : tree.pages(entry.project))
            request.pageNames << entryName(text);
    }
    const ProjectSettings project = readProjectSettings(request.projectDir);
    request.host = project.webURL;
    request.folder = project.ftpDirectory;
    request.user = project.loginID;
    request.password = project.loginPassword;
    request.options = readSendOptions(request.projectDir);
    const Settings &settings = m_shell.settings();
    request.timeOut = settings.timeOut;
    request.smartAscii = settings.smartAscii;
    request.documentExtensions = settings.extension;
    return true;
}

void SendArea::send(QAction *entry) {
    const ProjectTree &tree = m_projects.projectTree();
    const EntryRef selected = m_projects.selectedEntry();
    if (!tree.contains(selected))
        return;
    const IsFileOpen isOpen = [this](const QString &path) {
        return m_document.isFileNameOpen(path);
    };
    if (entry->text().contains(QLatin1String("entire site")) &&
        isAProjectFileOpen(tree, selected, m_shell.programDir(), isOpen)) {
        m_shell.ui().message(
            QStringLiteral(
                "You must close all project files before you can send them to your site."),
            Msg::Warning, Msg::Ok);
        return;
    }
    SendRequest request;
    if (!requestFor(request))
        return;
    TQFTPForm form(m_shell.ui(), request, m_shell.dialogParent());
    m_runner(form);
}
