#pragma once

// The spelling area on the window's widgets with a scripted shell, a small
// main dictionary in the program folder, and the editing area (whose pop-up
// the spelling entries join).

#include "arearig.h"
#include "dcttestutil.h"
#include "editor/area/editorarea.h"
#include "editor/scintillacall.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "spelling/ui/spellcheckdialog.h"
#include "spelling/ui/spellingarea.h"
#include "spelling/ui/spellunderliner.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

inline const QStringList kDictionaryWords = {
    "the", "a",    "was",  "is",      "good",  "cheap", "caf\u00e9", "house", "na\u00efve", "bad",
    "red", "html", "body", "bgcolor", "white", "b",     "p",         "class", "and"};

struct SpellingFixture : AreaRig {
    FakeActiveDocument document{*w.webPage};
    std::unique_ptr<EditorArea> editing;
    std::unique_ptr<SpellingArea> spelling;

    SpellingFixture() {
        if (!compileDictionary(program.file("ENGLISH.DCT"), kDictionaryWords))
            qFatal("dictionary not built");
        ToolButtons &b = w.buttons;
        editing = std::make_unique<EditorArea>(
            shell, EditorWidgets{w.webPage, w.spareEditor, w.htmlSplit, b.cut, b.copy, b.paste}, a);
        spelling = std::make_unique<SpellingArea>(
            shell, document, SpellingWidgets{w.webPage, w.spareEditor, b.spell}, a);
        shell.addArea(editing.get());
        shell.addArea(spelling.get());
        shell.applySettings();
        shell.updateMenuStates();
    }
    ~SpellingFixture() {
        spelling.reset();
        editing.reset();
    }

    // Opens a page holding `text`.
    void open(const QString &text) {
        openDocument();
        w.webPage->setText(text);
        emit document.currentDocumentChanged();
        shell.updateMenuStates();
    }

    SpellCheckDialog *dialog() const { return spelling->dialog(); }
    bool dialogShown() const { return dialog() && dialog()->isVisible(); }
    void click(const char *button) {
        QPushButton *b = dialog()->findChild<QPushButton *>(QString::fromLatin1(button));
        if (!b)
            qFatal("no button %s", button);
        b->click();
    }

    // Runs the squiggles' checking until nothing is left, after the events
    // waiting (the caret's moves reach the editor's signals as it paints).
    void settle() {
        SpellUnderliner &u = spelling->underliner();
        for (int round = 0; round < 2; ++round) {
            QCoreApplication::processEvents();
            for (int i = 0; i < 100000 && u.isPending(); ++i)
                u.runSlice();
        }
    }

    // The text under each squiggle, in order.
    QStringList marked() const {
        TLEdit *page = w.webPage;
        const int indicator = spelling->underliner().indicator();
        const long length = sci::call(page, QsciScintillaBase::SCI_GETLENGTH);
        QStringList out;
        long at = 0;
        while (at < length) {
            const long end = sci::call(page, QsciScintillaBase::SCI_INDICATOREND, indicator, at);
            if (end <= at)
                break;
            if (sci::call(page, QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, at)) {
                QByteArray bytes(int(end - at) + 1, '\0');
                sci::textRange(page, at, end, bytes.data());
                out << QString::fromUtf8(bytes.constData(), int(end - at));
            }
            at = end;
        }
        return out;
    }

    // The document position of the n-th (from 0) occurrence of `text`.
    long positionOf(const QString &text, int n = 0) const {
        const QByteArray all = w.webPage->text().toUtf8();
        qsizetype at = -1;
        for (int i = 0; i <= n; ++i)
            at = all.indexOf(text.toUtf8(), at + 1);
        return long(at);
    }
};
