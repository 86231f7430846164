#include "tags/custom/ui/specialpage.h"
#include "tags/custom/ui/widgettext.h"

#include <QToolButton>

SpecialPage::SpecialPage(QWidget *page, std::function<void(const QString &)> insertText,
                         QObject *parent)
    : QObject(parent), m_page(page), m_insertText(std::move(insertText)) {}

void SpecialPage::createButtons() {
    if (!m_page || m_buttons[0])
        return;
    const QFont font(QStringLiteral("Arial"), 11);
    for (int i = 0; i < kSpecialButtons; ++i) {
        auto *b = new QToolButton(m_page);
        b->setObjectName(QStringLiteral("SpecialChar%1").arg(i + 1));
        b->setAutoRaise(true);
        b->setFont(font);
        b->setProperty("tag", i);
        b->setGeometry(25 * i, 0, 25, 25);
        b->hide();
        // Every button inserts its hint, whatever it shows.
        connect(b, &QToolButton::clicked, this, [this, i] {
            if (m_insertText && !m_hints[i].isEmpty())
                m_insertText(m_hints[i]);
        });
        m_buttons[i] = b;
    }
}

void SpecialPage::reassign(SpecialCharacterStore &store) {
    createButtons();
    if (!m_buttons[0])
        return;
    store.ensureSetup();
    for (int i = 0; i < kSpecialButtons; ++i) {
        const SpecialButton s = store.button(i + 1);
        QToolButton *b = m_buttons[i];
        m_hints[i] = s.visible ? s.hint : QString();
        b->setText(WidgetText::literalCaption(s.caption));
        WidgetText::setHint(b, m_hints[i], m_showHints);
        b->setVisible(s.visible);
    }
}

void SpecialPage::setShowHints(bool show) {
    m_showHints = show;
    for (int i = 0; i < kSpecialButtons; ++i) {
        if (m_buttons[i])
            WidgetText::setHint(m_buttons[i], m_hints[i], show);
    }
}
