#pragma once

#include "preview/viewerbackend.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QTimer>

class PreviewPage;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;

// The viewer's engine: a QWebEngineView showing a PreviewPage.
//
// The engine reports loading for the page as a whole, not per request: a
// request made while another load runs may start no load of its own, and the
// end of the older load may come after the newer request. So every requested
// document is marked with the request's number as it is created, and a load
// counts as finished only when the page is idle and the document on show
// carries the number of the latest request (or the request visibly started
// and left no document, as a download does). Its state (title, scroll
// position and range) is read back before the finish is reported, so that
// the viewer's getters agree with the page on show.
class WebEngineBackend : public QObject, public ViewerBackend {
    Q_OBJECT
public:
    WebEngineBackend(QWidget *parent, ViewerEvents *events, QWebEngineProfile *profile);
    ~WebEngineBackend() override;

    QWidget *widget() override;

    void setHtml(const QString &html, const QUrl &baseUrl) override;
    void load(const QUrl &url) override;
    void patchBody(const PageSegments::Patch &patch, std::function<void(bool ok)> done) override;

    int scrollY() const override;
    void setScrollY(int y) override;
    int maxScrollY() const override;
    void scrollToAnchor(const QString &name) override;

    QString selectedText() const override;
    void copy() override;
    void selectAll() override;
    void findText(const QString &text, bool matchCase,
                  std::function<void(bool found)> done) override;
    void print(QPrinter &printer, std::function<void(bool ok)> done) override;
    void plainText(std::function<void(const QString &text)> done) override;

    QString title() const override;

    void setImagesEnabled(bool on, bool reshow) override;
    void setDefaults(const QString &fontFamily, int pointSize, const QColor &text,
                     const QColor &background) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void beginLoad();
    void loadingChanged(const QWebEngineLoadingInfo &info);
    // `settling`: no load was seen to end; the page was found idle.
    void checkFinished(bool ok, bool settling = false);
    void finishLoad(bool ok);
    void scriptMessage(const QJsonObject &message);
    void navigationRefused(const QUrl &url, bool isLink);
    void deliverRefusedLink();
    void installPageScript();
    void replaceScript(const QString &name, const QString &source, bool subFrames);
    void markNextDocument();
    void runScript(const QString &source, std::function<void(const QVariant &)> then = {});
    void takeState(const QVariant &state);
    void showContextMenu(const QPoint &pos);
    QUrl writeLargePage(const QString &html, const QUrl &baseUrl);
    void removeLargePage();

    ViewerEvents *events_;
    QPointer<QWebEngineView> view_;
    PreviewPage *page_ = nullptr;
    QString token_;
    QColor textColor_;

    // Loading: from a request until its document's state has been read.
    bool loading_ = false;
    bool ownRequest_ = false;          // the viewer asked for the load
    bool startedSinceRequest_ = false; // the engine reported a start since
    bool hasDocument_ = false;
    int serial_ = 0;
    int target_ = -1; // where to scroll once the document is laid out
    int settleChecks_ = 0;
    QTimer settleTimer_;
    int y_ = 0;
    int max_ = 0;
    QString title_;
    bool imagesEnabled_ = true;
    bool linkHovered_ = false;
    QTimer stateTimer_;

    // Navigations the page refused, whose start and stop are no loads, and
    // a refused link to report once its navigation is over.
    QList<QUrl> refused_;
    QUrl refusedLink_;
    QTimer refusedLinkTimer_;

    QString findText_;
    bool findCase_ = false;
    int findActive_ = 0;

    bool printing_ = false;
    QString largePage_;
    bool dying_ = false;
};
