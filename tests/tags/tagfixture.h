#pragma once

// A real main window, offscreen, with a scripted user interaction, a settings
// store in a temporary folder and a page "open" in the document editor.

#include "app/ui/mainwindow.h"
#include "editor/tledit.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "tags/ui/tagcontroller.h"
#include "testfolder.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <QtTest>
#include <memory>

struct TagFixture {
    TestFolder dir;
    Settings settings;
    std::unique_ptr<SettingsStore> store;
    ScriptedUserInteraction ui;
    std::unique_ptr<MainWindow> window;

    explicit TagFixture(bool show = true) {
        store = std::make_unique<SettingsStore>(dir.file("store.ini"));
        window = std::make_unique<MainWindow>(Workbench{settings, *store, ui, dir.path()});
        window->runCreationStep();
        if (show) {
            window->show();
            window->runFirstShow();
        }
        // As if a document were open.
        editor().setEnabled(true);
        window->widgets().powerBook->setEnabled(true);
    }

    ~TagFixture() {
        // Tear the window down with nothing focused, so that no focus change
        // reaches its controllers while its widgets are being deleted.
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        window.reset();
    }

    MainWindow &w() { return *window; }
    TLEdit &editor() { return *window->widgets().webPage; }
    TagController &tags() { return *window->tags(); }
    QToolButton *saveButton() { return window->widgets().buttons.save; }

    template <typename T> T *find(const QString &name) {
        T *child = window->findChild<T *>(name);
        if (!child)
            qFatal("no child %s", qPrintable(name));
        return child;
    }
    QAction *action(const QString &name) { return find<QAction>(name); }

    // Sets the text and the selection: anchor (line, column) and caret.
    void setText(const QString &text, int anchorLine = 1, int anchorPos = 0, int caretLine = -1,
                 int caretPos = -1) {
        editor().setText(text);
        select(anchorLine, anchorPos, caretLine < 0 ? anchorLine : caretLine,
               caretPos < 0 ? anchorPos : caretPos);
        saveButton()->setEnabled(false);
    }
    void select(int anchorLine, int anchorPos, int caretLine, int caretPos) {
        TLEdit &e = editor();
        e.startLine = anchorLine;
        e.startPos = anchorPos;
        e.endLine = caretLine;
        e.endPos = caretPos;
        e.applySelection();
    }
    // The text with "|" at the caret, or "[...]" around the selection.
    QString marked() {
        TLEdit &e = editor();
        e.readSelection();
        QString text = e.text();
        auto offset = [&](int line, int pos) {
            int at = 0;
            for (int l = 1; l < line; ++l) {
                const int lf = text.indexOf(QLatin1Char('\n'), at);
                const int cr = text.indexOf(QLatin1Char('\r'), at);
                int brk = lf < 0 ? cr : (cr < 0 ? lf : qMin(lf, cr));
                at = brk + ((text.mid(brk, 2) == QLatin1String("\r\n")) ? 2 : 1);
            }
            return at + pos;
        };
        const int a = offset(e.startLine, e.startPos);
        const int c = offset(e.endLine, e.endPos);
        if (a == c)
            return text.insert(a, QLatin1Char('|'));
        const int from = qMin(a, c), to = qMax(a, c);
        return text.insert(to, QLatin1Char(']')).insert(from, QLatin1Char('['));
    }
};
