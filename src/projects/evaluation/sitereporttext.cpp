#include "projects/evaluation/sitereporttext.h"

namespace {
const QLatin1String kIndent("    ");
} // namespace

QString siteProblemText(const SiteProblem &problem) {
    switch (problem.kind) {
    case SiteProblem::Kind::MissingImage:
        return QLatin1String("Missing image: ") + problem.value;
    case SiteProblem::Kind::MissingFile:
        return QLatin1String("Link to a missing file: ") + problem.value;
    case SiteProblem::Kind::MissingMarker:
        return QLatin1String("Link to a missing marker: ") + problem.value;
    case SiteProblem::Kind::NoAltText:
        return problem.value.isEmpty() ? QStringLiteral("Image without ALT text")
                                       : QLatin1String("Image without ALT text: ") + problem.value;
    }
    return QString();
}

QVector<SiteReportLine> siteReportLines(const SiteReport &report) {
    QVector<SiteReportLine> lines;
    auto add = [&lines](const QString &text, const QString &path = QString(), int line = 0) {
        lines.append({text, path, line});
    };
    add(QLatin1String("Project folder: ") + report.folder);
    if (report.cancelled)
        add(QStringLiteral("Check cancelled: %1 of %2 pages checked.")
                .arg(report.checkedCount)
                .arg(report.pageCount));
    else
        add(QStringLiteral("Pages checked: %1").arg(report.checkedCount));
    const int problems = report.problemCount();
    add(problems == 0 ? QStringLiteral("No problems found.")
                      : QStringLiteral("Problems found: %1").arg(problems));

    for (const SitePageReport &page : report.pages) {
        const bool unlinked = report.linksKnown() && page.readError.isEmpty() && !page.linked;
        if (page.problems.isEmpty() && page.readError.isEmpty() && !unlinked && page.complete)
            continue;
        add(QString());
        add(page.name, page.path, 1);
        if (!page.readError.isEmpty())
            add(kIndent + page.readError, page.path, 1);
        for (const SiteProblem &problem : page.problems)
            add(kIndent + QString::number(problem.line) + QLatin1String(": ") +
                    siteProblemText(problem),
                page.path, problem.line);
        if (!page.complete)
            add(kIndent + QStringLiteral("Only the first %1 references were checked.")
                              .arg(Evaluation::kMaxReferences),
                page.path, 1);
        if (unlinked)
            add(kIndent + QStringLiteral("No other page links to this page."), page.path, 1);
    }
    return lines;
}

QString siteReportText(const QVector<SiteReportLine> &lines) {
    QString text;
    for (const SiteReportLine &line : lines) {
        text += line.text;
        text += QLatin1Char('\n');
    }
    return text;
}
