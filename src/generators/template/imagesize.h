#pragma once

#include <QSize>
#include <QString>

// The width and height of a picture in pixels; 0 and 0 when it cannot be
// loaded.
QSize imagePixelSize(const QString &path);
