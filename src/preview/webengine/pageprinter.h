#pragma once

#include <QByteArray>

class QPrinter;

// Puts a page's PDF rendition on a printer: the pages the printer's range
// asks for (all when it names none), each as a picture of the whole sheet.
namespace PagePrinter {

// Pictures finer than this add time and memory, not sharpness.
constexpr int maxResolution = 300;

bool print(const QByteArray &pdf, QPrinter &printer);

} // namespace PagePrinter
