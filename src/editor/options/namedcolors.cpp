#include "editor/options/namedcolors.h"

namespace {

struct Entry {
    const char *name;
    QRgb rgb;
};

constexpr Entry kEntries[NamedColors::count] = {
    {"Aqua", 0x00FFFF},    {"Black", 0x000000},  {"Blue", 0x0000FF},   {"DkGray", 0x808080},
    {"Fuchsia", 0xFF00FF}, {"Gray", 0x808080},   {"Green", 0x008000},  {"Lime", 0x00FF00},
    {"LtGray", 0xC0C0C0},  {"Maroon", 0x800000}, {"Navy", 0x000080},   {"Olive", 0x808000},
    {"Purple", 0x800080},  {"Red", 0xFF0000},    {"Silver", 0xC0C0C0}, {"Teal", 0x008080},
    {"White", 0xFFFFFF},   {"Yellow", 0xFFFF00},
};

} // namespace

namespace NamedColors {

QString name(int index) {
    if (index < 0 || index >= count)
        return QString();
    return QString::fromLatin1(kEntries[index].name);
}

QColor color(int index) {
    if (index < 0 || index >= count)
        return QColor();
    return QColor::fromRgb(kEntries[index].rgb);
}

int indexOf(const QColor &color) {
    if (!color.isValid())
        return -1;
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    for (int i = 0; i < count; ++i)
        if (kEntries[i].rgb == rgb)
            return i;
    return -1;
}

} // namespace NamedColors
