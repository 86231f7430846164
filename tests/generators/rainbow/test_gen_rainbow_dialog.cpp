// The Rainbowizer driven as the user would, on a real editor selection.

#include "editor/tledit.h"
#include "fakegeneratorhost.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/rainbow/ui/rainbowdialog.h"
#include "scripteddice.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

template <class T> T *child(QObject *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// A host whose editor holds "x" + `selected` + "y" with `selected` selected.
struct Host : FakeGeneratorHost {
    TLEdit edit;
    explicit Host(const QString &selected) {
        editor = &edit;
        edit.setText("x" + selected + "y");
        edit.startLine = edit.endLine = 1;
        edit.startPos = 1;
        edit.endPos = 1 + int(selected.size());
        edit.applySelection();
    }
};

const QString kAbc = QStringLiteral("<FONT COLOR=\"#2122DE\">a</FONT>"
                                    "<FONT COLOR=\"#4344BC\">b</FONT>"
                                    "<FONT COLOR=\"#65669A\">c</FONT>");

} // namespace

class TestGenRainbowDialog : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTheFirstPreview() {
        Host host("abc");
        RainbowDialog dialog(host, ScriptedDice({0}).dice());
        QCOMPARE(dialog.objectName(), QString("TRainbowForm"));
        QCOMPARE(dialog.windowTitle(), QString("Rainbowizer"));
        auto *generate = child<RadioGroup>(&dialog, "Generate");
        QCOMPARE(generate->title(), QString("Generate:"));
        QCOMPARE(generate->items(), QStringList({"Standard", "Random"}));
        QCOMPARE(generate->itemIndex(), 0);
        QVERIFY(!child<QCheckBox>(&dialog, "UseRandom")->isChecked());
        QCOMPARE(child<QCheckBox>(&dialog, "Color16")->text(), QString("16 Color Only"));
        QVERIFY(!child<QCheckBox>(&dialog, "Color16")->isEnabled());
        QCOMPARE(child<QToolButton>(&dialog, "SpeedButton1")->toolTip(),
                 QString("Select a color to use a a base"));
        QCOMPARE(child<QFrame>(&dialog, "PanelColor")->palette().color(QPalette::Window),
                 QColor(255, 0, 0));
        QCOMPARE(child<QPushButton>(&dialog, "Button1")->text(), QString("&Preview"));
        QVERIFY(child<QPushButton>(&dialog, "BitBtn3")->isDefault());
        QCOMPARE(child<GeneratorPreview>(&dialog, "HTMLViewer1"), dialog.preview());
        QVERIFY(dialog.preview()->viewImages());

        QCOMPARE(dialog.rainbowText(), kAbc);
        QCOMPARE(dialog.preview()->html(), kAbc);
    }

    // Ticking "UseRandom" enables "16 Color Only"; clearing it disables the
    // box again, and its tick no longer counts.
    void useRandomTogglesSixteenColours() {
        Host host("abc");
        RainbowDialog dialog(host, ScriptedDice({4}).dice());
        auto *useRandom = child<QCheckBox>(&dialog, "UseRandom");
        auto *color16 = child<QCheckBox>(&dialog, "Color16");
        useRandom->setChecked(true);
        QVERIFY(color16->isEnabled());
        QCOMPARE(dialog.rainbowText(), QString("<FONT COLOR=\"#040404\">a</FONT>"
                                               "<FONT COLOR=\"#040404\">b</FONT>"
                                               "<FONT COLOR=\"#040404\">c</FONT>"));
        color16->setChecked(true);
        QCOMPARE(dialog.rainbowText(), QString("<FONT COLOR=\"Navy\">a</FONT>"
                                               "<FONT COLOR=\"Navy\">b</FONT>"
                                               "<FONT COLOR=\"Navy\">c</FONT>"));
        QCOMPARE(dialog.preview()->html(), dialog.rainbowText());
        useRandom->setChecked(false);
        QVERIFY(!color16->isEnabled());
        QCOMPARE(dialog.rainbowText(), kAbc);
    }

    void generateAndBaseColourRebuild() {
        Host host("ab");
        RainbowDialog dialog(host, ScriptedDice({1}).dice());
        child<RadioGroup>(&dialog, "Generate")->button(1)->click();
        QCOMPARE(dialog.rainbowText(), QString("<FONT COLOR=\"#FF2200\">a</FONT>"
                                               "<FONT COLOR=\"#FF4400\">b</FONT>"));

        host.user.answerColor(QColor(0, 0, 255));
        child<QToolButton>(&dialog, "SpeedButton1")->click();
        QCOMPARE(child<QFrame>(&dialog, "PanelColor")->palette().color(QPalette::Window),
                 QColor(0, 0, 255));
        QCOMPARE(dialog.rainbowText(), QString("<FONT COLOR=\"#0022FF\">a</FONT>"
                                               "<FONT COLOR=\"#0044FF\">b</FONT>"));
        // Cancelling the colour dialog changes nothing.
        host.user.answerColor(QColor());
        child<QToolButton>(&dialog, "SpeedButton1")->click();
        QCOMPARE(dialog.choices().base, QColor(0, 0, 255));
        QCOMPARE(host.user.count(ScriptedUserInteraction::Type::Color), 2);
    }

    // OK puts exactly the text previewed (random colours included) in place
    // of the selection; "&Preview" throws the dice again.
    void okReplacesTheSelectionWithThePreview() {
        Host host("ab");
        RainbowDialog dialog(host, ScriptedDice({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}).dice());
        child<QCheckBox>(&dialog, "UseRandom")->setChecked(true);
        const QString first = dialog.rainbowText();
        child<QPushButton>(&dialog, "Button1")->click();
        const QString shown = dialog.rainbowText();
        QVERIFY(shown != first);
        QCOMPARE(dialog.preview()->html(), shown);
        child<QPushButton>(&dialog, "BitBtn3")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(host.edit.text(), "x" + shown + "y");
    }

    void cancelAndAnEmptySelectionChangeNothing() {
        Host host("abc");
        RainbowDialog cancelled(host, ScriptedDice({0}).dice());
        child<QPushButton>(&cancelled, "BitBtn4")->click();
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(host.edit.text(), QString("xabcy"));

        Host empty("");
        empty.edit.setModifiedFlag(false);
        RainbowDialog dialog(empty, ScriptedDice({0}).dice());
        QCOMPARE(dialog.rainbowText(), QString());
        child<QPushButton>(&dialog, "BitBtn3")->click();
        QCOMPARE(empty.edit.text(), QString("xy"));
        QVERIFY(!empty.edit.modified());
    }
};

QTEST_MAIN(TestGenRainbowDialog)
#include "test_gen_rainbow_dialog.moc"
