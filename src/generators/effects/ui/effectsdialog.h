#pragma once

#include "generators/effects/effectsblocks.h"
#include "generators/effects/imagemapgrid.h"

#include <QDialog>

class DropDownCombo;
class GeneratorHost;
class GeneratorPreview;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class RadioGroup;

// "Web Effects" (`TEffectsForm`): a tabbed window that builds one small block
// of mark-up at a time (a heading, a table, a list, an image, formatted text,
// a link or anchor, an applet), previews it as the fields change, and "Add"
// puts it into the page at the caret. One instance serves the whole run: its
// fields keep their values between uses, except the three that take over
// the editor's selection each time it is shown.
class EffectsDialog : public QDialog {
    Q_OBJECT
public:
    explicit EffectsDialog(GeneratorHost &host, QWidget *parent = nullptr);

    // Takes over the editor's selection and shows `tab`; then the dialog is
    // ready to be shown. openOn() does this and runs it modally.
    void prepare(EffectsTab tab);
    void openOn(EffectsTab tab);

    EffectsTab currentTab() const;
    void setCurrentTab(EffectsTab tab);
    // The selection taken over when the dialog was last prepared.
    QString capturedSelection() const { return m_captured; }
    GeneratorPreview *preview() const { return m_preview; }
    // The map the image map editor left for the next image tag.
    const PendingMap &pendingMap() const { return m_map; }
    PendingMap &pendingMap() { return m_map; }

    // Builds the current tab's block from the fields and shows it; this
    // also unchecks "Is a Map?" and drops a pending map.
    void regenerate();
    // The current tab's block as the preview shows it.
    QStringList blockLines();
    // "Add": puts the block into the page and closes the window.
    void add();

    // The fields of each tab.
    Effects::HeaderFields headerFields() const;
    Effects::TableFields tableFields() const;
    Effects::ListFields listFields() const;
    Effects::ImageFields imageFields() const;
    Effects::TextFields textFields() const;
    Effects::ReferenceFields referenceFields() const;
    Effects::AppletFields appletFields() const;

private:
    QWidget *buildHeadersPage();
    QWidget *buildTablesPage();
    QWidget *buildListsPage();
    QWidget *buildImagesPage();
    QWidget *buildTextPage();
    QWidget *buildReferencesPage();
    QWidget *buildAppletPage();
    void wirePrefixPopup(QComboBox *combo);

    void fieldChanged();
    void resizeDataGrid();
    void fillImageList();
    void fillUrlList();
    void imageChosen(const QString &file);
    void browseImage();
    void browseFile(QComboBox *target, int filterIndex);
    void createMap();
    void collapseSelection();
    void insertImage();
    void insertApplet();
    // Copies a file named with its folder into the page's folder; false,
    // having told the user, when that failed.
    bool copyBesidePage(const QString &path);

    GeneratorHost &m_host;
    QString m_captured;
    PendingMap m_map;
    bool m_updating = false;   // fields being set by the dialog itself
    bool m_refreshing = false; // the preview being refreshed

    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_pages = nullptr;
    GeneratorPreview *m_preview = nullptr;
    QMenu *m_linkPopUp = nullptr;
    QComboBox *m_popupTarget = nullptr;

    // Headers
    QLineEdit *m_headerText = nullptr;
    QSpinBox *m_headerNumber = nullptr;
    RadioGroup *m_headingJustify = nullptr;
    // Tables
    QSpinBox *m_columns = nullptr, *m_rows = nullptr, *m_padding = nullptr, *m_spacing = nullptr,
             *m_width = nullptr, *m_captionSize = nullptr;
    QCheckBox *m_hasBorder = nullptr;
    RadioGroup *m_tableJustify = nullptr, *m_captionLoc = nullptr;
    QLineEdit *m_caption = nullptr;
    QTableWidget *m_dataGrid = nullptr;
    // List Types
    QComboBox *m_listType = nullptr, *m_childType = nullptr;
    QSpinBox *m_parents = nullptr, *m_children = nullptr;
    QTableWidget *m_listItems = nullptr;
    // Images
    DropDownCombo *m_imageFile = nullptr;
    QLineEdit *m_alternateText = nullptr, *m_imgWidth = nullptr, *m_imgHeight = nullptr;
    QComboBox *m_alignImg = nullptr;
    QCheckBox *m_imageCenter = nullptr, *m_copyImage = nullptr, *m_isMap = nullptr;
    QPushButton *m_createMap = nullptr;
    // Document Text
    QPlainTextEdit *m_docText = nullptr;
    QCheckBox *m_textOptions[Effects::TextOptionCount] = {};
    QSpinBox *m_fontSize = nullptr;
    // References
    QLineEdit *m_reference = nullptr;
    DropDownCombo *m_currentUrls = nullptr;
    RadioGroup *m_referenceType = nullptr, *m_linkJustify = nullptr, *m_linkSource = nullptr;
    // Applet
    QLineEdit *m_codebase = nullptr, *m_jName = nullptr, *m_jTitle = nullptr, *m_jHeight = nullptr,
              *m_jWidth = nullptr;
    QComboBox *m_javaClass = nullptr, *m_jAlign = nullptr;
};
