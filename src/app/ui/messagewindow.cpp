#include "app/ui/messagewindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QStyle::StandardPixmap iconFor(Msg::Kind kind) {
    switch (kind) {
    case Msg::Warning:
        return QStyle::SP_MessageBoxWarning;
    case Msg::Error:
        return QStyle::SP_MessageBoxCritical;
    case Msg::Information:
        return QStyle::SP_MessageBoxInformation;
    case Msg::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    case Msg::Custom:
        break;
    }
    return QStyle::SP_CustomBase;
}

} // namespace

MessageWindow::MessageWindow(const QString &text, Msg::Kind kind, Msg::Buttons buttons,
                             const QString &applicationTitle, QWidget *parent)
    : QDialog(parent), m_buttons(buttons) {
    setObjectName(QStringLiteral("MessageDialog"));
    setWindowTitle(Msg::titleFor(kind, applicationTitle));
    setModal(true);

    auto *top = new QHBoxLayout;
    const QStyle::StandardPixmap icon = iconFor(kind);
    if (icon != QStyle::SP_CustomBase) {
        auto *iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("Image"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(size, size));
        iconLabel->setAlignment(Qt::AlignTop);
        top->addWidget(iconLabel);
    }
    auto *message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("Message"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message->setMinimumWidth(qMin(360, qMax(200, message->fontMetrics().horizontalAdvance(text))));
    top->addWidget(message, 1);

    auto *row = new QHBoxLayout;
    row->addStretch();
    const Msg::Button def = Msg::defaultButton(buttons);
    for (const Msg::ButtonInfo &info : Msg::buttonsFor(buttons)) {
        auto *b = new QPushButton(info.caption, this);
        b->setObjectName(QString(info.caption).remove(QLatin1Char('&')) + QStringLiteral("Button"));
        b->setProperty("msgButton", int(info.button));
        b->setAutoDefault(false);
        b->setDefault(info.button == def);
        connect(b, &QPushButton::clicked, this, [this, info] { press(info); });
        row->addWidget(b);
    }
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton *MessageWindow::button(Msg::Button which) const {
    for (QPushButton *b : findChildren<QPushButton *>())
        if (b->property("msgButton").toInt() == which)
            return b;
    return nullptr;
}

void MessageWindow::press(const Msg::ButtonInfo &info) {
    if (info.button == Msg::Help) {
        emit helpRequested();
        return;
    }
    m_result = info.result;
    done(info.result);
}

void MessageWindow::reject() {
    const Msg::Button esc = Msg::escapeButton(m_buttons);
    if (esc == 0)
        return;
    m_result = Msg::resultOf(esc);
    done(m_result);
}

void MessageWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}
