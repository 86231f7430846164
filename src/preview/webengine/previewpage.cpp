#include "preview/webengine/previewpage.h"

#include <QJsonDocument>

PreviewPage::PreviewPage(QWebEngineProfile *profile, const QString &token, QObject *parent)
    : QWebEnginePage(profile, parent), token_(token) {}

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) {
    switch (type) {
    case NavigationTypeFormSubmitted:
        // Forms are reported by the page script; nothing is ever sent.
        emit navigationRefused(url, false);
        return false;
    case NavigationTypeLinkClicked:
        if (!isMainFrame)
            return true; // a link inside a frame set loads into its frame
        emit navigationRefused(url, true);
        return false;
    default:
        return true;
    }
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType) {
    return nullptr;
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message,
                                           int, const QString &) {
    if (!message.startsWith(token_))
        return;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(message.mid(token_.size()).toUtf8(), &error);
    if (error.error == QJsonParseError::NoError && doc.isObject())
        emit scriptMessage(doc.object());
}

void PreviewPage::javaScriptAlert(const QUrl &, const QString &) {}

bool PreviewPage::javaScriptConfirm(const QUrl &, const QString &) {
    return false;
}

bool PreviewPage::javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) {
    return false;
}
