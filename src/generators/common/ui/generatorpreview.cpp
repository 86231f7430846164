#include "generators/common/ui/generatorpreview.h"

GeneratorPreview::GeneratorPreview(QWidget *parent) : HtmlViewer(parent) {
    setViewImages(false);
    connect(this, &HtmlViewer::hotSpotClick, this, [this](const QString &target, bool *handled) {
        *handled = true;
        emit linkClicked(target);
    });
}

void GeneratorPreview::showHtml(const QString &html, const QString &baseDir) {
    const int y = m_shown ? position() : 0;
    m_html = html;
    m_shown = true;
    loadFromString(html, baseDir);
    if (y > 0)
        setPosition(y);
}
