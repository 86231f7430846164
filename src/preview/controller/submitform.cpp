#include "preview/controller/submitform.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SubmitForm::SubmitForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSubmitForm"));
    setWindowTitle(QStringLiteral("Submit Results"));
    setModal(false);
    resize(427, 273);

    m_action = new QLineEdit(this);
    m_action->setObjectName(QStringLiteral("Action"));
    m_action->setReadOnly(true);
    m_method = new QLineEdit(this);
    m_method->setObjectName(QStringLiteral("Method"));
    m_method->setReadOnly(true);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Action:"), m_action);
    fields->addRow(QStringLiteral("Method:"), m_method);

    auto *box = new QGroupBox(QStringLiteral("Results"), this);
    m_results = new QListWidget(box);
    m_results->setObjectName(QStringLiteral("Results"));
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_results);

    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    m_close->setDefault(true);
    m_close->setAutoDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(box, 1);
    layout->addLayout(buttons);
}

void SubmitForm::showResults(const QString &action, const QString &method,
                             const QStringList &results) {
    m_action->setText(action);
    m_method->setText(method);
    m_results->clear();
    m_results->addItems(results);
    show();
    raise();
    activateWindow();
    m_close->setFocus();
}

QString SubmitForm::action() const {
    return m_action->text();
}

QString SubmitForm::method() const {
    return m_method->text();
}

QStringList SubmitForm::results() const {
    QStringList lines;
    for (int i = 0; i < m_results->count(); ++i)
        lines << m_results->item(i)->text();
    return lines;
}
