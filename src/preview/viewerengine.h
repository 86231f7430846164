#pragma once

#include "preview/viewerbackend.h"

#include <QString>
#include <memory>
#include <vector>

class HtmlViewer;
class QLibrary;

// Loads the rendering engine module (libquilmead_webview.so) on demand and
// gives every HtmlViewer its backend. The module links the heavy browser
// engine, so the program loads it only once its main window is on screen;
// viewers created before then wait and are served as soon as it arrives.
// If the module cannot be loaded, viewers show a notice and stay harmless.
class ViewerEngine {
public:
    static ViewerEngine &instance();

    // The module's file name and the factory it exports.
    static QString moduleFileName();
    static const char *factorySymbol();

    // Sets up the OpenGL context sharing the browser engine needs; load()
    // and registerFactory() do it themselves, just before the engine arrives.
    static void prepareOpenGlSharing();

    // Loads the module from `programDir` (the executable's folder). Returns
    // true when the engine is available (also when it already was); on
    // failure `error` receives the reason and waiting viewers show a notice.
    bool load(const QString &programDir, QString *error = nullptr);
    // Where load() will find the module when the first viewer has something
    // to show; until then nothing of the browser engine is loaded.
    void loadOnDemand(const QString &programDir);
    bool isLoaded() const { return create_ != nullptr; }
    bool hasFailed() const { return failed_; }
    QString errorText() const { return error_; }

    // Uses a factory linked into the program instead of loading the module.
    void registerFactory(CreateViewerBackendFn create);

    // Called by HtmlViewer: a viewer is created or destroyed.
    void enrol(HtmlViewer *viewer);
    void withdraw(HtmlViewer *viewer);
    // Called by HtmlViewer: the viewer has something to show and wants its
    // backend now (served at once when the engine is loaded).
    void request(HtmlViewer *viewer);

    ViewerEngine(const ViewerEngine &) = delete;
    ViewerEngine &operator=(const ViewerEngine &) = delete;

private:
    ViewerEngine();
    ~ViewerEngine();
    void serve(HtmlViewer *viewer);
    void scheduleLoad();
    void fail(const QString &error);

    CreateViewerBackendFn create_ = nullptr;
    QString demandFolder_;
    bool loadScheduled_ = false;
    std::unique_ptr<QLibrary> library_;
    bool failed_ = false;
    QString error_;
    std::vector<HtmlViewer *> viewers_;
};
