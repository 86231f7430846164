// The Calendar Veda Guy driven as the user would, with a recording host. The
// preview needs no engine here.

#include "fakegeneratorhost.h"
#include "generators/calendar/ui/calendardialog.h"
#include "generators/common/ui/generatorpreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {

template <class T> T *child(QObject *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

} // namespace

class TestGenCalendarDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startsOnTodaysMonthWithTheDefaults() {
        FakeGeneratorHost host;
        CalendarDialog dialog(host, QDate(2015, 2, 17));
        QCOMPARE(dialog.objectName(), QString("TCalendarForm"));
        QCOMPARE(dialog.windowTitle(), QString("Calendar Veda Guy"));
        QCOMPARE(child<QLabel>(&dialog, "MonthLabel")->text(), QString("February"));
        QCOMPARE(child<QSpinBox>(&dialog, "YearSpinner")->value(), 2015);
        QCOMPARE(child<QComboBox>(&dialog, "ComboBox1")->currentText(), QString("Sunday"));
        QCOMPARE(child<QComboBox>(&dialog, "tblalign")->currentText(), QString("none"));
        QVERIFY(child<QCheckBox>(&dialog, "ShowBorder")->isChecked());
        QVERIFY(!child<QCheckBox>(&dialog, "UseLinks")->isChecked());
        // The preview shows the calendar from the start.
        QVERIFY(dialog.preview()->html().startsWith("<TABLE BORDER >\r\n"));
        QVERIFY(dialog.preview()->html().contains("    February 2015\r\n"));
        QVERIFY(!dialog.preview()->viewImages());

        child<QPushButton>(&dialog, "BitBtn2")->click();
        QVERIFY(host.insertedLines.isEmpty());
    }

    // Every control reaches the lines; OK inserts exactly what the preview
    // showed.
    void everyChangeRebuildsAndOkInserts() {
        FakeGeneratorHost host;
        CalendarDialog dialog(host, QDate(1997, 12, 31));
        child<QToolButton>(&dialog, "AheadMonth")->click();
        QCOMPARE(child<QLabel>(&dialog, "MonthLabel")->text(), QString("January"));
        QCOMPARE(child<QSpinBox>(&dialog, "YearSpinner")->value(), 1998);
        QVERIFY(dialog.preview()->html().contains("    January 1998\r\n"));

        child<QCheckBox>(&dialog, "UseLinks")->setChecked(true);
        QVERIFY(dialog.preview()->html().contains("    <A HREF=\"#January_1998_5\">5</A>"));
        child<QComboBox>(&dialog, "ComboBox1")->setCurrentIndex(1);
        QVERIFY(dialog.preview()->html().contains("<TH width=\"14%\">\r\n    Mon\r\n"));
        child<QComboBox>(&dialog, "cellalign")->setCurrentIndex(3);
        child<QSpinBox>(&dialog, "cellheight")->setValue(30);
        child<QCheckBox>(&dialog, "ShowBorder")->setChecked(false);

        host.user.answerColor(QColor(255, 204, 0));
        child<QToolButton>(&dialog, "SpeedButton2")->click();
        QCOMPARE(child<QLineEdit>(&dialog, "TableColor")->text(), QString("FFCC00"));
        auto *text = child<QLineEdit>(&dialog, "TextColor");
        text->setText("000080");
        emit text->editingFinished();

        const CalendarOptions &o = dialog.model().options;
        QCOMPARE(o.month, 1);
        QCOMPARE(o.year, 1998);
        QCOMPARE(o.firstDay, 1);
        QCOMPARE(o.cellAlign, 3);
        QCOMPARE(o.rowHeight, 30);
        QVERIFY(o.links);
        QVERIFY(!o.border);
        const QStringList lines = dialog.model().lines();
        QCOMPARE(lines.mid(0, 3),
                 QStringList({"<A NAME=\"TOP_OF_CALENDAR\"></A>", "<FONT COLOR=\"#000080\">",
                              "<TABLE  BGCOLOR=\"#FFCC00\">"}));
        QVERIFY(lines.contains("    <TH width=\"14%\" height=\"30\" ALIGN=\"right\">"));
        QCOMPARE(dialog.preview()->html(), lines.join("\r\n"));

        child<QPushButton>(&dialog, "BitBtn1")->click();
        QCOMPARE(host.insertedLines.size(), 1);
        QCOMPARE(host.insertedLines.first(), lines);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(host.user.unexpected(), 0);
    }

    void yearSpinnerAndMonthButtons() {
        FakeGeneratorHost host;
        CalendarDialog dialog(host, QDate(2000, 1, 1));
        child<QToolButton>(&dialog, "BackMonth")->click();
        QCOMPARE(child<QLabel>(&dialog, "MonthLabel")->text(), QString("December"));
        QCOMPARE(child<QSpinBox>(&dialog, "YearSpinner")->value(), 1999);
        child<QSpinBox>(&dialog, "YearSpinner")->setValue(2004);
        QCOMPARE(dialog.model().options.year, 2004);
        QVERIFY(dialog.preview()->html().contains("    December 2004\r\n"));
    }
};

QTEST_MAIN(TestGenCalendarDialog)
#include "test_gen_calendar_dialog.moc"
