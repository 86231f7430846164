#include "tags/head/ui/bodyform.h"
#include "app/userinteraction.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kMediaFilter =
    QStringLiteral("All Media Files|*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.avi;*.mov;*.mpg;*.mpeg;"
                   "*.mp3;*.wav;*.mid;*.midi|Pictures|*.gif;*.jpg;*.jpeg;*.png;*.bmp|All Files|*");

} // namespace

// Four lines in the text and link colours on the background colour (and
// picture, when one is chosen and can be shown).
class BodyPreview : public QWidget {
public:
    explicit BodyPreview(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("BodyPreview"));
        setMinimumSize(180, 110);
    }
    void show(const std::array<QColor, 5> &colors, const QString &picture) {
        m_colors = colors;
        if (picture != m_pictureName) {
            m_pictureName = picture;
            m_picture = picture.isEmpty() ? QPixmap() : QPixmap(picture);
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), m_colors[BodyForm::BackgroundItem]);
        if (!m_picture.isNull())
            p.drawTiledPixmap(rect(), m_picture);
        const char *const lines[] = {"Text", "Link", "Visited Link", "Active Link"};
        const int step = height() / 5;
        for (int i = 0; i < 4; ++i) {
            QFont f = font();
            f.setUnderline(i > 0);
            p.setFont(f);
            p.setPen(m_colors[size_t(i)]);
            p.drawText(QRect(8, step * i + step / 2, width() - 16, step), Qt::AlignVCenter,
                       QLatin1String(lines[i]));
        }
    }

private:
    std::array<QColor, 5> m_colors;
    QString m_pictureName;
    QPixmap m_picture;
};

BodyForm::BodyForm(UserInteraction &ui, const BodyMemory &preset, const QString &pageDir,
                   QWidget *parent)
    : QDialog(parent), m_ui(ui),
      m_pageDir(pageDir), m_colors{preset.text, preset.link, preset.vlink, preset.alink,
                                   preset.bgcolor},
      m_background(preset.background) {
    setObjectName(QStringLiteral("TBodyForm"));
    setWindowTitle(QStringLiteral("Body Settings"));
    setModal(true);

    // Which colour the bars edit.
    auto *itemsBox = new QGroupBox(this);
    auto *itemsLayout = new QVBoxLayout(itemsBox);
    m_items = new QButtonGroup(this);
    const char *const captions[] = {"Text Color", "Link Color", "Visited Link Color",
                                    "Active Link Color", "Background"};
    const char *const names[] = {"TextRB", "LinkRB", "VLinkRB", "ALinkRB", "BackgroundRB"};
    for (int i = 0; i < 5; ++i) {
        auto *radio = new QRadioButton(QLatin1String(captions[i]), itemsBox);
        radio->setObjectName(QLatin1String(names[i]));
        m_items->addButton(radio, i);
        itemsLayout->addWidget(radio);
    }
    m_items->button(TextItem)->setChecked(true);
    connect(m_items, &QButtonGroup::idClicked, this, &BodyForm::chooseItem);

    // The red, green and blue bars, each with its value in hexadecimal.
    auto *bars = new QGridLayout;
    const char *const barCaptions[] = {"Red", "Green", "Blue"};
    const char *const barNames[] = {"RedBar", "GreenBar", "BlueBar"};
    for (int i = 0; i < 3; ++i) {
        auto *bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QLatin1String(barNames[i]));
        bar->setRange(0, 255);
        bar->setPageStep(16);
        bar->setMinimumWidth(160);
        m_bars[size_t(i)] = bar;
        auto *value = new QLabel(this);
        value->setObjectName(QLatin1String(barNames[i]) + QStringLiteral("Value"));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("WWW")));
        m_barValues[size_t(i)] = value;
        bars->addWidget(new QLabel(QLatin1String(barCaptions[i]), this), i, 0);
        bars->addWidget(bar, i, 1);
        bars->addWidget(value, i, 2);
        connect(bar, &QScrollBar::valueChanged, this, &BodyForm::barsMoved);
    }
    auto *colorButton = new QPushButton(QStringLiteral("Color..."), this);
    colorButton->setObjectName(QStringLiteral("ColorBtn"));
    colorButton->setToolTip(QStringLiteral("Choose the colour in the colour dialog"));
    connect(colorButton, &QPushButton::clicked, this, &BodyForm::pickColor);
    bars->addWidget(colorButton, 3, 1, Qt::AlignLeft);

    m_preview = new BodyPreview(this);

    // Background picture and margins.
    auto *load = new QPushButton(QStringLiteral("Load Background"), this);
    load->setObjectName(QStringLiteral("LoadBackground"));
    connect(load, &QPushButton::clicked, this, &BodyForm::loadBackground);
    auto *clear = new QPushButton(QStringLiteral("Clear Background"), this);
    clear->setObjectName(QStringLiteral("ClearBackground"));
    connect(clear, &QPushButton::clicked, this, &BodyForm::clearBackground);
    m_backgroundName = new QLabel(this);
    m_backgroundName->setObjectName(QStringLiteral("BackgroundName"));
    m_fixed = new QCheckBox(QStringLiteral("Fixed Background"), this);
    m_fixed->setObjectName(QStringLiteral("FixedBackground"));
    m_fixed->setChecked(preset.fixedBackground);

    auto *margins = new QFormLayout;
    const char *const marginCaptions[] = {
        "Left Margin:", "Right Margin:", "Top Margin:", "Bottom Margin:"};
    const char *const marginNames[] = {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"};
    const int marginValues[] = {preset.leftMargin, preset.rightMargin, preset.topMargin,
                                preset.bottomMargin};
    for (int i = 0; i < 4; ++i) {
        auto *spin = new QSpinBox(this);
        spin->setObjectName(QLatin1String(marginNames[i]));
        spin->setRange(-1, 999);
        spin->setValue(qMax(-1, marginValues[i]));
        spin->setToolTip(QStringLiteral("-1: no margin given"));
        m_margins[size_t(i)] = spin;
        margins->addRow(QLatin1String(marginCaptions[i]), spin);
    }

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *colorsRow = new QHBoxLayout;
    colorsRow->addWidget(itemsBox);
    auto *barsColumn = new QVBoxLayout;
    barsColumn->addLayout(bars);
    barsColumn->addWidget(m_preview, 1);
    colorsRow->addLayout(barsColumn, 1);

    auto *backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(load);
    backgroundRow->addWidget(clear);
    backgroundRow->addWidget(m_backgroundName, 1);
    auto *lower = new QHBoxLayout;
    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->addLayout(backgroundRow);
    pictureColumn->addWidget(m_fixed);
    pictureColumn->addStretch(1);
    lower->addLayout(pictureColumn, 1);
    lower->addLayout(margins);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(colorsRow);
    layout->addLayout(lower);
    layout->addLayout(buttons);

    showBars();
    showBackgroundName();
}

BodyMemory BodyForm::settings() const {
    BodyMemory b;
    b.text = m_colors[TextItem];
    b.link = m_colors[LinkItem];
    b.vlink = m_colors[VisitedLinkItem];
    b.alink = m_colors[ActiveLinkItem];
    b.bgcolor = m_colors[BackgroundItem];
    b.background = m_background;
    b.fixedBackground = m_fixed->isChecked();
    b.leftMargin = m_margins[0]->value();
    b.rightMargin = m_margins[1]->value();
    b.topMargin = m_margins[2]->value();
    b.bottomMargin = m_margins[3]->value();
    return b;
}

void BodyForm::chooseItem(int item) {
    if (item < TextItem || item > BackgroundItem)
        return;
    m_item = Item(item);
    showBars();
}

// The bars show the chosen item's colour.
void BodyForm::showBars() {
    const QColor c = m_colors[m_item];
    const int values[] = {c.red(), c.green(), c.blue()};
    for (int i = 0; i < 3; ++i) {
        QSignalBlocker block(m_bars[size_t(i)]);
        m_bars[size_t(i)]->setValue(values[i]);
    }
    barsMoved();
}

// Moving a bar recolours the chosen item.
void BodyForm::barsMoved() {
    for (int i = 0; i < 3; ++i)
        m_barValues[size_t(i)]->setText(
            QStringLiteral("%1")
                .arg(m_bars[size_t(i)]->value(), 2, 16, QLatin1Char('0'))
                .toUpper());
    m_colors[m_item] = QColor(m_bars[0]->value(), m_bars[1]->value(), m_bars[2]->value());
    m_preview->show(m_colors, picturePath());
}

void BodyForm::pickColor() {
    QColor color(m_bars[0]->value(), m_bars[1]->value(), m_bars[2]->value());
    if (!m_ui.chooseColor(color))
        return;
    m_colors[m_item] = color;
    showBars();
}

void BodyForm::loadBackground() {
    FileRequest request;
    request.caption = QStringLiteral("Load Background");
    request.folder = m_pageDir;
    request.filter = kMediaFilter;
    const QString path = m_ui.openFile(request);
    if (path.isEmpty())
        return;
    m_background = path;
    showBackgroundName();
}

void BodyForm::clearBackground() {
    m_background.clear();
    showBackgroundName();
}

void BodyForm::showBackgroundName() {
    m_backgroundName->setText(m_background.isEmpty() ? QStringLiteral("(no background picture)")
                                                     : QFileInfo(m_background).fileName());
    m_backgroundName->setToolTip(m_background);
    m_preview->show(m_colors, picturePath());
}

QString BodyForm::picturePath() const {
    // A picture named without its folder lies beside the page.
    if (m_background.isEmpty() || !QFileInfo(m_background).isRelative() || m_pageDir.isEmpty())
        return m_background;
    return QDir(m_pageDir).filePath(m_background);
}
