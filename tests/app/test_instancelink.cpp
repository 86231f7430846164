// A second start hands its files to the running program over a local socket;
// the files a start is given on its command line.

#include "app/instancelink.h"
#include "app/launchfiles.h"
#include "testfolder.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QtTest>
#include <future>
#include <thread>

namespace {

// Hands the files over from another thread, as a second program would,
// while this one's event loop serves them.
std::future<bool> handOverLater(const QString &name, const QStringList &files, int timeoutMs) {
    return std::async(std::launch::async, [=] { return handOverFiles(name, files, timeoutMs); });
}

// Serves this thread's events until the other side has its answer.
bool waitFor(std::future<bool> &result) {
    QDeadlineTimer deadline(20000);
    while (result.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace

class TestInstanceLink : public QObject {
    Q_OBJECT
private slots:
    void launchFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("relative and absolute")
            << QStringList{"a.htm", "../b.htm", "/x/./c.htm"}
            << QStringList{"/work/pages/a.htm", "/work/b.htm", "/x/c.htm"};
        QTest::newRow("options skipped")
            << QStringList{"-x", "--style=y", "a.htm"} << QStringList{"/work/pages/a.htm"};
        QTest::newRow("after --") << QStringList{"--", "-odd.htm"}
                                  << QStringList{"/work/pages/-odd.htm"};
        QTest::newRow("file URL") << QStringList{"file:///x/my%20page.htm", "http://h/p.htm"}
                                  << QStringList{"/x/my page.htm"};
        QTest::newRow("twice") << QStringList{"a.htm", "/work/pages/a.htm"}
                               << QStringList{"/work/pages/a.htm"};
    }
    void launchFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QCOMPARE(::launchFiles(arguments, "/work/pages"), expected);
    }

    void filesReachTheRunningProgram() {
        TestFolder runtime;
        const QString name = instanceServerName(runtime.path());
        InstanceServer server;
        QVERIFY(server.listen(name));
        QSignalSpy arrived(&server, &InstanceServer::filesArrived);
        const QStringList files{"/w/a.htm", QString::fromUtf8("/w/é b.htm"), "/w/line\nbreak.htm"};
        std::future<bool> result = handOverLater(name, files, 10000);
        QVERIFY(waitFor(result));
        QVERIFY(result.get());
        QCOMPARE(arrived.size(), 1);
        QCOMPARE(arrived.at(0).at(0).toStringList(), files);
    }

    void noProgramRunning() {
        TestFolder runtime;
        QVERIFY(!handOverFiles(instanceServerName(runtime.path()), {"/w/a.htm"}, 2000));
    }

    // The socket of a program that died is taken over; a running program's
    // is not, and it keeps serving.
    void leftoverAndRunningSockets() {
        TestFolder runtime;
        const QString name = instanceServerName(runtime.path());
        {
            QLocalServer dead;
            QVERIFY(dead.listen(name));
        }
        runtime.write("quilmead-instance", "not a socket"); // a stray file there
        InstanceServer first;
        QVERIFY(first.listen(name));
        InstanceServer second;
        QVERIFY(!second.listen(name));
        QSignalSpy arrived(&first, &InstanceServer::filesArrived);
        std::future<bool> result = handOverLater(name, {"/w/a.htm"}, 10000);
        QVERIFY(waitFor(result));
        QVERIFY(result.get());
        QCOMPARE(arrived.size(), 1);
    }

    // Bytes that are no request are refused, and the server goes on.
    void strayBytesAreRefused() {
        TestFolder runtime;
        const QString name = instanceServerName(runtime.path());
        InstanceServer server;
        QVERIFY(server.listen(name));
        QSignalSpy arrived(&server, &InstanceServer::filesArrived);
        QLocalSocket stray;
        stray.connectToServer(name);
        QVERIFY(stray.waitForConnected(5000));
        stray.write("GET / HTTP/1.0\r\n\r\n");
        stray.flush();
        QTRY_COMPARE_WITH_TIMEOUT(stray.state(), QLocalSocket::UnconnectedState, 10000);
        QCOMPARE(arrived.size(), 0);
        std::future<bool> result = handOverLater(name, {"/w/a.htm"}, 10000);
        QVERIFY(waitFor(result));
        QVERIFY(result.get());
        QCOMPARE(arrived.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestInstanceLink)
#include "test_instancelink.moc"
