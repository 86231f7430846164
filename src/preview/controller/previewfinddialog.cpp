#include "preview/controller/previewfinddialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PreviewFindDialog::PreviewFindDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HTMLFindDialog"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);

    auto *label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    label->setBuddy(m_text);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("FindNextBtn"));
    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_findNext, 0, 2);
    grid->addWidget(m_matchCase, 1, 0, 1, 2);
    grid->addWidget(cancel, 1, 2);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_findNext->setEnabled(!t.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this,
            [this] { emit findNextRequested(m_text->text(), m_matchCase->isChecked()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString PreviewFindDialog::text() const {
    return m_text->text();
}

void PreviewFindDialog::setText(const QString &text) {
    m_text->setText(text);
}

bool PreviewFindDialog::matchCase() const {
    return m_matchCase->isChecked();
}

void PreviewFindDialog::setMatchCase(bool on) {
    m_matchCase->setChecked(on);
}
