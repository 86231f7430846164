#include "app/ui/tipdialog.h"
#include "app/ui/glyphs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TipDialog::TipDialog(const TipBook &book, Mode mode, QWidget *parent)
    : QDialog(parent), m_book(book), m_mode(mode) {
    setObjectName(QStringLiteral("TTipForm"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    resize(415, 180);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);

    auto *bulb = new QLabel(panel);
    bulb->setObjectName(QStringLiteral("Bulb"));
    bulb->setPixmap(Glyphs::bulb(48));
    bulb->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    const TipText none = TipBook::unavailable();
    m_title = new QLabel(none.title, panel);
    m_title->setObjectName(QStringLiteral("TipTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_title->setFont(bold);
    m_text = new QLabel(none.text, panel);
    m_text->setObjectName(QStringLiteral("TipText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_title);
    texts->addWidget(m_text, 1);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(bulb);
    panelLayout->addLayout(texts, 1);

    m_check = new QCheckBox(mode == Mode::Tip ? QStringLiteral("Show Tips at Startup")
                                              : QStringLiteral("Show Helper on next entry"),
                            this);
    m_check->setObjectName(QStringLiteral("ShowTips"));
    m_check->setChecked(true);
    m_previous = new QPushButton(QStringLiteral("Previous Tip"), this);
    m_previous->setObjectName(QStringLiteral("PreviousTip"));
    m_next = new QPushButton(QStringLiteral("Next Tip"), this);
    m_next->setObjectName(QStringLiteral("NextTip"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(m_previous, &QPushButton::clicked, this, &TipDialog::showPrevious);
    connect(m_next, &QPushButton::clicked, this, &TipDialog::showNext);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(m_check);
    row->addStretch();
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(row);

    if (mode == Mode::Helper) {
        m_previous->hide();
        m_next->hide();
    }
    if (m_book.isEmpty()) {
        m_previous->setEnabled(false);
        m_next->setEnabled(false);
    }
}

void TipDialog::setChecked(bool on) {
    m_check->setChecked(on);
}
bool TipDialog::isChecked() const {
    return m_check->isChecked();
}
QString TipDialog::titleText() const {
    return m_title->text();
}
QString TipDialog::tipText() const {
    return m_text->text();
}

void TipDialog::setFixedTip(const TipText &tip) {
    m_opened = true;
    m_title->setText(tip.title);
    m_text->setText(tip.text);
}

void TipDialog::showPrevious() {
    display(TipBook::Move::Previous);
}
void TipDialog::showNext() {
    display(TipBook::Move::Next);
}

void TipDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        display(TipBook::Move::Open);
    }
}

void TipDialog::display(TipBook::Move how) {
    if (m_book.isEmpty())
        return; // the apology stays
    m_index = m_book.move(m_index, how, m_mode == Mode::Tip);
    const TipText tip = m_book.at(m_index);
    m_title->setText(tip.title);
    m_text->setText(tip.text);
}
