#pragma once

#include "app/userinteraction.h"
#include "projects/projectcreation.h"
#include "projects/projectsettings.h"

#include <QDialog>
#include <QStringList>

class ProjectTree;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Create Project": a new project's folder, description and settings; in
// modify mode ("Modify Project Settings") the settings of an existing project.
// The folder and description are checked and the project is made when "Ok"
// is pressed; the dialog stays open while something is wrong.
class CrtPrjForm : public QDialog {
    Q_OBJECT
public:
    // `themes` fills the theme list (see themeNames()).
    CrtPrjForm(UserInteraction &ui, const QString &programDir, const QStringList &themes,
               QWidget *parent = nullptr);

    // New-project mode: "Ok" adds the project to `tree` (at the end, its
    // settings entry selected in the result).
    void startNew(ProjectTree &tree);
    // Modify mode: shows the settings of the project in `projectDir`; "Ok"
    // writes them there.
    void startModify(const QString &projectDir, const QString &description,
                     const ProjectSettings &settings);
    bool isModifyMode() const { return m_modify; }

    // The browse button's file dialog (the main window's open dialog).
    void setBrowseRequest(const FileRequest &request) { m_browse = request; }

    // The settings as the controls show them, and back.
    ProjectSettings settings() const;
    void setSettings(const ProjectSettings &settings);

    // After "Ok" in new-project mode: what was made.
    const CreateProjectResult &creation() const { return m_result; }

    // What "Ok" does (OkBtnClick, or SaveINISettings in modify mode).
    void okClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ColorRow {
        QLabel *label = nullptr;
        QLineEdit *text = nullptr;
        QToolButton *button = nullptr;
    };
    enum ColorIndex { TextColor, LinkColor, VLinkColor, ALinkColor, BgColor, ColorCount };

    void build();
    QLineEdit *addLine(const char *name, int maxLength = 0);
    void browse();
    void chooseColor(int row);
    void showColor(int row);
    bool reportDash();

    UserInteraction &m_ui;
    QString m_programDir;
    ProjectTree *m_tree = nullptr;
    bool m_modify = false;
    QString m_projectDir;
    bool m_dashReported = false;
    FileRequest m_browse;
    CreateProjectResult m_result;

    QLineEdit *m_prjName = nullptr, *m_prjDesc = nullptr;
    QToolButton *m_browseButton = nullptr;
    QLineEdit *m_websiteUrl = nullptr, *m_ftpDirectory = nullptr;
    QLineEdit *m_loginId = nullptr, *m_password = nullptr, *m_email = nullptr;
    ColorRow m_colors[ColorCount];
    QComboBox *m_themes = nullptr;
    QPushButton *m_ok = nullptr, *m_cancel = nullptr;
};
