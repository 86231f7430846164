#include "tags/head/ui/safesurfform.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

SafeSurfForm::SafeSurfForm(const SafeSurf::Rating &preset, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSafeSurfForm"));
    setWindowTitle(QStringLiteral("SafeSurf Rating"));
    setModal(true);

    m_question = new QLabel(this);
    m_question->setObjectName(QStringLiteral("QuestionLabel"));
    QFont bold = m_question->font();
    bold.setBold(true);
    m_question->setFont(bold);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Notebook1"));
    for (int c = 0; c < SafeSurf::kCategories; ++c) {
        auto *page = new QWidget(m_pages);
        page->setObjectName(QStringLiteral("Question%1").arg(c + 1));
        auto *text = new QLabel(SafeSurf::categoryQuestion(c), page);
        text->setWordWrap(true);
        auto *levels = new QListWidget(page);
        levels->setObjectName(QStringLiteral("Levels%1").arg(c + 1));
        levels->addItems(SafeSurf::levelTexts(c));
        const int level = preset.levels[size_t(c)];
        levels->setCurrentRow(level >= 0 && level < SafeSurf::kLevels ? level : 0);
        m_levels[size_t(c)] = levels;
        auto *column = new QVBoxLayout(page);
        column->addWidget(text);
        column->addWidget(levels, 1);
        m_pages->addWidget(page);
    }
    auto *last = new QWidget(m_pages);
    last->setObjectName(QStringLiteral("Question%1").arg(kPages));
    m_siteUrl = new QLineEdit(preset.siteUrl, last);
    m_siteUrl->setObjectName(QStringLiteral("WebsiteURL"));
    m_wholeSite =
        new QCheckBox(QStringLiteral("These ratings hold true for all pages in this site."), last);
    m_wholeSite->setObjectName(QStringLiteral("WholeSite"));
    m_wholeSite->setChecked(preset.wholeSite);
    auto *form = new QFormLayout(last);
    form->addRow(QStringLiteral("Website URL:"), m_siteUrl);
    form->addRow(m_wholeSite);
    m_pages->addWidget(last);

    m_prev = new QPushButton(QStringLiteral("Prev"), this);
    m_prev->setObjectName(QStringLiteral("PrevBtn"));
    connect(m_prev, &QPushButton::clicked, this, [this] { setPage(page() - 1); });
    m_next = new QPushButton(QStringLiteral("Next"), this);
    m_next->setObjectName(QStringLiteral("NextBtn"));
    connect(m_next, &QPushButton::clicked, this, [this] { setPage(page() + 1); });
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_prev);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_question);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    resize(520, 340);
    setPage(1);
}

int SafeSurfForm::page() const {
    return m_pages->currentIndex() + 1;
}

void SafeSurfForm::setPage(int page) {
    page = qBound(1, page, kPages);
    m_pages->setCurrentIndex(page - 1);
    m_question->setText(QStringLiteral("Question %1 of %2").arg(page).arg(kPages));
    m_prev->setEnabled(page > 1);
    m_next->setEnabled(page < kPages);
}

SafeSurf::Rating SafeSurfForm::rating() const {
    SafeSurf::Rating r;
    for (int c = 0; c < SafeSurf::kCategories; ++c)
        r.levels[size_t(c)] = qMax(0, m_levels[size_t(c)]->currentRow());
    r.siteUrl = m_siteUrl->text();
    r.wholeSite = m_wholeSite->isChecked();
    return r;
}
