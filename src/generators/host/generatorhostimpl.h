#pragma once

#include "generators/generatorhost.h"

class ActiveDocument;
class Shell;
class TagInserter;

// The generator host of the program: questions, settings and helper tips
// from the shell, insertions through tag insertion, the document's folder
// and editor from the active document.
class ProgramGeneratorHost : public GeneratorHost {
public:
    ProgramGeneratorHost(Shell &shell, TagInserter &tags, ActiveDocument &document);

    UserInteraction &ui() override;
    Settings &settings() override;
    void showHelperTopic(int topic) override;
    QString documentFolder() const override;
    QString programDir() const override;
    QWidget *dialogParent() override;
    void insertText(const QString &text) override;
    void insertLines(const QStringList &lines) override;
    TLEdit *documentEditor() override;
    bool copyBesidePage(const QString &picturePath) override;

private:
    Shell &m_shell;
    TagInserter &m_tags;
    ActiveDocument &m_document;
};
