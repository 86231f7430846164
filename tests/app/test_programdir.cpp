#include "app/programdir.h"
#include "testfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

class TestProgramDir : public QObject {
    Q_OBJECT
private slots:
    void writableExecutableFolderIsTheProgramFolder() {
        TestFolder exe;
        TestFolder user;
        QCOMPARE(resolveProgramDir(exe.path(), user.path() + "data"), exe.path());
        QVERIFY(!QFileInfo::exists(user.path() + "data"));
    }

    void unusableExecutableFolderFallsBackToTheUserFolder() {
        TestFolder base;
        // An installed copy: the data files sit in ../share/quilmead.
        base.write("share/quilmead/TIPS.TXT", "?tip\r\n");
        base.write("share/quilmead/help/index.html", "<html></html>");
        const QString missingExeDir = base.path() + "bin-that-does-not-exist";
        const QString userData = base.path() + "user/quilmead";
        QCOMPARE(resolveProgramDir(missingExeDir, userData), userData + "/");
        QVERIFY(QFileInfo::exists(userData + "/TIPS.TXT"));
        QVERIFY(QFileInfo::exists(userData + "/help/index.html"));
    }

    void copyKeepsTheUsersFilesAndSkipsPrograms() {
        TestFolder from;
        TestFolder to;
        from.write("TIPS.TXT", "?new\r\n");
        from.write("page1.btn", "B|B|1|0\r\n");
        const QString program = from.write("quilmead", "\x7f"
                                                       "ELF");
        QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        from.write("libquilmead_webview.so", "\x7f"
                                             "ELF");
        to.write("TIPS.TXT", "?mine\r\n");
        copyMissingDataFiles(from.path(), to.path());
        QCOMPARE(TestFolder::read(to.file("TIPS.TXT")), QByteArray("?mine\r\n"));
        QVERIFY(QFileInfo::exists(to.file("page1.btn")));
        QVERIFY(!QFileInfo::exists(to.file("quilmead")));
        QVERIFY(!QFileInfo::exists(to.file("libquilmead_webview.so")));
    }
};

QTEST_APPLESS_MAIN(TestProgramDir)
#include "test_programdir.moc"
