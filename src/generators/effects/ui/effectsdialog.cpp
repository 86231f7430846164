#include "generators/effects/ui/effectsdialog.h"

#include "app/userinteraction.h"
#include "documents/filelisting.h"
#include "editor/tledit.h"
#include "generators/common/ui/generatorpreview.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/effects/besidepage.h"
#include "generators/effects/ui/dropdowncombo.h"
#include "generators/effects/ui/imagemapdialog.h"
#include "generators/generatorhost.h"
#include "projects/evaluation/pageevaluation.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The main window's open-file filter: 1 is HTML files, 6 Java classes.
const QString kOpenFilter =
    QStringLiteral("HTM Files|*.htm|HTML Files|*.html|Graphics|*.gif;*.jpg|Executable|*.exe|"
                   "Frame Settings|*.set|JavaClass|*.class");

// The picture dialog's filter; its second entry holds the graphic extensions
// of the settings.
QString pictureFilter(const QString &graphicExtension) {
    QStringList patterns;
    for (const QString &extension : graphicExtension.split(QLatin1Char(','))) {
        if (extension.trimmed().isEmpty())
            break;
        patterns << QStringLiteral("*.") + extension.trimmed();
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*.gif") << QStringLiteral("*.jpg");
    return QStringLiteral("All Pictures|*.gif;*.jpg;*.jpeg;*.bmp;*.png|Graphics|%1|All Files|*")
        .arg(patterns.join(QLatin1Char(';')));
}

void sortNoCase(QStringList &list) {
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

// Refills a drop-down list, keeping what is typed in the field.
void refill(QComboBox *combo, const QStringList &items) {
    const QString typed = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    combo->setEditText(typed);
}

} // namespace

EffectsDialog::EffectsDialog(GeneratorHost &host, QWidget *parent) : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("TEffectsForm"));
    setWindowTitle(QStringLiteral("Web Effects"));

    m_tabs = new QTabBar;
    m_tabs->setObjectName(QStringLiteral("TabSet1"));
    for (const QString &caption : Effects::tabCaptions())
        m_tabs->addTab(caption);
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("Notebook1"));
    m_pages->addWidget(buildHeadersPage());
    m_pages->addWidget(buildTablesPage());
    m_pages->addWidget(buildListsPage());
    m_pages->addWidget(buildImagesPage());
    m_pages->addWidget(buildTextPage());
    m_pages->addWidget(buildReferencesPage());
    m_pages->addWidget(buildAppletPage());

    m_preview = new GeneratorPreview;
    m_preview->setObjectName(QStringLiteral("HTMLTempView"));
    m_preview->setMinimumSize(300, 160);
    // The Images tab shows the chosen picture itself, read from the page's folder.
    m_preview->setViewImages(true);

    auto *add = new QPushButton(QStringLiteral("Add"));
    add->setObjectName(QStringLiteral("BitBtn1"));
    add->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &EffectsDialog::add);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(close);
    auto *body = new QHBoxLayout;
    body->addWidget(m_pages);
    body->addWidget(m_preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(860, 480);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        fieldChanged();
    });
    regenerate();
}

EffectsTab EffectsDialog::currentTab() const {
    return EffectsTab(m_tabs->currentIndex());
}

void EffectsDialog::setCurrentTab(EffectsTab tab) {
    m_tabs->setCurrentIndex(int(tab));
}

void EffectsDialog::prepare(EffectsTab tab) {
    m_captured.clear();
    if (TLEdit *editor = m_host.documentEditor()) {
        const int length = editor->selLength();
        if (length >= 1 && length <= Effects::kMaxCapturedSelection)
            m_captured = Effects::capturedSelection(editor->getSelText());
    }
    m_updating = true;
    m_headerText->setText(m_captured);
    m_docText->setPlainText(m_captured);
    m_reference->setText(m_captured.isEmpty() ? QStringLiteral("Reference") : m_captured);
    m_tabs->setEnabled(true);
    setCurrentTab(tab);
    m_pages->setCurrentIndex(int(tab));
    m_updating = false;
    regenerate();
}

void EffectsDialog::openOn(EffectsTab tab) {
    prepare(tab);
    exec();
}

void EffectsDialog::fieldChanged() {
    if (!m_updating)
        regenerate();
}

void EffectsDialog::resizeDataGrid() {
    const QSignalBlocker blocker(m_dataGrid);
    m_dataGrid->setRowCount(m_rows->value());
    m_dataGrid->setColumnCount(m_columns->value());
}

QStringList EffectsDialog::blockLines() {
    switch (currentTab()) {
    case EffectsTab::Headers:
        return Effects::headerLines(headerFields());
    case EffectsTab::Tables:
        resizeDataGrid();
        return Effects::tableLines(tableFields());
    case EffectsTab::ListTypes:
        return Effects::listLines(listFields());
    case EffectsTab::Images:
        return Effects::imagePreviewLines(imageFields());
    case EffectsTab::DocumentText:
        return Effects::documentTextLines(textFields());
    case EffectsTab::References:
        return Effects::referenceLines(referenceFields());
    case EffectsTab::Applet:
        break;
    }
    return QStringList();
}

void EffectsDialog::regenerate() {
    if (m_refreshing)
        return;
    m_refreshing = true;
    // A map belongs to the picture it was drawn on: any change starts over.
    m_isMap->setChecked(false);
    m_createMap->setEnabled(false);
    m_map.clear();
    m_preview->showHtml(blockLines().join(QLatin1String("\r\n")), m_host.documentFolder());
    m_refreshing = false;
}

// --- Lists, pictures and files ------------------------------------------------

void EffectsDialog::fillImageList() {
    QStringList names;
    listGraphicFiles(m_host.documentFolder(), m_host.settings().graphicExtension, names);
    sortNoCase(names);
    refill(m_imageFile, names);
}

// The links of the page that lead to existing files, then the page's
// neighbours, each once.
void EffectsDialog::fillUrlList() {
    const QString folder = m_host.documentFolder();
    QStringList urls;
    if (TLEdit *editor = m_host.documentEditor())
        urls = evaluatePage(editor->text(), folder).locatedLinks;
    listDocumentFiles(folder, m_host.settings().extension, urls);
    urls.removeDuplicates();
    sortNoCase(urls);
    refill(m_currentUrls, urls);
}

void EffectsDialog::imageChosen(const QString &file) {
    const QString path = resolvedPath(file, m_host.documentFolder());
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        const QImage image = reader.read();
        if (image.isNull()) {
            m_host.ui().message(QStringLiteral("The picture %1 cannot be read: %2.")
                                    .arg(path, reader.errorString()),
                                Msg::Warning, Msg::Ok);
            regenerate();
            return;
        }
        size = image.size();
    }
    m_updating = true;
    m_imgWidth->setText(QString::number(size.width()));
    m_imgHeight->setText(QString::number(size.height()));
    m_updating = false;
    regenerate();
}

void EffectsDialog::browseImage() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_host.documentFolder();
    request.filter = pictureFilter(m_host.settings().graphicExtension);
    request.filterIndex = 2;
    const QString chosen = m_host.ui().openFile(request);
    if (chosen.isEmpty())
        return;
    m_updating = true;
    m_imageFile->setEditText(chosen);
    m_updating = false;
    m_map.clear();
    imageChosen(chosen);
}

void EffectsDialog::browseFile(QComboBox *target, int filterIndex) {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_host.documentFolder();
    request.filter = kOpenFilter;
    request.filterIndex = filterIndex;
    const QString chosen = m_host.ui().openFile(request);
    if (!chosen.isEmpty())
        target->setEditText(chosen);
}

void EffectsDialog::createMap() {
    const QString path = resolvedPath(m_imageFile->currentText(), m_host.documentFolder());
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_host.ui().message(
            QStringLiteral("File specified in Image Filename field does not exist!"),
            Msg::Information, Msg::Ok);
        return;
    }
    openImageMapEditor(m_host, path, m_map);
}

bool EffectsDialog::copyBesidePage(const QString &path) {
    const QString folder = m_host.documentFolder();
    if (folder.isEmpty() || !Effects::isInOtherFolder(path, folder))
        return true;
    const QString source = resolvedPath(path, folder);
    QString error;
    if (copyIntoFolder(source, folder, &error))
        return true;
    m_host.ui().message(QStringLiteral("Cannot copy %1 to %2: %3").arg(source, folder, error),
                        Msg::Warning, Msg::Ok);
    return false;
}

// --- Add ------------------------------------------------------------------------

// A selection that was not taken over stays in the page; the block goes in
// at the caret.
void EffectsDialog::collapseSelection() {
    TLEdit *editor = m_host.documentEditor();
    if (!editor || editor->selLength() == 0)
        return;
    editor->readSelection();
    editor->startLine = editor->endLine;
    editor->startPos = editor->endPos;
    editor->applySelection();
}

void EffectsDialog::add() {
    const EffectsTab tab = currentTab();
    if (tab == EffectsTab::Applet && !Effects::appletComplete(appletFields())) {
        m_host.ui().message(QStringLiteral("Missing entry in Code, Height or Width field!"),
                            Msg::Warning, Msg::Ok);
        return;
    }
    // The block takes the place of the selection it was made from.
    const bool replacesSelection = !m_captured.isEmpty() && tab != EffectsTab::Tables &&
                                   tab != EffectsTab::ListTypes && tab != EffectsTab::Images;
    TLEdit *editor = m_host.documentEditor();
    if (replacesSelection && editor)
        editor->cutToClipboard();
    else
        collapseSelection();

    switch (tab) {
    case EffectsTab::Tables:
    case EffectsTab::ListTypes:
        m_host.insertLines(blockLines());
        break;
    case EffectsTab::Headers:
    case EffectsTab::References:
        m_host.insertText(Effects::oneLine(blockLines()));
        break;
    case EffectsTab::DocumentText:
        m_host.insertText(Effects::documentTextLine(textFields()));
        break;
    case EffectsTab::Images:
        insertImage();
        break;
    case EffectsTab::Applet:
        insertApplet();
        break;
    }
    accept();
}

void EffectsDialog::insertImage() {
    const Effects::ImageFields f = imageFields();
    if (m_copyImage->isChecked())
        copyBesidePage(f.file);
    const QString tag = Effects::imageTag(f, m_isMap->isChecked(), m_map.pending(), m_map.name);
    if (m_map.pending())
        m_host.insertLines(QStringList(m_map.lines) << tag);
    else
        m_host.insertText(tag);
}

void EffectsDialog::insertApplet() {
    const Effects::AppletFields f = appletFields();
    copyBesidePage(f.code);
    m_host.insertText(Effects::appletText(f));
}
