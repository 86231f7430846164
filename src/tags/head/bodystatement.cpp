#include "tags/head/bodystatement.h"
#include "settings/colors.h"

namespace BodyStatement {

namespace {

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_');
}

// Where `name` first stands as a whole attribute name in the upper-case copy,
// not as the end of a longer name; -1 when it does not.
int findAttribute(const QString &upper, const QString &name) {
    int from = 0;
    while (true) {
        const int at = upper.indexOf(name, from);
        if (at < 0)
            return -1;
        if (at == 0 || !isNameCharacter(upper.at(at - 1)))
            return at;
        from = at + 1;
    }
}

QString fileNameOf(const QString &path) {
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

QString quoted(const char *name, const QString &value) {
    return QLatin1String(name) + QStringLiteral("=\"") + value + QStringLiteral("\" ");
}

} // namespace

QString attributeValue(const QString &statement, const QString &name, bool *found) {
    const int at = findAttribute(statement.toUpper(), name);
    if (found)
        *found = at >= 0;
    if (at < 0)
        return QString();
    int i = at + name.size();
    if (i < statement.size() && statement.at(i) == QLatin1Char('"'))
        ++i;
    const int start = i;
    while (i < statement.size()) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('"') || c == QLatin1Char('>'))
            break;
        ++i;
    }
    const QString value = statement.mid(start, i - start);
    return value == QLatin1String("'") ? QString() : value;
}

bool setBodyVars(const QString &statement, BodyMemory &memory, QString *badValue) {
    memory.leftMargin = memory.rightMargin = memory.topMargin = memory.bottomMargin = -1;
    memory.background.clear();

    bool found = false;
    const QString background = attributeValue(statement, QStringLiteral("BACKGROUND="), &found);
    if (found)
        memory.background = background;

    const struct {
        const char *name;
        QColor BodyMemory::*field;
    } colors[] = {{"TEXT=", &BodyMemory::text},
                  {"LINK=", &BodyMemory::link},
                  {"VLINK=", &BodyMemory::vlink},
                  {"ALINK=", &BodyMemory::alink},
                  {"BGCOLOR=", &BodyMemory::bgcolor}};
    for (const auto &c : colors) {
        const QString value = attributeValue(statement, QLatin1String(c.name), &found);
        if (!found)
            continue;
        QColor color;
        if (!hexToColor(value, color)) {
            if (badValue)
                *badValue = value;
            return false;
        }
        memory.*c.field = color;
    }

    const struct {
        const char *name;
        int BodyMemory::*field;
    } margins[] = {{"RIGHTMARGIN=", &BodyMemory::rightMargin},
                   {"LEFTMARGIN=", &BodyMemory::leftMargin},
                   {"TOPMARGIN=", &BodyMemory::topMargin},
                   {"BOTTOMMARGIN=", &BodyMemory::bottomMargin}};
    for (const auto &m : margins) {
        const QString value = attributeValue(statement, QLatin1String(m.name), &found);
        if (!found)
            continue;
        bool ok = false;
        const int n = value.toInt(&ok);
        // A margin that is not a number counts as not given.
        memory.*m.field = ok && n >= 0 ? n : -1;
    }

    memory.fixedBackground = statement.toUpper().contains(QLatin1String("BGPROPERTIES="));
    return true;
}

QString statementText(const BodyMemory &body) {
    QString s = QStringLiteral("<BODY ");
    if (!body.background.isEmpty())
        s += quoted("BACKGROUND", fileNameOf(body.background));
    auto hex = [](const QColor &c) { return QLatin1Char('#') + colorToHex(c); };
    s += quoted("TEXT", hex(body.text));
    s += quoted("LINK", hex(body.link));
    s += quoted("ALINK", hex(body.alink));
    s += quoted("VLINK", hex(body.vlink));
    s += quoted("BGCOLOR", hex(body.bgcolor));
    const struct {
        const char *name;
        int value;
    } margins[] = {{"LEFTMARGIN", body.leftMargin},
                   {"RIGHTMARGIN", body.rightMargin},
                   {"TOPMARGIN", body.topMargin},
                   {"BOTTOMMARGIN", body.bottomMargin}};
    for (const auto &m : margins)
        if (m.value >= 0)
            s += quoted(m.name, QString::number(m.value));
    if (body.fixedBackground)
        s += QStringLiteral("BGPROPERTIES=\"FIXED\"");
    return s + QLatin1Char('>');
}

} // namespace BodyStatement
