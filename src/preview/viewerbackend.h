#pragma once

#include "preview/pagesegments.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QPrinter;
class QWidget;

// What happens in a page, reported by the engine to its viewer.
class ViewerEvents {
public:
    virtual ~ViewerEvents() = default;
    // The pointer moved onto a link (its target) or off it (empty target).
    virtual void hotSpotCovered(const QString &target) = 0;
    // A link was clicked: `target` is the link as written in the page, `url`
    // the address it resolves to in the document it was clicked in. Returns
    // true when the click is fully handled and nothing is to be loaded.
    virtual bool hotSpotClick(const QString &target, const QUrl &url) = 0;
    virtual void formSubmit(const QString &action, const QString &method,
                            const QStringList &results) = 0;
    virtual void loadStarted() = 0;
    // The document is parsed and laid out; images and other resources may
    // still be arriving. Always followed by loadFinished.
    virtual void documentReady() = 0;
    virtual void loadFinished(bool ok) = 0;
    virtual void titleChanged(const QString &title) = 0;
    // The process that renders the page ended (ran out of memory or
    // crashed): nothing is on show until the next document.
    virtual void rendererDied() = 0;
};

// The rendering engine behind an HtmlViewer. The engine module implements it
// and reports page events through ViewerEvents.
// Link clicks and form submissions never navigate by themselves: the backend
// reports them and the viewer decides.
class ViewerBackend {
public:
    virtual ~ViewerBackend() = default;

    // The widget that shows the page; the viewer puts it in its layout.
    virtual QWidget *widget() = 0;

    // Text of any size; relative addresses resolve against `baseUrl`.
    virtual void setHtml(const QString &html, const QUrl &baseUrl) = 0;
    virtual void load(const QUrl &url) = 0;
    // Changes the body of the document on show, which the last setHtml()
    // showed, as `patch` says; `done` receives false when the document is not
    // the one the patch was made for (then nothing has changed).
    virtual void patchBody(const PageSegments::Patch &patch, std::function<void(bool ok)> done) = 0;

    // A position set while a document is loading is applied as soon as it
    // is laid out, and scrollY() reports that position until then.
    virtual int scrollY() const = 0;
    virtual void setScrollY(int y) = 0;
    virtual int maxScrollY() const = 0;
    // Scrolls to the anchor `name` (an A NAME or an element id).
    virtual void scrollToAnchor(const QString &name) = 0;

    virtual QString selectedText() const = 0;
    virtual void copy() = 0;
    virtual void selectAll() = 0;
    virtual void findText(const QString &text, bool matchCase,
                          std::function<void(bool found)> done) = 0;
    virtual void print(QPrinter &printer, std::function<void(bool ok)> done) = 0;
    virtual void plainText(std::function<void(const QString &text)> done) = 0;

    virtual QString title() const = 0;

    // `reshow`: show the document on show again, with or without its images.
    virtual void setImagesEnabled(bool on, bool reshow) = 0;
    virtual void setDefaults(const QString &fontFamily, int pointSize, const QColor &text,
                             const QColor &background) = 0;
};

// The engine module exports this function under the name
// "quilmead_create_viewer_backend".
// `parent` becomes the parent of the backend's widget.
using CreateViewerBackendFn = ViewerBackend *(*)(QWidget *parent, ViewerEvents *events);
