#pragma once

#include "projects/pageops/newpage.h"

#include <QComboBox>
#include <QDialog>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UserInteraction;

// A drop-down list that asks for its items afresh each time it drops down.
class RefreshingComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void setSource(std::function<QStringList()> source) { m_source = std::move(source); }
    // Fills the list from its source, keeping the chosen item when it is
    // still there.
    void refill();
    void showPopup() override;

private:
    std::function<QStringList()> m_source;
};

// "Create Page": the new page's file name and extension, its description,
// its style and, for "Use Template", the template. It only collects them;
// the page is made from request() once the dialog is accepted. "OK" refuses
// a description holding a dash (the entry could not hold it) and keeps the
// dialog open; every other check comes after the dialog has closed.
class CrtPageForm : public QDialog {
    Q_OBJECT
public:
    // `extensions`: the document extensions, the first one chosen;
    // `templates`: the template names, asked for each time the list drops
    // down.
    CrtPageForm(UserInteraction &ui, const QStringList &extensions,
                std::function<QStringList()> templates, QWidget *parent = nullptr);

    NewPageRequest request() const;
    // What "OK" (BitBtn1) does.
    void okClicked();

private:
    void styleChosen();

    UserInteraction &m_ui;
    QLineEdit *m_name = nullptr;
    QComboBox *m_extension = nullptr;
    QLineEdit *m_description = nullptr;
    QButtonGroup *m_style = nullptr;
    QLabel *m_templateLabel = nullptr;
    RefreshingComboBox *m_template = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
