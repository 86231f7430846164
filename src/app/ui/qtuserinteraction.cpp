#include "app/ui/qtuserinteraction.h"
#include "app/filefilter.h"
#include "app/ui/fontchoicedialog.h"
#include "app/ui/helpwindow.h"
#include "app/ui/messagewindow.h"
#include "app/ui/tipdialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

QtUserInteraction::QtUserInteraction(const QString &programDir, const QString &applicationTitle)
    : m_programDir(programDir), m_title(applicationTitle) {}

QtUserInteraction::~QtUserInteraction() {
    delete m_help;
}

int QtUserInteraction::message(const QString &text, Msg::Kind kind, Msg::Buttons buttons) {
    if (m_beforeDialog)
        m_beforeDialog();
    MessageWindow box(text, kind, buttons, m_title, m_parent);
    QObject::connect(&box, &MessageWindow::helpRequested, [this] { showHelp(); });
    box.exec();
    return box.resultCode();
}

void QtUserInteraction::plainMessage(const QString &text) {
    message(text, Msg::Custom, Msg::Ok);
}

bool QtUserInteraction::inputBox(const QString &caption, const QString &prompt, QString &value) {
    if (m_beforeDialog)
        m_beforeDialog();
    QInputDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QStringList QtUserInteraction::fileDialog(bool save, bool several, const FileRequest &request,
                                          int *chosenFilter) {
    if (m_beforeDialog)
        m_beforeDialog();
    QFileDialog dialog(m_parent, request.caption, request.folder);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save      ? QFileDialog::AnyFile
                       : several ? QFileDialog::ExistingFiles
                                 : QFileDialog::ExistingFile);
    // The program asks about overwriting itself, in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = toQtFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = qBound(1, request.filterIndex, int(filters.size()));
        dialog.selectNameFilter(filters.at(index - 1));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosenFilter)
        *chosenFilter = filters.indexOf(dialog.selectedNameFilter()) + 1;
    return dialog.selectedFiles();
}

QString QtUserInteraction::openFile(const FileRequest &request, int *chosenFilter) {
    return fileDialog(false, false, request, chosenFilter).value(0);
}

QString QtUserInteraction::saveFile(const FileRequest &request, int *chosenFilter) {
    return fileDialog(true, false, request, chosenFilter).value(0);
}

QStringList QtUserInteraction::openFiles(const FileRequest &request) {
    return fileDialog(false, true, request, nullptr);
}

bool QtUserInteraction::chooseColor(QColor &color) {
    if (m_beforeDialog)
        m_beforeDialog();
    const QColor chosen = QColorDialog::getColor(color, m_parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

bool QtUserInteraction::chooseFont(FontChoice &font) {
    if (m_beforeDialog)
        m_beforeDialog();
    FontChoiceDialog dialog(font, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.choice();
    return true;
}

bool QtUserInteraction::choosePrinter(QPrinter &printer, bool setupOnly) {
    if (m_beforeDialog)
        m_beforeDialog();
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(setupOnly ? QStringLiteral("Printer Setup") : QStringLiteral("Print"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserInteraction::helperTip(const QString &caption, const TipText &tip) {
    if (m_beforeDialog)
        m_beforeDialog();
    static const TipBook empty;
    TipDialog dialog(m_tips ? *m_tips : empty, TipDialog::Mode::Helper, m_parent);
    dialog.setWindowTitle(caption);
    dialog.setFixedTip(tip);
    dialog.setChecked(true);
    dialog.exec();
    return dialog.isChecked();
}

int QtUserInteraction::tipOfTheDay(int index, bool &showAtStartup) {
    if (m_beforeDialog)
        m_beforeDialog();
    static const TipBook empty;
    TipDialog dialog(m_tips ? *m_tips : empty, TipDialog::Mode::Tip, m_parent);
    dialog.setStartIndex(index);
    dialog.setChecked(showAtStartup);
    dialog.exec();
    showAtStartup = dialog.isChecked();
    return dialog.index();
}

void QtUserInteraction::showHelp() {
    if (!m_help)
        m_help = new HelpWindow(m_programDir + QStringLiteral("help/index.html"));
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}
