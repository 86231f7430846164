#pragma once

// Small stand-ins for the interfaces one area offers another, for tests that
// build an area on its own.

#include "documents/activedocument.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "tags/taginserter.h"

#include <QPair>
#include <QStringList>
#include <QVector>

// Counts what is asked of the preview.
class FakePreviewPane : public PreviewPane {
public:
    int updates = 0, clears = 0, scrollsToTop = 0;
    QStringList shownFiles, shownPages;
    bool renderWorks = true;
    QString rendered;

    void updateWebView() override { ++updates; }
    void clearPreviews() override { ++clears; }
    void scrollToTop() override { ++scrollsToTop; }
    void showFile(const QString &path) override { shownFiles << path; }
    void showPage(const QString &html) override { shownPages << html; }
    bool renderedText(QString &text) override {
        text = rendered;
        return renderWorks;
    }
    void printPage(QPrinter &, std::function<void(bool)> done) override { done(renderWorks); }
};

// Records insertions and makes them in the editor, when one is given.
class FakeTagInserter : public TagInserter {
public:
    explicit FakeTagInserter(TLEdit *editor = nullptr) : m_editor(editor) {}
    QStringList texts;
    QVector<QPair<QString, QString>> wraps;
    QVector<QStringList> lineBlocks;

    void insertText(const QString &text) override {
        texts << text;
        if (m_editor)
            m_editor->replaceSel(text);
    }
    void insertSelected(const QString &tag) override {
        insertSelected2(tag, QStringLiteral("</") + tag.mid(1));
    }
    void insertSelected2(const QString &opening, const QString &closing) override {
        wraps.append({opening, closing});
        if (m_editor)
            m_editor->replaceSel(opening + m_editor->getSelText() + closing);
    }
    void insertLines(const QStringList &lines) override {
        lineBlocks << lines;
        if (m_editor)
            m_editor->replaceSel(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

private:
    TLEdit *m_editor;
};

// A document that is open (or not) in a given editor, in a given folder.
class FakeActiveDocument : public ActiveDocument {
public:
    explicit FakeActiveDocument(TLEdit &editor) : m_editor(editor) {}
    QString file, dir;
    int changes = 0;
    QStringList loaded;
    QList<bool> loadedInProject; // the in-project flag of each load
    std::function<void()> beforeSave;
    std::function<bool()> newPageWizard;

    bool isOpen() const override { return m_editor.isEnabled(); }
    QString currentFile() const override { return file; }
    QString currentDir() const override { return dir; }
    TLEdit &editor() override { return m_editor; }
    bool loadFile(const QString &path, bool inProject) override {
        loaded << path;
        loadedInProject << inProject;
        return true;
    }
    bool isFileNameOpen(const QString &path) const override { return path == file; }
    void markChanged() override { ++changes; }
    void setBeforeSave(std::function<void()> step) override { beforeSave = std::move(step); }
    void setNewPageWizard(std::function<bool()> wizard) override {
        newPageWizard = std::move(wizard);
    }

private:
    TLEdit &m_editor;
};
