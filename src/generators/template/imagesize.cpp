#include "generators/template/imagesize.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

QSize imagePixelSize(const QString &path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QSize(0, 0);
    QImageReader reader(path);
    QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        const QImage image = reader.read();
        size = image.isNull() ? QSize(0, 0) : image.size();
    }
    return size;
}
