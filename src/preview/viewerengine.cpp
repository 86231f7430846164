#include "preview/viewerengine.h"

#include "preview/htmlviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QTimer>
#include <algorithm>

// Qt's global share context (exported by Qt Gui for engines like this one).
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

ViewerEngine::ViewerEngine() = default;

// The module is never unloaded: the browser engine keeps threads and
// processes that outlive any single viewer.
ViewerEngine::~ViewerEngine() = default;

ViewerEngine &ViewerEngine::instance() {
    static ViewerEngine engine;
    return engine;
}

QString ViewerEngine::moduleFileName() {
    return QStringLiteral("libquilmead_webview.so");
}

const char *ViewerEngine::factorySymbol() {
    return "quilmead_create_viewer_backend";
}

// The browser engine shares OpenGL contexts with the application. Setting
// that up when the application starts would load the OpenGL stack before the
// first window (about 60 MB and a twentieth of a second), so it is done just
// before the engine arrives: the sharing attribute and the global share
// context the engine looks for.
void ViewerEngine::prepareOpenGlSharing() {
    if (QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts) && qt_gl_global_share_context())
        return;
    // Qt warns that the attribute belongs before the application; setting it
    // late is the point here, together with the context made below.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("AA_ShareOpenGLContexts")) && previous)
                previous(type, context, message);
        });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
    if (!qt_gl_global_share_context()) {
        auto *context = new QOpenGLContext(qApp);
        if (context->create())
            qt_gl_set_global_share_context(context);
        else
            delete context;
    }
}

bool ViewerEngine::load(const QString &programDir, QString *error) {
    if (!isLoaded())
        prepareOpenGlSharing();
    if (isLoaded())
        return true;
    const QString path = QDir(programDir).absoluteFilePath(moduleFileName());
    QString reason;
    if (!QFileInfo::exists(path)) {
        reason = QStringLiteral("The preview module %1 is missing.").arg(path);
    } else {
        auto library = std::make_unique<QLibrary>(path);
        if (!library->load()) {
            reason = QStringLiteral("The preview module %1 could not be loaded: %2")
                         .arg(path, library->errorString());
        } else {
            auto create =
                reinterpret_cast<CreateViewerBackendFn>(library->resolve(factorySymbol()));
            if (!create) {
                reason = QStringLiteral("The preview module %1 does not offer %2.")
                             .arg(path, QString::fromLatin1(factorySymbol()));
            } else {
                library_ = std::move(library);
                registerFactory(create);
                return true;
            }
        }
    }
    fail(reason);
    if (error)
        *error = reason;
    return false;
}

void ViewerEngine::registerFactory(CreateViewerBackendFn create) {
    if (!create)
        return;
    prepareOpenGlSharing();
    create_ = create;
    failed_ = false;
    error_.clear();
    // A viewer may be created or destroyed while others are being served.
    const std::vector<HtmlViewer *> waiting = viewers_;
    for (HtmlViewer *viewer : waiting) {
        if (std::find(viewers_.begin(), viewers_.end(), viewer) != viewers_.end() &&
            viewer->wantsBackend())
            serve(viewer);
    }
}

void ViewerEngine::enrol(HtmlViewer *viewer) {
    viewers_.push_back(viewer);
    if (isLoaded() && viewer->wantsBackend())
        serve(viewer);
    else if (failed_)
        viewer->setEngineUnavailable(true);
}

void ViewerEngine::withdraw(HtmlViewer *viewer) {
    viewers_.erase(std::remove(viewers_.begin(), viewers_.end(), viewer), viewers_.end());
}

void ViewerEngine::loadOnDemand(const QString &programDir) {
    demandFolder_ = programDir;
    for (HtmlViewer *viewer : viewers_)
        if (viewer->wantsBackend()) {
            scheduleLoad();
            break;
        }
}

// The module is loaded from the event loop, after whatever asked for it has
// finished (a window being shown paints first).
void ViewerEngine::scheduleLoad() {
    if (loadScheduled_ || isLoaded() || failed_ || demandFolder_.isEmpty())
        return;
    loadScheduled_ = true;
    QTimer::singleShot(0, [this] {
        loadScheduled_ = false;
        load(demandFolder_);
    });
}

void ViewerEngine::request(HtmlViewer *viewer) {
    if (isLoaded())
        serve(viewer);
    else
        scheduleLoad();
}

void ViewerEngine::serve(HtmlViewer *viewer) {
    if (viewer->hasBackend())
        return;
    ViewerBackend *backend = create_(viewer, viewer->events());
    if (backend) {
        viewer->attachBackend(std::unique_ptr<ViewerBackend>(backend));
    } else {
        viewer->setEngineUnavailable(true);
    }
}

void ViewerEngine::fail(const QString &error) {
    failed_ = true;
    error_ = error;
    for (HtmlViewer *viewer : viewers_)
        viewer->setEngineUnavailable(true);
}
