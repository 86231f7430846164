// The Form Veda Guy and its Form Definition dialog, driven as the user would,
// with a recording host. The preview needs no engine here.

#include "fakegeneratorhost.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/form/ui/formentrydialog.h"
#include "generators/form/ui/formgenerator.h"
#include "generators/form/ui/formvedadialog.h"
#include "modal.h"
#include "testfolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

template <class T> T *child(QObject *parent, const char *name) {
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void typeInto(QDialog *d, const char *name, const QString &text) {
    child<QLineEdit>(d, name)->setText(text);
}

void clickOk(QDialog *d) {
    child<QPushButton>(d, "BitBtn1")->click();
}

const QString kFormLine = "<FORM METHOD=\"POST\" ACTION=\"mailto:me@example.org\" >";

} // namespace

class TestGenFormDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeGeneratorHost> host;
    std::unique_ptr<FormVedaDialog> dialog;
    QStringList submitted;

    QStringList shownRecords() {
        QStringList rows;
        auto *list = child<QListWidget>(dialog.get(), "FormItems");
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        return rows;
    }
    void trigger(const char *action) { child<QAction>(dialog.get(), action)->trigger(); }
    void addEmailField() {
        onModal([](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("Data Entry Definition"));
            QCOMPARE(child<QStackedWidget>(d, "Notebook")->currentIndex(), 2);
            QCOMPARE(child<QSpinBox>(d, "DELength")->value(), 20);
            typeInto(d, "DEVar", "email");
            typeInto(d, "DECaption", "E-mail:");
            clickOk(d);
        });
        child<QToolButton>(dialog.get(), "DEButton")->click();
    }

private slots:
    void init() {
        host = std::make_unique<FakeGeneratorHost>();
        submitted.clear();
        dialog = std::make_unique<FormVedaDialog>(
            *host, [this](const QString &action, const QString &method, const QStringList &r) {
                submitted << action << method << r;
            });
        child<QLineEdit>(dialog.get(), "MailToText")->setText("me@example.org");
    }
    void cleanup() {
        QCOMPARE(host->user.unexpected(), 0);
        dialog.reset();
        host.reset();
    }

    void defaults() {
        QCOMPARE(dialog->objectName(), QString("TFormVedaForm"));
        QCOMPARE(dialog->windowTitle(), QString("Form Veda Guy"));
        QCOMPARE(child<QLineEdit>(dialog.get(), "SubmitText")->text(), QString("Submit Form"));
        QCOMPARE(child<QLineEdit>(dialog.get(), "ResetText")->text(), QString("Reset Form"));
        QVERIFY(!child<QCheckBox>(dialog.get(), "PreformatText")->isChecked());
        QVERIFY(!child<QCheckBox>(dialog.get(), "UseTable")->isChecked());
        QCOMPARE(child<QToolButton>(dialog.get(), "LBButton")->toolTip(), QString("Add Listbox"));
        QCOMPARE(child<QAction>(dialog.get(), "CopyFormToClipboard")->shortcut(),
                 QKeySequence("Ctrl+C"));
        QCOMPARE(dialog->entryDialog()->objectName(), QString("TFormEntry"));
        QCOMPARE(dialog->preview()->objectName(), QString("HTMLViewer1"));
        QVERIFY(!dialog->preview()->viewImages());

        // Save and Copy are offered only when there is a field.
        QMenu *file = nullptr;
        for (QMenu *menu : dialog->findChildren<QMenu *>())
            if (menu->title() == "&File")
                file = menu;
        QVERIFY(file);
        emit file->aboutToShow();
        QVERIFY(!child<QAction>(dialog.get(), "SaveFormDefinition")->isEnabled());
        QVERIFY(!child<QAction>(dialog.get(), "CopyFormToClipboard")->isEnabled());
        addEmailField();
        emit file->aboutToShow();
        QVERIFY(child<QAction>(dialog.get(), "SaveFormDefinition")->isEnabled());
        QVERIFY(child<QAction>(dialog.get(), "CopyFormToClipboard")->isEnabled());
    }

    // Two fields added with nothing selected: the second goes on top. Then
    // the table format, and "Insert and return" hands over the exact lines.
    void addFieldsAndInsert() {
        addEmailField();
        onModal([](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("List Box Definition"));
            typeInto(d, "LBVar", "colour");
            typeInto(d, "LBCaption", "Colour:");
            child<QCheckBox>(d, "LBSorted")->setChecked(true);
            for (const char *entry : {"Red", "Blue"}) {
                typeInto(d, "LBEntry", entry);
                child<QPushButton>(d, "AddItem")->click();
            }
            auto *items = child<QListWidget>(d, "LBItems");
            QCOMPARE(items->count(), 2);
            QCOMPARE(items->item(0)->text(), QString("Blue"));
            QVERIFY(child<QLineEdit>(d, "LBEntry")->text().isEmpty());
            child<QSpinBox>(d, "LBVisible")->setValue(2);
            clickOk(d);
        });
        child<QAction>(dialog.get(), "AddListBox1")->trigger();
        QCOMPARE(shownRecords(),
                 QStringList({"LB|colour|Colour:|1|0|2|Blue|Red|", "DE|email|E-mail:|20|0"}));

        child<QCheckBox>(dialog.get(), "UseTable")->setChecked(true);
        QVERIFY(dialog->preview()->html().startsWith(kFormLine + "\r\n<TABLE >\r\n"));

        host->user.answerMessage(Msg::ResultNo);
        trigger("Insert");
        QCOMPARE(host->user.messageTexts(),
                 QStringList{"Would you like to save the Form Definition before proceeding?"});
        QCOMPARE(host->user.asked().at(0).kind, int(Msg::Confirmation));
        QCOMPARE(host->user.asked().at(0).buttons, int(Msg::Yes | Msg::No | Msg::Cancel));
        QCOMPARE(host->insertedLines.size(), 1);
        const QStringList expected{
            kFormLine,
            "<TABLE >",
            "<TR>",
            "<TD VALIGN=\"TOP\">",
            "Colour:</TD><TD VALIGN=\"TOP\">   <SELECT NAME=\"colour\" Size=2>",
            "<OPTION SELECTED>Blue",
            "<OPTION>Red",
            "</SELECT><BR>",
            "</TD></TR>",
            "<TR><TD VALIGN=\"TOP\">E-mail:</TD><TD VALIGN=\"TOP\">  <INPUT TYPE=\"text\" "
            "NAME=\"email\" SIZE=20><BR></TD></TR>",
            "<TR>",
            "<TD COLSPAN=\"2\">",
            "<P ALIGN=\"CENTER\">",
            "<INPUT TYPE=\"submit\" VALUE=\"Submit Form\">",
            "<INPUT TYPE=\"reset\" VALUE=\"Reset Form\">",
            "</P>",
            "</TD>",
            "</TR>",
            "</TABLE>",
            "</FORM>"};
        QCOMPARE(host->insertedLines.first(), expected);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        // The list stays for the next use.
        QCOMPARE(shownRecords().size(), 2);
    }

    void editingReplacesTheSelectedField() {
        addEmailField();
        addEmailField();
        auto *list = child<QListWidget>(dialog.get(), "FormItems");
        list->setCurrentRow(1);
        QCOMPARE(dialog->preview()->html(),
                 QString("E-mail:  <INPUT TYPE=\"text\" NAME=\"email\" SIZE=20><BR>"));
        onModal([](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("Data Entry Definition"));
            QCOMPARE(child<QLineEdit>(d, "DEVar")->text(), QString("email"));
            typeInto(d, "DEVar", "secret");
            child<QCheckBox>(d, "Password")->setChecked(true);
            child<QSpinBox>(d, "DELength")->setValue(8);
            clickOk(d);
        });
        trigger("EditSelected");
        QCOMPARE(shownRecords(), QStringList({"DE|email|E-mail:|20|0", "DE|secret|E-mail:|8|1"}));
        QCOMPARE(list->currentRow(), 1);

        // Adding after that starts with empty texts but keeps the length.
        onModal([](QDialog *d) {
            QVERIFY(child<QLineEdit>(d, "DEVar")->text().isEmpty());
            QVERIFY(!child<QCheckBox>(d, "Password")->isChecked());
            QCOMPARE(child<QSpinBox>(d, "DELength")->value(), 8);
        });
        trigger("AddEntryField1");
        QCOMPARE(shownRecords().size(), 2);

        child<QPushButton>(dialog.get(), "ItemUp")->click();
        QCOMPARE(shownRecords().first(), QString("DE|secret|E-mail:|8|1"));
        QCOMPARE(list->currentRow(), 0);
        child<QPushButton>(dialog.get(), "TrashCan")->click();
        QCOMPARE(shownRecords(), QStringList({"DE|email|E-mail:|20|0"}));
        QVERIFY(dialog->preview()->html().startsWith(kFormLine));
    }

    void checkBoxNameWithBlankIsRefused() {
        onModal([](QDialog *d) {
            typeInto(d, "CBVar", "my box");
            clickOk(d);
        });
        child<QToolButton>(dialog.get(), "CBButton")->click();
        QCOMPARE(host->user.messageTexts(), QStringList{"No spaces allowed in variable name!"});
        QCOMPARE(host->user.asked().at(0).kind, int(Msg::Information));
        QVERIFY(shownRecords().isEmpty());
    }

    void radioGroupOffersTheGroupNames() {
        for (const char *value : {"S", "L"}) {
            onModal([value](QDialog *d) {
                child<QComboBox>(d, "RGVar")->setEditText("size");
                typeInto(d, "RGValue", value);
                clickOk(d);
            });
            child<QToolButton>(dialog.get(), "RGButton")->click();
        }
        onModal([](QDialog *d) {
            auto *names = child<QComboBox>(d, "RGVar");
            QCOMPARE(names->count(), 2);
            QCOMPARE(names->itemText(1), QString("size"));
            QCOMPARE(names->currentText(), QString("size"));
        });
        child<QToolButton>(dialog.get(), "RGButton")->click();
    }

    void removeAllAsksFirst() {
        addEmailField();
        host->user.answerMessage(Msg::ResultNo);
        trigger("ClearForm");
        QCOMPARE(shownRecords().size(), 1);
        host->user.answerMessage(Msg::ResultYes);
        trigger("ClearForm");
        QVERIFY(shownRecords().isEmpty());
        QCOMPARE(host->user.messageTexts().last(), QString("Delete all the fields in this form?"));
        QCOMPARE(host->user.asked().last().kind, int(Msg::Warning));
    }

    void emptyFormInsertsNothing() {
        host->user.answerMessage(Msg::ResultNo);
        trigger("Insert");
        QVERIFY(host->insertedLines.isEmpty());
        QGuiApplication::clipboard()->setText("before");
        trigger("CopyFormToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
    }

    void copyPutsTheFormOnTheClipboard() {
        addEmailField();
        trigger("CopyFormToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 dialog->form().formLines().join("\r\n") + "\r\n");
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(kFormLine + "\r\nE-mail:"));
    }

    void saveAndOpen() {
        TestFolder folder;
        addEmailField();
        host->user.answerFile(folder.file("order.frm"));
        trigger("SaveFormDefinition");
        QCOMPARE(TestFolder::read(folder.file("order.frm")),
                 QByteArray("DE|email|E-mail:|20|0\r\n"));

        folder.write("other.frm", "HD|a|1\nXX|b\n");
        host->user.answerFile(folder.file("other.frm"));
        trigger("LoadFormDefinition1");
        QCOMPARE(shownRecords(), QStringList({"HD|a|1", "XX|b"}));
        QVERIFY(
            dialog->preview()->html().contains("<INPUT TYPE=\"HIDDEN\" NAME=\"a\" VALUE=\"1\">"));
        // The opened file becomes the save dialog's name.
        host->user.answerFile(QString());
        trigger("SaveFormDefinition");
        QCOMPARE(host->user.asked().last().preset, "|" + folder.file("other.frm"));
        QCOMPARE(host->user.asked().last().text, QString("Form Definition Files|*.frm"));
    }

    // Leaving with "Yes" when the definition cannot be written: the user is
    // told, stays in the dialog and nothing is inserted.
    void failedSaveKeepsTheUserHere() {
        addEmailField();
        dialog->setResult(-1);
        host->user.answerMessage(Msg::ResultYes);
        host->user.answerFile("/nonexistent-folder/x.frm");
        trigger("Insert");
        QCOMPARE(host->user.messageTexts().size(), 2);
        QVERIFY(host->user.messageTexts().at(1).contains("/nonexistent-folder/x.frm"));
        QVERIFY(host->insertedLines.isEmpty());
        QCOMPARE(dialog->result(), -1);

        // Cancelling the file dialog after "Yes" goes on.
        host->user.answerMessage(Msg::ResultYes);
        host->user.answerFile(QString());
        trigger("ExitForms");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(host->insertedLines.isEmpty());
        QCOMPARE(shownRecords().size(), 1);
    }

    // The program's entry: the dialog is kept with the window that parents
    // it, so a second use finds the fields of the first.
    void keptBetweenUses() {
        struct WindowHost : FakeGeneratorHost {
            QWidget window;
            QWidget *dialogParent() override { return &window; }
        } windowHost;
        onModal([](QDialog *d) {
            QCOMPARE(d->objectName(), QString("TFormVedaForm"));
            onModal([](QDialog *entry) {
                typeInto(entry, "HDVar", "from");
                clickOk(entry);
            });
            child<QToolButton>(d, "BitBtn3")->click();
            d->reject();
        });
        openFormGenerator(windowHost, {});
        int fields = -1;
        onModal([&fields](QDialog *d) {
            fields = child<QListWidget>(d, "FormItems")->count();
            d->reject();
        });
        openFormGenerator(windowHost, {});
        QCOMPARE(fields, 1);
        QCOMPARE(windowHost.window.findChildren<FormVedaDialog *>().size(), 1);
    }
};

QTEST_MAIN(TestGenFormDialog)
#include "test_gen_form_dialog.moc"
