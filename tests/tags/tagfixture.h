#pragma once

// Tag editing on its own: the window's widgets and menus (AreaRig), a
// document open in the document editor, and the tag area with a counting
// preview (or, where rendering matters, the real preview pane).

#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "preview/controller/previewcontroller.h"
#include "tags/ui/tagcontroller.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <QtTest>
#include <memory>

struct TagFixture : AreaRig {
    FakeActiveDocument document{*w.webPage};
    FakePreviewPane fakePreview;
    std::unique_ptr<PreviewController> realPreview;
    std::unique_ptr<TagController> controller;

    explicit TagFixture(bool show = true, bool renderForReal = false) : AreaRig(show) {
        PreviewPane *preview = &fakePreview;
        if (renderForReal) {
            ToolButtons &b = w.buttons;
            realPreview = std::make_unique<PreviewController>(
                shell,
                PreviewWidgets{w.webPage, w.htmlSplit, w.htmlFull, w.htmlFrames, w.splitScreen,
                               w.toolsPanel, b.refresh, b.back, b.forward, b.browser},
                a);
            realPreview->setActiveDocument(&document);
            preview = realPreview.get();
        }
        controller = std::make_unique<TagController>(
            shell, document, *preview,
            TagWidgets{w.inATagLight, w.inABodyLight, w.powerBook, w.toolPages}, a);
        shell.addArea(controller.get());
        // As if a document were open.
        openDocument();
        document.dir = program.path();
    }

    ~TagFixture() {
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
        controller.reset();
        realPreview.reset();
    }

    TLEdit &editor() { return *w.webPage; }
    TagController &tags() { return *controller; }
    // Whether an operation told the document that the text changed (which
    // makes Save usable).
    bool changed() const { return document.changes > 0; }

    QAction *action(const QString &name) { return find<QAction>(name); }

    // Sets the text and the selection: anchor (line, column) and caret.
    void setText(const QString &text, int anchorLine = 1, int anchorPos = 0, int caretLine = -1,
                 int caretPos = -1) {
        editor().setText(text);
        select(anchorLine, anchorPos, caretLine < 0 ? anchorLine : caretLine,
               caretPos < 0 ? anchorPos : caretPos);
        document.changes = 0;
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
