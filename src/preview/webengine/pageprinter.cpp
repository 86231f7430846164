#include "preview/webengine/pageprinter.h"

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryFile>
#include <algorithm>

namespace PagePrinter {

bool print(const QByteArray &pdf, QPrinter &printer) {
    if (pdf.isEmpty())
        return false;
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return false;
    QPdfDocument document;
    if (document.load(file.fileName()) != QPdfDocument::Error::None)
        return false;
    const int count = document.pageCount();
    int from = printer.fromPage();
    int to = printer.toPage();
    if (from <= 0 && to <= 0) {
        from = 1;
        to = count;
    }
    from = std::max(1, from);
    to = std::min(count, to > 0 ? to : count);
    if (count <= 0 || to < from)
        return false;

    // The PDF pages are whole sheets; the painter starts at the printable
    // area's corner unless the printer is set to the full page.
    const int resolution = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect sheet = layout.fullRectPixels(resolution);
    const QPoint origin =
        printer.fullPage() ? QPoint() : layout.paintRectPixels(resolution).topLeft();
    const double scale = std::min(1.0, double(maxResolution) / resolution);
    const QSize pictureSize = (QSizeF(sheet.size()) * scale).toSize();
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = from; page <= to; ++page) {
            const QImage picture = document.render(page - 1, pictureSize);
            if (picture.isNull() || (!first && !printer.newPage())) {
                painter.end();
                return false;
            }
            first = false;
            painter.drawImage(QRect(sheet.topLeft() - origin, sheet.size()), picture);
        }
    }
    return painter.end();
}

} // namespace PagePrinter
