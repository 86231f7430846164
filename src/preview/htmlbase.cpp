#include "preview/htmlbase.h"

#include <QRegularExpression>

namespace HtmlBase {

bool hasBaseHref(const QString &html) {
    static const QRegularExpression base(QStringLiteral(R"(<base\s[^>]*\bhref\s*=)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return base.match(html).hasMatch();
}

Insertion baseInsertion(const QString &html, const QUrl &baseUrl) {
    if (hasBaseHref(html))
        return {};
    // A byte order mark, blanks and comments may come before the DOCTYPE.
    static const QRegularExpression doctype(
        QStringLiteral(R"(^\x{feff}?\s*(?:<!--.*?-->\s*)*<!doctype[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString href = baseUrl.toString(QUrl::FullyEncoded);
    href.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    href.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    // Only the head of the text is searched, which keeps the search cheap on
    // huge documents full of comments.
    const QRegularExpressionMatch m = doctype.match(QStringView(html).left(64 * 1024));
    return {m.hasMatch() ? m.capturedEnd() : 0, QStringLiteral("<base href=\"%1\">").arg(href)};
}

QString withBaseHref(const QString &html, const QUrl &baseUrl) {
    const Insertion insertion = baseInsertion(html, baseUrl);
    if (insertion.at < 0)
        return html;
    QString result = html;
    result.insert(insertion.at, insertion.tag);
    return result;
}

} // namespace HtmlBase
