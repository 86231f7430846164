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

    // An install into a prefix the user may write to (under the home folder,
    // or any prefix for root): the executable's folder holds no data files,
    // so the per-user folder is the program folder, filled from
    // ../share/quilmead; what the user already has there stays.
    void writableInstalledCopyUsesTheUserFolder() {
        TestFolder prefix;
        prefix.write("bin/quilmead", "\x7f"
                                     "ELF");
        prefix.write("share/quilmead/TIPS.TXT", "?shipped\r\n");
        prefix.write("share/quilmead/template/basic.htm", "<html></html>");
        TestFolder user;
        user.write("data/TIPS.TXT", "?mine\r\n");
        const QString userData = user.path() + "data";
        QCOMPARE(resolveProgramDir(prefix.path() + "bin", userData), userData + "/");
        QCOMPARE(TestFolder::read(userData + "/TIPS.TXT"), QByteArray("?mine\r\n"));
        QVERIFY(QFileInfo::exists(userData + "/template/basic.htm"));
        QVERIFY(!QFileInfo::exists(userData + "/quilmead"));
    }

    // A portable copy that has its data beside it stays self-contained even
    // when a ../share/quilmead happens to exist.
    void portableCopyWithItsDataKeepsItsFolder() {
        TestFolder prefix;
        prefix.write("bin/TIPS.TXT", "?here\r\n");
        prefix.write("share/quilmead/TIPS.TXT", "?there\r\n");
        TestFolder user;
        QCOMPARE(resolveProgramDir(prefix.path() + "bin", user.path() + "data"),
                 prefix.path() + "bin/");
        QVERIFY(!QFileInfo::exists(user.path() + "data"));
    }

    void moduleFolder_data() {
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree") << true << "bin/";
        QTest::newRow("installed") << false << "lib/quilmead/";
    }
    void moduleFolder() {
        QFETCH(bool, besideProgram);
        QFETCH(QString, expected);
        TestFolder prefix;
        prefix.write("bin/quilmead", "\x7f"
                                     "ELF");
        if (besideProgram)
            prefix.write("bin/libquilmead_webview.so", "\x7f"
                                                       "ELF");
        QCOMPARE(resolveModuleDir(prefix.path() + "bin", "libquilmead_webview.so"),
                 prefix.path() + expected);
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
