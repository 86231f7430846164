#include "tags/bodymemory.h"

bool BodyMemory::rememberColor(const QString &expression, const QColor &color) {
    const struct {
        const char *name;
        QColor BodyMemory::*field;
    } attributes[] = {{"TEXT", &BodyMemory::text},
                      {"LINK", &BodyMemory::link},
                      {"VLINK", &BodyMemory::vlink},
                      {"ALINK", &BodyMemory::alink},
                      {"BGCOLOR", &BodyMemory::bgcolor}};
    for (const auto &a : attributes) {
        if (expression.startsWith(QLatin1String(a.name))) {
            this->*a.field = color;
            return true;
        }
    }
    return false;
}
