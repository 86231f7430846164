#include "tags/toolpages/ui/toolpagesarea.h"
#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "documents/filelisting.h"
#include "documents/picturecopy.h"
#include "preview/previewpane.h"
#include "settings/settings.h"
#include "tags/taginserter.h"
#include "tags/toolpages/imagefolders.h"
#include "tags/toolpages/toolpagetexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

using namespace ToolPageTexts;

namespace {

// While the picture gallery is built: the Images page disabled and the
// hourglass shown, both restored however the building ends.
class BusyPage {
public:
    explicit BusyPage(QWidget *page) : m_page(page) {
        m_page->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyPage() {
        QApplication::restoreOverrideCursor();
        if (m_page)
            m_page->setEnabled(true);
    }
    BusyPage(const BusyPage &) = delete;
    BusyPage &operator=(const BusyPage &) = delete;

private:
    QPointer<QWidget> m_page;
};

// A spin box's value, also when the user typed a number and pressed the
// button without leaving the box.
int valueOf(QSpinBox *box) {
    box->interpretText();
    return box->value();
}

} // namespace

ToolPagesArea::ToolPagesArea(Shell &shell, ActiveDocument &document, TagInserter &tags,
                             PreviewPane &preview, const ToolPagesWidgets &widgets,
                             MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_tags(tags), m_preview(preview),
      m_w(widgets), m_a(actions), m_clock([] { return QDateTime::currentDateTime(); }) {
    m_lists = buildListsPage(m_w.lists);
    m_tables = buildTablesPage(m_w.tables);
    m_images = buildImagesPage(m_w.images);
    m_links = buildLinksPage(m_w.links);
    wireLists();
    wireTables();
    wireImages();
    wireLinks();
    wireButtonPages();
    wireMenus();
}

bool ToolPagesArea::canInsert() const {
    return !m_shell.isFullScreen() && m_document.isOpen();
}

// --- Area ---------------------------------------------------------------------------

void ToolPagesArea::firstShow() {
    fillImageTypes();
}

void ToolPagesArea::settingsChanged() {
    // The shared folder may have moved, or been cleared.
    if (!m_images.useShared->isChecked())
        return;
    if (m_shell.settings().sharedImageDir.isEmpty()) {
        const QSignalBlocker quiet(m_images.useShared);
        m_images.useShared->setChecked(false);
    }
    fillImageTypes();
}

void ToolPagesArea::updateMenus(const UiState &state) {
    // Nothing can go into the page while the full-screen preview hides it.
    const bool usable = state.documentOpen && !m_shell.isFullScreen();
    for (QAction *x : {m_a.dateItem, m_a.timeItem, m_a.dateTimeItem, m_a.include})
        MainActions::setUsable(x, usable);
}

// --- Lists and Tables ---------------------------------------------------------------

void ToolPagesArea::wireLists() {
    connect(m_lists.listType, &QComboBox::currentIndexChanged, this,
            &ToolPagesArea::listTypeChanged);
    connect(m_lists.insert, &QToolButton::clicked, this, &ToolPagesArea::insertList);
}

void ToolPagesArea::listTypeChanged() {
    const bool unordered = m_lists.listType->currentIndex() == 1;
    // The ordered list's style and start, or the unordered list's style.
    m_lists.orderedStyles->setVisible(!unordered);
    m_lists.startLabel->setVisible(!unordered);
    m_lists.startAt->setVisible(!unordered);
    m_lists.unorderedStyles->setVisible(unordered);
}

void ToolPagesArea::insertList() {
    ListChoice choice;
    switch (m_lists.listType->currentIndex()) {
    case 0:
        choice.kind = ListKind::Ordered;
        choice.style = m_lists.orderedStyles->currentText();
        break;
    case 1:
        choice.kind = ListKind::Unordered;
        choice.style = m_lists.unorderedStyles->currentText();
        break;
    default:
        break;
    }
    choice.count = valueOf(m_lists.count);
    choice.startAt = valueOf(m_lists.startAt);
    m_tags.insertLines(listLines(choice));
}

void ToolPagesArea::wireTables() {
    connect(m_tables.insert, &QToolButton::clicked, this, &ToolPagesArea::insertQuickTable);
}

void ToolPagesArea::insertQuickTable() {
    QuickTable table;
    table.columns = valueOf(m_tables.columns);
    table.rows = valueOf(m_tables.rows);
    table.widthPercent = valueOf(m_tables.width);
    table.border = m_tables.border->isChecked();
    m_tags.insertLines(quickTableLines(table));
}

// --- Images -------------------------------------------------------------------------

void ToolPagesArea::wireImages() {
    const ImagesControls &c = m_images;
    connect(c.type, &QComboBox::currentIndexChanged, this, &ToolPagesArea::imageTypeChanged);
    connect(c.useShared, &QToolButton::toggled, this, &ToolPagesArea::setUseSharedImages);
    c.picture->setFiller([this] {
        return ImageFolders::pictureNames(pictureFolder(), m_shell.settings().graphicExtension);
    });
    c.hotLink->setFiller([this] { return documentFiles(); });
    connect(c.insert, &QToolButton::clicked, this, &ToolPagesArea::insertImage);
    connect(c.gallery, &QToolButton::clicked, this, &ToolPagesArea::showImageGallery);
}

QString ToolPagesArea::imageRoot() const {
    const Settings &s = m_shell.settings();
    return ImageFolders::imageRoot(m_shell.programDir(), s.sharedImageDir,
                                   m_images.useShared->isChecked());
}

QStringList ToolPagesArea::documentFiles() const {
    QStringList names;
    const QString folder = m_document.currentDir();
    if (!folder.isEmpty())
        listDocumentFiles(folder, m_shell.settings().extension, names);
    names.sort(Qt::CaseInsensitive);
    return names;
}

void ToolPagesArea::fillImageTypes() {
    UserInteraction &ui = m_shell.ui();
    runStep(ui, QStringLiteral("FillImageDirectoryListing"), [&] {
        bool listed = true;
        const QStringList types = ImageFolders::typeNames(imageRoot(), &listed);
        {
            const QSignalBlocker quiet(m_images.type);
            m_images.type->clear();
            m_images.type->addItems(types);
            m_images.type->setCurrentIndex(0);
        }
        imageTypeChanged();
        if (!listed)
            ui.message(Msg::exceptionText(QStringLiteral("BuildDirList")), Msg::Warning, Msg::Ok);
    });
}

void ToolPagesArea::setUseSharedImages(bool down) {
    if (down && m_shell.settings().sharedImageDir.isEmpty()) {
        {
            const QSignalBlocker quiet(m_images.useShared);
            m_images.useShared->setChecked(false);
        }
        m_shell.ui().message(QStringLiteral("You must specify a shared image directory in the "
                                            "General Preferences dialog box."),
                             Msg::Information, Msg::Ok);
        return;
    }
    fillImageTypes();
}

void ToolPagesArea::imageTypeChanged() {
    // The pictures and the alignment chosen belonged to the other type.
    m_images.picture->clear();
    m_images.picture->setEditText(QString());
    m_images.alignment->setCurrentIndex(-1);
}

QString ToolPagesArea::pictureFolder() const {
    return ImageFolders::pictureFolder(m_images.type->currentText(), imageRoot(),
                                       m_document.currentDir());
}

void ToolPagesArea::insertImage() {
    const QString name = m_images.picture->currentText();
    if (name.isEmpty() || !canInsert())
        return;
    const QString folder = pictureFolder();
    const QString pageDir = m_document.currentDir();
    const QString type = m_images.type->currentText();
    // A picture of a type folder goes beside the page, which refers to it by
    // its bare name; a file of that name already there stays.
    if (!type.isEmpty() && type != ImageFolders::defaultType() && !pageDir.isEmpty())
        copyPictureBesidePage(folder + name, pageDir, m_shell.ui());

    ImageChoice image;
    image.name = name;
    image.alignment = m_images.alignment->currentText();
    image.size = ImageFolders::pictureSize(folder + name);
    image.hotLink = m_images.hotLink->currentText();
    m_tags.insertText(imageTag(image));
}

void ToolPagesArea::showImageGallery() {
    QString page;
    {
        const BusyPage busy(m_w.images);
        const QString folder = pictureFolder();
        page = imageGalleryPage(
            folder, ImageFolders::pictureNames(folder, m_shell.settings().graphicExtension));
    }
    m_preview.showPage(page);
}

void ToolPagesArea::choosePicture(const QString &fileName) {
    m_images.picture->setEditText(fileName);
}

// --- Links --------------------------------------------------------------------------

void ToolPagesArea::wireLinks() {
    m_links.url->setFiller([this] { return documentFiles(); });
    connect(m_links.insert, &QToolButton::clicked, this, &ToolPagesArea::insertLink);
}

void ToolPagesArea::insertLink() {
    const QString opening = linkOpening(m_links.prefix->currentText(), m_links.url->currentText());
    const QString text = m_links.text->text();
    if (text.isEmpty())
        m_tags.insertSelected2(opening, QStringLiteral("</A>"));
    else
        m_tags.insertText(opening + text + QStringLiteral("</A>"));
}

// --- Forms and ASP ------------------------------------------------------------------

void ToolPagesArea::wireButtonPages() {
    const auto wire = [this](QWidget *page, const QVector<PageButton> &buttons) {
        QStringList names, captions, hints;
        for (const PageButton &b : buttons) {
            names << b.name;
            captions << b.caption;
            hints << b.hint;
        }
        const QVector<QToolButton *> made = buildButtonsPage(page, names, captions, hints);
        for (int i = 0; i < made.size(); ++i) {
            const PageButton b = buttons.at(i);
            connect(made.at(i), &QToolButton::clicked, this, [this, b] {
                if (b.wraps())
                    m_tags.insertSelected2(b.opening, b.closing);
                else
                    m_tags.insertText(b.opening);
            });
        }
    };
    wire(m_w.forms, formButtons());
    wire(m_w.asp, aspButtons());
}

// --- Menu entries -------------------------------------------------------------------

void ToolPagesArea::wireMenus() {
    MainActions &a = m_a;
    MainActions::setBuilt({a.dateItem, a.timeItem, a.dateTimeItem, a.include});
    connect(a.dateItem, &QAction::triggered, this, &ToolPagesArea::insertDate);
    connect(a.timeItem, &QAction::triggered, this, &ToolPagesArea::insertTime);
    connect(a.dateTimeItem, &QAction::triggered, this, &ToolPagesArea::insertDateTime);
    connect(a.include, &QAction::triggered, this, &ToolPagesArea::includeFile);
}

void ToolPagesArea::insertDate() {
    m_tags.insertText(dateText(m_clock(), m_locale));
}

void ToolPagesArea::insertTime() {
    m_tags.insertText(timeText(m_clock(), m_locale));
}

void ToolPagesArea::insertDateTime() {
    m_tags.insertText(dateTimeText(m_clock(), m_locale));
}

void ToolPagesArea::includeFile() {
    if (!canInsert())
        return;
    FileRequest request;
    request.caption = QStringLiteral("Include");
    request.folder = m_document.currentDir();
    request.filter = includeFilter();
    request.filterIndex = 1;
    const QString path = m_shell.ui().openFile(request);
    if (!path.isEmpty())
        m_tags.insertText(includeTag(path));
}
