#pragma once

#include "app/area.h"

#include <QObject>
#include <functional>

class ActiveDocument;
class ProjectSelection;
class QAction;
class Shell;
class TQFTPForm;
struct MainActions;
struct SendRequest;

// Sending a project, or one of its pages, to the project's web site: the
// entries "Send to website..." (QuikFTPSend, in the "&Pages" menu) and its
// twin FTPSend in the project tree's pop-up. The project menus decide when
// they can be used and give them their captions ("Send to ..." for a page,
// "Send entire site to ..." for a project); this area builds them and opens
// the send dialog for the selected entry. A whole site is not sent while one
// of its pages is open.
class SendArea : public QObject, public Area {
    Q_OBJECT
public:
    SendArea(Shell &shell, ActiveDocument &document, ProjectSelection &projects,
             MainActions &actions, QObject *parent = nullptr);

    // Runs the dialog once it is built; the default shows it modally. Tests
    // work the dialog themselves here.
    using DialogRunner = std::function<void(TQFTPForm &form)>;
    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }

    // What the selected entry sends, with the project's values and the
    // settings; false when no entry is selected.
    bool requestFor(SendRequest &request) const;
    // The command of `entry` (either send entry).
    void send(QAction *entry);

private:
    Shell &m_shell;
    ActiveDocument &m_document;
    ProjectSelection &m_projects;
    MainActions &m_a;
    DialogRunner m_runner;
};
