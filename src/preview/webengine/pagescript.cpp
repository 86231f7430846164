#include "preview/webengine/pagescript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

// A JavaScript string literal holding `text`.
QString jsString(const QString &text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString cssColor(const QColor &color) {
    return color.isValid() ? color.name(QColor::HexRgb) : QStringLiteral("CanvasText");
}

const char *const mainScript = R"JS(
(function () {
    'use strict';
    const token = %1;
    const isTop = window.top === window;
    const getAttr = Element.prototype.getAttribute;
    const hasAttr = Element.prototype.hasAttribute;
    const xhtml = 'http://www.w3.org/1999/xhtml';
    function send(message) { console.log(token + JSON.stringify(message)); }

    // Default text colour, below anything the page says about colours.
    try {
        const sheet = new CSSStyleSheet();
        sheet.replaceSync(':where(html) { color: ' + %2 + ' }');
        document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
        window.__quilmeadSheet = sheet;
    } catch (e) {}

    function linkAt(node) {
        for (; node; node = node.parentNode) {
            if (node.nodeType !== 1 || node.namespaceURI !== xhtml)
                continue;
            const tag = node.localName;
            if ((tag === 'a' || tag === 'area') && hasAttr.call(node, 'href'))
                return node;
        }
        return null;
    }
    function hrefOf(link) { return link ? getAttr.call(link, 'href').trim() : ''; }

    let hovered = null;
    document.addEventListener('mouseover', function (e) {
        const link = linkAt(e.target);
        if (link === hovered)
            return;
        hovered = link;
        send({ e: 'hover', href: hrefOf(link) });
    }, true);
    document.addEventListener('mouseout', function (e) {
        if (!hovered || (e.relatedTarget && linkAt(e.relatedTarget) === hovered))
            return;
        hovered = null;
        send({ e: 'hover', href: '' });
    }, true);

    // Inside a frame set a link that aims at a frame navigates that frame;
    // only links that replace the whole frame set are reported.
    function replacesTop(link) {
        if (isTop)
            return true;
        let target = getAttr.call(link, 'target');
        if (target === null) {
            const base = document.querySelector('base[target]');
            target = base ? getAttr.call(base, 'target') : '';
        }
        target = (target || '').trim().toLowerCase();
        return target === '_top' || target === '_blank' ||
            (target === '_parent' && window.parent === window.top);
    }

    // Listening on the window in the bubbling phase lets the page's own
    // handlers run first and cancel the click or the submission.
    window.addEventListener('click', function (e) {
        if (e.defaultPrevented || e.button !== 0)
            return;
        const link = linkAt(e.target);
        if (!link)
            return;
        const href = hrefOf(link);
        if (/^javascript:/i.test(href) || !replacesTop(link))
            return;
        e.preventDefault();
        send({ e: 'click', href: href, url: link.href });
    }, false);

    window.addEventListener('submit', function (e) {
        if (e.defaultPrevented)
            return;
        e.preventDefault();
        const form = e.target;
        const submitter = e.submitter || null;
        function pick(name) {
            if (submitter && hasAttr.call(submitter, 'form' + name))
                return getAttr.call(submitter, 'form' + name);
            return getAttr.call(form, name);
        }
        const fields = [];
        try {
            new FormData(form).forEach(function (value, name) {
                fields.push(name + '=' + (typeof value === 'string' ? value : value.name));
            });
        } catch (x) {}
        if (submitter && submitter.name)
            fields.push(submitter.name + '=' + submitter.value);
        send({
            e: 'submit',
            action: pick('action') || '',
            method: (pick('method') || 'GET').toUpperCase(),
            fields: fields
        });
    }, false);

    if (isTop) {
        document.addEventListener('DOMContentLoaded', function () {
            const target = window.__quilmeadScrollTarget;
            if (typeof target === 'number' && target > 0)
                window.scrollTo(0, target);
            window.__quilmeadScrolled = window.scrollY;
            send({ e: 'ready', load: window.__quilmeadLoad || 0 });
        }, { once: true });
    }
})();
)JS";

const char *const stateScript = R"JS(
(function () {
    const s = document.scrollingElement;
    return [document.title, Math.round(window.scrollY),
            s ? Math.max(0, s.scrollHeight - s.clientHeight) : 0, window.__quilmeadLoad || 0];
})()
)JS";

// Replaces a run of the body's child nodes by the nodes of mark-up parsed in
// the body, after checking that the body is the one the patch was made for.
const char *const patchScript = R"JS(
(function (p) {
    const body = document.body;
    if ((window.__quilmeadLoad || 0) !== p.serial || !body ||
        body.childNodes.length !== p.total)
        return null;
    const nodes = body.childNodes;
    const range = document.createRange();
    if (p.inside) {
        // Only the content of one element changed: the element stays.
        const element = nodes[p.at];
        if (!element || element.nodeName !== p.inside)
            return null;
        range.selectNodeContents(element);
        const content = range.createContextualFragment(p.html);
        element.textContent = '';
        element.appendChild(content);
        return %1;
    }
    for (let i = 0; i < p.names.length; ++i)
        if (nodes[p.at + i].nodeName !== p.names[i])
            return null;
    range.selectNodeContents(body);
    const fragment = range.createContextualFragment(p.html);
    if (fragment.childNodes.length !== p.count)
        return null;
    const next = nodes[p.at + p.remove] || null;
    for (let i = 0; i < p.remove; ++i)
        body.removeChild(nodes[p.at]);
    body.insertBefore(fragment, next);
    return %1;
})(%2)
)JS";

} // namespace

namespace PageScript {

QString source(const QString &token, const QColor &textColor) {
    return QString::fromLatin1(mainScript).arg(jsString(token), jsString(cssColor(textColor)));
}

QString setTextColor(const QColor &textColor) {
    return QStringLiteral("if (window.__quilmeadSheet) window.__quilmeadSheet.replaceSync("
                          "':where(html) { color: ' + %1 + ' }');")
        .arg(jsString(cssColor(textColor)));
}

QString loadMark(int serial, int scrollTarget) {
    return QStringLiteral("window.__quilmeadLoad = %1; window.__quilmeadScrollTarget = %2;")
        .arg(serial)
        .arg(scrollTarget);
}

QString finishLoad(int target) {
    // Scroll again only when the reader has not scrolled since the document
    // was laid out.
    return QStringLiteral("if (%1 > 0 && window.scrollY === (window.__quilmeadScrolled || 0)"
                          " && window.scrollY !== %1) window.scrollTo(0, %1);")
               .arg(target) +
           state();
}

QString state() {
    return QString::fromLatin1(stateScript);
}

QString patchBody(const PageSegments::Patch &patch, int serial) {
    QJsonArray names;
    for (const QString &name : patch.removedNames)
        names.append(name);
    const QJsonObject arguments{
        {QStringLiteral("serial"), serial},      {QStringLiteral("total"), patch.totalNodes},
        {QStringLiteral("at"), patch.firstNode}, {QStringLiteral("remove"), patch.removeNodes},
        {QStringLiteral("names"), names},        {QStringLiteral("count"), patch.newNodes},
        {QStringLiteral("html"), patch.html},    {QStringLiteral("inside"), patch.insideName}};
    return QString::fromLatin1(patchScript)
        .arg(state().trimmed(),
             QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact)));
}

QString scrollTo(int y) {
    return QStringLiteral("window.scrollTo(0, %1);").arg(y) + state();
}

QString scrollToAnchor(const QString &name) {
    return QStringLiteral(
               "(function (n) {"
               " const e = document.getElementById(n) || document.getElementsByName(n)[0];"
               " if (e) e.scrollIntoView(); })(%1);")
               .arg(jsString(name)) +
           state();
}

} // namespace PageScript
