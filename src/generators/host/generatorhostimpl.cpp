#include "generators/host/generatorhostimpl.h"

#include "app/messagecodes.h"
#include "app/shell.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "documents/picturecopy.h"
#include "tags/taginserter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProgramGeneratorHost::ProgramGeneratorHost(Shell &shell, TagInserter &tags,
                                           ActiveDocument &document)
    : m_shell(shell), m_tags(tags), m_document(document) {}

UserInteraction &ProgramGeneratorHost::ui() {
    return m_shell.ui();
}

Settings &ProgramGeneratorHost::settings() {
    return m_shell.settings();
}

void ProgramGeneratorHost::showHelperTopic(int topic) {
    m_shell.showHelperTopic(topic);
}

QString ProgramGeneratorHost::documentFolder() const {
    if (!m_document.isOpen())
        return QString();
    QString dir = m_document.currentDir();
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString ProgramGeneratorHost::programDir() const {
    return m_shell.programDir();
}

QWidget *ProgramGeneratorHost::dialogParent() {
    return m_shell.dialogParent();
}

void ProgramGeneratorHost::insertText(const QString &text) {
    m_tags.insertText(text);
}

void ProgramGeneratorHost::insertLines(const QStringList &lines) {
    m_tags.insertLines(lines);
}

TLEdit *ProgramGeneratorHost::documentEditor() {
    return m_document.isOpen() ? &m_document.editor() : nullptr;
}

bool ProgramGeneratorHost::copyBesidePage(const QString &picturePath) {
    const QString folder = documentFolder();
    if (folder.isEmpty())
        return false;
    return copyPictureBesidePage(picturePath, folder, m_shell.ui());
}
