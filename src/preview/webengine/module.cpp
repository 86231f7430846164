// The entry point of the preview engine module.

#include "preview/viewerbackend.h"
#include "preview/webengine/webenginebackend.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// The engine reads its switches once, when the first profile is made.
void prepareEngine() {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    // The preview fetches nothing the shown page does not ask for.
    if (!flags.contains("--disable-background-networking")) {
        flags += " --disable-background-networking";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    }
}

// One profile for every viewer: nothing is kept on disk (no cookies, no
// cache), and it lives as long as the application.
QWebEngineProfile *previewProfile() {
    static QWebEngineProfile *profile = [] {
        prepareEngine();
        auto *p = new QWebEngineProfile(QCoreApplication::instance());
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        p->setSpellCheckEnabled(false);
        return p;
    }();
    return profile;
}

} // namespace

extern "C" Q_DECL_EXPORT ViewerBackend *quilmead_create_viewer_backend(QWidget *parent,
                                                                       ViewerEvents *events) {
    if (!events || !QCoreApplication::instance())
        return nullptr;
    return new WebEngineBackend(parent, events, previewProfile());
}
