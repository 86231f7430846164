// What the editor shows assistive technology (screen readers): a plain
// editable widget while none listens, so that no update of the view pays for
// counting the text up to the caret; the whole text once one listens.

#include "editor/tledit.h"

#include <QAccessible>
#include <QtTest>

class TestTLEditAccessibility : public QObject {
    Q_OBJECT
private slots:
    void fullTextOnceAssistiveTechnologyListens() {
        TLEdit editor;
        editor.setText(QString::fromUtf8("caf\xC3\xA9 au lait"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(&editor);
        QVERIFY(plain);
        QCOMPARE(plain->role(), QAccessible::EditableText);
        QCOMPARE(plain->object(), &editor);
        QVERIFY(!plain->textInterface());

        QAccessible::setActive(true);
        QAccessibleInterface *full = QAccessible::queryAccessibleInterface(&editor);
        QVERIFY(full);
        QVERIFY(full->textInterface());
        QCOMPARE(full->textInterface()->characterCount(), 12);
        QCOMPARE(full->textInterface()->text(0, 4), QString::fromUtf8("caf\xC3\xA9"));
        // An editor made while it listens has the whole text at once.
        TLEdit second;
        second.setText("two");
        QAccessibleInterface *secondFull = QAccessible::queryAccessibleInterface(&second);
        QVERIFY(secondFull && secondFull->textInterface());
        QCOMPARE(secondFull->textInterface()->characterCount(), 3);

        // Quiet again: editors made from now on are plain.
        QAccessible::setActive(false);
        TLEdit third;
        QVERIFY(!QAccessible::queryAccessibleInterface(&third)->textInterface());
    }
};

QTEST_MAIN(TestTLEditAccessibility)
#include "test_tledit_accessibility.moc"
