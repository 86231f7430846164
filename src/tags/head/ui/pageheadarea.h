#pragma once

#include "app/area.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QVector>
#include <functional>

class ActiveDocument;
class PreviewPane;
class QToolButton;
class QWidget;
class Shell;
class TagController;
class TLEdit;
struct InitialValues;
struct MainActions;

// The commands that write the fixed parts of a page: the title, META tags,
// the body statement, the last-modified stamp, the standard tags, the
// template markers, the content rating and the Initial Values wizard of a
// new page. Each finds the element it rewrites with the tag controller's
// pair search, lets the user edit it, and puts the result in through tag
// insertion.
//
// It serves the Edit menu's "&Body Statement...", "&Title...", "Meta
// Tag...", "SafeSurf Rating", "Insert Standard Tags" and "Update Last
// Modified Tag", the HTML Codes menu's "&Embed...", "Meta..." and
// "Param...", the Insert menu's "Page Template" entries and the template
// marker buttons of the "Templates" tool page.
class PageHeadArea : public QObject, public Area {
    Q_OBJECT
public:
    PageHeadArea(Shell &shell, ActiveDocument &document, TagController &tags, PreviewPane &preview,
                 QWidget *templatesPage, MainActions &actions, QObject *parent = nullptr);

    void updateMenus(const UiState &state) override;

    // The page's title (`GetTitleText`): with a title element, its text, the
    // element left selected; otherwise empty, the caret just after "<head>"
    // when there is one. `found` tells whether there was a title element.
    QString getTitleText(bool *found = nullptr);
    // "&Title...": asks for the title and replaces the element, or adds one
    // on a new line after "<head>".
    void editTitle();
    // "Meta Tag...": the next META tag after the caret in the Parameter
    // Selections dialog.
    void metaTag();
    // "&Body Statement...": the body statement in the Body Settings dialog.
    void bodyStatement();
    // Adds or updates the "<PAGEMODIFIED>" stamp (also before a save when
    // the time stamp setting is on).
    void setLastModifiedDate();
    // The skeleton of a page at the caret.
    void insertBasicTags();
    // One of the seven template markers, by its place in the menu.
    void insertTemplateMarker(int index);
    // "SafeSurf Rating": the page's rating tag in the rating dialog.
    void safeSurfRating();
    // The Initial Values wizard for a new, empty page. Finish writes the
    // page and copies its pictures beside it; Cancel empties the editor.
    // Returns whether the wizard was started.
    bool startInitialValues();

    // The marker buttons of the "Templates" page, in menu order.
    const QVector<QToolButton *> &markerButtons() const { return m_markerButtons; }

    // The clock and the formats of dates and times (the system's, unless a
    // test sets others).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setLocale(const QLocale &locale) { m_locale = locale; }

private:
    TLEdit &editor() const;
    void goToTop();
    // Searches for `text` from the caret; when found, puts the caret just
    // after it (or just before it) with nothing selected.
    bool placeCaretAt(const QString &text, bool after);
    // Puts the text in place of the selection without going through tag
    // insertion (the stamp is also written while the full-screen preview
    // hides the editor), and refreshes the preview once.
    void replaceSelection(const QString &text);
    void finishInitialValues(const InitialValues &values);
    // Copies pictures into the page's folder; tells the user about any that
    // could not be copied.
    void copyPictures(const QStringList &files);
    QString pageDir() const;
    void wireMenus();
    void buildMarkerButtons(QWidget *page);

    Shell &m_shell;
    ActiveDocument &m_document;
    TagController &m_tags;
    PreviewPane &m_preview;
    MainActions &m_a;
    QVector<QToolButton *> m_markerButtons;
    std::function<QDateTime()> m_clock;
    QLocale m_locale = QLocale::system();
};
