#pragma once

#include "app/area.h"
#include "tags/bodymemory.h"
#include "tags/taginserter.h"

#include <QChar>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class ActiveDocument;
class Lamp;
class ParmForm;
class PreviewPane;
class QMenu;
class QTabWidget;
class ToolBook;
class QWidget;
class Shell;
class TLEdit;
class ToolPages;
struct MainActions;

// The widgets of tag editing: the lamps and the tool pages.
struct TagWidgets {
    Lamp *inATagLight = nullptr;     // "TAG:"
    Lamp *inABodyLight = nullptr;    // "BODY:"
    ToolBook *powerBook = nullptr; // the tool pages
    // Pages of PowerBook by caption: Font, Special, Format, Lists, Tables,
    // Images, Links, Forms, Templates, ASP, Custom 1 .. Custom 4.
    std::array<QWidget *, 14> toolPages{};
};

// Putting mark-up into the document and knowing where the caret stands in it:
// the insertion operations every tag button, menu entry and generator uses,
// the typing filter, the TAG and BODY lamps, attribute editing and the
// clean-up commands.
//
// Every insertion acts on the document editor only and does nothing while
// the full-screen preview hides it (or no document is open). Each insertion
// enables the Save button and refreshes the preview exactly once: itself when
// "Auto update HTML viewer" is off, through the editor's change otherwise.
class TagController : public QObject, public TagInserter, public Area {
    Q_OBJECT
public:
    TagController(Shell &shell, ActiveDocument &document, PreviewPane &preview,
                  const TagWidgets &widgets, MainActions &actions, QObject *parent = nullptr);
    ~TagController() override;

    // --- Area -----------------------------------------------------------------------
    void applySettings() override;
    void settingsChanged() override;
    void updateMenus(const UiState &state) override;
    void captureSettings() override;

    // --- Insertion ------------------------------------------------------------------
    // Inserts text at the caret, replacing the selection; the caret ends after it.
    void insertText(const QString &text) override;
    // Wraps the selection in `tag` and its closing tag ("<B>" gives "</B>").
    void insertSelected(const QString &tag) override;
    // Wraps the selection in two given texts. With a selection, the whole
    // wrapped text ends selected; without, the caret stands just before the
    // closing text (also when that text spans lines).
    void insertSelected2(const QString &opening, const QString &closing) override;
    // Puts the lines, each followed by CR LF, in place of the selection,
    // focuses the editor and refreshes the preview once.
    void insertLines(const QStringList &lines) override;
    // "<UL><LI>..</UL> - list" wraps in "<UL><LI>" and "</UL>".
    void createUnevenTags(const QString &spec);
    // "<P ALIGN="left"></P>" wraps in "<P ALIGN="left">" and "</P>".
    void insertCaptionAsTag(const QString &caption);

    // The three kinds of user-defined buttons, given the button's code.
    void buttonInsertAsIs(const QString &code);
    void buttonInsertEven(const QString &code);   // "STRONG" wraps in <STRONG>, </STRONG>
    void buttonInsertUnEven(const QString &code); // an uneven-tag specification
    // The handler of every tag-menu entry: an uneven specification, or the
    // caption's first word as a tag ("H1 - Size 1" wraps in <H1>, </H1>).
    void address1Click(const QString &caption);

    // The paragraph marker of the "P" button (fromMenu false) and of the
    // "<P></P>" menu entry (fromMenu true): wraps when closing paragraphs are
    // used, else inserts "<P>" (the menu entry with a line break).
    void insertParagraphMarker(bool fromMenu);
    // Opens the shared drop-down menu just below an arrow button with the four
    // entries for `hint` ("P", "DIV", "H1".."H6", "BR", "HR" or a user's tag).
    void showDropDown(QWidget *button, const QString &hint);
    QMenu *dropDownMenu() const { return m_lcrPopup; }
    // The font dialog and the font colour dialog of the Font page.
    void insertFontFromDialog();
    void insertFontColor();

    // The typing filter of the document editor: Enter and Ctrl+Enter with
    // "<BR>", accented letters as entities. Returns the character to type or
    // a null QChar to swallow the key.
    QChar filterTypedCharacter(QChar typed);

    // --- Tag awareness --------------------------------------------------------------
    bool inATag();
    // Updates the TAG and BODY lamps from the caret's place. Runs whatever the
    // lamps setting says; the click handler checks it.
    void webPageClick();
    // The lamps follow the document on screen (grey with none).
    void documentChanged();
    // Selects the next `opening` ... `closing` pair after the caret.
    bool highlightTag(const QString &opening, const QString &closing);
    // Attribute editing by double-click on the selected word.
    void webPageDblClick();
    // Opens the "Parameter Selections" dialog on a page ("align", "valign",
    // "size", "meta", "embed", "object", "Parameter"); "Ok" inserts its text
    // in place of the selection. Returns whether it inserted anything.
    bool showParameterSelections(const QString &page);
    ParmForm *parameterForm();
    void stripHtmlCodes();
    void removeInvalidColors();

    // Colours and background of the page's body statement, kept for the run.
    BodyMemory &bodyMemory() { return m_body; }

signals:
    // An operation of this controller refreshed the preview itself.
    void previewRefreshed();

private:
    TLEdit &editor() const;
    bool canInsert() const;
    // Enables Save and refreshes the preview unless the editor's change does.
    void finishInsertion();
    void refreshAfter(bool textChanged);
    void wireMenus();
    bool editColorValue(const QString &selected);
    bool choosePicture(const QString &selected);
    void setCustomPagesShown();

    Shell &m_shell;
    ActiveDocument &m_document;
    PreviewPane &m_preview;
    TagWidgets m_w;
    MainActions &m_a;
    ToolPages *m_pages = nullptr;
    QMenu *m_lcrPopup = nullptr;
    ParmForm *m_parmForm = nullptr;
    BodyMemory m_body;
    int m_refreshes = 0; // refreshes this controller made itself
};
