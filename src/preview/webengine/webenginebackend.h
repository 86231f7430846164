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

// The viewer's engine: a QWebEngineView showing a PreviewPage. Loads are
// tracked from the request to the moment the document's state (title,
// scroll position and range) has been read back, and only then reported
// finished, so that the viewer's getters agree with the page on show.
class WebEngineBackend : public QObject, public ViewerBackend {
    Q_OBJECT
public:
    WebEngineBackend(QWidget *parent, ViewerEvents *events, QWebEngineProfile *profile);
    ~WebEngineBackend() override;

    QWidget *widget() override;

    void setHtml(const QString &html, const QUrl &baseUrl) override;
    void load(const QUrl &url) override;

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

    void setImagesEnabled(bool on) override;
    void setDefaults(const QString &fontFamily, int pointSize, const QColor &text,
                     const QColor &background) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void beginLoad();
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void finishLoad(bool ok);
    void scriptMessage(const QJsonObject &message);
    void navigationRefused(const QUrl &url, bool isLink);
    void deliverRefusedLink();
    void installPageScript();
    void setScrollTarget(int y);
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
    bool awaitingStart_ = false;
    bool hasDocument_ = false;
    int serial_ = 0;
    int target_ = -1; // where to scroll once the document is laid out
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

    std::function<void(bool)> printDone_;
    QString largePage_;
    bool dying_ = false;
};
