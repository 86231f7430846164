#include "preview/webengine/webenginebackend.h"

#include "preview/htmlbase.h"
#include "preview/webengine/pageprinter.h"
#include "preview/webengine/pagescript.h"
#include "preview/webengine/previewpage.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QPrinter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

const QString pageScriptName = QStringLiteral("quilmead-page");
const QString markScriptName = QStringLiteral("quilmead-mark");

// While a load is being settled (the page is idle, but the document on show
// is not yet known for the request's own, or has not answered), look again
// this often, and this many times before calling the load failed.
constexpr int settleInterval = 500;
constexpr int settleChecksMax = 20;

// The engine takes text through a data: URL, which may not exceed 2 MB once
// percent-encoded; larger documents go through a file.
constexpr qsizetype maxDataUrl = 2 * 1024 * 1024 - 4096;
// Texts from this size on go through a file even when a data: URL would
// take them: the engine keeps several copies of a data: URL (as the
// address, in its history, in the request) in the program's own process.
constexpr qsizetype inlineMax = 256 * 1024;

bool fitsDataUrl(const QByteArray &utf8) {
    if (utf8.size() > maxDataUrl)
        return false;
    if (utf8.size() * 3 < maxDataUrl)
        return true;
    return utf8.toPercentEncoding().size() < maxDataUrl;
}

// Large documents are written here; the folder goes when the program ends.
QTemporaryDir &largePageDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quilmead-preview-XXXXXX"));
    return dir;
}

// Writes `text` as UTF-8 in pieces of about a megabyte, never splitting a
// surrogate pair.
void writeUtf8(QIODevice &device, QStringView text) {
    constexpr qsizetype piece = 512 * 1024;
    while (!text.isEmpty()) {
        qsizetype n = qMin(piece, text.size());
        if (n < text.size() && text.at(n - 1).isHighSurrogate())
            ++n;
        device.write(text.left(n).toUtf8());
        text = text.mid(n);
    }
}

QString randomToken() {
    return QStringLiteral("\x01qm%1:")
        .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
}

QString targetOf(const QUrl &url) {
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace

WebEngineBackend::WebEngineBackend(QWidget *parent, ViewerEvents *events,
                                   QWebEngineProfile *profile)
    : events_(events), token_(randomToken()) {
    page_ = new PreviewPage(profile, token_, this);
    view_ = new QWebEngineView(parent);
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->installEventFilter(this);

    QWebEngineSettings *settings = page_->settings();
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, imagesEnabled_);
    settings->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    installPageScript();

    stateTimer_.setSingleShot(true);
    stateTimer_.setInterval(0);
    connect(&stateTimer_, &QTimer::timeout, this, [this] {
        runScript(PageScript::state(), [this](const QVariant &v) { takeState(v); });
    });

    connect(page_, &QWebEnginePage::loadingChanged, this, &WebEngineBackend::loadingChanged);
    connect(page_, &PreviewPage::scriptMessage, this, &WebEngineBackend::scriptMessage);
    connect(page_, &PreviewPage::navigationRefused, this, &WebEngineBackend::navigationRefused);
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(settleInterval);
    connect(&settleTimer_, &QTimer::timeout, this, [this] {
        if (!loading_ || page_->isLoading())
            return;
        if (++settleChecks_ > settleChecksMax)
            finishLoad(false);
        else
            checkFinished(false, true);
    });
    refusedLinkTimer_.setSingleShot(true);
    refusedLinkTimer_.setInterval(500);
    connect(&refusedLinkTimer_, &QTimer::timeout, this, &WebEngineBackend::deliverRefusedLink);
    // The position the engine reports with its frames can come late, from a
    // document that has since been replaced or scrolled by a load; the page
    // is asked instead, in order with the scripts that scroll it.
    connect(page_, &QWebEnginePage::scrollPositionChanged, &stateTimer_,
            qOverload<>(&QTimer::start));
    connect(page_, &QWebEnginePage::contentsSizeChanged, &stateTimer_, qOverload<>(&QTimer::start));
    connect(page_, &QWebEnginePage::titleChanged, &stateTimer_, qOverload<>(&QTimer::start));
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (loading_)
                    finishLoad(false);
                hasDocument_ = false;
                if (status != QWebEnginePage::NormalTerminationStatus)
                    events_->rendererDied();
            });
    connect(view_, &QWidget::customContextMenuRequested, this, &WebEngineBackend::showContextMenu);
}

WebEngineBackend::~WebEngineBackend() {
    // Deleting the page may answer outstanding script and search callbacks;
    // they must find the backend still whole and do nothing.
    dying_ = true;
    delete view_;
    delete page_;
    removeLargePage();
}

QWidget *WebEngineBackend::widget() {
    return view_;
}

void WebEngineBackend::beginLoad() {
    ++serial_;
    loading_ = true;
    ownRequest_ = true;
    startedSinceRequest_ = false;
    hasDocument_ = true;
    target_ = -1;
    settleChecks_ = 0;
    settleTimer_.stop();
    markNextDocument();
    findText_.clear();
    findActive_ = 0;
    if (linkHovered_) {
        linkHovered_ = false;
        events_->hotSpotCovered(QString());
    }
}

void WebEngineBackend::setHtml(const QString &html, const QUrl &baseUrl) {
    beginLoad();
    // Only a small text goes inline (UTF-8 takes at least a byte per UTF-16
    // unit, so a long text is not encoded whole just to find that out).
    if (html.size() < inlineMax) {
        const QByteArray utf8 = html.toUtf8();
        if (fitsDataUrl(utf8)) {
            removeLargePage();
            page_->setContent(utf8, QStringLiteral("text/html;charset=UTF-8"), baseUrl);
            return;
        }
    }
    const QUrl file = writeLargePage(html, baseUrl);
    if (file.isValid()) {
        page_->load(file);
    } else {
        page_->setHtml(tr("<p>The document is too large to preview: it could not be written "
                          "to a temporary file.</p>"));
    }
}

void WebEngineBackend::patchBody(const PageSegments::Patch &patch, std::function<void(bool)> done) {
    if (loading_ || !ownRequest_ || !hasDocument_) {
        done(false);
        return;
    }
    runScript(PageScript::patchBody(patch, serial_), [this, done](const QVariant &state) {
        const bool ok = state.toList().size() == 4;
        if (ok)
            takeState(state);
        done(ok);
    });
}

void WebEngineBackend::load(const QUrl &url) {
    beginLoad();
    removeLargePage();
    page_->load(url);
}

QUrl WebEngineBackend::writeLargePage(const QString &html, const QUrl &baseUrl) {
    QTemporaryDir &dir = largePageDir();
    if (!dir.isValid())
        return QUrl();
    const QString name = QStringLiteral("page-%1-%2.htm").arg(quintptr(this), 0, 16).arg(serial_);
    const QString path = dir.filePath(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QUrl();
    // The byte order mark makes the engine read UTF-8 whatever the document
    // declares; the BASE tag makes its relative addresses work.
    file.write("\xEF\xBB\xBF");
    // Written a piece at a time: a large page is not copied whole again.
    const HtmlBase::Insertion base = HtmlBase::baseInsertion(html, baseUrl);
    const QStringView text(html);
    if (base.at >= 0) {
        writeUtf8(file, text.left(base.at));
        writeUtf8(file, base.tag);
    }
    writeUtf8(file, text.mid(qMax<qsizetype>(0, base.at)));
    if (!file.commit())
        return QUrl();
    if (largePage_ != path)
        removeLargePage();
    largePage_ = path;
    return QUrl::fromLocalFile(path);
}

void WebEngineBackend::removeLargePage() {
    if (!largePage_.isEmpty())
        QFile::remove(largePage_);
    largePage_.clear();
}

void WebEngineBackend::loadingChanged(const QWebEngineLoadingInfo &info) {
    const bool started = info.status() == QWebEngineLoadingInfo::LoadStartedStatus;
    if (refused_.contains(info.url())) {
        if (!started) {
            refused_.removeOne(info.url());
            if (info.url() == refusedLink_)
                deliverRefusedLink();
        }
        return;
    }
    if (started) {
        startedSinceRequest_ = true;
        if (!loading_) {
            // The page navigates by itself (a script, a frame set's top link).
            ++serial_;
            loading_ = true;
            ownRequest_ = false;
            target_ = -1;
        }
        events_->loadStarted();
        return;
    }
    if (loading_ && !page_->isLoading())
        checkFinished(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
}

void WebEngineBackend::checkFinished(bool ok, bool settling) {
    const int serial = serial_;
    settleTimer_.start(); // in case the document does not answer
    runScript(PageScript::finishLoad(target_), [this, serial, ok, settling](const QVariant &state) {
        if (serial != serial_ || !loading_ || page_->isLoading())
            return;
        const QVariantList values = state.toList();
        const bool current = values.size() == 4 && values.at(3).toInt() == serial;
        bool success = ok;
        if (ownRequest_ && !current) {
            // The document on show is an older one. Unless the request
            // started and ended without a document of its own (a download),
            // it has yet to start: the settle timer looks again.
            if (!startedSinceRequest_)
                return;
            success = false;
        } else if (settling) {
            success = true; // shown, and the page is idle
        }
        takeState(state);
        finishLoad(success);
    });
}

void WebEngineBackend::finishLoad(bool ok) {
    loading_ = false;
    target_ = -1;
    settleTimer_.stop();
    // The viewer keeps its own history; the engine's would keep every text
    // shown (a data: URL each) in the program's process.
    page_->history()->clear();
    events_->loadFinished(ok);
}

void WebEngineBackend::scriptMessage(const QJsonObject &message) {
    const QString kind = message.value(QLatin1String("e")).toString();
    if (kind == QLatin1String("hover")) {
        const QString href = message.value(QLatin1String("href")).toString();
        linkHovered_ = !href.isEmpty();
        events_->hotSpotCovered(href);
    } else if (kind == QLatin1String("click")) {
        events_->hotSpotClick(message.value(QLatin1String("href")).toString(),
                              QUrl(message.value(QLatin1String("url")).toString()));
    } else if (kind == QLatin1String("submit")) {
        QStringList fields;
        const QJsonArray list = message.value(QLatin1String("fields")).toArray();
        for (const QJsonValue &field : list)
            fields << field.toString();
        events_->formSubmit(message.value(QLatin1String("action")).toString(),
                            message.value(QLatin1String("method")).toString(), fields);
    } else if (kind == QLatin1String("ready")) {
        if (loading_ && message.value(QLatin1String("load")).toInt() == serial_)
            events_->documentReady();
        stateTimer_.start();
    }
}

void WebEngineBackend::navigationRefused(const QUrl &url, bool isLink) {
    refused_.append(url);
    while (refused_.size() > 8)
        refused_.removeFirst();
    if (!isLink)
        return;
    // Reported once the refused navigation has ended (or soon, should the
    // engine not say so), so that a load it causes is not taken for it.
    if (!refusedLink_.isEmpty())
        deliverRefusedLink();
    refusedLink_ = url;
    refusedLinkTimer_.start();
}

void WebEngineBackend::deliverRefusedLink() {
    refusedLinkTimer_.stop();
    const QUrl url = refusedLink_;
    refusedLink_.clear();
    if (url.isValid())
        events_->hotSpotClick(targetOf(url), url);
}

void WebEngineBackend::installPageScript() {
    replaceScript(pageScriptName, PageScript::source(token_, textColor_), true);
}

// Puts a script under `name` in place of any earlier one of that name; it
// runs as each document is created, in a world of its own.
void WebEngineBackend::replaceScript(const QString &name, const QString &source, bool subFrames) {
    QWebEngineScriptCollection &scripts = page_->scripts();
    for (const QWebEngineScript &old : scripts.find(name))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(name);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(subFrames);
    script.setSourceCode(source);
    scripts.insert(script);
}

// The mark goes into the next document as it is created, so that the
// document is known for the request's own and is scrolled before it is first
// shown (a refreshed page does not jump).
void WebEngineBackend::markNextDocument() {
    replaceScript(markScriptName, PageScript::loadMark(serial_, target_), false);
}

void WebEngineBackend::runScript(const QString &source,
                                 std::function<void(const QVariant &)> then) {
    QPointer<WebEngineBackend> self(this);
    page_->runJavaScript(source, QWebEngineScript::ApplicationWorld,
                         [self, then](const QVariant &result) {
                             if (self && !self->dying_ && then)
                                 then(result);
                         });
}

void WebEngineBackend::takeState(const QVariant &state) {
    const QVariantList values = state.toList();
    if (values.size() != 4)
        return;
    y_ = values.at(1).toInt();
    max_ = values.at(2).toInt();
    const QString title = values.at(0).toString();
    if (title != title_) {
        title_ = title;
        events_->titleChanged(title_);
    }
}

int WebEngineBackend::scrollY() const {
    return loading_ && target_ >= 0 ? target_ : y_;
}

void WebEngineBackend::setScrollY(int y) {
    y = qMax(0, y);
    if (loading_) {
        target_ = y;
        markNextDocument();
        return;
    }
    y_ = qMin(y, max_);
    runScript(PageScript::scrollTo(y), [this](const QVariant &v) { takeState(v); });
}

int WebEngineBackend::maxScrollY() const {
    return max_;
}

void WebEngineBackend::scrollToAnchor(const QString &name) {
    runScript(PageScript::scrollToAnchor(name), [this](const QVariant &v) { takeState(v); });
}

QString WebEngineBackend::selectedText() const {
    return page_->selectedText();
}

void WebEngineBackend::copy() {
    page_->triggerAction(QWebEnginePage::Copy);
}

void WebEngineBackend::selectAll() {
    page_->triggerAction(QWebEnginePage::SelectAll);
}

// The engine's search wraps around at the end of the document; the viewer's
// goes on from the last match and says "not found" once it has passed the
// last one, then starts over from the top.
void WebEngineBackend::findText(const QString &text, bool matchCase,
                                std::function<void(bool)> done) {
    if (text != findText_ || matchCase != findCase_) {
        findText_ = text;
        findCase_ = matchCase;
        findActive_ = 0;
    }
    QWebEnginePage::FindFlags flags;
    if (matchCase)
        flags |= QWebEnginePage::FindCaseSensitively;
    QPointer<WebEngineBackend> self(this);
    page_->findText(text, flags, [self, done](const QWebEngineFindTextResult &result) {
        if (!self || self->dying_)
            return;
        const bool found = result.numberOfMatches() > 0 && result.activeMatch() > self->findActive_;
        if (found) {
            self->findActive_ = result.activeMatch();
        } else {
            self->findActive_ = 0;
            self->findText_.clear();
            self->page_->findText(QString());
        }
        if (done)
            done(found);
    });
}

// The engine's own printing applies a page range twice (once making the
// PDF, once printing it) and fails for any range but one starting at page 1,
// so the viewer prints the engine's PDF itself.
void WebEngineBackend::print(QPrinter &printer, std::function<void(bool)> done) {
    if (!done)
        done = [](bool) {};
    if (printing_) {
        done(false);
        return;
    }
    printing_ = true;
    QPointer<WebEngineBackend> self(this);
    QPrinter *target = &printer;
    page_->printToPdf(
        [self, target, done](const QByteArray &pdf) {
            if (!self || self->dying_)
                return;
            self->printing_ = false;
            done(PagePrinter::print(pdf, *target));
        },
        printer.pageLayout());
}

void WebEngineBackend::plainText(std::function<void(const QString &)> done) {
    QPointer<WebEngineBackend> self(this);
    page_->toPlainText([self, done](const QString &text) {
        if (self && !self->dying_ && done)
            done(text);
    });
}

QString WebEngineBackend::title() const {
    return title_;
}

void WebEngineBackend::setImagesEnabled(bool on, bool reshow) {
    if (on == imagesEnabled_)
        return;
    imagesEnabled_ = on;
    page_->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, on);
    if (!reshow || !hasDocument_ || loading_)
        return;
    // Show the document on show again with or without its images, where it was.
    const int y = y_;
    beginLoad();
    target_ = y;
    markNextDocument();
    page_->triggerAction(QWebEnginePage::Reload);
}

void WebEngineBackend::setDefaults(const QString &fontFamily, int pointSize, const QColor &text,
                                   const QColor &background) {
    QWebEngineSettings *settings = page_->settings();
    if (fontFamily.isEmpty())
        settings->resetFontFamily(QWebEngineSettings::StandardFont);
    else
        settings->setFontFamily(QWebEngineSettings::StandardFont, fontFamily);
    // Points to CSS pixels (96 per inch).
    settings->setFontSize(QWebEngineSettings::DefaultFontSize,
                          qMax(1, qRound(pointSize * 4 / 3.0)));
    page_->setBackgroundColor(background.isValid() ? background : QColor(Qt::white));
    if (text != textColor_) {
        textColor_ = text;
        installPageScript();
        runScript(PageScript::setTextColor(text));
    }
}

bool WebEngineBackend::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view_ && event->type() == QEvent::Resize)
        stateTimer_.start();
    return QObject::eventFilter(watched, event);
}

// The page's own menu (back, reload, view source ...) makes no sense in a
// preview: the click goes to the viewer, which offers the program's menu.
void WebEngineBackend::showContextMenu(const QPoint &pos) {
    QWidget *viewer = view_ ? view_->parentWidget() : nullptr;
    if (!viewer)
        return;
    QContextMenuEvent event(QContextMenuEvent::Mouse, view_->mapTo(viewer, pos),
                            view_->mapToGlobal(pos));
    QCoreApplication::sendEvent(viewer, &event);
}
