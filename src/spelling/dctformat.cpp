#include "spelling/dctformat.h"

#include <QStringDecoder>

namespace {

// Unicode values of the bytes 0x80..0x9F. The five codes Windows leaves
// unassigned map to the C1 control of the same value, so every byte decodes
// and encodes back to itself.
const char16_t HighTable[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (HighTable[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace dct {

QByteArray signature() {
    QByteArray s("Copyright (c) 1996, Eminent Domain Software");
    s.append(SignatureSize - s.size(), '\0');
    return s;
}

QString notFoundText(const QString &path) {
    return QStringLiteral("Dictionary not found : ") + path;
}

QString corruptText() {
    return QStringLiteral("Dictionary Corrupt.");
}

QString multipleText() {
    return QStringLiteral("Multiple Dictionaries not supported.");
}

} // namespace dct

namespace cp1252 {

bool encode(const QString &text, QByteArray &out) {
    out.resize(text.size());
    char *d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteFor(text.at(i).unicode());
        if (b < 0)
            return false;
        d[i] = char(b);
    }
    return true;
}

QByteArray encodeLossy(const QString &text, char replacement) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteFor(text.at(i).unicode());
        out[i] = b < 0 ? replacement : char(b);
    }
    return out;
}

QString decode(const char *bytes, int length) {
    QString out(length, Qt::Uninitialized);
    QChar *d = out.data();
    for (int i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(HighTable[b - 0x80]) : QChar(b);
    }
    return out;
}

QString decode(const QByteArray &bytes) {
    return decode(bytes.constData(), int(bytes.size()));
}

} // namespace cp1252

QString decodeText(const QByteArray &bytes, bool *wasUtf8) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (wasUtf8)
        *wasUtf8 = !utf8.hasError();
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return cp1252::decode(bytes);
}

