#include "preview/htmlbase.h"

#include <QtTest>

class TestHtmlBase : public QObject {
    Q_OBJECT
private slots:
    void insertion_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        const QString base = QStringLiteral("<base href=\"file:///site/my%20pages/\">");
        QTest::newRow("no doctype: at the start") << "<p>x" << base + "<p>x";
        QTest::newRow("after the doctype") << "<!DOCTYPE html>\n<html>"
                                           << "<!DOCTYPE html>" + base + "\n<html>";
        QTest::newRow("doctype after comments and a byte order mark")
            << QString::fromUtf8("\xEF\xBB\xBF <!-- a --><!--b-->\n<!doctype HTML PUBLIC \"x\">x")
            << QString::fromUtf8("\xEF\xBB\xBF <!-- a --><!--b-->\n<!doctype HTML PUBLIC \"x\">") +
                   base + "x";
        QTest::newRow("doctype later in the text is not the document's")
            << "<p>a</p><!DOCTYPE html>" << base + "<p>a</p><!DOCTYPE html>";
        QTest::newRow("unclosed comment")
            << "<!-- <!DOCTYPE html>" << base + "<!-- <!DOCTYPE html>";
        QTest::newRow("own base kept") << "<HEAD><BASE TARGET=x HREF=\"http://a/\">"
                                       << "<HEAD><BASE TARGET=x HREF=\"http://a/\">";
        QTest::newRow("base without href is not a base address")
            << "<base target=\"_top\">" << base + "<base target=\"_top\">";
    }
    void insertion() {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QCOMPARE(HtmlBase::withBaseHref(html, QUrl::fromLocalFile("/site/my pages/")), expected);
    }

    void addressIsEscaped() {
        const QString out = HtmlBase::withBaseHref("x", QUrl::fromLocalFile("/a\"b&c/"));
        QVERIFY2(!out.contains(QLatin1String("\"b")), qPrintable(out));
        QVERIFY(out.endsWith(QLatin1String("\">x")));
    }
};

QTEST_APPLESS_MAIN(TestHtmlBase)
#include "test_htmlbase.moc"
