// The button and tag-menu files shipped in data/: each loads without a
// message, and every code turns into well-formed tags.

#include "tags/custom/buttonfile.h"
#include "tags/custom/datafile.h"
#include "tags/custom/tagmenufile.h"
#include "tags/tagtext.h"

#include <QtTest>

namespace {
QString dataFile(const QString &name) {
    return qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + QStringLiteral("/data/") + name;
}

// A tag text as inserted: starts with "<", ends with ">", no doubled brackets.
bool wellFormed(const QString &text) {
    return text.startsWith('<') && text.endsWith('>') && !text.contains("<<") &&
           !text.contains(">>");
}
} // namespace

class TestShippedData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("QUILMEAD_SOURCE_DIR"))
            QSKIP("QUILMEAD_SOURCE_DIR is not set (run through CTest)");
    }

    void buttonFiles_data() {
        QTest::addColumn<int>("page");
        for (int p = 0; p < kCustomPages; ++p)
            QTest::newRow(qPrintable(buttonFileName(p))) << p;
    }
    void buttonFiles() {
        QFETCH(int, page);
        const DataFile::Lines read = DataFile::read(dataFile(buttonFileName(page)));
        QCOMPARE(read.status, DataFile::Lines::Read);
        QCOMPARE(read.lines.size(), kButtonSlots);
        const ButtonLayout layout = layoutButtons(read.lines);
        QVERIFY(!layout.failed);
        for (const ButtonSlot &s : layout.buttons) {
            QVERIFY2(s.caption.size() <= 3, qPrintable(s.caption));
            if (!s.visible)
                continue;
            switch (s.action) {
            case ButtonSlot::Action::InsertUnEven: {
                const TagPair pair = unevenTags(s.hint);
                QVERIFY2(wellFormed(pair.opening) && wellFormed(pair.closing), qPrintable(s.hint));
                break;
            }
            case ButtonSlot::Action::InsertEven:
            case ButtonSlot::Action::DropDownAlign:
                QVERIFY2(!s.hint.contains('<'), qPrintable(s.hint)); // a bare tag name
                break;
            case ButtonSlot::Action::InsertAsIs:
                QVERIFY2(s.hint.startsWith('<') || s.hint.startsWith('&'), qPrintable(s.hint));
                break;
            default:
                QFAIL(qPrintable(s.caption + " does nothing"));
            }
        }
    }

    void menuFiles_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kTagMenus; ++i)
            QTest::newRow(qPrintable(tagMenuFileName(i))) << i;
    }
    void menuFiles() {
        QFETCH(int, index);
        const TagMenuEntries read = readTagMenu(dataFile(tagMenuFileName(index)));
        QVERIFY(read.ok);
        QVERIFY(read.entries.size() >= 5);
        for (const QString &entry : read.entries) {
            // Every entry has a description after " - ".
            QVERIFY2(entry.contains(" - "), qPrintable(entry));
            if (isUnevenSpec(entry)) {
                const TagPair pair = unevenTags(entry);
                QVERIFY2(wellFormed(pair.opening) && wellFormed(pair.closing), qPrintable(entry));
            } else {
                QVERIFY2(!firstWordTag(entry).contains('"'), qPrintable(entry));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "test_shippeddata.moc"
