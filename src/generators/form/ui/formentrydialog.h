#pragma once

#include <QDialog>

class FormEntry;
class UserInteraction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;

// "Form Definition": one page per kind of field. It shows the page that the
// FormEntry state names, filled from that state, and writes the controls back
// into it when it closes.
class FormEntryDialog : public QDialog {
    Q_OBJECT
public:
    FormEntryDialog(FormEntry &entry, QWidget *parent = nullptr);

    // Shows the page modally. True when OK made an acceptable record (the
    // state's recordLine()); a refused page has been explained to the user
    // through `ui`.
    bool run(UserInteraction &ui);

    QStackedWidget *notebook() const { return m_pages; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCheckBoxPage();
    void buildRadioGroupPage();
    void buildDataEntryPage();
    void buildListBoxPage();
    void buildTextAreaPage();
    void buildPageTextPage();
    void buildHiddenPage();
    void fill();
    void store();
    void showEntries();
    void addEntry();
    void removeEntry();
    void makeDefault(QPushButton *button);

    FormEntry &m_entry;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;

    QLineEdit *m_cbVar, *m_cbCaption, *m_cbValue;
    QCheckBox *m_cbChecked;
    QComboBox *m_rgVar;
    QLineEdit *m_rgCaption, *m_rgValue;
    QCheckBox *m_rgChecked;
    QLineEdit *m_deVar, *m_deCaption;
    QSpinBox *m_deLength;
    QCheckBox *m_password;
    QLineEdit *m_lbVar, *m_lbCaption, *m_lbEntry;
    QListWidget *m_lbItems;
    QPushButton *m_addItem, *m_delItem;
    QCheckBox *m_lbSorted, *m_lbMultiple;
    QSpinBox *m_lbVisible;
    QLineEdit *m_taVar, *m_taCaption;
    QSpinBox *m_taCols, *m_taRows;
    QLineEdit *m_ptCaption;
    QCheckBox *m_ptBold, *m_ptItalics, *m_ptUnderline, *m_ptPreformat;
    QSpinBox *m_ptFontSize;
    QLineEdit *m_hdVar, *m_hdValue;
};
