#include "editor/searchdialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

SearchDialog::SearchDialog(bool withReplace, QWidget *parent)
    : QDialog(parent), m_withReplace(withReplace) {
    setObjectName(withReplace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(withReplace ? tr("Replace") : tr("Find"));
    setModal(false);

    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("findText"));
    m_find->setMaxLength(kMaxTextLength);
    auto *fields = new QFormLayout;
    fields->addRow(tr("Fi&nd what:"), m_find);
    if (withReplace) {
        m_replace = new QLineEdit(this);
        m_replace->setObjectName(QStringLiteral("replaceText"));
        m_replace->setMaxLength(kMaxTextLength);
        fields->addRow(tr("Re&place with:"), m_replace);
    }

    m_matchCase = new QCheckBox(tr("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_wholeWord = new QCheckBox(tr("Match &whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("wholeWord"));
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);

    auto *direction = new QGroupBox(tr("Direction"), this);
    m_up = new QRadioButton(tr("&Up"), direction);
    m_up->setObjectName(QStringLiteral("directionUp"));
    m_down = new QRadioButton(tr("&Down"), direction);
    m_down->setObjectName(QStringLiteral("directionDown"));
    m_down->setChecked(true);
    auto *dirLayout = new QHBoxLayout(direction);
    dirLayout->addWidget(m_up);
    dirLayout->addWidget(m_down);
    // Replacing always runs forward; only the find dialog offers a direction.
    direction->setVisible(!withReplace);

    auto *options = new QHBoxLayout;
    options->addLayout(checks);
    options->addWidget(direction);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    m_findNext = new QPushButton(tr("&Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("findNextButton"));
    m_findNext->setDefault(true);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    if (withReplace) {
        m_replaceOne = new QPushButton(tr("&Replace"), this);
        m_replaceOne->setObjectName(QStringLiteral("replaceButton"));
        m_replaceAll = new QPushButton(tr("Replace &All"), this);
        m_replaceAll->setObjectName(QStringLiteral("replaceAllButton"));
        buttons->addWidget(m_replaceOne);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceOne, &QPushButton::clicked, this, &SearchDialog::replaceRequested);
        connect(m_replaceAll, &QPushButton::clicked, this, &SearchDialog::replaceAllRequested);
    }
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(buttons);

    connect(m_findNext, &QPushButton::clicked, this, &SearchDialog::findNextRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_find, &QLineEdit::textChanged, this, [this] {
        updateButtons();
        emit optionsChanged();
    });
    for (QCheckBox *box : {m_matchCase, m_wholeWord})
        connect(box, &QCheckBox::toggled, this, &SearchDialog::optionsChanged);
    connect(m_down, &QRadioButton::toggled, this, &SearchDialog::optionsChanged);
    if (m_replace)
        connect(m_replace, &QLineEdit::textChanged, this, &SearchDialog::optionsChanged);
    updateButtons();
}

void SearchDialog::setOptions(const SearchOptions &options) {
    const QSignalBlocker blockFind(m_find);
    m_find->setText(options.text.left(kMaxTextLength));
    m_find->selectAll();
    if (m_replace) {
        const QSignalBlocker blockReplace(m_replace);
        m_replace->setText(options.replacement.left(kMaxTextLength));
    }
    const QSignalBlocker blockCase(m_matchCase);
    const QSignalBlocker blockWord(m_wholeWord);
    const QSignalBlocker blockDown(m_down);
    const QSignalBlocker blockUp(m_up);
    m_matchCase->setChecked(options.matchCase);
    m_wholeWord->setChecked(options.wholeWord);
    (options.forward ? m_down : m_up)->setChecked(true);
    updateButtons();
}

SearchOptions SearchDialog::options() const {
    SearchOptions o;
    o.text = m_find->text();
    o.replacement = m_replace ? m_replace->text() : QString();
    o.matchCase = m_matchCase->isChecked();
    o.wholeWord = m_wholeWord->isChecked();
    o.forward = m_withReplace || m_down->isChecked();
    return o;
}

void SearchDialog::updateButtons() {
    const bool any = !m_find->text().isEmpty();
    m_findNext->setEnabled(any);
    if (m_replaceOne)
        m_replaceOne->setEnabled(any);
    if (m_replaceAll)
        m_replaceAll->setEnabled(any);
}

GoToLineDialog::GoToLineDialog(int currentLine, int lineCount, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GoToLineDialog"));
    setWindowTitle(tr("Go to Line"));
    m_line = new QSpinBox(this);
    m_line->setObjectName(QStringLiteral("lineNumber"));
    m_line->setRange(1, qMax(1, lineCount));
    m_line->setValue(qBound(1, currentLine, qMax(1, lineCount)));
    m_line->selectAll();
    auto *form = new QFormLayout;
    form->addRow(tr("&Line number (1 - %1):").arg(qMax(1, lineCount)), m_line);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
}

int GoToLineDialog::line() const {
    return m_line->value();
}
