#include "documents/ui/printform.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PrintForm::PrintForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPrintForm"));
    setWindowTitle(QStringLiteral("Print"));

    auto *group = new QGroupBox(QStringLiteral("Print:"), this);
    group->setObjectName(QStringLiteral("PrintGroup"));
    auto *groupLayout = new QVBoxLayout(group);
    const char *captions[] = {"Graphic View", "Text View", "Both Views"};
    for (int i = 0; i < 3; ++i) {
        m_options[i] = new QRadioButton(QString::fromLatin1(captions[i]), group);
        groupLayout->addWidget(m_options[i]);
    }
    m_options[GraphicView]->setChecked(true);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("PrintBtn"));
    print->setDefault(true);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

PrintForm::Choice PrintForm::choice() const {
    for (int i = 0; i < 3; ++i) {
        if (m_options[i]->isChecked())
            return Choice(i);
    }
    return GraphicView;
}

void PrintForm::setChoice(Choice choice) {
    m_options[choice]->setChecked(true);
}
