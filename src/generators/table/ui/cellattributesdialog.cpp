#include "generators/table/ui/cellattributesdialog.h"

#include "app/userinteraction.h"
#include "generators/common/ui/colorbutton.h"
#include "generators/generatorhost.h"
#include "generators/table/ui/tablecontrols.h"
#include "settings/colors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using namespace TableControls;

QWidget *row(QWidget *parent, QWidget *a, QWidget *b) {
    auto *box = new QWidget(parent);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(a);
    layout->addWidget(b);
    layout->addStretch();
    return box;
}

} // namespace

CellAttributesDialog::CellAttributesDialog(GeneratorHost &host, QWidget *parent)
    : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("TTableAttrForm"));
    setWindowTitle(QStringLiteral("Cell Attributes"));

    m_colSpan = spinBox(this, "ColSpan", 1, 100, 1);
    m_rowSpan = spinBox(this, "RowSpan", 1, 100, 1);
    m_vAlign = alignList(this, "VAlign",
                         {QStringLiteral("none"), QStringLiteral("top"), QStringLiteral("middle"),
                          QStringLiteral("bottom")});
    m_hAlign = alignList(this, "HAlign",
                         {QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center"),
                          QStringLiteral("right")});
    m_height = spinBox(this, "CellHeight", -kNoBound, kNoBound, 0);
    m_heightPercent = named(new QCheckBox(QStringLiteral("%"), this), "UseHPercent");
    m_width = spinBox(this, "CellWidth", -kNoBound, kNoBound, 0);
    m_widthPercent = named(new QCheckBox(QStringLiteral("%"), this), "UseVPercent");
    m_color = named(new QLineEdit(this), "CellColor");
    auto *colorButton = named(new ColorButton(m_color, this), "SpeedButton1");
    connect(colorButton, &QToolButton::clicked, this, &CellAttributesDialog::speedButton1Click);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Span Columns:"), m_colSpan);
    form->addRow(QStringLiteral("Span Rows:"), m_rowSpan);
    form->addRow(QStringLiteral("Vertical Alignment:"), m_vAlign);
    form->addRow(QStringLiteral("Horizontal Alignment:"), m_hAlign);
    form->addRow(QStringLiteral("Height:"), row(this, m_height, m_heightPercent));
    form->addRow(QStringLiteral("Width:"), row(this, m_width, m_widthPercent));
    form->addRow(QStringLiteral("Cell Color:"), row(this, m_color, colorButton));

    auto *ok = named(new QPushButton(QStringLiteral("OK"), this), "BitBtn1");
    ok->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "BitBtn2");
    connect(ok, &QPushButton::clicked, this, &CellAttributesDialog::bitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

CellAttributes CellAttributesDialog::attributes() const {
    CellAttributes a;
    a.colSpan = m_colSpan->value();
    a.rowSpan = m_rowSpan->value();
    a.vAlign = m_vAlign->currentText();
    a.hAlign = m_hAlign->currentText();
    a.height = m_height->value();
    a.heightPercent = m_heightPercent->isChecked();
    a.width = m_width->value();
    a.widthPercent = m_widthPercent->isChecked();
    a.color = m_color->text();
    return a;
}

void CellAttributesDialog::bitBtn1Click() {
    const QString text = cellAttributeString(attributes());
    // Nothing to add: the selection in the page stays as it is.
    if (!text.isEmpty())
        m_host.insertText(text);
    accept();
}

void CellAttributesDialog::speedButton1Click() {
    // The field takes any text; the dialog starts on its colour when it is one.
    QColor color(Qt::white);
    QColor typed;
    if (!m_color->text().isEmpty() && hexToColor(m_color->text(), typed))
        color = typed;
    if (m_host.ui().chooseColor(color) && color.isValid())
        m_color->setText(colorToHex(color));
}
