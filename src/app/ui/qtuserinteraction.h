#pragma once

#include "app/tipbook.h"
#include "app/userinteraction.h"

#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class HelpWindow;

// The program's answers to UserInteraction: the real Qt dialogs.
class QtUserInteraction : public UserInteraction {
public:
    QtUserInteraction(const QString &programDir, const QString &applicationTitle);
    ~QtUserInteraction() override;

    // Dialogs are centred over this window while it is set.
    void setParentWindow(QWidget *window) { m_parent = window; }
    // The tips shown by the tip dialogs.
    void setTipBook(const TipBook *tips) { m_tips = tips; }
    // Runs before any dialog opens (the start-up splash gives way).
    void setBeforeDialog(std::function<void()> step) { m_beforeDialog = std::move(step); }

    int message(const QString &text, Msg::Kind kind, Msg::Buttons buttons) override;
    void plainMessage(const QString &text) override;
    bool inputBox(const QString &caption, const QString &prompt, QString &value) override;
    QString openFile(const FileRequest &request, int *chosenFilter) override;
    QString saveFile(const FileRequest &request, int *chosenFilter) override;
    QStringList openFiles(const FileRequest &request) override;
    bool chooseColor(QColor &color) override;
    bool chooseFont(FontChoice &font) override;
    bool choosePrinter(QPrinter &printer, bool setupOnly) override;
    bool helperTip(const QString &caption, const TipText &tip) override;
    int tipOfTheDay(int index, bool &showAtStartup) override;
    void showHelp() override;

private:
    QStringList fileDialog(bool save, bool several, const FileRequest &request, int *chosenFilter);

    QString m_programDir;
    QString m_title;
    QPointer<QWidget> m_parent;
    std::function<void()> m_beforeDialog;
    const TipBook *m_tips = nullptr;
    QPointer<HelpWindow> m_help;
};
