#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// Putting mark-up into the document and knowing where the caret stands in it:
// the insertion operations every tag button, menu entry and generator uses,
// the typing filter, the TAG and BODY lamps, attribute editing and the
// clean-up commands.
class TagController : public QObject {
    Q_OBJECT
public:
    explicit TagController(MainWindow &window);
    ~TagController() override;

    // Inserts text at the caret, replacing the selection; the caret ends after it.
    void insertText(const QString &text);
    // Wraps the selection in `tag` and its closing tag ("<B>" gives "</B>").
    void insertSelected(const QString &tag);
    // Wraps the selection in two given texts.
    void insertSelected2(const QString &opening, const QString &closing);
    void createUnevenTags(const QString &spec);
    void insertCaptionAsTag(const QString &caption);

    bool inATag();
    // Updates the TAG and BODY lamps from the caret's place.
    void webPageClick();
    // Selects the next `opening` ... `closing` pair after the caret.
    bool highlightTag(const QString &opening, const QString &closing);

    // Adds or updates the "<PAGEMODIFIED>" stamp in the document (run before
    // a save when the time stamp setting is on).
    void setLastModifiedDate();
    // Opens the Initial Values wizard for a new, empty page; false when it
    // was not started.
    bool startInitialValues();

private:
    MainWindow &m_window;
};
