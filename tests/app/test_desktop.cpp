// The program as the desktop sees it, run as separate processes: installed
// into a temporary prefix and started from another folder, packed as a
// Debian package, started with files and handed files by a second start,
// and started again after it was killed with unsaved pages.

#include "documents/session/sessionlist.h"
#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <csignal>

namespace {

const QString kBuildDir = QStringLiteral(QUILMEAD_BUILD_DIR);

// A user of their own: home, data, configuration and runtime folders in a
// temporary folder, the tip of the day off, on the X server of the test.
struct User {
    TestFolder home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    User() {
        QDir().mkpath(home.file("run"));
        QFile::setPermissions(home.file("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        home.write("config/Tarnholm/Quilmead.conf", "[Helpers]\nShowTipOfTheDay=0\n");
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.file("data"));
        env.insert("XDG_CONFIG_HOME", home.file("config"));
        env.insert("XDG_RUNTIME_DIR", home.file("run"));
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        env.remove("QUILMEAD_ANSWER_RECOVERY");
        env.remove("QUILMEAD_STARTUP_REPORT");
        // The preview engine renders pages on a real X server (Xvfb).
        env.remove("QT_QPA_PLATFORM");
    }
    QString dataDir() const { return home.file("data/Tarnholm/Quilmead/"); }
    // The documents listed by running (or killed) programs of this user.
    QStringList listedDocuments() const {
        QStringList documents;
        const QDir sessions(dataDir() + "sessions");
        for (const QString &list : sessions.entryList({"*.lst"}, QDir::Files))
            documents += SessionList::decode(TestFolder::read(sessions.filePath(list)));
        return documents;
    }
};

// Runs a command to its end; its output, or a failure with its output.
QByteArray run(const QString &program, const QStringList &args,
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
               const QString &folder = kBuildDir, int timeoutMs = 300000) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        qWarning() << program << args << "did not finish";
        return QByteArray("did not finish");
    }
    const QByteArray out = process.readAllStandardOutput() + process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning().noquote() << program << args.join(' ') << "failed:" << out;
        return QByteArray("failed\n") + out;
    }
    return out;
}

// The "key value" lines a start prints with QUILMEAD_STARTUP_REPORT.
QMap<QString, QString> reportOf(const QByteArray &out) {
    QMap<QString, QString> values;
    for (const QByteArray &line : out.split('\n')) {
        const int space = line.indexOf(' ');
        if (space > 0)
            values.insert(QString::fromUtf8(line.left(space)),
                          QString::fromUtf8(line.mid(space + 1)));
    }
    return values;
}

QStringList recoverPages(const QByteArray &out) {
    QStringList pages;
    for (const QByteArray &line : out.split('\n'))
        if (line.startsWith("recover-page "))
            pages << QString::fromUtf8(line.mid(13));
    return pages;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void installedCopyRunsFromAnotherFolder() {
        TestFolder prefix;
        const QByteArray installed =
            run(CMAKE_COMMAND, {"--install", kBuildDir, "--prefix", prefix.path()});
        QVERIFY2(!installed.startsWith("failed"), installed.constData());
        for (const char *file :
             {"bin/quilmead", "lib/quilmead/libquilmead_webview.so", "share/quilmead/TIPS.TXT",
              "share/quilmead/ENGLISH.DCT", "share/quilmead/help/index.html",
              "share/applications/org.tarnholm.Quilmead.desktop",
              "share/metainfo/org.tarnholm.Quilmead.metainfo.xml",
              "share/icons/hicolor/scalable/apps/org.tarnholm.Quilmead.svg",
              "share/icons/hicolor/48x48/apps/org.tarnholm.Quilmead.png",
              "share/icons/hicolor/256x256/apps/org.tarnholm.Quilmead.png"})
            QVERIFY2(QFileInfo::exists(prefix.file(file)), file);
        QVERIFY(!QFileInfo::exists(prefix.file("bin/libquilmead_webview.so")));
        QVERIFY(!QFileInfo::exists(prefix.file("bin/TIPS.TXT")));

        const QByteArray desktop =
            run("desktop-file-validate",
                {prefix.file("share/applications/org.tarnholm.Quilmead.desktop")});
        QVERIFY2(!desktop.startsWith("failed") && !desktop.contains("error"), desktop.constData());
        const QByteArray entry =
            TestFolder::read(prefix.file("share/applications/org.tarnholm.Quilmead.desktop"));
        QVERIFY(entry.contains("Exec=quilmead %F"));
        QVERIFY(entry.contains("MimeType=text/html;application/xhtml+xml;"));
        const QByteArray metadata =
            run("appstreamcli", {"validate", "--no-net",
                                 prefix.file("share/metainfo/org.tarnholm.Quilmead.metainfo.xml")});
        QVERIFY2(!metadata.startsWith("failed"), metadata.constData());

        // Started from another folder by a user of its own.
        User user;
        TestFolder elsewhere;
        QProcessEnvironment env = user.env;
        env.insert("QUILMEAD_STARTUP_REPORT", "1");
        const QByteArray out = run(prefix.file("bin/quilmead"), {}, env, elsewhere.path(), 120000);
        const QMap<QString, QString> report = reportOf(out);
        QCOMPARE(report.value("program-dir"), user.dataDir());
        QVERIFY2(report.value("tips").toInt() > 10, out.constData());
        QCOMPARE(report.value("module-dir"), prefix.file("lib/quilmead/"));
        QVERIFY2(report.value("engine-loaded") == "1", out.constData());
        QCOMPARE(report.value("window-visible"), QString("1"));
        for (const char *file : {"TIPS.TXT", "ENGLISH.DCT", "page1.btn", "help/index.html"})
            QVERIFY2(QFileInfo::exists(user.dataDir() + file), file);
    }

    void debianPackage() {
        TestFolder out;
        const QByteArray packed =
            run(CPACK_COMMAND,
                {"-G", "DEB", "--config", kBuildDir + "/CPackConfig.cmake", "-B", out.path()});
        QVERIFY2(!packed.startsWith("failed"), packed.constData());
        const QStringList debs = QDir(out.path()).entryList({"*.deb"});
        QCOMPARE(debs, QStringList{"quilmead_" QUILMEAD_VERSION "_amd64.deb"});
        const QString deb = out.file(debs.front());
        const QByteArray contents = run("dpkg-deb", {"-c", deb});
        qInfo().noquote() << contents;
        for (const char *file :
             {"./usr/bin/quilmead", "./usr/lib/quilmead/libquilmead_webview.so",
              "./usr/share/quilmead/TIPS.TXT", "./usr/share/quilmead/ENGLISH.DCT",
              "./usr/share/applications/org.tarnholm.Quilmead.desktop",
              "./usr/share/metainfo/org.tarnholm.Quilmead.metainfo.xml",
              "./usr/share/icons/hicolor/scalable/apps/org.tarnholm.Quilmead.svg"})
            QVERIFY2(contents.contains(file), file);
        const QByteArray depends = run("dpkg-deb", {"-f", deb, "Depends"});
        for (const char *package :
             {"libqt6widgets6", "libqt6webenginecore6", "libqt6webenginecore6-bin",
              "libqscintilla2-qt6", "libtidy", "qt6-image-formats-plugins"})
            QVERIFY2(depends.contains(package), package);
        QVERIFY(run("dpkg-deb", {"-f", deb, "Recommends"}).contains("qt6-wayland"));
    }

    // `quilmead a.htm` opens a tab; `quilmead b.htm` while it runs hands
    // b.htm to it and ends.
    void filesFromTheCommandLineAndASecondStart() {
        User user;
        TestFolder pages;
        pages.write("a.htm", "<p>a</p>");
        pages.write("b.htm", "<p>b</p>");
        QProcess first;
        first.setProcessEnvironment(user.env);
        first.setWorkingDirectory(pages.path());
        first.start(kBuildDir + "/quilmead", {"a.htm"});
        QVERIFY(first.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(user.listedDocuments(), QStringList{pages.file("a.htm")}, 60000);

        const QByteArray second =
            run(kBuildDir + "/quilmead", {"b.htm"}, user.env, pages.path(), 60000);
        QVERIFY2(!second.startsWith("failed"), second.constData());
        QTRY_COMPARE_WITH_TIMEOUT(user.listedDocuments(),
                                  (QStringList{pages.file("a.htm"), pages.file("b.htm")}), 60000);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    // Killed with two modified pages: the next start offers both in one
    // list; Later keeps everything, Discard removes the unsaved copies and
    // leaves the saved pages as they were.
    void recoveryAfterKillNine() {
        User user;
        TestFolder pages;
        const QString a = pages.write("a.htm", "<p>a saved</p>");
        const QString b = pages.write("b.htm", "<p>b saved</p>");
        QProcess child;
        child.setProcessEnvironment(user.env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(CRASH_CHILD, {user.dataDir() + "sessions", kBuildDir, a, b});
        QVERIFY(child.waitForStarted());
        // Collected, not read afresh: the macro evaluates its condition once more.
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("ready"), 60000);
        QCOMPARE(user.listedDocuments(), (QStringList{a, b}));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());

        QProcessEnvironment env = user.env;
        env.insert("QUILMEAD_STARTUP_REPORT", "1");
        env.insert("QUILMEAD_ANSWER_RECOVERY", "later");
        QByteArray out = run(kBuildDir + "/quilmead", {}, env, pages.path(), 120000);
        QCOMPARE(recoverPages(out), (QStringList{a, b}));
        QVERIFY(TestFolder::read(a + "_").contains("typed into 1"));
        QVERIFY(TestFolder::read(b + "_").contains("typed into 2"));

        env.insert("QUILMEAD_ANSWER_RECOVERY", "discard");
        out = run(kBuildDir + "/quilmead", {}, env, pages.path(), 120000);
        QCOMPARE(recoverPages(out), (QStringList{a, b}));
        QVERIFY(!QFileInfo::exists(a + "_"));
        QVERIFY(!QFileInfo::exists(b + "_"));
        QCOMPARE(TestFolder::read(a), QByteArray("<p>a saved</p>"));
        QCOMPARE(TestFolder::read(b), QByteArray("<p>b saved</p>"));

        out = run(kBuildDir + "/quilmead", {}, env, pages.path(), 120000);
        QCOMPARE(recoverPages(out), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDesktop)
#include "test_desktop.moc"
