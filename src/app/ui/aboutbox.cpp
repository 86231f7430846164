#include "app/ui/aboutbox.h"
#include "app/ui/glyphs.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Quilmead"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    // Wide enough that the window's title shows whole.
    panel->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 2 + 80);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(Glyphs::programIcon().pixmap(32, 32));
    auto *product = new QLabel(QStringLiteral("Quilmead"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    product->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version 2.6(32 Bit)"), panel);
    version->setObjectName(QStringLiteral("Version"));
    auto *texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    auto *row = new QHBoxLayout(panel);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(texts);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen),
      m_picture(Glyphs::splash()) {
    setObjectName(QStringLiteral("TSpash"));
    setFixedSize(m_picture.size());
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QWidget::close);
    timer->start(5000);
}

void SplashWindow::showNow() {
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}
