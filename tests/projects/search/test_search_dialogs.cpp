// The program search dialog and the image index dialog, driven as the user
// would.

#include "programtree.h"
#include "projects/search/ui/imageindexdialog.h"
#include "projects/search/ui/programsearchdialog.h"
#include "scripteduserinteraction.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

template <class T> T *child(QWidget *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QStringList itemsOf(QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text().trimmed();
    return items;
}

// Makes `root` the dialog's chosen drive.
void chooseRoot(QWidget *dialog, const QString &root) {
    auto *drives = child<QComboBox>(dialog, "DriveComboBox1");
    drives->addItem(root, root);
    drives->setCurrentIndex(drives->count() - 1);
}

// Clicks "&Search" and waits for the walk to end.
bool searchAndWait(ProgramSearchDialog &dialog) {
    QSignalSpy ended(&dialog, &ProgramSearchDialog::searchEnded);
    child<QPushButton>(&dialog, "Search")->click();
    return ended.wait(10000);
}

} // namespace

class TestSearchDialogs : public QObject {
    Q_OBJECT
private slots:
    void programSearchControls() {
        ScriptedUserInteraction ui;
        ProgramSearchDialog dialog(ui);
        QCOMPARE(dialog.objectName(), QString("TSearchForm"));
        QCOMPARE(dialog.windowTitle(), QString("Search "));
        auto *drives = child<QComboBox>(&dialog, "DriveComboBox1");
        QCOMPARE(drives->itemText(0), QString("/"));
        QCOMPARE(drives->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>(&dialog, "AdditionalBrowser")->text(), QString());
        QCOMPARE(child<QPushButton>(&dialog, "Search")->text(), QString("&Search"));
        QVERIFY(!child<QPushButton>(&dialog, "StopSearch")->isEnabled());
        QVERIFY(child<QListWidget>(&dialog, "ListBox1")->count() == 0);
        QCOMPARE(dialog.chosenProgram(), QString());
    }

    // The additional name joins the masks; the list comes mask by mask and
    // the first find is chosen until the user picks another.
    void searchFillsTheListAndOkTakesTheChoice() {
        ProgramTree t;
        const QString opera = t.program("bin/opera");
        const QString firefox = t.program("bin/firefox");
        t.plain("bin/chromium");
        ScriptedUserInteraction ui;
        ProgramSearchDialog dialog(ui);
        dialog.show();
        chooseRoot(&dialog, t.root());
        child<QLineEdit>(&dialog, "AdditionalBrowser")->setText("opera");
        QVERIFY(searchAndWait(dialog));
        auto *list = child<QListWidget>(&dialog, "ListBox1");
        QCOMPARE(itemsOf(list), QStringList({firefox, opera}));
        QCOMPARE(dialog.chosenProgram(), firefox);
        list->setCurrentRow(1);
        QCOMPARE(dialog.chosenProgram(), opera);
        QVERIFY(child<QPushButton>(&dialog, "Search")->isEnabled());
        QVERIFY(!child<QPushButton>(&dialog, "StopSearch")->isEnabled());
        QCOMPARE(ui.asked().size(), 0);

        // A second search starts on an empty list.
        child<QLineEdit>(&dialog, "AdditionalBrowser")->clear();
        QVERIFY(searchAndWait(dialog));
        QCOMPARE(itemsOf(list), QStringList{firefox});
        child<QPushButton>(&dialog, "OkButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenProgram(), firefox);
    }

    void anEmptySearchIsTold() {
        ProgramTree t;
        t.program("bin/bash");
        ScriptedUserInteraction ui;
        ProgramSearchDialog dialog(ui);
        dialog.show();
        chooseRoot(&dialog, t.root());
        QVERIFY(searchAndWait(dialog));
        QCOMPARE(ui.messageTexts(), QStringList{"No files matching the mask were found!"});
        QCOMPARE(ui.asked().at(0).kind, int(Msg::Information));
        QCOMPARE(ui.asked().at(0).buttons, int(Msg::Ok));
        QCOMPARE(child<QListWidget>(&dialog, "ListBox1")->count(), 0);
        QCOMPARE(dialog.chosenProgram(), QString());
    }

    // The whole tree takes long: Stop ends the walk, and so does closing
    // the dialog; neither reports an empty result.
    void stopAndCloseEndTheWalk() {
        ScriptedUserInteraction ui;
        ProgramSearchDialog dialog(ui);
        dialog.show();
        child<QLineEdit>(&dialog, "AdditionalBrowser")->setText("no-such-program-anywhere");
        QSignalSpy ended(&dialog, &ProgramSearchDialog::searchEnded);
        child<QPushButton>(&dialog, "Search")->click();
        QVERIFY(dialog.isSearching());
        auto *stop = child<QPushButton>(&dialog, "StopSearch");
        QVERIFY(stop->isEnabled());
        QVERIFY(!child<QPushButton>(&dialog, "Search")->isEnabled());
        stop->click();
        QVERIFY(ended.wait(10000));
        QVERIFY(!dialog.isSearching());
        QVERIFY(child<QPushButton>(&dialog, "Search")->isEnabled());

        child<QPushButton>(&dialog, "Search")->click();
        QVERIFY(dialog.isSearching());
        child<QPushButton>(&dialog, "CancelButton")->click();
        QVERIFY(ended.wait(10000));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.asked().size(), 0);
    }

    // --- The image index dialog ---------------------------------------------------

    void imageIndexControls() {
        TestFolder pics;
        ImageIndexDialog dialog(pics.path());
        QCOMPARE(dialog.objectName(), QString("TImageIndexForm"));
        QCOMPARE(dialog.windowTitle(), QString("ImageIndexForm"));
        QCOMPARE(child<QLineEdit>(&dialog, "Edit1")->text(), QString("*.gif;*.jpg"));
        auto *filters = child<QComboBox>(&dialog, "FilterComboBox1");
        QCOMPARE(filters->count(), 3);
        QCOMPARE(filters->itemText(0), QString("All Images"));
        QCOMPARE(filters->itemText(1), QString("GIF Images"));
        QCOMPARE(filters->itemText(2), QString("JPEG Images"));
        QCOMPARE(child<QPushButton>(&dialog, "BitBtn2")->text(), QString("Create"));
        QCOMPARE(child<QPushButton>(&dialog, "BitBtn1")->text(), QString("Cancel"));
        QString folder = pics.path();
        folder.chop(1);
        QCOMPARE(dialog.folder(), folder);
        QCOMPARE(child<QLabel>(&dialog, "Label1")->text(), folder);
        QCOMPARE(child<QComboBox>(&dialog, "DriveComboBox1")->currentText(), QString("/"));

        ImageIndexDialog lost(pics.file("missing"));
        QCOMPARE(lost.folder(), QString("/"));
    }

    void theFileListFollowsTheFilter() {
        TestFolder pics;
        for (const char *name : {"b.jpg", "a.gif", "c.png"})
            pics.write(name, "x");
        ImageIndexDialog dialog(pics.path());
        auto *files = child<QListWidget>(&dialog, "FileListBox1");
        QCOMPARE(itemsOf(files), QStringList({"a.gif", "b.jpg"}));
        QCOMPARE(dialog.files(), QStringList({"a.gif", "b.jpg"}));

        auto *edit = child<QLineEdit>(&dialog, "Edit1");
        edit->clear();
        QTest::keyClicks(edit, "*.png");
        QCOMPARE(dialog.files(), QStringList{"c.png"});

        auto *filters = child<QComboBox>(&dialog, "FilterComboBox1");
        filters->setCurrentIndex(1);
        emit filters->activated(1);
        QCOMPARE(edit->text(), QString("*.gif"));
        QCOMPARE(dialog.files(), QStringList{"a.gif"});
    }

    // The folder list shows the way down to the folder and its sub-folders;
    // choosing one moves there.
    void theFolderListMovesBetweenFolders() {
        TestFolder top;
        top.write("pics/deep/x.gif", "x");
        top.write("top.gif", "x");
        ImageIndexDialog dialog(top.path());
        auto *folders = child<QListWidget>(&dialog, "DirectoryListBox1");
        QCOMPARE(itemsOf(folders).first(), QString("/"));
        QCOMPARE(itemsOf(folders).last(), QString("pics"));
        QCOMPARE(folders->currentRow(), folders->count() - 2);

        emit folders->itemActivated(folders->item(folders->count() - 1));
        QCOMPARE(dialog.folder(), top.file("pics"));
        QCOMPARE(itemsOf(folders).last(), QString("deep"));
        QCOMPARE(dialog.files(), QStringList());
        emit folders->itemActivated(folders->item(folders->count() - 1));
        QCOMPARE(dialog.files(), QStringList{"x.gif"});
        QCOMPARE(child<QLabel>(&dialog, "Label1")->text(), top.file("pics/deep"));

        // Up again by the entry of an outer folder.
        emit folders->itemActivated(folders->item(folders->count() - 3));
        QCOMPARE(dialog.folder() + "/", top.path());
        QCOMPARE(dialog.files(), QStringList{"top.gif"});
        emit folders->itemActivated(folders->item(0));
        QCOMPARE(dialog.folder(), QString("/"));
    }

    void createAcceptsAndCancelRejects() {
        TestFolder pics;
        ImageIndexDialog create(pics.path());
        child<QPushButton>(&create, "BitBtn2")->click();
        QCOMPARE(create.result(), int(QDialog::Accepted));
        ImageIndexDialog cancel(pics.path());
        child<QPushButton>(&cancel, "BitBtn1")->click();
        QCOMPARE(cancel.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestSearchDialogs)
#include "test_search_dialogs.moc"
