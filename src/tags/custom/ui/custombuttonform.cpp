#include "tags/custom/ui/custombuttonform.h"
#include "app/userinteraction.h"
#include "tags/custom/datafile.h"
#include "tags/custom/ui/widgettext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSlotSize = 25;

void selectRadio(QButtonGroup *group, int index) {
    QAbstractButton *b = group->button(index);
    if (!b)
        b = group->button(0);
    b->setChecked(true);
}

void showSlot(QToolButton *b, const ButtonLine &line) {
    b->setText(WidgetText::literalCaption(line.caption));
    WidgetText::setHint(b, line.code, true);
}

} // namespace

CustomButtonForm::CustomButtonForm(const QString &programDir,
                                   const std::array<QString, kCustomPages> &captions,
                                   UserInteraction &ui, QWidget *parent)
    : QDialog(parent), m_ui(ui), m_setup(programDir) {
    setObjectName(QStringLiteral("TCustomButtonForm"));
    setWindowTitle(QStringLiteral("Custom Button Setup"));
    m_setup.load();

    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    for (int p = 0; p < kCustomPages; ++p)
        m_pages->addTab(buildPage(p), captions.at(p));
    m_pages->tabBar()->installEventFilter(this);
    connect(m_pages, &QTabWidget::currentChanged, this, &CustomButtonForm::pageChanged);
    layout->addWidget(m_pages);

    // Caption and code; the two radio groups share one place.
    auto *fields = new QGridLayout;
    m_caption = new QLineEdit(this);
    m_caption->setObjectName(QStringLiteral("ButtonCaption"));
    m_caption->setMaxLength(3);
    m_caption->setFixedWidth(m_caption->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) +
                             12);
    m_source = new QLineEdit(this);
    m_source->setObjectName(QStringLiteral("ButtonSource"));
    // Room for the code on one line of the file, with its other fields.
    m_source->setMaxLength(DataFile::kMaxLineLength - 16);
    // "|" separates the fields of a button line, so it cannot be part of one.
    const QRegularExpression noBar(QStringLiteral("[^|]*"));
    m_caption->setValidator(new QRegularExpressionValidator(noBar, m_caption));
    m_source->setValidator(new QRegularExpressionValidator(noBar, m_source));
    auto *captionLabel = new QLabel(QStringLiteral("Button Caption:"), this);
    captionLabel->setBuddy(m_caption);
    auto *sourceLabel = new QLabel(QStringLiteral("HTML Code to use:"), this);
    sourceLabel->setBuddy(m_source);
    fields->addWidget(captionLabel, 0, 0);
    fields->addWidget(m_caption, 1, 0);
    fields->addWidget(sourceLabel, 0, 1);
    fields->addWidget(m_source, 1, 1);

    m_insertStyleBox =
        radioGroup(QStringLiteral("InsertStyle"), QStringLiteral("Tag Type:"),
                   {QStringLiteral("Insert As Is"), QStringLiteral("Standard Double"),
                    QStringLiteral("Uneven Double")},
                   m_insertStyle);
    m_dropStyleBox = radioGroup(
        QStringLiteral("Dropdownstyle"), QStringLiteral("Dropdown Menu"),
        {QStringLiteral("Double w/Align"), QStringLiteral("Single w/Align")}, m_dropStyle);
    m_dropStyleBox->hide();
    fields->addWidget(m_insertStyleBox, 2, 0, 1, 2);
    fields->addWidget(m_dropStyleBox, 2, 0, 1, 2);
    layout->addLayout(fields);

    m_isDropType = new QCheckBox(QStringLiteral("Use as drop down button"), this);
    m_isDropType->setObjectName(QStringLiteral("IsDropType"));
    connect(m_isDropType, &QCheckBox::toggled, this, &CustomButtonForm::dropTypeToggled);
    m_tabWarning = new QCheckBox(QStringLiteral("Warn when changing tabs"), this);
    m_tabWarning->setObjectName(QStringLiteral("TabWarning"));
    m_tabWarning->setChecked(true);
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_isDropType);
    checks->addWidget(m_tabWarning);
    checks->addStretch(1);
    layout->addLayout(checks);

    auto *note = new QLabel(
        QStringLiteral(
            "*To change the tab caption press the Shift key and click on the tab  to change."),
        this);
    note->setObjectName(QStringLiteral("Label3"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *buttons = new QHBoxLayout;
    m_assign = new QPushButton(QStringLiteral("Assign"), this);
    m_assign->setObjectName(QStringLiteral("AssignBtn"));
    m_assign->setAutoDefault(false);
    m_assign->setEnabled(false);
    connect(m_assign, &QPushButton::clicked, this, &CustomButtonForm::assign);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CustomButtonForm::saveAndClose);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CustomButtonForm::reject);
    buttons->addWidget(m_assign);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

QWidget *CustomButtonForm::buildPage(int page) {
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("ButtonPage%1").arg(page + 1));
    w->setMinimumSize(kSlotSize * kButtonSlots + 4, kSlotSize + 4);
    auto *group = new QButtonGroup(w);
    group->setExclusive(true);
    m_groups[page] = group;
    for (int i = 0; i < kButtonSlots; ++i) {
        auto *b = new QToolButton(w);
        b->setObjectName(QStringLiteral("SetupButton%1").arg(i + 1));
        b->setCheckable(true);
        b->setGeometry(2 + kSlotSize * i, 2, kSlotSize, kSlotSize);
        showSlot(b, m_setup.line(page, i));
        group->addButton(b, i);
        connect(b, &QToolButton::clicked, this, [this, i] { choose(i); });
        m_buttons[page][i] = b;
    }
    return w;
}

QGroupBox *CustomButtonForm::radioGroup(const QString &name, const QString &title,
                                        const QStringList &items, QButtonGroup *&group) {
    auto *box = new QGroupBox(title, this);
    box->setObjectName(name);
    auto *row = new QHBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items.at(i), box);
        radio->setObjectName(name + QString::number(i));
        group->addButton(radio, i);
        row->addWidget(radio);
    }
    row->addStretch(1);
    group->button(0)->setChecked(true);
    return box;
}

void CustomButtonForm::choose(int slot) {
    m_chosen = slot;
    const ButtonLine line = m_setup.line(m_shownPage, slot);
    // Ticking or clearing the box first sets the fields' state; the caption
    // and code then show the chosen button's own.
    m_isDropType->setChecked(line.isArrow());
    m_caption->setText(line.caption);
    m_source->setText(line.code);
    selectRadio(m_insertStyle, fieldIndex(line.tagType));
    selectRadio(m_dropStyle, fieldIndex(line.dropStyle));
    m_assign->setEnabled(true);
}

void CustomButtonForm::dropTypeToggled(bool on) {
    m_insertStyleBox->setVisible(!on);
    m_dropStyleBox->setVisible(on);
    m_caption->setEnabled(!on);
    m_caption->setText(on ? QStringLiteral("***") : QString());
}

void CustomButtonForm::assign() {
    if (m_chosen < 0)
        return;
    ButtonLine line;
    line.caption = m_caption->text();
    line.code = m_source->text();
    line.tagType = QString::number(qMax(0, m_insertStyle->checkedId()));
    line.dropStyle = QString::number(qMax(0, m_dropStyle->checkedId()));
    m_setup.assign(m_shownPage, m_chosen, line);
    showSlot(m_buttons[m_shownPage][m_chosen], line);
    releaseChosen();
    m_caption->clear();
    m_source->clear();
}

void CustomButtonForm::releaseChosen() {
    if (m_chosen >= 0) {
        // An exclusive group keeps one button down; let go of it for a moment.
        QButtonGroup *group = m_groups[m_shownPage];
        group->setExclusive(false);
        m_buttons[m_shownPage][m_chosen]->setChecked(false);
        group->setExclusive(true);
    }
    m_chosen = -1;
    m_assign->setEnabled(false);
}

void CustomButtonForm::pageChanged(int index) {
    if (m_revertingPage)
        return;
    if (m_chosen >= 0 && m_tabWarning->isChecked()) {
        const int answer =
            m_ui.message(QStringLiteral("Change Button tabs without Assigning properties?"),
                         Msg::Information, Msg::Ok | Msg::Cancel);
        if (answer != Msg::ResultOk) {
            m_revertingPage = true;
            m_pages->setCurrentIndex(m_shownPage);
            m_revertingPage = false;
            return;
        }
    }
    releaseChosen();
    m_shownPage = index;
    m_caption->clear();
    m_source->clear();
    selectRadio(m_insertStyle, 0);
    selectRadio(m_dropStyle, 0);
}

bool CustomButtonForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_pages->tabBar() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if ((mouse->modifiers() & Qt::ShiftModifier) && mouse->button() == Qt::LeftButton &&
            m_pages->tabBar()->tabAt(mouse->position().toPoint()) >= 0)
            renameShownPage();
    }
    return QDialog::eventFilter(watched, event);
}

void CustomButtonForm::renameShownPage() {
    const int page = m_pages->currentIndex();
    QString caption = m_pages->tabText(page);
    if (m_ui.inputBox(QStringLiteral("Tab Caption"), QStringLiteral("New Tab Caption"), caption))
        m_pages->setTabText(page, caption);
}

void CustomButtonForm::saveAndClose() {
    const CustomButtonSetup::SaveResult saved = m_setup.save();
    if (m_pageSaved) {
        for (int p = 0; p < kCustomPages; ++p)
            m_pageSaved(p, m_pages->tabText(p));
    }
    if (!saved.ok()) {
        // The files that failed keep their old contents; the dialog stays
        // open so that the changes are not lost.
        m_ui.message(saved.errors.join(QLatin1Char('\n')), Msg::Error, Msg::Ok);
        return;
    }
    accept();
}

void CustomButtonForm::reject() {
    if (m_setup.modified() && m_ui.message(QStringLiteral("Abandon changes?"), Msg::Warning,
                                           Msg::Ok | Msg::Cancel) != Msg::ResultOk)
        return;
    QDialog::reject();
}
