#include "generators/table/ui/tablecreatedialog.h"

#include "generators/common/ui/colorbutton.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/generatorhost.h"
#include "generators/table/ui/tablecontrols.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using namespace TableControls;

// Rows have no upper bound of their own; this one keeps a slip of the finger
// from building millions of lines.
constexpr int kMaxRows = 10000;

QLineEdit *colorField(QWidget *parent, const char *name) {
    auto *field = named(new QLineEdit(parent), name);
    field->setMaxLength(6);
    field->setMaximumWidth(80);
    return field;
}

QWidget *withButton(QWidget *parent, QWidget *field, QWidget *button) {
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(field);
    if (button)
        row->addWidget(button);
    row->addStretch();
    return box;
}

const char *const kInstructions =
    "Build a base table first: choose its columns and rows and press Build.\n\n"
    "Then go Next to set the table's attributes: border, spacing, width, "
    "justification and colours.\n\n"
    "Go Next again for the attributes of a cell: click the * of a cell in the "
    "preview to select it, then change it, delete it or add cells and rows "
    "beside it.\n\n"
    "Build on this page starts afresh.";

} // namespace

TableCreateDialog::TableCreateDialog(GeneratorHost &host, QWidget *parent)
    : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("TTblCreateForm"));
    setWindowTitle(QStringLiteral("Table Veda Guy"));

    auto *tabs = named(new QTabWidget(this), "PageControl1");
    auto *tablesTab = named(new QWidget(tabs), "TabSheet1");
    m_notebook = named(new QStackedWidget(tablesTab), "Notebook1");
    m_notebook->addWidget(buildMainPage());
    m_notebook->addWidget(buildTablePage());
    m_notebook->addWidget(buildCellPage());
    m_prev = named(new QPushButton(QStringLiteral("Previous"), tablesTab), "PrevPageBtn");
    m_next = named(new QPushButton(QStringLiteral("Next"), tablesTab), "NextPageBtn");
    m_prev->setAutoDefault(false);
    m_next->setAutoDefault(false);
    auto *pageButtons = new QHBoxLayout;
    pageButtons->addStretch();
    pageButtons->addWidget(m_prev);
    pageButtons->addWidget(m_next);
    // The notebook shows no tabs of its own: a heading names its page.
    auto *heading = named(new QLabel(tablesTab), "PageHeading");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    connect(m_notebook, &QStackedWidget::currentChanged, heading,
            [this, heading](int i) { heading->setText(m_notebook->widget(i)->windowTitle()); });
    heading->setText(m_notebook->widget(0)->windowTitle());
    auto *tabLayout = new QVBoxLayout(tablesTab);
    tabLayout->addWidget(heading);
    tabLayout->addWidget(m_notebook, 1);
    tabLayout->addLayout(pageButtons);
    tabs->addTab(tablesTab, QStringLiteral("Tables"));
    // The controls keep their place whichever page is shown.
    tabs->setFixedWidth(tabs->sizeHint().width() + 12);

    m_preview = named(new GeneratorPreview(this), "HTMLViewer");
    m_preview->setMinimumSize(300, 300);

    auto *body = new QHBoxLayout;
    body->addWidget(tabs);
    body->addWidget(m_preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->setMenuBar(buildMenus());
    resize(760, 470);

    connectControls();

    // Opening: no table yet, no cell to edit, no page to go to.
    m_notebook->setCurrentIndex(MainPage);
    toggleEnabled(false);
    m_prev->setEnabled(false);
    m_next->setEnabled(false);
    updateMenus();
}

TableCreateDialog::~TableCreateDialog() = default;

QWidget *TableCreateDialog::buildMainPage() {
    auto *page = named(new QWidget, "Main");
    page->setWindowTitle(QStringLiteral("Main"));
    m_memo = named(new QPlainTextEdit(QLatin1String(kInstructions), page), "Memo1");
    m_memo->setReadOnly(true);
    m_memo->setFixedHeight(190);
    m_cols = spinBox(page, "TblCols", 0, 30, 2);
    m_rows = spinBox(page, "TblRows", 0, kMaxRows, 2);
    m_build = named(new QPushButton(QStringLiteral("&Build"), page), "TblBuild");
    m_build->setAutoDefault(false);
    m_confirm = named(new QCheckBox(QStringLiteral("Confirm on Rebuild"), page), "Confirm");
    m_confirm->setChecked(true);
    m_caption = named(new QLineEdit(page), "TblCaption");
    m_captionSize = spinBox(page, "TblCaptionSize", 1, 7, 1);
    m_captionPosition =
        named(new RadioGroup(QStringLiteral("Location:"), TableLines::captionLocations, 2, page),
              "TblCaptionPosition");
    m_captionPosition->setItemIndex(0);

    auto *size = new QFormLayout;
    size->addRow(QStringLiteral("Columns:"), m_cols);
    size->addRow(QStringLiteral("Rows:"), m_rows);
    auto *buildRow = new QHBoxLayout;
    buildRow->addLayout(size);
    auto *buildButtons = new QVBoxLayout;
    buildButtons->addWidget(m_build);
    buildButtons->addWidget(m_confirm);
    buildRow->addLayout(buildButtons);
    auto *caption = new QFormLayout;
    caption->addRow(QStringLiteral("Table Caption:"), m_caption);
    caption->addRow(QStringLiteral("Size:"), withButton(page, m_captionSize, nullptr));

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_memo);
    layout->addLayout(buildRow);
    layout->addLayout(caption);
    layout->addWidget(m_captionPosition);
    layout->addStretch();
    return page;
}

QWidget *TableCreateDialog::buildTablePage() {
    auto *page = named(new QWidget, "TableAttributes");
    page->setWindowTitle(QStringLiteral("Table Attributes"));
    m_padding = spinBox(page, "TblPadding", -kNoBound, kNoBound, 1);
    m_spacing = spinBox(page, "TblSpacing", -kNoBound, kNoBound, 2);
    m_border = spinBox(page, "TblBorder", -kNoBound, kNoBound, 1);
    m_width = spinBox(page, "TblWidth", 0, 100, 0);
    m_width->setSuffix(QStringLiteral(" %"));
    m_alignment = named(
        new RadioGroup(QStringLiteral("Table Justification:"), TableLines::justifications, 2, page),
        "TblAlignment");
    m_alignment->setItemIndex(0);
    m_tableColor = colorField(page, "OriginalColor");
    m_borderColor = colorField(page, "BorderColor");
    auto *tableColorButton = named(new ColorButton(m_tableColor, page), "BitBtn3");
    auto *borderColorButton = named(new ColorButton(m_borderColor, page), "BitBtn4");
    connect(tableColorButton, &QToolButton::clicked, this,
            [this] { colorButtonClick(m_tableColor, false); });
    connect(borderColorButton, &QToolButton::clicked, this,
            [this] { colorButtonClick(m_borderColor, false); });

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Cell Padding:"), m_padding);
    form->addRow(QStringLiteral("Cell Spacing:"), m_spacing);
    form->addRow(QStringLiteral("Border Width:"), m_border);
    form->addRow(QStringLiteral("Table Width:"), m_width);
    auto *colors = new QFormLayout;
    colors->addRow(QStringLiteral("Table Color:"),
                   withButton(page, m_tableColor, tableColorButton));
    colors->addRow(QStringLiteral("Border Color:"),
                   withButton(page, m_borderColor, borderColorButton));

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(m_alignment);
    layout->addLayout(colors);
    layout->addStretch();
    return page;
}

QWidget *TableCreateDialog::buildCellPage() {
    auto *page = named(new QWidget, "CellsAttributes");
    page->setWindowTitle(QStringLiteral("Cells Attributes"));
    auto *spanning = new QGroupBox(QStringLiteral("Spanning:"), page);
    m_rowSpan = spinBox(spanning, "RowSpan", 1, 1000, 1);
    m_colSpan = spinBox(spanning, "ColSpan", 1, 30, 1);
    auto *spans = new QFormLayout(spanning);
    spans->addRow(QStringLiteral("Rows:"), m_rowSpan);
    spans->addRow(QStringLiteral("Columns:"), m_colSpan);

    auto *alignment = new QGroupBox(QStringLiteral("Alignment:"), page);
    m_valign = alignList(alignment, "valign",
                         {QStringLiteral("None"), QStringLiteral("Top"), QStringLiteral("Middle"),
                          QStringLiteral("Bottom")});
    m_halign = alignList(alignment, "halign",
                         {QStringLiteral("None"), QStringLiteral("Left"), QStringLiteral("Center"),
                          QStringLiteral("Right")});
    auto *aligns = new QFormLayout(alignment);
    aligns->addRow(QStringLiteral("Vertical"), m_valign);
    aligns->addRow(QStringLiteral("Horizontal:"), m_halign);

    m_cellHeader = named(new QCheckBox(QStringLiteral("Use header style"), page), "CellHeader");
    m_cellText = named(new QLineEdit(page), "CellText");
    m_cellColor = colorField(page, "CellColor");
    auto *cellColorButton = named(new ColorButton(m_cellColor, page), "BitBtn2");
    connect(cellColorButton, &QToolButton::clicked, this,
            [this] { colorButtonClick(m_cellColor, true); });
    auto *texts = new QFormLayout;
    texts->addRow(QStringLiteral("Cell Text:"), m_cellText);
    texts->addRow(QStringLiteral("Cell Color:"), withButton(page, m_cellColor, cellColorButton));

    m_deleteCell = named(new QPushButton(QStringLiteral("Delete Cell"), page), "DeleteCell");
    m_whereToAdd =
        named(new RadioGroup(QStringLiteral("Where to add:"),
                             {QStringLiteral("Before"), QStringLiteral("After")}, 2, page),
              "WhereToAdd");
    m_whereToAdd->setItemIndex(1);
    m_addCell = named(new QPushButton(QStringLiteral("Add Cell"), page), "AddCell");
    m_addRow = named(new QPushButton(QStringLiteral("Add Row"), page), "AddRow");
    for (QPushButton *b : {m_deleteCell, m_addCell, m_addRow})
        b->setAutoDefault(false);
    auto *adding = new QHBoxLayout;
    adding->addWidget(m_addCell);
    adding->addWidget(m_addRow);
    adding->addStretch();
    adding->addWidget(m_deleteCell);

    auto *top = new QHBoxLayout;
    top->addWidget(spanning);
    top->addWidget(alignment);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_cellHeader);
    layout->addLayout(texts);
    layout->addWidget(m_whereToAdd);
    layout->addLayout(adding);
    layout->addStretch();
    return page;
}

QMenuBar *TableCreateDialog::buildMenus() {
    auto *bar = named(new QMenuBar(this), "MainMenu1");
    QMenu *file = named(bar->addMenu(QStringLiteral("File")), "File1");
    m_open = named(file->addAction(QStringLiteral("Open Table Definition...")), "Open1");
    m_save =
        named(file->addAction(QStringLiteral("Save Table Definition...")), "SaveTableDefinition1");
    file->addSeparator();
    m_insert = named(file->addAction(QStringLiteral("&Insert and Return")), "Insert");
    m_insert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_exit = named(file->addAction(QStringLiteral("&Abandon and Return")), "Exit1");
    m_exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    m_tableMenu = named(bar->addMenu(QStringLiteral("Table Funcitons")), "TableFuncitons1");
    m_view = named(m_tableMenu->addAction(QStringLiteral("&View")), "View");
    m_view->setShortcut(QKeySequence(Qt::Key_F5));
    m_copy = named(m_tableMenu->addAction(QStringLiteral("Copy HTML to Clipboard")),
                   "CopyHTMLtoClipboard");
    // Shortcuts work in the whole dialog, also while a field has the focus.
    for (QAction *a : {m_insert, m_exit, m_view})
        a->setShortcutContext(Qt::WindowShortcut);
    addActions({m_open, m_save, m_insert, m_exit, m_view, m_copy});
    return bar;
}

void TableCreateDialog::connectControls() {
    connect(m_build, &QPushButton::clicked, this, &TableCreateDialog::tblBuildClick);
    connect(m_prev, &QPushButton::clicked, this, &TableCreateDialog::prevPageClick);
    connect(m_next, &QPushButton::clicked, this, &TableCreateDialog::nextPageClick);

    auto tableChange = [this] { tblPaddingChange(); };
    connect(m_caption, &QLineEdit::editingFinished, this, tableChange);
    connect(m_tableColor, &QLineEdit::editingFinished, this, tableChange);
    connect(m_borderColor, &QLineEdit::editingFinished, this, tableChange);
    for (QSpinBox *box : {m_captionSize, m_padding, m_spacing, m_border, m_width})
        connect(box, &QSpinBox::valueChanged, this, tableChange);
    connect(m_captionPosition, &RadioGroup::changed, this, tableChange);
    connect(m_alignment, &RadioGroup::changed, this, tableChange);

    auto cellChange = [this] { rowSpanChange(); };
    connect(m_rowSpan, &QSpinBox::valueChanged, this, cellChange);
    connect(m_colSpan, &QSpinBox::valueChanged, this, cellChange);
    connect(m_valign, &QComboBox::currentTextChanged, this, cellChange);
    connect(m_halign, &QComboBox::currentTextChanged, this, cellChange);
    connect(m_cellHeader, &QCheckBox::toggled, this, cellChange);
    connect(m_cellText, &QLineEdit::editingFinished, this, cellChange);
    connect(m_cellColor, &QLineEdit::editingFinished, this, cellChange);

    connect(m_deleteCell, &QPushButton::clicked, this, &TableCreateDialog::deleteCellClick);
    connect(m_addCell, &QPushButton::clicked, this, &TableCreateDialog::addCellClick);
    connect(m_addRow, &QPushButton::clicked, this, &TableCreateDialog::addRowClick);

    connect(m_preview, &GeneratorPreview::linkClicked, this,
            &TableCreateDialog::htmlViewerHotSpotClick);

    connect(m_open, &QAction::triggered, this, &TableCreateDialog::open1Click);
    connect(m_save, &QAction::triggered, this, &TableCreateDialog::saveTableDefinition1Click);
    connect(m_insert, &QAction::triggered, this, [this] { exit1Click(true); });
    connect(m_exit, &QAction::triggered, this, [this] { exit1Click(false); });
    connect(m_tableMenu, &QMenu::aboutToShow, this, &TableCreateDialog::tableFuncitons1Click);
    connect(m_view, &QAction::triggered, this, &TableCreateDialog::viewClick);
    connect(m_copy, &QAction::triggered, this, &TableCreateDialog::copyHtmlToClipboardClick);
}

TableSettings TableCreateDialog::tableControls() const {
    TableSettings s;
    s.border = m_border->value();
    s.width = m_width->value();
    s.justification = m_alignment->itemText();
    s.padding = m_padding->value();
    s.spacing = m_spacing->value();
    s.tableColor = m_tableColor->text();
    s.borderColor = m_borderColor->text();
    s.caption = m_caption->text();
    s.captionSize = m_captionSize->value();
    s.captionLocation = m_captionPosition->itemText();
    return s;
}

void TableCreateDialog::showTableSettings(const TableSettings &s) {
    const bool suspended = m_updatesSuspended;
    m_updatesSuspended = true;
    m_border->setValue(s.border);
    m_width->setValue(s.width);
    m_alignment->setItemText(s.justification);
    m_padding->setValue(s.padding);
    m_spacing->setValue(s.spacing);
    m_tableColor->setText(s.tableColor);
    m_borderColor->setText(s.borderColor);
    m_caption->setText(s.caption);
    m_captionSize->setValue(s.captionSize);
    m_captionPosition->setItemText(s.captionLocation);
    m_updatesSuspended = suspended;
}

CellSettings TableCreateDialog::cellControls() const {
    CellSettings cell;
    cell.header = m_cellHeader->isChecked();
    cell.rowSpan = m_rowSpan->value();
    cell.colSpan = m_colSpan->value();
    cell.vAlign = m_valign->currentText();
    cell.hAlign = m_halign->currentText();
    cell.color = m_cellColor->text();
    cell.text = m_cellText->text();
    return cell;
}

void TableCreateDialog::showCell(const CellSettings &cell) {
    const bool suspended = m_updatesSuspended;
    m_updatesSuspended = true;
    m_cellHeader->setChecked(cell.header);
    m_rowSpan->setValue(cell.rowSpan);
    m_colSpan->setValue(cell.colSpan);
    m_valign->setEditText(cell.vAlign);
    m_halign->setEditText(cell.hAlign);
    m_cellColor->setText(cell.color);
    m_cellText->setText(cell.text);
    m_updatesSuspended = suspended;
}

void TableCreateDialog::keyPressEvent(QKeyEvent *event) {
    // Escape would drop the table without a word; the dialog is left through
    // its menu (or its close box, which abandons on purpose).
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
