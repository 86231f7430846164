#include "viewertesting.h"

#include "preview/viewerbackend.h"
#include "preview/viewerengine.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

extern "C" ViewerBackend *quilmead_create_viewer_backend(QWidget *parent, ViewerEvents *events);

namespace ViewerTesting {

void useLinkedEngine() {
    ViewerEngine::instance().registerFactory(quilmead_create_viewer_backend);
}

bool loadAndWait(HtmlViewer &viewer, const std::function<void()> &action, bool *ok, int timeoutMs) {
    QSignalSpy spy(&viewer, &HtmlViewer::loadFinished);
    action();
    if (!spy.wait(timeoutMs) && spy.isEmpty())
        return false;
    if (ok)
        *ok = spy.last().at(0).toBool();
    return true;
}

QVariant runScript(HtmlViewer &viewer, const QString &source, int timeoutMs) {
    auto *view = viewer.findChild<QWebEngineView *>();
    if (!view)
        return QVariant();
    // The answer may come after a time-out; it must not land on this frame.
    struct Answer {
        bool done = false;
        QVariant value;
    };
    auto answer = std::make_shared<Answer>();
    view->page()->runJavaScript(source, [answer](const QVariant &value) {
        answer->value = value;
        answer->done = true;
    });
    if (!QTest::qWaitFor([&] { return answer->done; }, timeoutMs))
        return QStringLiteral("(no answer)");
    return answer->value;
}

QByteArray tinyPng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace ViewerTesting
