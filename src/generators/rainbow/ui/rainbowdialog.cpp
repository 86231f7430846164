#include "generators/rainbow/ui/rainbowdialog.h"

#include "app/userinteraction.h"
#include "editor/tledit.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/generatorhost.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

RainbowDialog::RainbowDialog(GeneratorHost &host, RainbowDice dice, QWidget *parent)
    : QDialog(parent), m_host(host), m_dice(std::move(dice)) {
    setObjectName(QStringLiteral("TRainbowForm"));
    setWindowTitle(QStringLiteral("Rainbowizer"));

    m_preview = new GeneratorPreview(this);
    m_preview->setObjectName(QStringLiteral("HTMLViewer1"));
    m_preview->setViewImages(true);
    m_preview->setMinimumSize(420, 150);

    m_generate = new RadioGroup(QStringLiteral("Generate:"),
                                {QStringLiteral("Standard"), QStringLiteral("Random")}, 1, this);
    m_generate->setObjectName(QStringLiteral("Generate"));
    m_generate->setItemIndex(0);
    m_useRandom = new QCheckBox(QStringLiteral("UseRandom"), this);
    m_useRandom->setObjectName(QStringLiteral("UseRandom"));
    m_color16 = new QCheckBox(QStringLiteral("16 Color Only"), this);
    m_color16->setObjectName(QStringLiteral("Color16"));
    m_color16->setEnabled(false);

    m_panelColor = new QFrame(this);
    m_panelColor->setObjectName(QStringLiteral("PanelColor"));
    m_panelColor->setFrameShape(QFrame::Panel);
    m_panelColor->setFrameShadow(QFrame::Sunken);
    m_panelColor->setFixedSize(48, 24);
    m_panelColor->setAutoFillBackground(true);
    auto *pick = new QToolButton(this);
    pick->setObjectName(QStringLiteral("SpeedButton1"));
    pick->setText(QStringLiteral("..."));
    pick->setToolTip(QStringLiteral("Select a color to use a a base"));
    pick->setStatusTip(pick->toolTip());

    auto *previewButton = new QPushButton(QStringLiteral("&Preview"), this);
    previewButton->setObjectName(QStringLiteral("Button1"));
    previewButton->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn3"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn4"));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancel->setAutoDefault(false);

    auto *boxes = new QVBoxLayout;
    boxes->addWidget(m_useRandom);
    boxes->addWidget(m_color16);
    boxes->addStretch();
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(m_panelColor);
    colorRow->addWidget(pick);
    auto *colorColumn = new QVBoxLayout;
    colorColumn->addLayout(colorRow);
    colorColumn->addWidget(previewButton);
    colorColumn->addStretch();
    auto *controls = new QHBoxLayout;
    controls->addWidget(m_generate);
    controls->addLayout(boxes);
    controls->addStretch();
    controls->addLayout(colorColumn);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(controls);
    layout->addLayout(buttons);

    connect(m_generate, &RadioGroup::changed, this, &RainbowDialog::createRainbow);
    connect(m_useRandom, &QCheckBox::toggled, this, [this](bool on) {
        m_color16->setEnabled(on);
        createRainbow();
    });
    connect(m_color16, &QCheckBox::toggled, this, &RainbowDialog::createRainbow);
    connect(pick, &QToolButton::clicked, this, &RainbowDialog::chooseBaseColor);
    connect(previewButton, &QPushButton::clicked, this, &RainbowDialog::createRainbow);
    connect(ok, &QPushButton::clicked, this, &RainbowDialog::replaceSelection);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    showBaseColor();
    createRainbow();
}

void RainbowDialog::readControls() {
    m_choices.step = m_generate->itemIndex() == 1 ? RainbowStep::Random : RainbowStep::Standard;
    m_choices.useRandom = m_useRandom->isChecked();
    m_choices.only16 = m_color16->isChecked();
}

void RainbowDialog::createRainbow() {
    readControls();
    TLEdit *editor = m_host.documentEditor();
    const QString selection = editor ? editor->getSelText() : QString();
    m_text = ::rainbowText(selection, m_choices, m_dice);
    m_preview->showHtml(m_text, m_host.documentFolder());
}

void RainbowDialog::chooseBaseColor() {
    QColor color = m_choices.base;
    if (!m_host.ui().chooseColor(color) || !color.isValid())
        return;
    m_choices.base = color;
    showBaseColor();
    createRainbow();
}

void RainbowDialog::showBaseColor() {
    QPalette palette = m_panelColor->palette();
    palette.setColor(QPalette::Window, m_choices.base);
    m_panelColor->setPalette(palette);
}

void RainbowDialog::replaceSelection() {
    TLEdit *editor = m_host.documentEditor();
    if (editor && !m_text.isEmpty())
        editor->replaceSel(m_text);
    accept();
}
