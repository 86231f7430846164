#include "generators/calendar/ui/calendardialog.h"

#include "generators/common/ui/colorbutton.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/generatorhost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QComboBox *choice(const char *name, const QStringList &items) {
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

} // namespace

CalendarDialog::CalendarDialog(GeneratorHost &host, const QDate &today, QWidget *parent)
    : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("TCalendarForm"));
    setWindowTitle(QStringLiteral("Calendar Veda Guy"));
    m_model.options = CalendarOptions::forDate(today);

    auto *form = new QFormLayout;
    form->addRow(buildMonthRow());
    m_firstDay = choice("ComboBox1", CalendarModel::weekDays());
    m_tableAlign = choice("tblalign", CalendarModel::alignments());
    m_cellAlign = choice("cellalign", CalendarModel::alignments());
    form->addRow(QStringLiteral("Start Week With:"), m_firstDay);
    form->addRow(QStringLiteral("Table Alignment:"), m_tableAlign);
    form->addRow(QStringLiteral("Date Alignment:"), m_cellAlign);
    m_headingColor =
        colorRow(form, QStringLiteral("Heading Color:"), "HeadingColor", "SpeedButton1");
    m_tableColor = colorRow(form, QStringLiteral("Table Color:"), "TableColor", "SpeedButton2");
    m_textColor =
        colorRow(form, QStringLiteral("Calendar Text Color:"), "TextColor", "SpeedButton3");
    m_rowHeight = new QSpinBox;
    m_rowHeight->setObjectName(QStringLiteral("cellheight"));
    m_rowHeight->setRange(0, 99999);
    form->addRow(QStringLiteral("Row Height:"), m_rowHeight);
    m_border = new QCheckBox(QStringLiteral("Border"));
    m_border->setObjectName(QStringLiteral("ShowBorder"));
    m_border->setChecked(true);
    m_links = new QCheckBox(QStringLiteral("Include Page links"));
    m_links->setObjectName(QStringLiteral("UseLinks"));
    form->addRow(m_border);
    form->addRow(m_links);

    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CalendarDialog::insertAndClose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addStretch();
    left->addLayout(buttons);

    m_preview = new GeneratorPreview;
    m_preview->setObjectName(QStringLiteral("CALView"));
    m_preview->setMinimumWidth(360);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_preview, 1);
    resize(780, 480);

    for (QComboBox *box : {m_firstDay, m_tableAlign, m_cellAlign})
        connect(box, &QComboBox::currentIndexChanged, this, &CalendarDialog::rebuild);
    for (QLineEdit *field : {m_headingColor, m_tableColor, m_textColor})
        connect(field, &QLineEdit::editingFinished, this, &CalendarDialog::rebuild);
    connect(m_rowHeight, &QSpinBox::valueChanged, this, &CalendarDialog::rebuild);
    connect(m_border, &QCheckBox::toggled, this, &CalendarDialog::rebuild);
    connect(m_links, &QCheckBox::toggled, this, &CalendarDialog::rebuild);
    rebuild();
}

QWidget *CalendarDialog::buildMonthRow() {
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *back = new QToolButton;
    back->setObjectName(QStringLiteral("BackMonth"));
    back->setArrowType(Qt::LeftArrow);
    back->setToolTip(QStringLiteral("Previous month"));
    auto *ahead = new QToolButton;
    ahead->setObjectName(QStringLiteral("AheadMonth"));
    ahead->setArrowType(Qt::RightArrow);
    ahead->setToolTip(QStringLiteral("Next month"));
    m_monthLabel = new QLabel;
    m_monthLabel->setObjectName(QStringLiteral("MonthLabel"));
    m_monthLabel->setAlignment(Qt::AlignCenter);
    m_monthLabel->setMinimumWidth(
        m_monthLabel->fontMetrics().horizontalAdvance(QStringLiteral("September")) + 12);
    QFont bold = m_monthLabel->font();
    bold.setBold(true);
    m_monthLabel->setFont(bold);
    m_year = new QSpinBox;
    m_year->setObjectName(QStringLiteral("YearSpinner"));
    m_year->setRange(CalendarOptions::kMinYear, CalendarOptions::kMaxYear);
    layout->addWidget(back);
    layout->addWidget(m_monthLabel);
    layout->addWidget(ahead);
    layout->addWidget(m_year);
    layout->addStretch();

    connect(back, &QToolButton::clicked, this, [this] {
        m_model.backMonth();
        showMonth();
        rebuild();
    });
    connect(ahead, &QToolButton::clicked, this, [this] {
        m_model.aheadMonth();
        showMonth();
        rebuild();
    });
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        if (m_updating)
            return;
        m_model.setYear(year);
        rebuild();
    });
    showMonth();
    return row;
}

QLineEdit *CalendarDialog::colorRow(QFormLayout *form, const QString &caption,
                                    const char *fieldName, const char *buttonName) {
    auto *field = new QLineEdit;
    field->setObjectName(QLatin1String(fieldName));
    auto *button = new ColorButton(field);
    button->setObjectName(QLatin1String(buttonName));
    connect(button, &QToolButton::clicked, this, [this, field] {
        if (chooseFieldColor(m_host.ui(), *field))
            rebuild();
    });
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    form->addRow(caption, row);
    return field;
}

void CalendarDialog::showMonth() {
    m_updating = true;
    m_monthLabel->setText(CalendarModel::monthName(m_model.options.month));
    m_year->setValue(m_model.options.year);
    m_updating = false;
}

void CalendarDialog::rebuild() {
    CalendarOptions &o = m_model.options;
    o.firstDay = m_firstDay->currentIndex();
    o.tableAlign = m_tableAlign->currentIndex();
    o.cellAlign = m_cellAlign->currentIndex();
    o.headingColor = m_headingColor->text();
    o.tableColor = m_tableColor->text();
    o.textColor = m_textColor->text();
    o.rowHeight = m_rowHeight->value();
    o.border = m_border->isChecked();
    o.links = m_links->isChecked();
    m_preview->showHtml(m_model.lines().join(QLatin1String("\r\n")), m_host.documentFolder());
}

void CalendarDialog::insertAndClose() {
    rebuild();
    m_host.insertLines(m_model.lines());
    accept();
}
