#include "spelling/htmlentities.h"

#include <QHash>

namespace htmlentity {

namespace {

// The names of the characters 160 .. 255, in order.
const char *const kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct Named {
    const char *name;
    char32_t character;
};

// The other references met in text: mark-up characters, letters outside
// Latin-1, dashes, quotes and spaces.
const Named kOtherNames[] = {
    {"quot", 34},     {"amp", 38},      {"apos", 39},     {"lt", 60},       {"gt", 62},
    {"OElig", 338},   {"oelig", 339},   {"Scaron", 352},  {"scaron", 353},  {"Yuml", 376},
    {"fnof", 402},    {"circ", 710},    {"tilde", 732},   {"ensp", 8194},   {"emsp", 8195},
    {"thinsp", 8201}, {"zwnj", 8204},   {"zwj", 8205},    {"lrm", 8206},    {"rlm", 8207},
    {"ndash", 8211},  {"mdash", 8212},  {"lsquo", 8216},  {"rsquo", 8217},  {"sbquo", 8218},
    {"ldquo", 8220},  {"rdquo", 8221},  {"bdquo", 8222},  {"dagger", 8224}, {"Dagger", 8225},
    {"bull", 8226},   {"hellip", 8230}, {"permil", 8240}, {"prime", 8242},  {"Prime", 8243},
    {"lsaquo", 8249}, {"rsaquo", 8250}, {"euro", 8364},   {"trade", 8482}};

constexpr int kLongestName = 6;

const QHash<QString, char32_t> &byName() {
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> t;
        for (int i = 0; i < 96; ++i)
            t.insert(QString::fromLatin1(kLatin1Names[i]), char32_t(160 + i));
        for (const Named &n : kOtherNames)
            t.insert(QString::fromLatin1(n.name), n.character);
        return t;
    }();
    return table;
}

// Windows-1252 codes 128 .. 159; 0 where the code page has no character.
const char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isValidCharacter(char32_t c) {
    return c > 0 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

Decoded decodeNumeric(QStringView text, qsizetype at) {
    // "&#" digits ";" or "&#x" hex digits ";"
    qsizetype i = at + 2;
    int base = 10;
    if (i < text.size() && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    }
    const qsizetype digitsFrom = i;
    quint32 value = 0;
    while (i < text.size() && i - digitsFrom < 8) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            break;
        value = value * quint32(base) + quint32(digit);
        ++i;
    }
    if (i == digitsFrom || i >= text.size() || text[i] != u';')
        return {};
    char32_t c = value;
    if (c >= 128 && c <= 159)
        c = kWindows1252High[c - 128];
    if (!isValidCharacter(c))
        return {};
    return {c, int(i + 1 - at)};
}

} // namespace

Decoded decodeAt(QStringView text, qsizetype at) {
    if (at + 2 >= text.size() || text[at] != u'&')
        return {};
    if (text[at + 1] == u'#')
        return decodeNumeric(text, at);
    qsizetype end = at + 1;
    while (end < text.size() && end - at - 1 <= kLongestName && text[end].isLetterOrNumber() &&
           text[end].unicode() < 128)
        ++end;
    if (end >= text.size() || text[end] != u';' || end == at + 1)
        return {};
    const auto found = byName().constFind(text.mid(at + 1, end - at - 1).toString());
    if (found == byName().constEnd())
        return {};
    return {found.value(), int(end + 1 - at)};
}

QString namedReference(char32_t character) {
    if (character >= 160 && character <= 255)
        return QLatin1Char('&') + QLatin1String(kLatin1Names[character - 160]) + QLatin1Char(';');
    for (const Named &n : kOtherNames)
        if (n.character == character)
            return QLatin1Char('&') + QLatin1String(n.name) + QLatin1Char(';');
    return QString();
}

} // namespace htmlentity
