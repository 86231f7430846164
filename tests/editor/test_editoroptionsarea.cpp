// "&Editor Options..." as an area of the window (the window's widgets with a
// scripted shell, the editing area and the real preview area): what the
// dialog opens with, and what Apply, OK and Cancel leave in the editors, the
// previews, the lamps and the settings.

#include "arearig.h"
#include "editor/area/editorarea.h"
#include "editor/options/ui/colorbox.h"
#include "editor/options/ui/editoroptionsarea.h"
#include "editor/options/ui/editoroptionsdialog.h"
#include "editor/tledit.h"
#include "preview/controller/previewcontroller.h"
#include "preview/htmlviewer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

struct Fixture : AreaRig {
    std::unique_ptr<EditorArea> editing;
    std::unique_ptr<PreviewController> preview;
    std::unique_ptr<EditorOptionsArea> options;

    Fixture() {
        ToolButtons &b = w.buttons;
        editing = std::make_unique<EditorArea>(
            shell, EditorWidgets{w.webPage, w.spareEditor, w.htmlSplit, b.cut, b.copy, b.paste}, a);
        preview = std::make_unique<PreviewController>(
            shell,
            PreviewWidgets{w.webPage, w.htmlSplit, w.htmlFull, w.htmlFrames, w.splitScreen,
                           w.toolsPanel, b.refresh, b.back, b.forward, b.browser},
            a);
        options = std::make_unique<EditorOptionsArea>(
            shell, EditorOptionsWidgets{w.webPage, w.spareEditor, w.ewsPanel, w.outline}, *preview,
            a);
        for (Area *area :
             std::initializer_list<Area *>{editing.get(), preview.get(), options.get()})
            shell.addArea(area);
        shell.applySettings();
        // As at the first show: the look in force goes into the settings.
        editing->firstShow();
        preview->firstShow();
        shell.updateMenuStates();
    }
    ~Fixture() {
        options.reset();
        preview.reset();
        editing.reset();
    }

    // Opens the dialog from the menu and runs `act` on it while it is open.
    void withDialog(std::function<void(EditorOptionsDialog &)> act) {
        bool ran = false;
        std::function<void()> poll;
        poll = [&] {
            auto *dialog = qobject_cast<EditorOptionsDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, poll);
                return;
            }
            ran = true;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        };
        QTimer::singleShot(0, poll);
        a.editorOptions->trigger();
        QVERIFY(ran);
    }

    // What is in force everywhere the options reach, as one value.
    EditorOptions lookInForce() const { return options->inForce(); }
};

template <class T> T *child(QWidget &parent, const char *name) {
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

void click(QWidget &dialog, const char *button) {
    child<QPushButton>(dialog, button)->click();
}

// A choice that differs from the defaults in every value.
EditorOptions darkChoice() {
    EditorOptions o;
    o.fontName = QStringLiteral("DejaVu Sans Mono");
    o.fontSize = 15;
    o.fileType = EditorOptions::UnixStyle;
    o.tabSize = 3;
    o.autoIndent = false;
    o.wordWrap = true;
    o.expandToHtml = false;
    o.useWarningLeds = false;
    o.htmlFontName = QStringLiteral("DejaVu Serif");
    o.htmlFontSize = 18;
    applyColorScheme(o, ColorScheme::Dark);
    return o;
}

void verifyPreviews(Fixture &f, const EditorOptions &o) {
    for (HtmlViewer *viewer : {f.w.htmlSplit, f.w.htmlFull, f.w.htmlFrames}) {
        QCOMPARE(viewer->defFontName(), o.htmlFontName);
        QCOMPARE(viewer->defFontSize(), o.htmlFontSize);
        QCOMPARE(viewer->defFontColor(), o.htmlFontColor);
        QCOMPARE(viewer->defBackground(), o.htmlWindowColor);
    }
}

} // namespace

class TestEditorOptionsArea : public QObject {
    Q_OBJECT
private slots:
    void entryIsUsableWithoutADocument() {
        Fixture f;
        QVERIFY(!MainActions::isPending(f.a.editorOptions));
        QVERIFY(f.a.editorOptions->isEnabled());
    }

    // The look and the save style come from the editor and the previews, the
    // switches from the settings.
    void dialogOpensWithWhatIsInForce() {
        Fixture f;
        f.w.webPage->setEditorColor(QColor(0, 128, 128));
        f.w.webPage->setMacStyleSave(true);
        f.w.htmlFull->setDefFontSize(30); // the split preview is the one read
        f.w.htmlSplit->setDefFontSize(16);
        f.settings.useEws = false;
        f.settings.expandCharsToHtml = false;
        f.withDialog([&](EditorOptionsDialog &d) {
            const EditorOptions o = d.options();
            QCOMPARE(o.windowColor, QColor(0, 128, 128));
            QCOMPARE(child<ColorBox>(d, "WindowColor")->currentText(), QString("Teal"));
            QCOMPARE(o.fileType, int(EditorOptions::MacStyle));
            QCOMPARE(o.htmlFontSize, 16);
            QVERIFY(!o.useWarningLeds && !o.expandToHtml);
            QCOMPARE(d.sampleEditor()->editorColor(), QColor(0, 128, 128));
        });
    }

    void cancelAfterChangesLeavesEverythingAsItWas() {
        Fixture f;
        const EditorOptions before = f.lookInForce();
        const EditorOptions stored = EditorOptions::fromSettings(f.settings);
        f.withDialog([&](EditorOptionsDialog &d) {
            d.setOptions(darkChoice());
            click(d, "CancelButton");
        });
        QCOMPARE(f.lookInForce(), before);
        QCOMPARE(EditorOptions::fromSettings(f.settings), stored);
        QCOMPARE(f.w.spareEditor->editorColor(), before.windowColor);
        verifyPreviews(f, before);
        QVERIFY(!f.w.ewsPanel->isHidden());
    }

    // Apply shows the choice at once; Cancel afterwards keeps it on screen
    // but nothing of it reaches the settings.
    void applyThenCancelKeepsTheLookButStoresNothing() {
        Fixture f;
        const EditorOptions stored = EditorOptions::fromSettings(f.settings);
        const EditorOptions chosen = darkChoice();
        f.withDialog([&](EditorOptionsDialog &d) {
            d.setOptions(chosen);
            click(d, "ApplyButton");
            QVERIFY(d.isVisible());
            click(d, "CancelButton");
        });
        TLEdit *page = f.w.webPage;
        QCOMPARE(page->editorColor(), chosen.windowColor);
        QCOMPARE(page->editorTextColor(), chosen.textColor);
        QCOMPARE(page->tagForeground(), chosen.tagFore);
        QCOMPARE(page->backColorSelected(), chosen.selectedBack);
        QCOMPARE(page->editorFont().pointSize(), chosen.fontSize);
        QVERIFY(page->unixStyleSave() && !page->macStyleSave());
        QVERIFY(page->wordWrapOn() && !page->autoIndentOn());
        verifyPreviews(f, chosen);
        QCOMPARE(EditorOptions::fromSettings(f.settings), stored);
        QVERIFY(f.settings.useEws && f.settings.expandCharsToHtml);
        QVERIFY(!f.w.ewsPanel->isHidden()); // the lamps follow OK only
    }

    void okAppliesStoresAndSwitchesTheLamps() {
        Fixture f;
        const EditorOptions chosen = darkChoice();
        f.withDialog([&](EditorOptionsDialog &d) {
            d.setOptions(chosen);
            click(d, "OKButton");
        });
        QCOMPARE(EditorOptions::fromSettings(f.settings), chosen);
        QCOMPARE(f.lookInForce(), chosen);
        QVERIFY(f.w.ewsPanel->isHidden());
        // Both editors take the font, colours, tab size and wrapping.
        for (TLEdit *editor : {f.w.webPage, f.w.spareEditor}) {
            QCOMPARE(editor->editorFont().family(), chosen.fontName);
            QCOMPARE(editor->editorFont().pointSize(), chosen.fontSize);
            QCOMPARE(editor->editorColor(), chosen.windowColor);
            QCOMPARE(editor->editorTextColor(), chosen.textColor);
            QCOMPARE(editor->tabStopSize(), chosen.tabSize);
            QCOMPARE(editor->tagBackground(), chosen.tagBack);
            QVERIFY(editor->wordWrapOn());
        }
        verifyPreviews(f, chosen);
        // The project tree looks like the editor.
        QCOMPARE(f.w.outline->palette().color(QPalette::Base), chosen.windowColor);
        QCOMPARE(f.w.outline->palette().color(QPalette::Text), chosen.textColor);

        // Ticking the lamps again shows them.
        f.withDialog([&](EditorOptionsDialog &d) {
            QCOMPARE(d.options(), chosen);
            child<QCheckBox>(d, "UseWarningLEDs")->click();
            click(d, "OKButton");
        });
        QVERIFY(f.settings.useEws);
        QVERIFY(!f.w.ewsPanel->isHidden());
    }
};

QTEST_MAIN(TestEditorOptionsArea)
#include "test_editoroptionsarea.moc"
