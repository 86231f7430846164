#include "generators/form/ui/formentrydialog.h"

#include "app/userinteraction.h"
#include "generators/form/formentry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

template <class T> T *named(T *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *edit(const char *name) {
    return named(new QLineEdit, name);
}

QCheckBox *check(const QString &caption, const char *name) {
    return named(new QCheckBox(caption), name);
}

QSpinBox *spin(const char *name, int minimum, int maximum, int value) {
    auto *box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

// A page of the notebook: a form of captioned controls.
QFormLayout *addPage(QStackedWidget *pages, FieldKind kind) {
    auto *page = new QWidget;
    page->setObjectName(fieldPageName(kind));
    page->setAccessibleName(fieldPageName(kind));
    auto *form = new QFormLayout(page);
    pages->insertWidget(static_cast<int>(kind), page);
    return form;
}

} // namespace

FormEntryDialog::FormEntryDialog(FormEntry &entry, QWidget *parent)
    : QDialog(parent), m_entry(entry) {
    setObjectName(QStringLiteral("TFormEntry"));
    setWindowTitle(QStringLiteral("Form Definition"));

    m_pages = named(new QStackedWidget, "Notebook");
    buildCheckBoxPage();
    buildRadioGroupPage();
    buildDataEntryPage();
    buildListBoxPage();
    buildTextAreaPage();
    buildPageTextPage();
    buildHiddenPage();

    m_ok = named(new QPushButton(QStringLiteral("OK")), "BitBtn1");
    m_cancel = named(new QPushButton(QStringLiteral("Cancel")), "BitBtn2");
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    setMinimumWidth(400);
}

void FormEntryDialog::buildCheckBoxPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::CheckBox);
    f->addRow(QStringLiteral("Variable Name:"), m_cbVar = edit("CBVar"));
    f->addRow(QStringLiteral("Caption text for checkbox:"), m_cbCaption = edit("CBCaption"));
    f->addRow(QStringLiteral("Assigned Value:"), m_cbValue = edit("CBValue"));
    f->addRow(m_cbChecked = check(QStringLiteral("Check Item?"), "CBChecked"));
}

void FormEntryDialog::buildRadioGroupPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::RadioGroup);
    m_rgVar = named(new QComboBox, "RGVar");
    m_rgVar->setEditable(true);
    m_rgVar->setInsertPolicy(QComboBox::NoInsert);
    f->addRow(QStringLiteral("Radio Group Name:"), m_rgVar);
    f->addRow(QStringLiteral("Button Caption:"), m_rgCaption = edit("RGCaption"));
    f->addRow(QStringLiteral("Assigned Value:"), m_rgValue = edit("RGValue"));
    f->addRow(m_rgChecked = check(QStringLiteral("Default Radio Button"), "RGChecked"));
}

void FormEntryDialog::buildDataEntryPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::DataEntry);
    f->addRow(QStringLiteral("Variable Name:"), m_deVar = edit("DEVar"));
    f->addRow(QStringLiteral("Data Entry Field Caption:"), m_deCaption = edit("DECaption"));
    f->addRow(QStringLiteral("Length Of Field:"), m_deLength = spin("DELength", 1, 999, 20));
    f->addRow(m_password = check(QStringLiteral("Password field?"), "Password"));
}

void FormEntryDialog::buildListBoxPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::ListBox);
    f->addRow(QStringLiteral("List Box Variable Name:"), m_lbVar = edit("LBVar"));
    f->addRow(QStringLiteral("List Box Caption:"), m_lbCaption = edit("LBCaption"));
    m_lbEntry = edit("LBEntry");
    m_lbEntry->installEventFilter(this);
    f->addRow(QStringLiteral("List Box Entry:"), m_lbEntry);

    m_lbItems = named(new QListWidget, "LBItems");
    m_addItem = named(new QPushButton(QStringLiteral("&Add")), "AddItem");
    m_delItem = named(new QPushButton(QStringLiteral("&Remove")), "DelItem");
    m_addItem->setAutoDefault(false);
    m_delItem->setAutoDefault(false);
    auto *itemButtons = new QVBoxLayout;
    itemButtons->addWidget(m_addItem);
    itemButtons->addWidget(m_delItem);
    itemButtons->addStretch();
    auto *items = new QHBoxLayout;
    items->addWidget(m_lbItems, 1);
    items->addLayout(itemButtons);
    f->addRow(items);

    m_lbSorted = check(QStringLiteral("Sort List"), "LBSorted");
    m_lbMultiple = check(QStringLiteral("Multiple Selections"), "LBMultiple");
    auto *flags = new QHBoxLayout;
    flags->addWidget(m_lbSorted);
    flags->addWidget(m_lbMultiple);
    flags->addStretch();
    f->addRow(flags);
    f->addRow(QStringLiteral("Visible Items:"), m_lbVisible = spin("LBVisible", 0, 99999, 0));

    connect(m_addItem, &QPushButton::clicked, this, &FormEntryDialog::addEntry);
    connect(m_delItem, &QPushButton::clicked, this, &FormEntryDialog::removeEntry);
    connect(m_lbItems, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_lbEntry->setText(item->text()); });
    connect(m_lbSorted, &QCheckBox::toggled, this, [this](bool on) {
        m_entry.listEntries().setSorted(on);
        showEntries();
    });
}

void FormEntryDialog::buildTextAreaPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::TextArea);
    f->addRow(QStringLiteral("Comment Box Variable Name:"), m_taVar = edit("TAVar"));
    f->addRow(QStringLiteral("Comment Box Caption:"), m_taCaption = edit("TACaption"));
    f->addRow(QStringLiteral("Columns:"), m_taCols = spin("TACols", 1, 100, 1));
    f->addRow(QStringLiteral("Rows"), m_taRows = spin("TARows", 1, 10, 1));
}

void FormEntryDialog::buildPageTextPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::PageText);
    f->addRow(QStringLiteral("Page Text:"), m_ptCaption = edit("PTCaption"));
    m_ptBold = check(QStringLiteral("Bold"), "PTBold");
    m_ptItalics = check(QStringLiteral("Italics"), "PTItalics");
    m_ptUnderline = check(QStringLiteral("Underlined"), "PTUnderline");
    m_ptPreformat = check(QStringLiteral("Preformatted"), "PTPreformat");
    auto *styles = new QHBoxLayout;
    for (QCheckBox *box : {m_ptBold, m_ptItalics, m_ptUnderline, m_ptPreformat})
        styles->addWidget(box);
    styles->addStretch();
    f->addRow(styles);
    f->addRow(QStringLiteral("Font Size:"), m_ptFontSize = spin("PTFontSize", 0, 7, 0));
}

void FormEntryDialog::buildHiddenPage() {
    QFormLayout *f = addPage(m_pages, FieldKind::Hidden);
    f->addRow(QStringLiteral("Variable Name:"), m_hdVar = edit("HDVar"));
    f->addRow(QStringLiteral("Assigned Value:"), m_hdValue = edit("HDValue"));
}

bool FormEntryDialog::run(UserInteraction &ui) {
    fill();
    setWindowTitle(m_entry.caption());
    m_pages->setCurrentIndex(static_cast<int>(m_entry.page()));
    makeDefault(m_ok);
    const bool ok = exec() == QDialog::Accepted;
    store();
    if (!ok)
        return false;
    const QString refusal = m_entry.refusal();
    if (!refusal.isEmpty()) {
        ui.message(refusal, Msg::Information, Msg::Ok);
        return false;
    }
    return true;
}

void FormEntryDialog::fill() {
    const FormRecord &r = m_entry.current();
    switch (m_entry.page()) {
    case FieldKind::CheckBox:
        m_cbVar->setText(r.name);
        m_cbCaption->setText(r.caption);
        m_cbValue->setText(r.value);
        m_cbChecked->setChecked(r.checked);
        break;
    case FieldKind::RadioGroup:
        m_rgVar->clear();
        m_rgVar->addItems(m_entry.groupNames());
        m_rgVar->setEditText(r.name);
        m_rgCaption->setText(r.caption);
        m_rgValue->setText(r.value);
        m_rgChecked->setChecked(r.checked);
        break;
    case FieldKind::DataEntry:
        m_deVar->setText(r.name);
        m_deCaption->setText(r.caption);
        m_deLength->setValue(r.length);
        m_password->setChecked(r.password);
        break;
    case FieldKind::ListBox: {
        m_lbVar->setText(r.name);
        m_lbCaption->setText(r.caption);
        m_lbEntry->clear();
        const QSignalBlocker block(m_lbSorted);
        m_lbSorted->setChecked(m_entry.listEntries().sorted());
        m_lbMultiple->setChecked(r.multiple);
        m_lbVisible->setValue(r.visible);
        showEntries();
        break;
    }
    case FieldKind::TextArea:
        m_taVar->setText(r.name);
        m_taCaption->setText(r.caption);
        m_taCols->setValue(r.columns);
        m_taRows->setValue(r.rows);
        break;
    case FieldKind::PageText:
        m_ptCaption->setText(r.caption);
        m_ptBold->setChecked(r.bold);
        m_ptItalics->setChecked(r.italics);
        m_ptUnderline->setChecked(r.underline);
        m_ptPreformat->setChecked(r.preformatted);
        m_ptFontSize->setValue(r.fontSize);
        break;
    case FieldKind::Hidden:
        m_hdVar->setText(r.name);
        m_hdValue->setText(r.value);
        break;
    }
}

void FormEntryDialog::store() {
    FormRecord &r = m_entry.current();
    switch (m_entry.page()) {
    case FieldKind::CheckBox:
        r.name = m_cbVar->text();
        r.caption = m_cbCaption->text();
        r.value = m_cbValue->text();
        r.checked = m_cbChecked->isChecked();
        break;
    case FieldKind::RadioGroup:
        r.name = m_rgVar->currentText();
        r.caption = m_rgCaption->text();
        r.value = m_rgValue->text();
        r.checked = m_rgChecked->isChecked();
        break;
    case FieldKind::DataEntry:
        r.name = m_deVar->text();
        r.caption = m_deCaption->text();
        r.length = m_deLength->value();
        r.password = m_password->isChecked();
        break;
    case FieldKind::ListBox:
        r.name = m_lbVar->text();
        r.caption = m_lbCaption->text();
        r.multiple = m_lbMultiple->isChecked();
        r.visible = m_lbVisible->value();
        break;
    case FieldKind::TextArea:
        r.name = m_taVar->text();
        r.caption = m_taCaption->text();
        r.columns = m_taCols->value();
        r.rows = m_taRows->value();
        break;
    case FieldKind::PageText:
        r.caption = m_ptCaption->text();
        r.bold = m_ptBold->isChecked();
        r.italics = m_ptItalics->isChecked();
        r.underline = m_ptUnderline->isChecked();
        r.preformatted = m_ptPreformat->isChecked();
        r.fontSize = m_ptFontSize->value();
        break;
    case FieldKind::Hidden:
        r.name = m_hdVar->text();
        r.value = m_hdValue->text();
        break;
    }
}

void FormEntryDialog::showEntries() {
    m_lbItems->clear();
    m_lbItems->addItems(m_entry.listEntries().items());
}

void FormEntryDialog::addEntry() {
    m_entry.listEntries().add(m_lbEntry->text());
    m_lbEntry->clear();
    showEntries();
    m_lbEntry->setFocus();
}

void FormEntryDialog::removeEntry() {
    m_entry.listEntries().remove(m_lbEntry->text());
    m_lbEntry->clear();
    showEntries();
}

void FormEntryDialog::makeDefault(QPushButton *button) {
    m_ok->setDefault(button == m_ok);
    m_addItem->setDefault(button == m_addItem);
}

bool FormEntryDialog::eventFilter(QObject *watched, QEvent *event) {
    // Entering the entry field makes "&Add" the default button, so Enter adds
    // the entry; leaving it for anything but the list's own controls gives OK
    // back its role.
    if (watched == m_lbEntry && event->type() == QEvent::FocusIn) {
        makeDefault(m_addItem);
    } else if (watched == m_lbEntry && event->type() == QEvent::FocusOut) {
        QWidget *next = QApplication::focusWidget();
        if (next != m_addItem && next != m_delItem && next != m_lbItems)
            makeDefault(m_ok);
    }
    return QDialog::eventFilter(watched, event);
}
