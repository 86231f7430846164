#pragma once

#include "app/area.h"
#include "tags/toolpages/ui/toolpagewidgets.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <functional>

class ActiveDocument;
class PreviewPane;
class Shell;
class TagInserter;
struct MainActions;

// The tool pages the area builds its controls into (pages of PowerBook).
struct ToolPagesWidgets {
    QWidget *lists = nullptr;
    QWidget *tables = nullptr;
    QWidget *images = nullptr;
    QWidget *links = nullptr;
    QWidget *forms = nullptr;
    QWidget *asp = nullptr;
};

// Quick mark-up from the tool pages: the defined list of the "Lists" page,
// the quick table of "Tables", pictures from the "Images" page (with their
// type folders, the picture gallery in the preview and the copy of a
// picture beside the page), links from "Links", the form fields of "Forms"
// and the script blocks of "ASP"; and the HTML Codes menu's "Current
// &Date/Time" entries and the Insert menu's "# Include...".
//
// Everything goes into the page through tag insertion; lists and tables go
// in as one block of lines.
class ToolPagesArea : public QObject, public Area {
    Q_OBJECT
public:
    ToolPagesArea(Shell &shell, ActiveDocument &document, TagInserter &tags, PreviewPane &preview,
                  const ToolPagesWidgets &widgets, MainActions &actions, QObject *parent = nullptr);

    // --- Area -----------------------------------------------------------------------
    void firstShow() override;
    void settingsChanged() override;
    void updateMenus(const UiState &state) override;

    // --- Lists and Tables -----------------------------------------------------------
    void insertList();
    void insertQuickTable();

    // --- Images ---------------------------------------------------------------------
    // Fills the type box from the image root and chooses "Default".
    void fillImageTypes();
    // The shared graphics folder (down) or the program folder (up) as the
    // image root; refused while no shared folder is set.
    void setUseSharedImages(bool down);
    // The folder the chosen type's pictures come from, ending in "/".
    QString pictureFolder() const;
    void insertImage();
    // Shows every picture of the picture folder in the preview; clicking
    // one there chooses it (choosePicture).
    void showImageGallery();
    // A picture link was clicked in the preview: its name becomes the
    // picture to insert.
    void choosePicture(const QString &fileName);

    // --- Links ----------------------------------------------------------------------
    void insertLink();

    // --- Menu entries ---------------------------------------------------------------
    void insertDate();
    void insertTime();
    void insertDateTime();
    // "# Include...": a page chosen in the file dialog as a server include.
    void includeFile();

    const ListsControls &lists() const { return m_lists; }
    const TablesControls &tables() const { return m_tables; }
    const ImagesControls &images() const { return m_images; }
    const LinksControls &links() const { return m_links; }

    // The clock and the formats of dates and times (the system's, unless a
    // test sets others).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setLocale(const QLocale &locale) { m_locale = locale; }

private:
    void wireLists();
    void wireTables();
    void wireImages();
    void wireLinks();
    void wireButtonPages();
    void wireMenus();
    void listTypeChanged();
    void imageTypeChanged();
    bool canInsert() const;
    QString imageRoot() const;
    QStringList documentFiles() const;

    Shell &m_shell;
    ActiveDocument &m_document;
    TagInserter &m_tags;
    PreviewPane &m_preview;
    ToolPagesWidgets m_w;
    MainActions &m_a;
    ListsControls m_lists;
    TablesControls m_tables;
    ImagesControls m_images;
    LinksControls m_links;
    std::function<QDateTime()> m_clock;
    QLocale m_locale = QLocale::system();
};
