// "Default Editor Settings" on its own: its pages and controls, the colour
// boxes, the sample editor following the choice, the helper topics, and what
// Apply, OK and Cancel hand back.

#include "app/helpertips.h"
#include "editor/options/namedcolors.h"
#include "editor/options/ui/colorbox.h"
#include "editor/options/ui/editoroptionsdialog.h"
#include "editor/tledit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

const char *const colorBoxNames[] = {"TextColor",    "WindowColor",  "SyntaxFore",
                                     "SyntaxBack",   "SelectedFore", "SelectedBack",
                                     "HTMLWinColor", "HTMLFontColor"};

EditorOptions someOptions() {
    EditorOptions o;
    o.fontName = QStringLiteral("No Such Font Here"); // kept though not installed
    o.fontSize = 14;
    o.fileType = EditorOptions::MacStyle;
    o.tabSize = 7;
    o.autoIndent = false;
    o.wordWrap = true;
    o.expandToHtml = false;
    o.useWarningLeds = false;
    o.textColor = QColor(128, 0, 0);
    o.windowColor = QColor(255, 255, 0);
    o.tagFore = QColor(0, 128, 0);
    o.tagBack = QColor(0x12, 0x34, 0x56); // no name for it
    o.selectedFore = QColor(0, 0, 0);
    o.selectedBack = QColor(0, 255, 0);
    o.htmlFontName = QStringLiteral("Another Missing Font");
    o.htmlFontSize = 9;
    o.htmlFontColor = QColor(128, 0, 128);
    o.htmlWindowColor = QColor(192, 192, 192);
    return o;
}

template <class T> T *child(QWidget &parent, const char *name) {
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// Picks a named colour in a box as the user does.
void choose(ColorBox *box, const QString &name) {
    const int index = box->findText(name);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

class TestEditorOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void pagesAndNamedControls() {
        EditorOptionsDialog dialog{EditorOptions()};
        QCOMPARE(dialog.objectName(), QString("TFontForm"));
        QCOMPARE(dialog.windowTitle(), QString("Default Editor Settings"));
        QTabWidget *pages = dialog.pages();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->tabText(0), QString("General"));
        QCOMPARE(pages->tabText(1), QString("Editor Colors"));
        QCOMPARE(pages->tabText(2), QString("HTML Viewer"));
        QCOMPARE(child<QComboBox>(dialog, "FontListBox")->toolTip(),
                 QString("Selected editor font"));
        QCOMPARE(child<QSpinBox>(dialog, "FontSizeEdit")->toolTip(), QString("Font size to use"));
        auto *saveType = child<QComboBox>(dialog, "SaveTypeAs");
        QCOMPARE(saveType->toolTip(), QString("Type of file to save as"));
        QCOMPARE(saveType->count(), 3);
        QCOMPARE(saveType->itemText(2), QString("Unix Style"));
        for (const char *name : {"FontSizeEdit", "HTMLFontSize"}) {
            QCOMPARE(child<QSpinBox>(dialog, name)->minimum(), 6);
            QCOMPARE(child<QSpinBox>(dialog, name)->maximum(), 24);
        }
        QCOMPARE(child<QSpinBox>(dialog, "TabSize")->minimum(), 1);
        QCOMPARE(child<QSpinBox>(dialog, "TabSize")->maximum(), 20);
        QCOMPARE(child<QCheckBox>(dialog, "AutoIndent")->text(), QString("&Auto Indent"));
        QCOMPARE(child<QCheckBox>(dialog, "UseWarningLEDs")->text(), QString("Use Warning LEDs"));
        child<QComboBox>(dialog, "HTMLFontStyle");
        for (const char *name : colorBoxNames) {
            auto *box = child<ColorBox>(dialog, name);
            QCOMPARE(box->count(), NamedColors::count);
            QCOMPARE(box->itemText(0), QString("Aqua"));
            QCOMPARE(box->itemText(17), QString("Yellow"));
            QVERIFY(!box->itemIcon(5).isNull()); // a swatch beside each name
        }
        QStringList buttons;
        for (QPushButton *b : dialog.findChildren<QPushButton *>())
            buttons << b->text();
        for (const char *text : {"OK", "Cancel", "Apply"})
            QVERIFY2(buttons.contains(text), text);
    }

    void controlsGiveBackWhatTheyWereGiven() {
        const EditorOptions given = someOptions();
        EditorOptionsDialog dialog(given);
        QCOMPARE(dialog.options(), given);
        // The colour no name stands for is shown by its RGB text.
        auto *box = child<ColorBox>(dialog, "SyntaxBack");
        QCOMPARE(box->currentText(), QString("#123456"));
        QCOMPARE(box->count(), NamedColors::count + 1);
    }

    void colorBoxDropsItsExtraEntryForANamedOne() {
        ColorBox box;
        box.setColor(QColor(0x12, 0x34, 0x56));
        QCOMPARE(box.color(), QColor(0x12, 0x34, 0x56));
        QSignalSpy changed(&box, &ColorBox::colorChanged);
        choose(&box, "Blue");
        QCOMPARE(box.color(), QColor(0, 0, 255));
        QCOMPARE(box.count(), NamedColors::count);
        QCOMPARE(changed.size(), 1);
        box.setColor(QColor(192, 192, 192)); // silently: no signal
        QCOMPARE(box.currentText(), QString("LtGray"));
        QCOMPARE(changed.size(), 1);
    }

    // Each choice shows in the sample at once; the sample's tags take the
    // tag colours being chosen.
    void sampleFollowsTheChoice() {
        EditorOptionsDialog dialog{EditorOptions()};
        TLEdit *sample = dialog.sampleEditor();
        QCOMPARE(sample->text().count('\r'), 7);
        QCOMPARE(sample->getSelText(), QString("Your Web Page"));
        choose(child<ColorBox>(dialog, "TextColor"), "Lime");
        QCOMPARE(sample->editorTextColor(), QColor(0, 255, 0));
        choose(child<ColorBox>(dialog, "WindowColor"), "Black");
        QCOMPARE(sample->editorColor(), QColor(0, 0, 0));
        choose(child<ColorBox>(dialog, "SyntaxFore"), "Yellow");
        choose(child<ColorBox>(dialog, "SyntaxBack"), "Maroon");
        QCOMPARE(sample->tagForeground(), QColor(255, 255, 0));
        QCOMPARE(sample->tagBackground(), QColor(128, 0, 0));
        choose(child<ColorBox>(dialog, "SelectedFore"), "Red");
        choose(child<ColorBox>(dialog, "SelectedBack"), "Olive");
        QCOMPARE(sample->foreColorSelected(), QColor(255, 0, 0));
        QCOMPARE(sample->backColorSelected(), QColor(128, 128, 0));
        child<QSpinBox>(dialog, "FontSizeEdit")->setValue(19);
        QCOMPARE(sample->editorFont().pointSize(), 19);
        child<QSpinBox>(dialog, "TabSize")->setValue(11);
        QCOMPARE(sample->tabStopSize(), 11);
        auto *fonts = child<QComboBox>(dialog, "FontListBox");
        fonts->setCurrentIndex(fonts->count() - 1);
        QCOMPARE(sample->editorFont().family(), fonts->currentText());
        // The viewer's colours are not the editor's.
        choose(child<ColorBox>(dialog, "HTMLWinColor"), "Navy");
        QCOMPARE(sample->editorColor(), QColor(0, 0, 0));
    }

    void schemeButtonsSetEveryColourBox() {
        EditorOptionsDialog dialog(someOptions());
        child<QPushButton>(dialog, "DarkScheme")->click();
        EditorOptions dark = someOptions();
        applyColorScheme(dark, ColorScheme::Dark);
        QCOMPARE(dialog.options(), dark);
        QCOMPARE(dialog.sampleEditor()->editorColor(), dark.windowColor);
        QCOMPARE(child<ColorBox>(dialog, "SyntaxBack")->count(), NamedColors::count);
        child<QPushButton>(dialog, "DefaultScheme")->click();
        QCOMPARE(dialog.sampleEditor()->editorColor(), QColor(255, 255, 255));
        QCOMPARE(dialog.options().htmlWindowColor, QColor(255, 255, 255));
    }

    // Ticking "Use Wordwrap" or "Expand to HTML" asks for its explanation;
    // unticking and filling the controls do not.
    void helperTopicsWhenTicked() {
        EditorOptions start;
        start.wordWrap = false;
        start.expandToHtml = true;
        EditorOptionsDialog dialog(start);
        QList<int> topics;
        dialog.setHelperTipHandler([&](int topic) { topics << topic; });
        auto *wrap = child<QCheckBox>(dialog, "UseWordwrap");
        auto *expand = child<QCheckBox>(dialog, "ExpandToHTML");
        wrap->click();
        expand->click(); // unticked
        QCOMPARE(topics, QList<int>{HelperTopic::Wordwrap});
        expand->click();
        wrap->click(); // unticked
        QCOMPARE(topics, (QList<int>{HelperTopic::Wordwrap, HelperTopic::CharacterConversions}));
        dialog.setOptions(someOptions());
        QCOMPARE(topics.size(), 2);
    }

    void applyHandsOverAndCancelPutsTheControlsBack() {
        const EditorOptions start = someOptions();
        EditorOptionsDialog dialog(start);
        QList<EditorOptions> applied;
        dialog.setApplyHandler([&](const EditorOptions &o) { applied << o; });
        dialog.show();
        choose(child<ColorBox>(dialog, "TextColor"), "Blue");
        child<QComboBox>(dialog, "SaveTypeAs")->setCurrentIndex(2);
        child<QCheckBox>(dialog, "UseWarningLEDs")->click();
        child<QPushButton>(dialog, "ApplyButton")->click();
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.at(0).textColor, QColor(0, 0, 255));
        QCOMPARE(applied.at(0).fileType, int(EditorOptions::UnixStyle));
        QVERIFY(applied.at(0).useWarningLeds);
        QVERIFY(dialog.isVisible()); // Apply does not close
        child<QPushButton>(dialog, "CancelButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.options(), start);
        QCOMPARE(dialog.sampleEditor()->editorTextColor(), start.textColor);
        QCOMPARE(applied.size(), 1); // Cancel hands nothing over
    }
};

QTEST_MAIN(TestEditorOptionsDialog)
#include "test_editoroptionsdialog.moc"
