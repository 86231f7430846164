#include "generators/form/ui/formvedadialog.h"

#include "app/userinteraction.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/form/ui/formentrydialog.h"
#include "generators/generatorhost.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct AddButton {
    FieldKind kind;
    const char *name;
    const char *text;
    const char *hint;
};

// The add buttons; each opens the Form Definition dialog on its kind's page.
const AddButton kAddButtons[] = {
    {FieldKind::CheckBox, "CBButton", "Check", "Add Checkbox"},
    {FieldKind::RadioGroup, "RGButton", "Radio", "Add Radio Button"},
    {FieldKind::DataEntry, "DEButton", "Entry", "Add Text or Password field"},
    {FieldKind::ListBox, "LBButton", "List", "Add Listbox"},
    {FieldKind::TextArea, "TAButton", "Area", "Add Text Area"},
    {FieldKind::PageText, "BitBtn1", "Text", "Add Plain Text"},
    {FieldKind::Hidden, "BitBtn3", "Hidden", "Add Hidden Field"},
};

struct AddItem {
    FieldKind kind;
    const char *name;
    const char *caption;
};

const AddItem kAddItems[] = {
    {FieldKind::CheckBox, "AddCheckbox1", "Add &Checkbox"},
    {FieldKind::RadioGroup, "AddRadioButton1", "Add &Radio Button"},
    {FieldKind::DataEntry, "AddEntryField1", "Add &Entry Field"},
    {FieldKind::ListBox, "AddListBox1", "Add &List Box"},
    {FieldKind::TextArea, "AddTextArea1", "Add &Text Area"},
    {FieldKind::PageText, "AddPageText1", "Add &Page Text"},
};

QAction *action(QMenu *menu, const char *name, const QString &caption,
                const QKeySequence &shortcut = QKeySequence()) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(shortcut);
    return a;
}

} // namespace

FormVedaDialog::FormVedaDialog(GeneratorHost &host, FormSubmitHandler onSubmit, QWidget *parent)
    : QDialog(parent), m_host(&host), m_onSubmit(std::move(onSubmit)) {
    setObjectName(QStringLiteral("TFormVedaForm"));
    setWindowTitle(QStringLiteral("Form Veda Guy"));
    m_entryDialog = new FormEntryDialog(m_entry, this);

    auto *menus = new QMenuBar(this);
    menus->addMenu(buildFileMenu());
    menus->addMenu(buildFieldsMenu());

    auto *left = new QWidget;
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(buildFieldList(), 1);
    leftLayout->addWidget(buildOptions());

    m_preview = new GeneratorPreview;
    m_preview->setObjectName(QStringLiteral("HTMLViewer1"));
    connect(m_preview, &HtmlViewer::formSubmit, this,
            [this](const QString &action, const QString &method, const QStringList &results) {
                if (m_onSubmit)
                    m_onSubmit(action, method, results);
            });

    auto *split = new QSplitter(Qt::Horizontal);
    split->addWidget(left);
    split->addWidget(m_preview);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(split);
    resize(820, 560);
}

FormVedaDialog::~FormVedaDialog() = default;

QMenu *FormVedaDialog::buildFileMenu() {
    auto *menu = new QMenu(QStringLiteral("&File"), this);
    connect(
        action(menu, "LoadFormDefinition1", QStringLiteral("Open Form Definition..."), Qt::Key_F3),
        &QAction::triggered, this, &FormVedaDialog::openDefinition);
    m_saveAction =
        action(menu, "SaveFormDefinition", QStringLiteral("Save Form Definition..."), Qt::Key_F2);
    connect(m_saveAction, &QAction::triggered, this, [this] { saveDefinition(); });
    m_copyAction = action(menu, "CopyFormToClipboard", QStringLiteral("Copy Form To Clipboard"),
                          QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(m_copyAction, &QAction::triggered, this, &FormVedaDialog::copyToClipboard);
    menu->addSeparator();
    connect(action(menu, "Insert", QStringLiteral("Insert and return")), &QAction::triggered, this,
            [this] { leave(true); });
    connect(action(menu, "ExitForms", QStringLiteral("Abandon and return"),
                   QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, [this] { leave(false); });
    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_saveAction->setEnabled(!m_form.isEmpty());
        m_copyAction->setEnabled(!m_form.isEmpty());
    });
    return menu;
}

QMenu *FormVedaDialog::buildFieldsMenu() {
    auto *menu = new QMenu(QStringLiteral("Field&s"), this);
    for (const AddItem &item : kAddItems) {
        const FieldKind kind = item.kind;
        connect(action(menu, item.name, QLatin1String(item.caption)), &QAction::triggered, this,
                [this, kind] { addField(kind); });
    }
    menu->addSeparator();
    connect(action(menu, "ClearForm", QStringLiteral("Remove &All Fields")), &QAction::triggered,
            this, &FormVedaDialog::removeAllFields);
    connect(action(menu, "RemoveSelectedField1", QStringLiteral("Remove &Selected Field")),
            &QAction::triggered, this, &FormVedaDialog::deleteSelected);
    return menu;
}

QWidget *FormVedaDialog::buildFieldList() {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *adders = new QHBoxLayout;
    adders->setSpacing(2);
    for (const AddButton &b : kAddButtons) {
        auto *button = new QToolButton;
        button->setObjectName(QLatin1String(b.name));
        button->setText(QLatin1String(b.text));
        button->setToolTip(QLatin1String(b.hint));
        button->setProperty("tag", static_cast<int>(b.kind));
        const FieldKind kind = b.kind;
        connect(button, &QToolButton::clicked, this, [this, kind] { addField(kind); });
        adders->addWidget(button);
    }
    adders->addStretch();
    layout->addLayout(adders);

    m_items = new QListWidget;
    m_items->setObjectName(QStringLiteral("FormItems"));
    m_items->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *listMenu = new QMenu(m_items);
    listMenu->setObjectName(QStringLiteral("ListMenu"));
    connect(action(listMenu, "DeleteSelected", QStringLiteral("Delete Selected")),
            &QAction::triggered, this, &FormVedaDialog::deleteSelected);
    connect(action(listMenu, "EditSelected", QStringLiteral("Edit Selected")), &QAction::triggered,
            this, &FormVedaDialog::editSelected);
    connect(m_items, &QWidget::customContextMenuRequested, this,
            [this, listMenu](QPoint at) { listMenu->popup(m_items->viewport()->mapToGlobal(at)); });
    connect(m_items, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_updating)
            selectRow(row);
    });
    connect(m_items, &QListWidget::itemDoubleClicked, this, &FormVedaDialog::editSelected);
    layout->addWidget(m_items, 1);

    auto *moves = new QHBoxLayout;
    auto *up = new QPushButton(QStringLiteral("Up"));
    up->setObjectName(QStringLiteral("ItemUp"));
    auto *down = new QPushButton(QStringLiteral("Down"));
    down->setObjectName(QStringLiteral("ItemDown"));
    auto *trash = new QPushButton(QStringLiteral("Delete"));
    trash->setObjectName(QStringLiteral("TrashCan"));
    trash->setToolTip(QStringLiteral("Delete selected field"));
    for (QPushButton *b : {up, down, trash}) {
        b->setAutoDefault(false);
        moves->addWidget(b);
    }
    moves->addStretch();
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(true); });
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(false); });
    connect(trash, &QPushButton::clicked, this, &FormVedaDialog::deleteSelected);
    layout->addLayout(moves);
    return box;
}

QWidget *FormVedaDialog::buildOptions() {
    auto *box = new QGroupBox(QStringLiteral("Options"));
    auto *form = new QFormLayout(box);
    const FormOptions &o = m_form.options;
    m_submitText = new QLineEdit(o.submitText);
    m_submitText->setObjectName(QStringLiteral("SubmitText"));
    m_resetText = new QLineEdit(o.resetText);
    m_resetText->setObjectName(QStringLiteral("ResetText"));
    m_mailTo = new QLineEdit(o.mailTo);
    m_mailTo->setObjectName(QStringLiteral("MailToText"));
    m_mailTo->setToolTip(QStringLiteral("Used for mailto submission"));
    form->addRow(QStringLiteral("Text for Submit Button:"), m_submitText);
    form->addRow(QStringLiteral("Text for Reset Button:"), m_resetText);
    form->addRow(QStringLiteral("Mail To:"), m_mailTo);
    connect(m_submitText, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_form.options.submitText = t; });
    connect(m_resetText, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_form.options.resetText = t; });
    connect(m_mailTo, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_form.options.mailTo = t; });

    m_preformat = new QCheckBox(QStringLiteral("Preformat Fields"));
    m_preformat->setObjectName(QStringLiteral("PreformatText"));
    m_useTable = new QCheckBox(QStringLiteral("Use Table Format"));
    m_useTable->setObjectName(QStringLiteral("UseTable"));
    connect(m_preformat, &QCheckBox::toggled, this, [this](bool on) {
        m_form.options.preformat = on;
        build();
    });
    connect(m_useTable, &QCheckBox::toggled, this, [this](bool on) {
        m_form.options.useTable = on;
        build();
    });
    auto *flags = new QHBoxLayout;
    flags->addWidget(m_preformat);
    flags->addWidget(m_useTable);
    flags->addStretch();
    auto *buildButton = new QPushButton(QStringLiteral("&Build"));
    buildButton->setObjectName(QStringLiteral("BuildButton"));
    buildButton->setAutoDefault(false);
    connect(buildButton, &QPushButton::clicked, this, &FormVedaDialog::build);
    flags->addWidget(buildButton);
    form->addRow(flags);
    return box;
}

void FormVedaDialog::attach(GeneratorHost &host, FormSubmitHandler onSubmit) {
    m_host = &host;
    m_onSubmit = std::move(onSubmit);
}

void FormVedaDialog::run() {
    exec();
}

void FormVedaDialog::showRecords() {
    m_updating = true;
    m_items->clear();
    m_items->addItems(m_form.records());
    m_items->setCurrentRow(m_form.selected());
    m_updating = false;
}

void FormVedaDialog::showLines(const QStringList &lines) {
    m_preview->showHtml(lines.join(QLatin1String("\r\n")), m_host->documentFolder());
}

void FormVedaDialog::selectRow(int row) {
    m_form.select(row);
    if (m_form.selected() >= 0)
        showLines(m_form.buildSelected());
}

void FormVedaDialog::addField(FieldKind kind) {
    m_entry.beginAdding(kind, m_form.groupNames());
    runEntry();
}

void FormVedaDialog::editSelected() {
    if (m_form.selected() < 0 ||
        !m_entry.beginEditing(m_form.selectedRecord(), m_form.groupNames()))
        return;
    runEntry();
}

void FormVedaDialog::runEntry() {
    if (m_entryDialog->run(m_host->ui())) {
        m_form.acceptField(m_entry.recordLine(), m_entry.editing());
        showRecords();
        if (m_form.selected() >= 0)
            showLines(m_form.buildSelected());
    }
    m_entry.finish();
}

void FormVedaDialog::moveSelected(bool up) {
    if (up ? m_form.moveUp() : m_form.moveDown()) {
        showRecords();
        build();
    }
}

void FormVedaDialog::deleteSelected() {
    if (m_form.removeSelected()) {
        showRecords();
        build();
    }
}

void FormVedaDialog::removeAllFields() {
    if (m_host->ui().message(QStringLiteral("Delete all the fields in this form?"), Msg::Warning,
                             Msg::Yes | Msg::No) != Msg::ResultYes)
        return;
    m_form.clear();
    showRecords();
    m_preview->clear();
}

void FormVedaDialog::build() {
    const QStringList &lines = m_form.build();
    if (!lines.isEmpty())
        showLines(lines);
}

void FormVedaDialog::openDefinition() {
    FileRequest request;
    request.caption = QStringLiteral("Open Form Definition");
    request.fileName = m_definitionPath;
    request.filter = QStringLiteral("Form Definitions|*.frm");
    const QString path = m_host->ui().openFile(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!m_form.load(path, &error)) {
        m_host->ui().message(error, Msg::Error, Msg::Ok);
        return;
    }
    m_definitionPath = path;
    showRecords();
    build();
}

FormVedaDialog::SaveResult FormVedaDialog::saveDefinition() {
    FileRequest request;
    request.caption = QStringLiteral("Save Form Definition");
    request.fileName = m_definitionPath;
    request.filter = QStringLiteral("Form Definition Files|*.frm");
    const QString path = m_host->ui().saveFile(request);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    QString error;
    if (!m_form.save(path, &error)) {
        m_host->ui().message(error, Msg::Error, Msg::Ok);
        return SaveResult::Failed;
    }
    m_definitionPath = path;
    return SaveResult::Saved;
}

void FormVedaDialog::copyToClipboard() {
    build();
    if (!m_form.formLines().isEmpty())
        QGuiApplication::clipboard()->setText(m_form.clipboardText());
}

void FormVedaDialog::leave(bool insert) {
    const int answer = m_host->ui().message(
        QStringLiteral("Would you like to save the Form Definition before proceeding?"),
        Msg::Confirmation, Msg::Yes | Msg::No | Msg::Cancel);
    if (answer == Msg::ResultCancel)
        return;
    // When the definition the user asked to keep could not be written, they
    // stay here and may try again.
    if (answer == Msg::ResultYes && saveDefinition() == SaveResult::Failed)
        return;
    if (insert) {
        build();
        if (!m_form.formLines().isEmpty())
            m_host->insertLines(m_form.formLines());
    }
    done(insert ? QDialog::Accepted : QDialog::Rejected);
}
