// The dialogs of the page operations: Create Page, Copy/Move a Page and
// Orphan Files, worked as the user would.

#include "preview/htmlviewer.h"
#include "projects/pageops/orphansearch.h"
#include "projects/pageops/ui/copymoveform.h"
#include "projects/pageops/ui/crtpageform.h"
#include "projects/pageops/ui/extrafilesfrm.h"
#include "scripteduserinteraction.h"
#include "testfolder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

template <typename T> T *child(QWidget *parent, const char *name) {
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class TestPageOpsForms : public QObject {
    Q_OBJECT
private slots:
    void createPageControls() {
        ScriptedUserInteraction ui;
        QStringList templates{"article.htm"};
        CrtPageForm form(ui, {"html", "htm"}, [&templates] { return templates; });
        QCOMPARE(form.objectName(), QString("CrtPageForm"));
        QCOMPARE(form.windowTitle(), QString("Create Page"));
        auto *name = child<QLineEdit>(&form, "PageName");
        auto *description = child<QLineEdit>(&form, "PageDesc");
        auto *extension = child<QComboBox>(&form, "ExtensionList");
        QCOMPARE(name->maxLength(), 50);
        QCOMPARE(name->toolTip(), QString("Enter an 8 character filename."));
        QCOMPARE(description->maxLength(), 35);
        QCOMPARE(description->toolTip(), QString("Enter the description of the document"));
        QVERIFY(extension->isEditable());
        QCOMPARE(extension->currentText(), QString("html"));
        QVERIFY(child<QRadioButton>(&form, "DefaultPage")->isChecked());
        auto *list = child<QComboBox>(&form, "TemplateList");
        form.show();
        QVERIFY(!list->isVisible());
        child<QRadioButton>(&form, "UseTemplate")->click();
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentIndex(), -1); // none chosen yet
        // Each drop-down reads the folder afresh.
        templates << "business.htm"
                  << "article.htm";
        list->showPopup();
        list->hidePopup();
        QCOMPARE(list->count(), 2);
        list->setCurrentIndex(1);
        name->setText("about");
        description->setText("About us");
        extension->setEditText("shtml");
        const NewPageRequest request = form.request();
        QCOMPARE(request.name, QString("about"));
        QCOMPARE(request.extension, QString("shtml"));
        QCOMPARE(request.description, QString("About us"));
        QCOMPARE(request.style, PageStyle::UseTemplate);
        QCOMPARE(request.templateName, QString("business.htm"));
        child<QRadioButton>(&form, "FramePage")->click();
        QVERIFY(!list->isVisible());
        QCOMPARE(form.request().templateName, QString());
    }

    void createPageRefusesADash() {
        ScriptedUserInteraction ui;
        CrtPageForm form(ui, {"htm"}, [] { return QStringList(); });
        form.show();
        child<QLineEdit>(&form, "PageDesc")->setText("A-B");
        child<QPushButton>(&form, "BitBtn1")->click();
        QCOMPARE(ui.messageTexts(),
                 QStringList{"The dash character, '-', is not allowed in a project description.  "
                             "Please remove it before continuing."});
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        child<QLineEdit>(&form, "PageDesc")->setText("A B");
        child<QPushButton>(&form, "BitBtn1")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void copyMoveChoices() {
        CopyMoveForm form("site/news.htm", {"Site - site", "Other - other"}, 0);
        QCOMPARE(form.windowTitle(), QString("Copy/Move a Page"));
        QCOMPARE(child<QLabel>(&form, "Label1")->text(), QString("Working with: site/news.htm"));
        auto *list = child<QListWidget>(&form, "ListBox1");
        auto *copy = child<QPushButton>(&form, "CopyBtn");
        auto *move = child<QPushButton>(&form, "MoveBtn");
        form.show();
        list->setFocus();
        QVERIFY(!copy->isEnabled());
        QVERIFY(!move->isEnabled());
        list->item(0)->setSelected(true);
        QVERIFY(copy->isEnabled());
        QVERIFY(!move->isEnabled()); // its own project
        list->item(1)->setSelected(true);
        QVERIFY(move->isEnabled());
        move->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.chosenProject(), 1);
        QCOMPARE(form.transfer(), PageOps::Transfer::Move);
    }

    void orphanFiles() {
        TestFolder site;
        site.write("index.htm", "<IMG SRC=\"logo.gif\">");
        site.write("logo.gif", "GIF");
        site.write("stray.txt", "x");
        OrphanSearch search(site.path(), {"index.htm"});
        ExtraFilesFrm form(search, OrphanSearch::folderFiles(site.path()), "index.htm", "htm",
                           "gif");
        QCOMPARE(form.windowTitle(), QString("Orphan Files"));
        QCOMPARE(form.status(), QString("0 of 1"));
        auto *inUse = child<QListWidget>(&form, "FilesInUse");
        auto *files = child<QListWidget>(&form, "FileListBox1");
        QCOMPARE(inUse->selectedItems().size(), 1);
        child<QPushButton>(&form, "SearchBtn")->click();
        QCOMPARE(form.status(), QString("Complete"));
        QCOMPARE(form.supportingFiles(), QStringList{"logo.gif"});
        QCOMPARE(form.orphanFiles(), QStringList{"stray.txt"});
        QVERIFY(!child<QPushButton>(&form, "SearchBtn")->isEnabled());
        QVERIFY(child<QPushButton>(&form, "CloseBtn")->isEnabled());
        // A click on a name in one list leaves it the only one selected.
        form.show();
        files->scrollToItem(files->item(0));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
        QVERIFY(inUse->selectedItems().isEmpty());
        QCOMPARE(files->selectedItems().size(), 1);
    }
};

QTEST_MAIN(TestPageOpsForms)
#include "test_pageopsforms.moc"
