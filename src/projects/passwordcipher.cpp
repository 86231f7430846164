#include "projects/passwordcipher.h"

#include <QByteArray>

namespace {

// The key: every byte of the scrambling depends on it and on the bytes
// before.
constexpr char kKey[] = "Quilmead keeps this out of plain sight";

class KeyStream {
public:
    KeyStream() {
        quint32 h = 2166136261u; // FNV-1a of the key
        for (const char *p = kKey; *p; ++p)
            h = (h ^ quint8(*p)) * 16777619u;
        m_state = h ? h : 1u;
    }
    quint8 next() {
        m_state ^= m_state << 13; // xorshift32
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return quint8(m_state >> 24);
    }

private:
    quint32 m_state;
};

quint8 checkByte(const QByteArray &plain) {
    quint32 sum = quint32(plain.size()) * 31u;
    for (const char c : plain)
        sum = sum * 131u + quint8(c);
    return quint8(sum ^ (sum >> 8) ^ (sum >> 16));
}

} // namespace

QString encodeStr(const QString &text) {
    if (text.isEmpty())
        return QString();
    const QByteArray plain = text.toUtf8();
    KeyStream keys;
    QByteArray out;
    out.reserve(plain.size() + 1);
    quint8 previous = checkByte(plain) ^ keys.next();
    out.append(char(previous));
    for (const char c : plain) {
        previous = quint8(c) ^ keys.next() ^ previous;
        out.append(char(previous));
    }
    return QString::fromLatin1(out.toHex().toUpper());
}

QString decodeStr(const QString &text) {
    if (text.isEmpty())
        return QString();
    if (text.size() < 4 || text.size() % 2 != 0)
        return text;
    for (const QChar ch : text) {
        if (!((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
              (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'))))
            return text;
    }
    const QByteArray cipher = QByteArray::fromHex(text.toLatin1());
    KeyStream keys;
    quint8 previous = quint8(cipher.at(0));
    const quint8 check = previous ^ keys.next();
    QByteArray plain;
    plain.reserve(cipher.size() - 1);
    for (int i = 1; i < cipher.size(); ++i) {
        const quint8 c = quint8(cipher.at(i));
        plain.append(char(c ^ keys.next() ^ previous));
        previous = c;
    }
    if (checkByte(plain) != check)
        return text;
    return QString::fromUtf8(plain);
}
