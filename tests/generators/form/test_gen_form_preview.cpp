// A form submitted in the Form Veda Guy's preview reaches the submit handler
// (the program's "Submit Results" window). Runs on the real browser engine,
// linked into the test.

#include "fakegeneratorhost.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/form/ui/formvedadialog.h"
#include "testfolder.h"
#include "viewertesting.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ViewerTesting;

class TestGenFormPreview : public QObject {
    Q_OBJECT
private slots:
    void submittingThePreviewedForm() {
        TestFolder folder;
        folder.write("order.frm", "CB|agree|yes|I agree|1\r\n"
                                  "DE|email|E-mail:|20|0\r\n"
                                  "LB|colour|Colour:|1|0|1|Blue|Red|\r\n"
                                  "RG|size|S|Small|0\r\nRG|size|L|Large|1\r\n"
                                  "HD|from|web\r\n");
        FakeGeneratorHost host;
        host.folder = folder.path();
        QStringList submitted;
        FormVedaDialog dialog(
            host, [&](const QString &action, const QString &method, const QStringList &results) {
                submitted << action << method << results;
            });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        host.user.answerFile(folder.file("order.frm"));
        bool ok = false;
        dialog.findChild<QLineEdit *>("MailToText")->setText("me@example.org");
        QVERIFY(loadAndWait(
            *dialog.preview(),
            [&] { dialog.findChild<QAction *>("LoadFormDefinition1")->trigger(); }, &ok));
        QVERIFY(ok);
        runScript(*dialog.preview(), "document.getElementsByName('email')[0].value = 'a@b.c';"
                                     "document.querySelector('input[type=submit]').click()");
        QTRY_VERIFY_WITH_TIMEOUT(!submitted.isEmpty(), 10000);
        QCOMPARE(submitted, QStringList({"mailto:me@example.org", "POST", "agree=yes",
                                         "email=a@b.c", "colour=Blue", "size=L", "from=web"}));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    useLinkedEngine();
    TestGenFormPreview test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_gen_form_preview.moc"
