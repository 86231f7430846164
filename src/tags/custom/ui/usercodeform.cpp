#include "tags/custom/ui/usercodeform.h"
#include "app/userinteraction.h"
#include "tags/custom/datafile.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

UserCodeForm::UserCodeForm(const QString &programDir, UserInteraction &ui, QWidget *parent)
    : QDialog(parent), m_programDir(programDir), m_ui(ui) {
    setObjectName(QStringLiteral("TUserCodeForm"));
    setWindowTitle(QStringLiteral("Definable Tags"));

    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    static const char *const pageNames[kTagMenus] = {"BlockTags", "TextTags", "UserTags"};
    static const char *const captions[kTagMenus] = {"Block Tags", "Text Attributes",
                                                    "Additional Tags"};
    for (int i = 0; i < kTagMenus; ++i) {
        auto *page = new QWidget;
        page->setObjectName(QLatin1String(pageNames[i]));
        auto *pageLayout = new QVBoxLayout(page);
        auto *edit = new QPlainTextEdit(page);
        edit->setObjectName(QLatin1String(pageNames[i]) + QStringLiteral("Memo"));
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        const DataFile::Lines read =
            DataFile::read(QDir(m_programDir).filePath(tagMenuFileName(i)));
        m_editable[i] = read.ok();
        if (read.ok()) {
            edit->setPlainText(read.lines.join(QLatin1Char('\n')));
        } else {
            edit->setEnabled(false);
            edit->setPlaceholderText(QStringLiteral("This file is too large to edit here."));
        }
        pageLayout->addWidget(edit);
        m_editors[i] = edit;
        m_pages->addTab(page, QLatin1String(captions[i]));
    }
    layout->addWidget(m_pages);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &UserCodeForm::saveAndClose);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &UserCodeForm::reject);
    buttons->addWidget(ok);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(520, 380);
}

void UserCodeForm::saveAndClose() {
    QStringList errors;
    for (int i = 0; i < kTagMenus; ++i) {
        if (!m_editable[i])
            continue;
        QString error;
        const QStringList lines = DataFile::splitLines(m_editors[i]->toPlainText());
        if (!DataFile::write(QDir(m_programDir).filePath(tagMenuFileName(i)), lines, &error))
            errors << error;
    }
    if (m_menusSaved)
        m_menusSaved();
    if (!errors.isEmpty()) {
        // The files that failed keep their old contents, and the dialog its text.
        m_ui.message(errors.join(QLatin1Char('\n')), Msg::Error, Msg::Ok);
        return;
    }
    accept();
}
