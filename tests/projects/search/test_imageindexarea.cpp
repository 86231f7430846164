// "Create &Index of Images" on the window's widgets and menus (AreaRig), with
// a document stand-in that really loads the page into the editor.

#include "arearig.h"
#include "editor/tledit.h"
#include "fakeareas.h"
#include "projects/search/area/imageindexarea.h"
#include "projects/search/ui/imageindexdialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Opens a page as the documents area does: in the editor, caret at the
// start; a page already open stays as it is.
class LoadingDocument : public FakeActiveDocument {
public:
    LoadingDocument(TLEdit &editor, AreaRig &rig) : FakeActiveDocument(editor), m_rig(rig) {}
    bool loadFile(const QString &path, bool inProject) override {
        FakeActiveDocument::loadFile(path, inProject);
        if (path == file)
            return true;
        if (!editor().loadFromFile(path))
            return false;
        file = path;
        dir = QFileInfo(path).absolutePath() + QLatin1Char('/');
        m_rig.openDocument(true);
        return true;
    }

private:
    AreaRig &m_rig;
};

struct Fixture : AreaRig {
    LoadingDocument document{*w.webPage, *this};
    FakePreviewPane preview;
    std::unique_ptr<ImageIndexArea> area;
    TestFolder pictures;

    Fixture() {
        area = std::make_unique<ImageIndexArea>(shell, document, preview, a);
        shell.addArea(area.get());
        shell.updateMenuStates();
        for (const char *name : {"b.jpg", "a.gif", "notes.txt"})
            pictures.write(name, "x");
    }
    ~Fixture() { area.reset(); }

    QString page() const { return program.file("images.htm"); }

    // Runs the entry; the dialog is shown `folder` and closed with Create
    // (or Cancel).
    void run(const QString &folder, bool create = true) {
        QTimer::singleShot(0, [folder, create] {
            auto *dialog = qobject_cast<ImageIndexDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                qFatal("no image index dialog");
            dialog->setFolder(folder);
            dialog->findChild<QPushButton *>(create ? "BitBtn2" : "BitBtn1")->click();
        });
        a.createIndexOfImages->trigger();
    }
};

QString blockFor(const QString &folder) {
    return QStringLiteral("File location: %1a.gif<br>\r\n<img src=\"%1a.gif\"><br>\r\n"
                          "File location: %1b.jpg<br>\r\n<img src=\"%1b.jpg\"><br>\r\n\r\n")
        .arg(folder);
}

} // namespace

class TestImageIndexArea : public QObject {
    Q_OBJECT
private slots:
    void theEntryIsAlwaysUsable() {
        Fixture f;
        QVERIFY(!MainActions::isPending(f.a.createIndexOfImages));
        QVERIFY(f.a.createIndexOfImages->isEnabled());
        f.openDocument(true);
        f.shell.updateMenuStates();
        QVERIFY(f.a.createIndexOfImages->isEnabled());
    }

    // The page is made with its heading, opened outside any project, and
    // each run adds its block after what is there.
    void twoRunsAddTwoBlocksToOnePage() {
        Fixture f;
        f.run(f.pictures.path());
        QCOMPARE(f.document.loaded, QStringList{f.page()});
        QCOMPARE(f.document.loadedInProject, QList<bool>{false});
        const QString heading = QStringLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\n");
        QCOMPARE(TestFolder::read(f.page()), heading.toUtf8());
        QCOMPARE(f.w.webPage->text(), heading + blockFor(f.pictures.path()));
        QCOMPARE(f.preview.updates, 1);

        f.run(f.pictures.path());
        QCOMPARE(f.w.webPage->text(),
                 heading + blockFor(f.pictures.path()) + blockFor(f.pictures.path()));
        QCOMPARE(f.preview.updates, 2);
        QCOMPARE(f.ui.asked().size(), 0);
    }

    // A page saved and opened again: the new block still goes after the
    // old one, not before the heading.
    void aReopenedPageGrowsAtItsEnd() {
        Fixture f;
        f.program.write("images.htm", "<CENTER><H2>Image Index</H2></CENTER>\r\nold\r\n");
        f.run(f.pictures.path());
        QCOMPARE(f.w.webPage->text(),
                 QStringLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\nold\r\n") +
                     blockFor(f.pictures.path()));
    }

    void aFolderWithoutPicturesAddsOneLineEnd() {
        Fixture f;
        TestFolder empty;
        f.run(empty.path());
        QCOMPARE(f.w.webPage->text(),
                 QStringLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\n\r\n"));
    }

    void cancelAddsNothingButThePageStaysOpen() {
        Fixture f;
        f.run(f.pictures.path(), false);
        QCOMPARE(f.document.loaded, QStringList{f.page()});
        QCOMPARE(f.w.webPage->text(), QStringLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\n"));
        QCOMPARE(f.preview.updates, 1);
    }

    void aPageThatCannotBeMadeIsReported() {
        Fixture f;
        // A program folder that is gone: nothing can be written there.
        QVERIFY(QDir(f.program.path()).removeRecursively());
        f.ui.answerMessage(Msg::ResultOk);
        f.a.createIndexOfImages->trigger();
        QCOMPARE(f.ui.count(ScriptedUserInteraction::Type::Message), 1);
        QVERIFY(f.ui.messageTexts().at(0).startsWith("Unable to write to " + f.page() + " ("));
        QCOMPARE(f.ui.asked().at(0).kind, int(Msg::Warning));
        QVERIFY(f.document.loaded.isEmpty());
        QCOMPARE(f.preview.updates, 0);
    }
};

QTEST_MAIN(TestImageIndexArea)
#include "test_imageindexarea.moc"
