#pragma once

#include "projects/evaluation/sitecheck.h"

#include <QString>
#include <QVector>

// One line of the project references report. A line about a page names the
// page's file and, when it is about a place in the page, its line there.
struct SiteReportLine {
    QString text;
    QString pagePath; // empty for the heading lines
    int line = 0;     // from 1; 0 when the line names no place in the page
};

// The report as the user reads it: a heading with the folder and the counts,
// then, for each page with problems, its name and one indented line per
// problem.
QVector<SiteReportLine> siteReportLines(const SiteReport &report);

// The same as plain text, one report line per text line (LF).
QString siteReportText(const QVector<SiteReportLine> &lines);

// The text of one problem, without its line number.
QString siteProblemText(const SiteProblem &problem);
