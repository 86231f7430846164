#include "preview/htmlviewer.h"
#include "app/regularfile.h"

#include "preview/pagesegments.h"
#include "preview/viewerbackend.h"
#include "preview/viewerengine.h"
#include "preview/viewerhistory.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <future>

namespace {

// Relative addresses resolve against a folder only when its URL ends in "/".
QUrl folderUrl(const QString &dir) {
    QString path = QDir(dir.isEmpty() ? QDir::currentPath() : dir).absolutePath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return QUrl::fromLocalFile(path);
}

// Links the viewer opens itself; anything else (mail, news, custom schemes)
// is left to whoever handles hotSpotClick.
bool isViewable(const QUrl &url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("file") || scheme == QLatin1String("http") ||
                             scheme == QLatin1String("https"));
}

QString historyTarget(const QUrl &url) {
    if (!url.isLocalFile())
        return url.toString();
    QString target = url.toLocalFile();
    if (url.hasFragment())
        target += QLatin1Char('#') + url.fragment();
    return target;
}

} // namespace

struct HtmlViewer::Private : ViewerEvents {
    explicit Private(HtmlViewer *viewer) : q(viewer) {}

    HtmlViewer *q;
    std::unique_ptr<ViewerBackend> backend;
    QVBoxLayout *layout = nullptr;
    QLabel *notice = nullptr;

    // What the viewer was last asked to show, kept until a backend takes it.
    enum class Pending { Nothing, Text, Url, Blank };
    Pending pending = Pending::Nothing;
    QString pendingHtml;
    QUrl pendingBase;
    QUrl pendingUrl;
    int pendingPosition = -1;

    ViewerHistory history;
    QString title;
    bool busy = false;

    // The text on show when it came from loadFromString or updateFromString
    // (shownValid), cut into blocks, so that edits can be patched in.
    PageSegments shown;
    bool shownValid = false;
    qint64 shownVersion = -1; // the caller's version of the text on show
    // The analysis of a large text runs beside the render; segments() waits
    // for it.
    std::future<PageSegments> analysis;
    QUrl shownBase;
    bool patching = false;
    // A patch failed and the text is being rendered whole: where to scroll.
    int fallbackPosition = -1;
    qsizetype autoRenderLimit = -1;
    QLabel *deadNotice = nullptr;
    // Where texts given with a version can be read again; with one, shown
    // keeps no copy of them.
    HtmlViewer::TextSource source;

    bool images = true;
    QString fontName = QStringLiteral("Times New Roman");
    int fontSize = 12;
    QColor fontColor = Qt::black;
    QColor background = Qt::white;

    void forgetShown() {
        shownValid = false;
        shownVersion = -1;
        if (analysis.valid())
            analysis.wait();
        analysis = std::future<PageSegments>();
        shown.clear();
    }

    PageSegments &segments() {
        if (analysis.valid())
            shown = analysis.get();
        return shown;
    }

    // Whether the text of `version` can be read from the source again.
    bool sourceHolds(qint64 version) const {
        return source.text && version >= 0 && source.version() == version;
    }

    // The text on show, or the source's text now when the text on show is
    // not held; `version` receives which it is.
    QString currentText(qint64 *version) {
        PageSegments &held = segments();
        if (held.holdsText() || !source.text) {
            *version = shownVersion;
            return held.text();
        }
        *version = source.version();
        return source.text(0, source.length());
    }

    // `drop`: keep only the analysis, not the text.
    void analyse(const QString &html, bool drop) {
        if (analysis.valid())
            analysis.wait();
        // Small texts are quick to analyse; a large one (about half a second
        // for 20 MiB) is analysed on a thread of its own while the engine
        // takes the text in.
        constexpr qsizetype onThreadFrom = 256 * 1024;
        if (html.size() < onThreadFrom) {
            analysis = std::future<PageSegments>();
            shown.reset(html);
            if (drop)
                shown.dropText();
            return;
        }
        shown.clear();
        // The thread lets go of its copy as soon as it is done with it.
        analysis = std::async(std::launch::async, [text = html, drop]() mutable {
            PageSegments segments;
            segments.reset(text);
            text = QString();
            if (drop)
                segments.dropText();
            return segments;
        });
    }

    // Renders `html` whole, the caller's `version` of the text (-1: none);
    // `analysed`: shown already holds its analysis.
    void showText(const QString &html, const QUrl &base, bool analysed = false,
                  qint64 version = -1) {
        const bool drop = sourceHolds(version);
        if (!analysed)
            analyse(html, drop);
        else if (drop && !analysis.valid()) // an analysis under way decided already
            shown.dropText();
        shownValid = true;
        shownVersion = version;
        shownBase = base;
        revive();
        pendingPosition = -1;
        if (!backend) {
            pending = Pending::Text;
            pendingHtml = html;
            pendingBase = base;
            ViewerEngine::instance().request(q);
            return;
        }
        busy = true;
        backend->setHtml(html, base);
    }

    // The renderer's process ended: a notice stands in the page's place
    // until the next document.
    void rendererDied() override {
        forgetShown();
        patching = false;
        fallbackPosition = -1;
        if (busy) {
            busy = false;
            emit q->loadFinished(false);
        }
        if (!deadNotice) {
            deadNotice = new QLabel(
                HtmlViewer::tr("The preview stopped: the page took more memory than the "
                               "preview can give it, or its renderer failed. It comes back "
                               "with the next refresh (F5)."),
                q);
            deadNotice->setObjectName(QStringLiteral("previewStoppedNotice"));
            deadNotice->setAlignment(Qt::AlignCenter);
            deadNotice->setWordWrap(true);
            layout->addWidget(deadNotice);
        }
        if (backend && backend->widget())
            backend->widget()->hide();
        deadNotice->show();
    }

    void revive() {
        if (!deadNotice)
            return;
        delete deadNotice;
        deadNotice = nullptr;
        if (backend && backend->widget())
            backend->widget()->show();
    }

    // Shows `html`, changing only what differs from the text on show when
    // it can; false when the text would need a full render over the limit.
    bool updateText(const QString &html, const QUrl &base, const HtmlViewer::KnownChange &known) {
        // A text on show that is not held cannot be compared with.
        if (!backend || !shownValid || base != shownBase || busy || !segments().holdsText()) {
            if (tooLarge(html))
                return false;
            keepingPosition([&] { showText(html, base, false, known.version); });
            return true;
        }
        PageSegments &shownSegments = segments();
        const bool spanKnown = known.since >= 0 && known.since == shownVersion &&
                               html.size() - shownSegments.text().size() == known.delta;
        return show(spanKnown ? shownSegments.update(html, known.samePrefix, known.sameSuffix)
                              : shownSegments.update(html),
                    base, known);
    }

    // Shows the text on show changed as `known` says, with `changed` between
    // its unchanged start and end; NeedsText when the viewer cannot tell the
    // new text that way.
    HtmlViewer::Update updateChange(const QString &changed, const QUrl &base,
                                    const HtmlViewer::KnownChange &known) {
        if (!backend || !shownValid || base != shownBase || busy || known.since < 0 ||
            known.since != shownVersion)
            return HtmlViewer::Update::NeedsText;
        PageSegments &shownSegments = segments();
        const qsizetype oldLength = shownSegments.length();
        const qsizetype removed = oldLength - known.samePrefix - known.sameSuffix;
        if (known.samePrefix < 0 || known.sameSuffix < 0 || removed < 0 ||
            changed.size() - removed != known.delta || oldLength + known.delta <= 0)
            return HtmlViewer::Update::NeedsText;
        std::optional<PageSegments::Patch> patch;
        if (shownSegments.holdsText()) {
            patch = shownSegments.replace(known.samePrefix, int(removed), changed);
        } else {
            // The text is read from the source, only as far as the change
            // reaches; that is the new text only while it is its version.
            if (!source.text || source.version() != known.version)
                return HtmlViewer::Update::NeedsText;
            patch = shownSegments.replaceFrom(known.samePrefix, int(removed), int(changed.size()),
                                              source.text);
        }
        return show(patch, base, known) ? HtmlViewer::Update::Shown
                                        : HtmlViewer::Update::TooLarge;
    }

    // Shows the text the segments now hold: through `patch`, or else whole
    // where the reader was; false when that would be a whole render over
    // the limit.
    bool show(const std::optional<PageSegments::Patch> &patch, const QUrl &base,
              const HtmlViewer::KnownChange &known) {
        if (!patch) {
            // Held, the text is analysed already; else it is read whole.
            const bool held = shown.holdsText();
            const int length = held ? int(shown.text().size()) : source.length();
            if (autoRenderLimit >= 0 && length > autoRenderLimit) {
                forgetShown(); // without reading a text that is not shown
                return false;
            }
            const QString html = held ? shown.text() : source.text(0, length);
            keepingPosition([&] { showText(html, base, held, known.version); });
            return true;
        }
        shownVersion = known.version;
        if (sourceHolds(shownVersion) && shown.holdsText())
            shown.dropText();
        busy = true;
        patching = true;
        if (patch->isEmpty()) {
            QTimer::singleShot(0, q, [this] { patchDone(true); });
            return true;
        }
        backend->patchBody(*patch, [this, guard = QPointer<HtmlViewer>(q)](bool ok) {
            if (guard)
                patchDone(ok);
        });
        return true;
    }

    // A whole render that keeps the reader where they were (also when the
    // page has grown meanwhile: the position is applied once laid out).
    template <typename Render> void keepingPosition(Render render) {
        const int y = backend && shownValid ? backend->scrollY() : -1;
        render();
        if (y > 0 && backend)
            backend->setScrollY(y);
    }

    bool tooLarge(const QString &html) const {
        return autoRenderLimit >= 0 && html.size() > autoRenderLimit;
    }

    void patchDone(bool ok) {
        if (!patching)
            return; // another document was asked for meanwhile
        patching = false;
        if (ok) {
            busy = false;
            emit q->documentReady();
            emit q->loadFinished(true);
            return;
        }
        // The document on show was not the one the patch was made for: show
        // the text whole, where the reader was.
        qint64 version = -1;
        const QString text = currentText(&version);
        fallbackPosition = backend->scrollY();
        busy = false;
        showText(text, shownBase, false, version);
        backend->setScrollY(fallbackPosition);
        fallbackPosition = -1;
    }

    void showUrl(const QUrl &url) {
        forgetShown();
        patching = false;
        revive();
        pendingPosition = -1;
        if (!backend) {
            pending = Pending::Url;
            pendingHtml.clear();
            pendingUrl = url;
            ViewerEngine::instance().request(q);
            return;
        }
        busy = true;
        backend->load(url);
    }

    void showBlank() {
        forgetShown();
        patching = false;
        revive();
        pendingPosition = -1;
        if (!backend) {
            pending = Pending::Blank;
            pendingHtml.clear();
            // An empty page needs no browser view; once the engine is there
            // it is reported as loaded like any other page.
            if (ViewerEngine::instance().isLoaded())
                QTimer::singleShot(0, q, [this] {
                    if (backend || pending != Pending::Blank)
                        return;
                    titleChanged(QString());
                    documentReady();
                    loadFinished(true);
                });
            return;
        }
        busy = true;
        backend->setHtml(QString(), QUrl());
    }

    void applyDefaults() {
        if (backend)
            backend->setDefaults(fontName, fontSize, fontColor, background);
    }

    void followLink(const QString &target, const QUrl &url) {
        if (target.startsWith(QLatin1Char('#'))) {
            if (backend)
                backend->scrollToAnchor(QUrl::fromPercentEncoding(target.mid(1).toUtf8()));
            return;
        }
        if (!isViewable(url))
            return;
        const bool changed = history.record(historyTarget(url), url);
        showUrl(url);
        if (changed)
            emit q->historyChanged();
    }

    // ViewerEvents
    void hotSpotCovered(const QString &target) override { emit q->hotSpotCovered(target); }

    bool hotSpotClick(const QString &target, const QUrl &url) override {
        QPointer<HtmlViewer> guard(q);
        bool handled = false;
        emit q->hotSpotClick(target, &handled);
        if (guard && !handled)
            followLink(target, url);
        return true;
    }

    void formSubmit(const QString &action, const QString &method,
                    const QStringList &results) override {
        emit q->formSubmit(action, method, results);
    }

    void loadStarted() override {
        busy = true;
        patching = false;
    }
    void documentReady() override {
        busy = false;
        emit q->documentReady();
    }

    void loadFinished(bool ok) override {
        busy = false;
        emit q->loadFinished(ok);
    }

    void titleChanged(const QString &newTitle) override {
        if (newTitle == title)
            return;
        title = newTitle;
        emit q->titleChanged(title);
    }
};

HtmlViewer::HtmlViewer(QWidget *parent) : QWidget(parent), d(std::make_unique<Private>(this)) {
    d->layout = new QVBoxLayout(this);
    d->layout->setContentsMargins(0, 0, 0, 0);
    ViewerEngine::instance().enrol(this);
}

HtmlViewer::~HtmlViewer() {
    ViewerEngine::instance().withdraw(this);
    // The backend reports to d; it must go before d does.
    d->backend.reset();
}

void HtmlViewer::attachBackend(std::unique_ptr<ViewerBackend> backend) {
    if (!backend)
        return;
    d->backend = std::move(backend);
    d->busy = false;
    setEngineUnavailable(false);
    QWidget *view = d->backend->widget();
    if (view) {
        d->layout->addWidget(view);
        setFocusProxy(view);
        view->show();
    }
    d->backend->setImagesEnabled(d->images, false);
    d->applyDefaults();

    const int position = d->pendingPosition;
    switch (d->pending) {
    case Private::Pending::Text:
        // analysed when it was asked for
        d->showText(d->pendingHtml, d->pendingBase, true, d->shownVersion);
        break;
    case Private::Pending::Url:
        d->showUrl(d->pendingUrl);
        break;
    case Private::Pending::Blank:
        d->showBlank();
        break;
    case Private::Pending::Nothing:
        break;
    }
    d->pending = Private::Pending::Nothing;
    d->pendingHtml.clear();
    d->pendingPosition = -1;
    if (position >= 0)
        d->backend->setScrollY(position);
}

bool HtmlViewer::hasBackend() const {
    return d->backend != nullptr;
}

bool HtmlViewer::wantsBackend() const {
    return d->pending == Private::Pending::Text || d->pending == Private::Pending::Url;
}

ViewerEvents *HtmlViewer::events() {
    return d.get();
}

void HtmlViewer::setEngineUnavailable(bool unavailable) {
    if (unavailable && !d->backend) {
        if (!d->notice) {
            d->notice = new QLabel(tr("Preview not available"), this);
            d->notice->setAlignment(Qt::AlignCenter);
            d->layout->addWidget(d->notice);
        }
        d->notice->show();
    } else if (d->notice) {
        delete d->notice;
        d->notice = nullptr;
    }
}

void HtmlViewer::loadFromString(const QString &html, const QString &baseDir) {
    d->showText(html, folderUrl(baseDir));
}

bool HtmlViewer::updateFromString(const QString &html, const QString &baseDir,
                                  const KnownChange &known) {
    if (html.isEmpty()) {
        d->showBlank();
        return true;
    }
    return d->updateText(html, folderUrl(baseDir), known);
}

HtmlViewer::Update HtmlViewer::updateFromChange(const QString &changed, const QString &baseDir,
                                                const KnownChange &known) {
    return d->updateChange(changed, folderUrl(baseDir), known);
}

void HtmlViewer::setTextSource(TextSource source) {
    d->source = std::move(source);
}

qint64 HtmlViewer::textVersion() const {
    return d->shownVersion;
}

void HtmlViewer::setAutoRenderLimit(qsizetype characters) {
    d->autoRenderLimit = characters;
}

qsizetype HtmlViewer::autoRenderLimit() const {
    return d->autoRenderLimit;
}

bool HtmlViewer::isPatchable() const {
    return d->shownValid && d->segments().patchable();
}

void HtmlViewer::loadFromFile(const QString &path) {
    // A pipe would keep the engine waiting and a device (/dev/zero) feed it
    // without end: such a file is named, not shown.
    const RegularFile::Outcome there = RegularFile::inspect(path);
    if (there.failure == RegularFile::Failure::NotRegular) {
        d->showText(QStringLiteral("<P>") + there.message.toHtmlEscaped() + QStringLiteral("</P>"),
                    folderUrl(QFileInfo(path).absolutePath()));
        return;
    }
    d->showUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void HtmlViewer::clear() {
    d->showBlank();
}

int HtmlViewer::position() const {
    if (d->backend)
        return d->backend->scrollY();
    return qMax(0, d->pendingPosition);
}

void HtmlViewer::setPosition(int y) {
    y = qMax(0, y);
    if (d->backend)
        d->backend->setScrollY(y);
    else
        d->pendingPosition = y;
}

int HtmlViewer::maxPosition() const {
    return d->backend ? d->backend->maxScrollY() : 0;
}

int HtmlViewer::selectionLength() const {
    return int(selectedText().size());
}

QString HtmlViewer::selectedText() const {
    return d->backend ? d->backend->selectedText() : QString();
}

void HtmlViewer::copyToClipboard() {
    if (d->backend)
        d->backend->copy();
}

void HtmlViewer::selectAll() {
    if (d->backend)
        d->backend->selectAll();
}

void HtmlViewer::find(const QString &text, bool matchCase, std::function<void(bool)> done) {
    if (!done)
        done = [](bool) {};
    if (!d->backend || text.isEmpty()) {
        done(false);
        return;
    }
    d->backend->findText(text, matchCase, std::move(done));
}

void HtmlViewer::print(QPrinter &printer, std::function<void(bool)> done) {
    if (!done)
        done = [](bool) {};
    if (!d->backend) {
        done(false);
        return;
    }
    d->backend->print(printer, std::move(done));
}

void HtmlViewer::renderedText(std::function<void(const QString &)> done) {
    if (!done)
        return;
    if (!d->backend) {
        done(QString());
        return;
    }
    d->backend->plainText(std::move(done));
}

QStringList HtmlViewer::history() const {
    return d->history.targets();
}

int HtmlViewer::historyIndex() const {
    return d->history.index();
}

void HtmlViewer::setHistoryIndex(int index) {
    if (!d->history.isValidIndex(index))
        return;
    const bool changed = d->history.setIndex(index);
    if (index < d->history.count())
        d->showUrl(d->history.url(index));
    if (changed)
        emit historyChanged();
}

int HtmlViewer::historyMaxCount() const {
    return d->history.maxCount();
}

void HtmlViewer::setHistoryMaxCount(int count) {
    if (d->history.setMaxCount(count))
        emit historyChanged();
}

QString HtmlViewer::documentTitle() const {
    return d->title;
}

bool HtmlViewer::isBusy() const {
    return d->busy;
}

bool HtmlViewer::viewImages() const {
    return d->images;
}

void HtmlViewer::setViewImages(bool on) {
    if (on == d->images)
        return;
    d->images = on;
    if (!d->backend)
        return;
    // A text on show is rendered again from the text (a reload would bring
    // back only what the engine was last handed); anything else reloads.
    const bool fromText = d->shownValid && !d->busy;
    d->backend->setImagesEnabled(on, !fromText);
    if (fromText) {
        const int y = d->backend->scrollY();
        qint64 version = -1;
        const QString text = d->currentText(&version);
        d->showText(text, d->shownBase, d->segments().holdsText(), version);
        d->backend->setScrollY(y);
    }
}

QString HtmlViewer::defFontName() const {
    return d->fontName;
}

void HtmlViewer::setDefFontName(const QString &name) {
    d->fontName = name;
    d->applyDefaults();
}

int HtmlViewer::defFontSize() const {
    return d->fontSize;
}

void HtmlViewer::setDefFontSize(int points) {
    d->fontSize = qMax(1, points);
    d->applyDefaults();
}

QColor HtmlViewer::defFontColor() const {
    return d->fontColor;
}

void HtmlViewer::setDefFontColor(const QColor &color) {
    d->fontColor = color;
    d->applyDefaults();
}

QColor HtmlViewer::defBackground() const {
    return d->background;
}

void HtmlViewer::setDefBackground(const QColor &color) {
    d->background = color;
    d->applyDefaults();
}
