#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QPrinter;
class ViewerBackend;
class ViewerEvents;

// What a caller of HtmlViewer::updateFromString knows of the text it gives.
// Its version is the caller's own number for the text (-1: none), kept as
// the viewer's textVersion(); when `since` is the version of the text on
// show and the lengths differ by `delta`, the first `samePrefix` and last
// `sameSuffix` characters are taken as unchanged and not compared again.
struct KnownTextChange {
    qint64 version = -1;
    qint64 since = -1;
    int samePrefix = 0;
    int sameSuffix = 0;
    qsizetype delta = 0;
};

// An HTML viewer: the split preview, the full-screen preview, the frame
// preview and the small preview of the Open dialog are each one of these.
//
// The rendering engine stands behind ViewerBackend and is loaded only once the
// main window is on screen (see viewerengine.h), so a viewer may exist for a
// while without one. Until the engine is attached the viewer remembers what it
// was asked to show and shows it as soon as the engine arrives.
//
// The viewer keeps its own history of followed links (most recent first, at
// most historyMaxCount() entries, each the full path or address it loaded)
// with a current index.
//
// Links and forms in the page never navigate by themselves. A clicked link is
// offered through hotSpotClick (with the link as written in the page, or its
// full address when the page kept the click from the viewer); unless
// a handler sets *handled, the viewer follows it: an anchor in the page ("#x")
// is scrolled to, a file or web address is loaded and recorded in the
// history, anything else (mail and other schemes) is left alone. Inside a
// frame set, links aimed at a frame load into that frame without a report.
//
// The engine's own context menu is not shown: a right click in the page comes
// to the viewer as a context menu event, so the viewer's contextMenuPolicy
// decides.
class HtmlViewer : public QWidget {
    Q_OBJECT
public:
    using KnownChange = KnownTextChange;
    explicit HtmlViewer(QWidget *parent = nullptr);
    ~HtmlViewer() override;

    // Gives the viewer its engine (called once the engine module is loaded).
    // The backend must report to events(). Whatever the viewer was asked to
    // show before is shown now.
    void attachBackend(std::unique_ptr<ViewerBackend> backend);
    bool hasBackend() const;
    // A viewer asks for its engine only once it has something to show: an
    // empty viewer costs no browser view.
    bool wantsBackend() const;
    // Where the backend reports page events.
    ViewerEvents *events();

    // Loads a document from text; relative links and images resolve against
    // `baseDir` (a folder; empty: the working directory). Text of any size
    // is accepted.
    void loadFromString(const QString &html, const QString &baseDir);
    // Shows `html` like loadFromString, but when the viewer shows an earlier
    // text handed over here or there, changes only the parts of the page the
    // edit touched where it can (the page keeps its scroll position), and
    // renders the text whole otherwise. Returns false, showing nothing new,
    // when a whole render was needed and the text is longer than
    // autoRenderLimit(); loadFromString renders it on request.
    //
    // `known`: see KnownTextChange.
    bool updateFromString(const QString &html, const QString &baseDir,
                          const KnownTextChange &known = KnownTextChange());
    // Like updateFromString, for a text told by its change since the one on
    // show: `known.since` is textVersion(), and `changed` is what now lies
    // between the unchanged start and end that `known` gives. The viewer
    // changes its own copy of the text in place, so a keystroke in a large
    // page costs no copy of the whole text. NeedsText, doing nothing, when
    // the viewer cannot take the text that way (it shows another version or
    // folder, it is still loading, ...): updateFromString then.
    enum class Update { Shown, TooLarge, NeedsText };
    Update updateFromChange(const QString &changed, const QString &baseDir,
                            const KnownTextChange &known);
    // Where the viewer can read again a text it was given with a version
    // (by updateFromString or updateFromChange): the version of the text
    // now, its length, and its characters [from, to). With a source the
    // viewer keeps no copy of such a text: an edit reads only the pieces of
    // the new text that it touched.
    struct TextSource {
        std::function<qint64()> version;
        std::function<int()> length;
        std::function<QString(int from, int to)> text;
    };
    void setTextSource(TextSource source);
    // The version given with the text on show by updateFromString or
    // updateFromChange; -1 when
    // the viewer shows anything else.
    qint64 textVersion() const;
    // Characters beyond which updateFromString does not render a text whole
    // (-1: no limit).
    void setAutoRenderLimit(qsizetype characters);
    qsizetype autoRenderLimit() const;
    // Whether the text on show can take edits in place.
    bool isPatchable() const;

    // Loads a document from a file.
    void loadFromFile(const QString &path);
    // Shows an empty page.
    void clear();

    // Vertical scroll position in pixels; a position set while a document is
    // still loading is applied when it has loaded.
    int position() const;
    void setPosition(int y);
    int maxPosition() const;

    int selectionLength() const;
    QString selectedText() const;
    void copyToClipboard();
    void selectAll();

    // Searches the document for `text` from the current match on; `done`
    // receives whether it was found.
    void find(const QString &text, bool matchCase, std::function<void(bool found)> done);

    // Prints the rendered document; `done` receives success.
    void print(QPrinter &printer, std::function<void(bool ok)> done);

    // The rendered page as plain text, line breaks as laid out.
    void renderedText(std::function<void(const QString &text)> done);

    // History of followed links. The index runs from 0 (the newest entry)
    // to history().size(): that last value stands for the document shown
    // before the oldest entry and loads nothing. Other values are ignored.
    QStringList history() const;
    int historyIndex() const;
    void setHistoryIndex(int index); // loads that entry
    int historyMaxCount() const;
    void setHistoryMaxCount(int count);

    QString documentTitle() const;
    // A document is being loaded: from the request until it is laid out
    // (pictures may still be arriving after that).
    bool isBusy() const;

    bool viewImages() const;
    void setViewImages(bool on);
    QString defFontName() const;
    void setDefFontName(const QString &name);
    int defFontSize() const;
    void setDefFontSize(int points);
    QColor defFontColor() const;
    void setDefFontColor(const QColor &color);
    QColor defBackground() const;
    void setDefBackground(const QColor &color);

signals:
    // The pointer moved onto a link (its target as written) or off it (empty
    // target).
    void hotSpotCovered(const QString &target);
    // A link was clicked; set *handled to keep the viewer from following it.
    void hotSpotClick(const QString &target, bool *handled);
    // A form was submitted: its action as written, its method in upper case
    // ("GET" when none is given) and "name=value" lines. Nothing is sent.
    void formSubmit(const QString &action, const QString &method, const QStringList &results);
    void historyChanged();
    // The document asked for is laid out and isBusy() has cleared; its
    // pictures may still be arriving. loadFinished follows when it has loaded
    // whole, unless another document is asked for first.
    void documentReady();
    void loadFinished(bool ok);
    void titleChanged(const QString &title);

private:
    friend class ViewerEngine;
    // The engine module could not be loaded: show a notice instead of a page.
    void setEngineUnavailable(bool unavailable);

    struct Private;
    std::unique_ptr<Private> d;
};
