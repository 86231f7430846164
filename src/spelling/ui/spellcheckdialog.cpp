#include "spelling/ui/spellcheckdialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QStyle::StandardPixmap glyphOf(SpellCheckDialog::Choice choice) {
    using C = SpellCheckDialog::Choice;
    switch (choice) {
    case C::Replace:
        return QStyle::SP_DialogApplyButton;
    case C::SkipOnce:
        return QStyle::SP_ArrowRight;
    case C::SkipAlways:
        return QStyle::SP_MediaSeekForward;
    case C::Suggest:
        return QStyle::SP_FileDialogContentsView;
    case C::Add:
        return QStyle::SP_FileDialogNewFolder;
    case C::Close:
        return QStyle::SP_DialogCloseButton;
    }
    return QStyle::SP_CustomBase;
}

} // namespace

SpellCheckDialog::SpellCheckDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TLEditSpellDlg"));
    setWindowTitle(QStringLiteral("Spell Checker"));
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    dialogFont.setBold(true);
    setFont(dialogFont);

    m_notFound = new QLineEdit(this);
    m_notFound->setObjectName(QStringLiteral("NotFound"));
    m_notFound->setReadOnly(true);
    m_notFound->setFocusPolicy(Qt::NoFocus);
    m_replaceWith = new QLineEdit(this);
    m_replaceWith->setObjectName(QStringLiteral("ReplaceWith"));
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("Suggestions"));

    auto *notFoundLabel = new QLabel(QStringLiteral("Not found:"), this);
    auto *replaceLabel = new QLabel(QStringLiteral("Replace &With:"), this);
    replaceLabel->setBuddy(m_replaceWith);
    auto *suggestionsLabel = new QLabel(QStringLiteral("Sugg&estions:"), this);
    suggestionsLabel->setBuddy(m_suggestions);

    auto *fields = new QGridLayout;
    fields->addWidget(notFoundLabel, 0, 0);
    fields->addWidget(m_notFound, 0, 1);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(m_replaceWith, 1, 1);
    fields->addWidget(suggestionsLabel, 2, 0, 1, 2);
    fields->addWidget(m_suggestions, 3, 0, 1, 2);
    fields->setRowStretch(3, 1);

    auto *buttons = new QVBoxLayout;
    QPushButton *replace =
        button(QStringLiteral("&Replace"), QStringLiteral("ReplaceBtn"), Choice::Replace);
    buttons->addWidget(replace);
    buttons->addWidget(
        button(QStringLiteral("Skip &Once"), QStringLiteral("SkipOnceBtn"), Choice::SkipOnce));
    buttons->addWidget(button(QStringLiteral("Skip A&lways"), QStringLiteral("SkipAlwaysBtn"),
                              Choice::SkipAlways));
    buttons->addWidget(
        button(QStringLiteral("&Suggest"), QStringLiteral("SuggestBtn"), Choice::Suggest));
    buttons->addWidget(button(QStringLiteral("&Add"), QStringLiteral("AddBtn"), Choice::Add));
    buttons->addStretch(1);
    buttons->addWidget(button(QStringLiteral("Close"), QStringLiteral("CloseBtn"), Choice::Close));
    replace->setDefault(true);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    setShowGlyphs(true);
    resize(400, 250);

    // A suggestion picked goes into "Replace With"; a double click replaces.
    connect(m_suggestions, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_replaceWith->setText(text);
    });
    connect(m_suggestions, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        m_replaceWith->setText(item->text());
        emit chosen(Choice::Replace);
    });
}

QPushButton *SpellCheckDialog::button(const QString &caption, const QString &name, Choice choice) {
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setProperty("choice", int(choice));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, choice] { emit chosen(choice); });
    m_buttons << b;
    return b;
}

void SpellCheckDialog::setShowGlyphs(bool on) {
    for (QPushButton *b : m_buttons)
        b->setIcon(on ? style()->standardIcon(glyphOf(Choice(b->property("choice").toInt())))
                      : QIcon());
}

void SpellCheckDialog::showWord(const QString &word, const QStringList &suggestions) {
    m_notFound->setText(word);
    m_suggestions->blockSignals(true);
    m_suggestions->clear();
    m_suggestions->addItems(suggestions);
    m_suggestions->blockSignals(false);
    m_replaceWith->setText(suggestions.isEmpty() ? word : suggestions.first());
    if (!suggestions.isEmpty()) {
        m_suggestions->blockSignals(true);
        m_suggestions->setCurrentRow(0);
        m_suggestions->blockSignals(false);
    }
    m_replaceWith->setFocus();
    m_replaceWith->selectAll();
}

void SpellCheckDialog::setSuggestions(const QStringList &suggestions) {
    m_suggestions->blockSignals(true);
    m_suggestions->clear();
    m_suggestions->addItems(suggestions);
    m_suggestions->blockSignals(false);
}

QString SpellCheckDialog::word() const {
    return m_notFound->text();
}

QString SpellCheckDialog::replacement() const {
    return m_replaceWith->text();
}

QStringList SpellCheckDialog::suggestions() const {
    QStringList out;
    for (int i = 0; i < m_suggestions->count(); ++i)
        out << m_suggestions->item(i)->text();
    return out;
}

// Escape and the window's close button end the run as "Close" does.
void SpellCheckDialog::reject() {
    emit chosen(Choice::Close);
    QDialog::reject();
}
