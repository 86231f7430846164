#pragma once

#include "preview/htmlviewer.h"

// The preview of a generator's dialog: shows the mark-up being built, without
// images, and keeps its place when the mark-up is shown again after an edit.
// It never follows a link; every click on one is reported by linkClicked.
class GeneratorPreview : public HtmlViewer {
    Q_OBJECT
public:
    explicit GeneratorPreview(QWidget *parent = nullptr);

    // Shows the mark-up; relative references resolve against `baseDir`.
    void showHtml(const QString &html, const QString &baseDir = QString());
    // What was last shown.
    QString html() const { return m_html; }

signals:
    // A link in the preview was clicked: its target as written in the mark-up.
    void linkClicked(const QString &target);

private:
    QString m_html;
    bool m_shown = false;
};
