#pragma once

#include <QColor>
#include <QString>

// The colours every colour box of the editor options offers, in their
// order: "Aqua", "Black", "Blue", "DkGray", "Fuchsia", "Gray", "Green",
// "Lime", "LtGray", "Maroon", "Navy", "Olive", "Purple", "Red", "Silver",
// "Teal", "White", "Yellow".
namespace NamedColors {

constexpr int count = 18;
QString name(int index);
QColor color(int index);
// The first entry with the colour's red, green and blue; -1 when none has
// them. Two pairs share a value ("DkGray" and "Gray", "LtGray" and
// "Silver"): the first of each is found.
int indexOf(const QColor &color);

} // namespace NamedColors
