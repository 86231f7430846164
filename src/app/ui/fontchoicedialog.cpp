#include "app/ui/fontchoicedialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontChoiceDialog::FontChoiceDialog(const FontChoice &preset, QWidget *parent)
    : QDialog(parent), m_chosenColor(preset.color) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Font"));

    QFont font(preset.family.isEmpty() ? QFont().family() : preset.family);
    font.setPointSize(preset.pointSize > 0 ? preset.pointSize : 10);
    font.setBold(preset.bold);
    font.setItalic(preset.italic);
    font.setUnderline(preset.underline);
    font.setStrikeOut(preset.strikeOut);

    m_fonts = new QFontDialog(this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setCurrentFont(font);

    m_color = new QPushButton(this);
    m_color->setObjectName(QStringLiteral("ColorButton"));
    m_color->setMinimumWidth(80);
    connect(m_color, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(m_chosenColor, this);
        if (c.isValid()) {
            m_chosenColor = c;
            showColor();
        }
    });
    showColor();

    auto *colorRow = new QHBoxLayout;
    auto *colorLabel = new QLabel(QStringLiteral("&Color:"), this);
    colorLabel->setBuddy(m_color); // "&" marks the accelerator, shown underlined
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_color);
    colorRow->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    // Room for family names with their foundry ("C059 [UKWN]").
    setMinimumWidth(620);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void FontChoiceDialog::showColor() {
    QPixmap swatch(16, 16);
    swatch.fill(m_chosenColor);
    m_color->setIcon(QIcon(swatch));
    m_color->setText(m_chosenColor.name().toUpper());
}

FontChoice FontChoiceDialog::choice() const {
    const QFont f = m_fonts->currentFont();
    FontChoice c;
    c.family = f.family();
    c.pointSize = f.pointSize();
    c.bold = f.bold();
    c.italic = f.italic();
    c.underline = f.underline();
    c.strikeOut = f.strikeOut();
    c.color = m_chosenColor;
    return c;
}
