// The pages of the Web Effects dialog: their controls, each named as in the
// design, and the records of their fields.

#include "generators/common/ui/radiogroup.h"
#include "generators/effects/ui/dropdowncombo.h"
#include "generators/effects/ui/effectsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <class T> T *named(T *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox *spin(const char *name, int low, int high, int value) {
    auto *box = named(new QSpinBox, name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QComboBox *choice(const char *name, const QStringList &items, int index = 0) {
    auto *box = named(new QComboBox, name);
    box->addItems(items);
    box->setCurrentIndex(index);
    return box;
}

QToolButton *browseButton(const char *name, const QString &hint) {
    auto *button = named(new QToolButton, name);
    button->setText(QStringLiteral("..."));
    button->setToolTip(hint);
    return button;
}

QWidget *page(const char *name) {
    return named(new QWidget, name);
}

QString cellText(const QTableWidget *grid, int row, int column) {
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

QWidget *EffectsDialog::buildHeadersPage() {
    QWidget *p = page("HeadersPage");
    m_headerText = named(new QLineEdit, "HeaderText");
    m_headerNumber = spin("HeaderNumber", 1, 6, 1);
    m_headingJustify = named(new RadioGroup(QStringLiteral("Heading Justify"),
                                            {QStringLiteral("none"), QStringLiteral("left"),
                                             QStringLiteral("center"), QStringLiteral("right")},
                                            4),
                             "HeadingJustify");
    m_headingJustify->setItemIndex(0);
    auto *form = new QFormLayout(p);
    form->addRow(QStringLiteral("Header Text:"), m_headerText);
    form->addRow(QStringLiteral("Header Size:"), m_headerNumber);
    form->addRow(m_headingJustify);

    connect(m_headerText, &QLineEdit::textChanged, this, &EffectsDialog::fieldChanged);
    connect(m_headerNumber, &QSpinBox::valueChanged, this, &EffectsDialog::fieldChanged);
    connect(m_headingJustify, &RadioGroup::changed, this, &EffectsDialog::fieldChanged);
    return p;
}

QWidget *EffectsDialog::buildTablesPage() {
    QWidget *p = page("TablesPage");
    m_columns = spin("ColumnValue", 1, 10, 2);
    m_rows = spin("RowValue", 1, 100, 2);
    m_padding = spin("PaddingValue", 0, 10, 1);
    m_spacing = spin("SpacingValue", 0, 10, 2);
    m_width = spin("WidthValue", 0, 100, 0);
    m_width->setSuffix(QStringLiteral("%"));
    m_hasBorder = named(new QCheckBox(QStringLiteral("Show Border")), "HasBorder");
    m_hasBorder->setChecked(true);
    m_tableJustify =
        named(new RadioGroup(
                  QStringLiteral("Table Justify"),
                  {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")}, 3),
              "TableJustify");
    m_tableJustify->setItemIndex(0);
    m_caption = named(new QLineEdit, "Caption");
    m_captionLoc = named(new RadioGroup(QStringLiteral("Caption Location"),
                                        {QStringLiteral("Top"), QStringLiteral("Bottom")}, 2),
                         "CaptionLoc");
    m_captionLoc->setItemIndex(0);
    m_captionSize = spin("CaptionSize", 1, 6, 5);
    m_dataGrid = named(new QTableWidget(2, 2), "DataGrid");
    m_dataGrid->setToolTip(QStringLiteral("The text of each cell; an empty cell shows its place"));
    m_dataGrid->hide();
    auto *toggle = named(new QPushButton(QStringLiteral("Toggle Grid")), "ToggleGrid");
    toggle->setAutoDefault(false);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Columns")), 0, 0);
    grid->addWidget(m_columns, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rows")), 0, 2);
    grid->addWidget(m_rows, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Padding:")), 1, 0);
    grid->addWidget(m_padding, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Spacing:")), 1, 2);
    grid->addWidget(m_spacing, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Table Width:")), 2, 0);
    grid->addWidget(m_width, 2, 1);
    grid->addWidget(m_hasBorder, 2, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Table Caption:")), 3, 0);
    grid->addWidget(m_caption, 3, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Caption Size:")), 4, 0);
    grid->addWidget(m_captionSize, 4, 1);
    grid->addWidget(toggle, 4, 3);
    auto *column = new QVBoxLayout(p);
    column->addLayout(grid);
    column->addWidget(m_tableJustify);
    column->addWidget(m_captionLoc);
    column->addWidget(m_dataGrid, 1);
    column->addStretch();

    for (QSpinBox *box : {m_columns, m_rows, m_padding, m_spacing, m_captionSize})
        connect(box, &QSpinBox::valueChanged, this, &EffectsDialog::fieldChanged);
    // The width is taken when the block is next built, without a refresh of
    // its own.
    connect(m_hasBorder, &QCheckBox::toggled, this, &EffectsDialog::fieldChanged);
    connect(m_tableJustify, &RadioGroup::changed, this, &EffectsDialog::fieldChanged);
    connect(m_captionLoc, &RadioGroup::changed, this, &EffectsDialog::fieldChanged);
    connect(m_caption, &QLineEdit::textChanged, this, &EffectsDialog::fieldChanged);
    connect(m_dataGrid, &QTableWidget::cellChanged, this, &EffectsDialog::fieldChanged);
    connect(toggle, &QPushButton::clicked, this,
            [this] { m_dataGrid->setVisible(m_dataGrid->isHidden()); });
    return p;
}

QWidget *EffectsDialog::buildListsPage() {
    QWidget *p = page("ListsPage");
    m_listType = choice("ListType", Effects::listKinds());
    m_parents = spin("Parents", 1, 100, 4);
    m_children = spin("ChildValue", 0, 100, 0);
    m_childType = choice("Child", Effects::listKinds());
    m_listItems = named(new QTableWidget(100, 1), "ListItems");
    m_listItems->setHorizontalHeaderLabels({QStringLiteral("List Items:")});
    m_listItems->horizontalHeader()->setStretchLastSection(true);
    m_listItems->setToolTip(QStringLiteral("Enter items that should appear in the list"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("List Type:"), m_listType);
    form->addRow(QStringLiteral("Number of parents:"), m_parents);
    form->addRow(QStringLiteral("Children per parent:"), m_children);
    form->addRow(QStringLiteral("Child Type:"), m_childType);
    auto *row = new QHBoxLayout(p);
    row->addLayout(form);
    row->addWidget(m_listItems, 1);

    connect(m_listType, &QComboBox::currentIndexChanged, this, &EffectsDialog::fieldChanged);
    connect(m_childType, &QComboBox::currentIndexChanged, this, &EffectsDialog::fieldChanged);
    connect(m_parents, &QSpinBox::valueChanged, this, &EffectsDialog::fieldChanged);
    connect(m_children, &QSpinBox::valueChanged, this, &EffectsDialog::fieldChanged);
    connect(m_listItems, &QTableWidget::cellChanged, this, &EffectsDialog::fieldChanged);
    return p;
}

QWidget *EffectsDialog::buildImagesPage() {
    QWidget *p = page("ImagesPage");
    m_imageFile = named(new DropDownCombo, "ImageFile");
    m_imageFile->setEditable(true);
    m_imageFile->setInsertPolicy(QComboBox::NoInsert);
    auto *browse = browseButton("SpeedButton1", QStringLiteral("Click to search drive for image"));
    m_alternateText = named(new QLineEdit, "AlternateText");
    m_alignImg = choice("AlignImg", {QStringLiteral("none"), QStringLiteral("top"),
                                     QStringLiteral("middle"), QStringLiteral("bottom"),
                                     QStringLiteral("left"), QStringLiteral("right")});
    m_imgWidth = named(new QLineEdit, "ImgWidth");
    m_imgHeight = named(new QLineEdit, "ImgHeight");
    m_imageCenter = named(new QCheckBox(QStringLiteral("Center Image")), "ImageCenter");
    m_copyImage = named(new QCheckBox(QStringLiteral("Copy Image")), "CopyImage");
    m_copyImage->setToolTip(QStringLiteral("Copies image to page location"));
    m_copyImage->setChecked(true);
    m_isMap = named(new QCheckBox(QStringLiteral("Is a Map?")), "IsMap");
    m_createMap = named(new QPushButton(QStringLiteral("Create Map")), "CreateMap");
    m_createMap->setAutoDefault(false);
    m_createMap->setEnabled(false);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_imageFile, 1);
    fileRow->addWidget(browse);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Width:")));
    sizeRow->addWidget(m_imgWidth);
    sizeRow->addWidget(new QLabel(QStringLiteral("Height:")));
    sizeRow->addWidget(m_imgHeight);
    auto *checks = new QGridLayout;
    checks->addWidget(m_imageCenter, 0, 0);
    checks->addWidget(m_copyImage, 0, 1);
    checks->addWidget(m_isMap, 1, 0);
    checks->addWidget(m_createMap, 1, 1);
    auto *form = new QFormLayout(p);
    form->addRow(QStringLiteral("Image Filename:"), fileRow);
    form->addRow(QStringLiteral("Alternate Text:"), m_alternateText);
    form->addRow(QStringLiteral("Align Image:"), m_alignImg);
    form->addRow(sizeRow);
    form->addRow(checks);

    connect(m_imageFile, &DropDownCombo::aboutToDropDown, this, &EffectsDialog::fillImageList);
    connect(m_imageFile, &QComboBox::textActivated, this, &EffectsDialog::imageChosen);
    connect(m_imageFile, &QComboBox::editTextChanged, this, &EffectsDialog::fieldChanged);
    connect(browse, &QToolButton::clicked, this, &EffectsDialog::browseImage);
    connect(m_alternateText, &QLineEdit::textChanged, this, &EffectsDialog::fieldChanged);
    connect(m_alignImg, &QComboBox::currentIndexChanged, this, &EffectsDialog::fieldChanged);
    connect(m_imgWidth, &QLineEdit::editingFinished, this, &EffectsDialog::fieldChanged);
    connect(m_imgHeight, &QLineEdit::editingFinished, this, &EffectsDialog::fieldChanged);
    connect(m_imageCenter, &QCheckBox::toggled, this, &EffectsDialog::fieldChanged);
    connect(m_copyImage, &QCheckBox::toggled, this, &EffectsDialog::fieldChanged);
    // "Is a Map?" builds nothing by itself: building unchecks it.
    connect(m_isMap, &QCheckBox::toggled, m_createMap, &QPushButton::setEnabled);
    connect(m_createMap, &QPushButton::clicked, this, &EffectsDialog::createMap);
    return p;
}

QWidget *EffectsDialog::buildTextPage() {
    QWidget *p = page("TextPage");
    m_docText = named(new QPlainTextEdit, "DocText");
    static const struct {
        const char *name;
        const char *caption;
    } options[Effects::TextOptionCount] = {
        {"UseSize", "Use Size"},       {"DocCenter", "Center"},
        {"DocBold", "Bold"},           {"DocItalics", "Italics"},
        {"DocUnderline", "Underline"}, {"DocParagraph", "Paragraph"},
        {"DocTT", "Typewriter"},       {"DocAddress", "Address"},
        {"DocBlink", "Blink"},         {"DocQuote", "Block Quote"},
        {"DocVariable", "Variable"},   {"DocCitation", "Citation"},
        {"DocCode", "Code"},           {"DocSuperscript", "Superscript"},
        {"DocSubscript", "Subscript"},
    };
    // Shown in the order of the design's check boxes; built in option order.
    static const int shown[] = {Effects::Bold,      Effects::Italics,     Effects::Underline,
                                Effects::Paragraph, Effects::Center,      Effects::Variable,
                                Effects::Citation,  Effects::Blink,       Effects::BlockQuote,
                                Effects::Address,   Effects::Typewriter,  Effects::Code,
                                Effects::Subscript, Effects::Superscript, Effects::UseSize};
    for (int option = 0; option < Effects::TextOptionCount; ++option) {
        m_textOptions[option] =
            named(new QCheckBox(QLatin1String(options[option].caption)), options[option].name);
        connect(m_textOptions[option], &QCheckBox::toggled, this, &EffectsDialog::fieldChanged);
    }
    m_fontSize = spin("FontSize", 1, 7, 3);

    auto *checks = new QGridLayout;
    int place = 0;
    for (int option : shown) {
        checks->addWidget(m_textOptions[option], place % 5, place / 5);
        ++place;
    }
    checks->addWidget(m_fontSize, 4, 3);
    auto *column = new QVBoxLayout(p);
    column->addWidget(m_docText, 1);
    column->addLayout(checks);

    connect(m_docText, &QPlainTextEdit::textChanged, this, &EffectsDialog::fieldChanged);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &EffectsDialog::fieldChanged);
    return p;
}

QWidget *EffectsDialog::buildReferencesPage() {
    QWidget *p = page("ReferencesPage");
    m_reference = named(new QLineEdit(QStringLiteral("Reference")), "Reference");
    m_currentUrls = named(new DropDownCombo, "CurrentURLs");
    m_currentUrls->setEditable(true);
    m_currentUrls->setInsertPolicy(QComboBox::NoInsert);
    m_currentUrls->setToolTip(QStringLiteral("Right click dropdown button for prefixes"));
    auto *browse = browseButton("SpeedButton2", QStringLiteral("Choose the page to link to"));
    m_referenceType =
        named(new RadioGroup(QStringLiteral("Reference Type"),
                             {QStringLiteral("URL"), QStringLiteral("Page Anchor")}, 2),
              "ReferenceType");
    m_referenceType->setItemIndex(0);
    m_linkJustify =
        named(new RadioGroup(
                  QStringLiteral("Justify Link"),
                  {QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center")}, 3),
              "LinkJustify");
    m_linkJustify->setItemIndex(0);
    m_linkSource =
        named(new RadioGroup(QStringLiteral("Link Source"),
                             {QStringLiteral("Your Page"), QStringLiteral("External Page")}, 2),
              "LinkSource");
    m_linkSource->setItemIndex(0);

    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(m_currentUrls, 1);
    urlRow->addWidget(browse);
    auto *form = new QFormLayout(p);
    form->addRow(QStringLiteral("Reference Description:"), m_reference);
    form->addRow(QStringLiteral("URL Link:"), urlRow);
    form->addRow(m_referenceType);
    form->addRow(m_linkJustify);
    form->addRow(m_linkSource);

    wirePrefixPopup(m_currentUrls);
    connect(m_currentUrls, &DropDownCombo::aboutToDropDown, this, &EffectsDialog::fillUrlList);
    connect(m_currentUrls, &QComboBox::editTextChanged, this, &EffectsDialog::fieldChanged);
    connect(browse, &QToolButton::clicked, this, [this] { browseFile(m_currentUrls, 1); });
    connect(m_reference, &QLineEdit::textChanged, this, &EffectsDialog::fieldChanged);
    connect(m_referenceType, &RadioGroup::changed, this, &EffectsDialog::fieldChanged);
    connect(m_linkJustify, &RadioGroup::changed, this, &EffectsDialog::fieldChanged);
    connect(m_linkSource, &RadioGroup::changed, this, &EffectsDialog::fieldChanged);
    return p;
}

QWidget *EffectsDialog::buildAppletPage() {
    QWidget *p = page("AppletPage");
    m_codebase = named(new QLineEdit, "Codebase");
    m_javaClass = named(new QComboBox, "JavaClass");
    m_javaClass->setEditable(true);
    m_javaClass->setInsertPolicy(QComboBox::NoInsert);
    m_javaClass->setToolTip(QStringLiteral("Right click dropdown button for prefixes"));
    auto *browse = browseButton("SpeedButton3", QStringLiteral("Choose the applet's class file"));
    m_jName = named(new QLineEdit, "JName");
    m_jTitle = named(new QLineEdit, "JTitle");
    m_jHeight = named(new QLineEdit, "JHeight");
    m_jWidth = named(new QLineEdit, "JWidth");
    m_jAlign = choice("JAlign",
                      {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right"),
                       QStringLiteral("top"), QStringLiteral("bottom"), QStringLiteral("middle")},
                      -1);

    auto *codeRow = new QHBoxLayout;
    codeRow->addWidget(m_javaClass, 1);
    codeRow->addWidget(browse);
    auto *form = new QFormLayout(p);
    form->addRow(QStringLiteral("Codebase:"), m_codebase);
    form->addRow(QStringLiteral("Code:"), codeRow);
    form->addRow(QStringLiteral("Name:"), m_jName);
    form->addRow(QStringLiteral("Title:"), m_jTitle);
    form->addRow(QStringLiteral("Height:"), m_jHeight);
    form->addRow(QStringLiteral("Width:"), m_jWidth);
    form->addRow(QStringLiteral("Align:"), m_jAlign);

    wirePrefixPopup(m_javaClass);
    connect(browse, &QToolButton::clicked, this, [this] { browseFile(m_javaClass, 6); });
    return p;
}

// The prefix pop-up (`LinkPopUp`) on a right click of the combo's button:
// the chosen prefix replaces the combo's text, with the caret after it.
void EffectsDialog::wirePrefixPopup(QComboBox *combo) {
    if (!m_linkPopUp) {
        m_linkPopUp = named(new QMenu(this), "LinkPopUp");
        for (const QString &prefix : Effects::linkPrefixes()) {
            QAction *action = m_linkPopUp->addAction(prefix);
            connect(action, &QAction::triggered, this, [this, prefix] {
                if (!m_popupTarget)
                    return;
                m_popupTarget->setEditText(prefix);
                m_popupTarget->setFocus();
                m_popupTarget->lineEdit()->end(false);
            });
        }
    }
    combo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(combo, &QWidget::customContextMenuRequested, this, [this, combo](const QPoint &at) {
        m_popupTarget = combo;
        m_linkPopUp->popup(combo->mapToGlobal(at));
    });
}

// --- The fields ---------------------------------------------------------------

Effects::HeaderFields EffectsDialog::headerFields() const {
    Effects::HeaderFields f;
    f.text = m_headerText->text();
    f.size = m_headerNumber->value();
    f.justify = m_headingJustify->itemText();
    return f;
}

Effects::TableFields EffectsDialog::tableFields() const {
    Effects::TableFields f;
    f.columns = m_columns->value();
    f.rows = m_rows->value();
    f.padding = m_padding->value();
    f.spacing = m_spacing->value();
    f.width = m_width->value();
    f.border = m_hasBorder->isChecked();
    f.justify = m_tableJustify->itemText();
    f.caption = m_caption->text();
    f.captionLocation = m_captionLoc->itemText();
    f.captionSize = m_captionSize->value();
    for (int r = 0; r < m_dataGrid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m_dataGrid->columnCount(); ++c)
            row << cellText(m_dataGrid, r, c);
        f.cells << row;
    }
    return f;
}

Effects::ListFields EffectsDialog::listFields() const {
    Effects::ListFields f;
    f.kind = m_listType->currentText();
    f.parents = m_parents->value();
    f.children = m_children->value();
    f.childKind = m_childType->currentText();
    for (int r = 0; r < m_listItems->rowCount(); ++r)
        f.items << cellText(m_listItems, r, 0);
    return f;
}

Effects::ImageFields EffectsDialog::imageFields() const {
    Effects::ImageFields f;
    f.file = m_imageFile->currentText();
    f.alternateText = m_alternateText->text();
    f.align = m_alignImg->currentText();
    f.width = m_imgWidth->text();
    f.height = m_imgHeight->text();
    f.center = m_imageCenter->isChecked();
    return f;
}

Effects::TextFields EffectsDialog::textFields() const {
    Effects::TextFields f;
    const QString text = m_docText->toPlainText();
    if (!text.isEmpty())
        f.lines = text.split(QLatin1Char('\n'));
    for (int option = 0; option < Effects::TextOptionCount; ++option)
        f.options[option] = m_textOptions[option]->isChecked();
    f.fontSize = m_fontSize->value();
    return f;
}

Effects::ReferenceFields EffectsDialog::referenceFields() const {
    Effects::ReferenceFields f;
    f.description = m_reference->text();
    f.url = m_currentUrls->currentText();
    f.anchor = m_referenceType->itemIndex() == 1;
    f.justify = m_linkJustify->itemText();
    return f;
}

Effects::AppletFields EffectsDialog::appletFields() const {
    Effects::AppletFields f;
    f.codebase = m_codebase->text();
    f.code = m_javaClass->currentText();
    f.name = m_jName->text();
    f.title = m_jTitle->text();
    f.height = m_jHeight->text();
    f.width = m_jWidth->text();
    f.align = m_jAlign->currentText();
    return f;
}
