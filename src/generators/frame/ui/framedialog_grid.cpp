// The start page of the frame dialog and the grid of panes: the scroll bars
// and the splitter bars follow each other.
#include "generators/common/ui/radiogroup.h"
#include "generators/frame/ui/framedialog.h"
#include "generators/frame/ui/framesplitter.h"
#include "preview/htmlviewer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QScrollBar *scrollBar(Qt::Orientation orientation, const QString &name, int minimum, int maximum,
                      int value, QWidget *parent) {
    auto *bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->setPageStep(5);
    if (orientation == Qt::Horizontal)
        bar->setMinimumWidth(110);
    else
        bar->setMinimumHeight(70);
    return bar;
}

QLabel *barLabel(const QString &name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    return label;
}

} // namespace

QWidget *FrameDialog::buildStartPage() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("start"));

    // The outer bars: vertical scroll bars, as the rows lie one above another.
    auto *heights = new QGroupBox(QStringLiteral("Rows"), page);
    auto *heightGrid = new QGridLayout(heights);
    const char *outerNames[2] = {"Row1Height", "Row2Height"};
    const char *outerLabelNames[2] = {"r1", "r2"};
    for (int b = 0; b < 2; ++b) {
        m_outerBars[b] = scrollBar(Qt::Vertical, QLatin1String(outerNames[b]), b == 0 ? 10 : 34,
                                   b == 0 ? 66 : 100, b == 0 ? 33 : 67, heights);
        m_outerLabels[b] = barLabel(QLatin1String(outerLabelNames[b]), heights);
        heightGrid->addWidget(m_outerBars[b], 0, b, Qt::AlignHCenter);
        heightGrid->addWidget(m_outerLabels[b], 1, b, Qt::AlignHCenter);
        connect(m_outerBars[b], &QScrollBar::valueChanged, this,
                [this, b](int value) { outerBarMoved(b + 1, value); });
    }

    auto *widths = new QGroupBox(QStringLiteral("Frames in each row"), page);
    auto *widthGrid = new QGridLayout(widths);
    const char *labelNames[3][2] = {{"r1c1", "r1c2"}, {"r2c1", "r2c2"}, {"r3c1", "r3c2"}};
    for (int row = 0; row < 3; ++row) {
        widthGrid->addWidget(new QLabel(QStringLiteral("Row %1:").arg(row + 1), widths), row, 0);
        for (int b = 0; b < 2; ++b) {
            m_rowBars[row][b] =
                scrollBar(Qt::Horizontal, QStringLiteral("Row%1Bar%2").arg(row + 1).arg(b + 1),
                          b == 0 ? 10 : 34, b == 0 ? 66 : 100, b == 0 ? 33 : 67, widths);
            m_rowLabels[row][b] = barLabel(QLatin1String(labelNames[row][b]), widths);
            widthGrid->addWidget(m_rowBars[row][b], row, 1 + 2 * b);
            widthGrid->addWidget(m_rowLabels[row][b], row, 2 + 2 * b);
            connect(m_rowBars[row][b], &QScrollBar::valueChanged, this,
                    [this, row, b](int value) { rowBarMoved(row, b + 1, value); });
        }
    }
    widthGrid->setColumnStretch(1, 1);
    widthGrid->setColumnStretch(3, 1);

    m_orientation =
        new RadioGroup(QStringLiteral("Orientation"),
                       {QStringLiteral("By Rows"), QStringLiteral("By Columns")}, 1, page);
    m_orientation->setObjectName(QStringLiteral("Orientation"));
    for (int i = 0; i < 2; ++i)
        m_orientation->button(i)->setObjectName(QStringLiteral("Orientation%1").arg(i));
    m_orientation->setItemIndex(0);
    connect(m_orientation, &RadioGroup::changed, this, &FrameDialog::orientationChosen);

    m_pageTitle = new QLineEdit(m_model.pageTitle, page);
    m_pageTitle->setObjectName(QStringLiteral("PageTitle"));
    connect(m_pageTitle, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_model.pageTitle = text; });
    m_noFrame = new QCheckBox(QStringLiteral("Include <NOFRAME> Tag?"), page);
    m_noFrame->setObjectName(QStringLiteral("NoFrame"));
    m_noFrame->setChecked(m_model.noFrames);
    connect(m_noFrame, &QCheckBox::toggled, this, [this](bool on) { m_model.noFrames = on; });

    auto *titleBox = new QVBoxLayout;
    auto *titleLabel = new QLabel(QStringLiteral("Page Title:"), page);
    titleLabel->setBuddy(m_pageTitle);
    titleBox->addWidget(m_orientation);
    titleBox->addWidget(titleLabel);
    titleBox->addWidget(m_pageTitle);
    titleBox->addWidget(m_noFrame);
    titleBox->addStretch();

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(heights);
    layout->addWidget(widths, 1);
    layout->addLayout(titleBox);
    return page;
}

QWidget *FrameDialog::buildGrid() {
    m_mainRows = new FrameSplitter(Qt::Vertical, QColor(Qt::red));
    m_mainRows->setObjectName(QStringLiteral("MainRows"));
    const char *paneNames[] = {"Cell1", "Cell2", "Cell3", "Cell4", "cell5",
                               "Cell6", "Cell7", "Cell8", "Cell9"};
    for (int row = 0; row < 3; ++row) {
        m_rows[row] = new FrameSplitter(Qt::Horizontal, QColor(Qt::blue), m_mainRows);
        m_rows[row]->setObjectName(QStringLiteral("Row%1").arg(row + 1));
        m_mainRows->addWidget(m_rows[row]);
        for (int column = 0; column < 3; ++column) {
            const int index = row * 3 + column;
            m_panes[index] = new HtmlViewer(m_rows[row]);
            m_panes[index]->setObjectName(QLatin1String(paneNames[index]));
            m_panes[index]->setMinimumSize(0, 0);
            m_rows[row]->addWidget(m_panes[index]);
        }
        connect(m_rows[row], &FrameSplitter::barDragged, this,
                [this, row](int bar, int percent) { barDragged(row + 1, bar, percent); });
    }
    connect(m_mainRows, &FrameSplitter::barDragged, this,
            [this](int bar, int percent) { barDragged(0, bar, percent); });
    return m_mainRows;
}

void FrameDialog::rowBarMoved(int row, int bar, int position) {
    if (m_suspended)
        return;
    SplitBars &bars = m_model.rows[static_cast<size_t>(row)];
    m_suspended = true;
    if (bar == 1) {
        bars.setBar1(position);
        m_rowBars[row][0]->setMaximum(qMax(bars.bar2, m_rowBars[row][0]->minimum()));
    } else {
        bars.setBar2(position);
        m_rowBars[row][1]->setMinimum(qMin(bars.bar1, m_rowBars[row][1]->maximum()));
    }
    m_suspended = false;
    showBars();
}

void FrameDialog::outerBarMoved(int bar, int position) {
    if (m_suspended)
        return;
    m_suspended = true;
    if (bar == 1) {
        m_model.outer.setBar1(position);
        m_outerBars[0]->setMaximum(qMax(m_model.outer.bar2, m_outerBars[0]->minimum()));
    } else {
        m_model.outer.setBar2(position);
        m_outerBars[1]->setMinimum(qMin(m_model.outer.bar1, m_outerBars[1]->maximum()));
    }
    m_suspended = false;
    showBars();
}

void FrameDialog::barDragged(int splitter, int bar, int percent) {
    if (m_suspended)
        return;
    m_model.dragBar(splitter, bar, percent);
    followBars();
    showBars();
}

void FrameDialog::orientationChosen(int index) {
    // The group follows the model when a settings file is opened.
    if (m_suspended)
        return;
    m_model.orientation = index == 1 ? FrameCreator::ByColumns : FrameCreator::ByRows;
    showOrientation();
}

void FrameDialog::showOrientation() {
    const bool byRows = m_model.orientation == FrameCreator::ByRows;
    m_mainRows->setOrientation(byRows ? Qt::Vertical : Qt::Horizontal);
    for (FrameSplitter *row : m_rows)
        row->setOrientation(byRows ? Qt::Horizontal : Qt::Vertical);
    showBars();
}

// The splitters, the panes and the labels show the model's bars.
void FrameDialog::showBars() {
    m_suspended = true;
    for (int row = 0; row < 3; ++row) {
        const SplitBars &bars = m_model.rows[static_cast<size_t>(row)];
        m_rows[row]->setVisible(m_model.rowShown(row + 1));
        for (int column = 0; column < 3; ++column) {
            const int frame = row * 3 + column + 1;
            m_panes[frame - 1]->setVisible(m_model.paneShown(frame));
        }
        m_rows[row]->setBars(bars.bar1, bars.bar2);
        m_rowLabels[row][0]->setText(QStringLiteral("%1%").arg(bars.bar1));
        m_rowLabels[row][1]->setText(QStringLiteral("%1%").arg(bars.bar2));
    }
    m_mainRows->setBars(m_model.outer.bar1, m_model.outer.bar2);
    m_outerLabels[0]->setText(QStringLiteral("%1%").arg(m_model.outer.bar1));
    m_outerLabels[1]->setText(QStringLiteral("%1%").arg(m_model.outer.bar2));
    m_suspended = false;
}

void FrameDialog::followBars() {
    m_suspended = true;
    auto follow = [](QScrollBar *first, QScrollBar *second, const SplitBars &bars) {
        first->setMaximum(qMax(bars.bar2, first->minimum()));
        first->setValue(bars.bar1);
        second->setMinimum(qMin(bars.bar1, second->maximum()));
        second->setValue(bars.bar2);
    };
    follow(m_outerBars[0], m_outerBars[1], m_model.outer);
    for (int row = 0; row < 3; ++row)
        follow(m_rowBars[row][0], m_rowBars[row][1], m_model.rows[static_cast<size_t>(row)]);
    m_orientation->setItemIndex(int(m_model.orientation));
    m_suspended = false;
}

std::array<bool, FrameCreator::FrameCount> FrameDialog::usablePanes() const {
    std::array<bool, FrameCreator::FrameCount> usable{};
    for (int i = 0; i < FrameCreator::FrameCount; ++i) {
        const HtmlViewer *pane = m_panes[i];
        usable[static_cast<size_t>(i)] =
            pane->isVisibleTo(this) && pane->width() >= 6 && pane->height() >= 6;
    }
    return usable;
}
