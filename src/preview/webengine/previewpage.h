#pragma once

#include <QJsonObject>
#include <QWebEnginePage>

// A page that never leaves by itself: link clicks in the document and form
// submissions are reported instead of followed, no windows are opened, and
// the page's own alert, confirm and prompt boxes are not shown.
class PreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    // `token` starts every console message of the viewer's page script.
    PreviewPage(QWebEngineProfile *profile, const QString &token, QObject *parent = nullptr);

signals:
    // A report of the page script (see pagescript.h).
    void scriptMessage(const QJsonObject &message);
    // A navigation was refused: a form submission, or a link the page
    // script did not catch (`isLink`). The engine still reports the refused
    // navigation as started and then stopped.
    void navigationRefused(const QUrl &url, bool isLink);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg,
                          const QString &defaultValue, QString *result) override;

private:
    QString token_;
};
