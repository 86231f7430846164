#include "generators/frame/framerecord.h"

#include "editor/textfile.h"

#include <QtEndian>

namespace {

constexpr int SourceAt = 0;
constexpr int MarginWidthAt = 92;
constexpr int MarginHeightAt = 96;
constexpr int NameAt = 102;
constexpr int ScrollingAt = 184;
constexpr int ResizeAt = 188;

// Texts are stored in Windows-1252 like the files made on Windows; a text with
// a character that code page cannot hold is stored as UTF-8 instead, cut on a
// character boundary.
QByteArray encodeRecordText(const QString &text) {
    QByteArray bytes;
    bool fits = true;
    for (QChar ch : text) {
        const int code = unicodeToWindows1252(ch);
        if (code < 0) {
            fits = false;
            break;
        }
        bytes.append(char(code));
    }
    if (fits)
        return bytes.left(FrameRecord::MaxText);
    bytes.clear();
    for (int i = 0; i < text.size();) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = text.mid(i, length).toUtf8();
        if (bytes.size() + one.size() > FrameRecord::MaxText)
            break;
        bytes += one;
        i += length;
    }
    return bytes;
}

void putText(char *record, int at, const QString &text) {
    const QByteArray bytes = encodeRecordText(text);
    record[at] = char(bytes.size());
    std::copy(bytes.begin(), bytes.end(), record + at + 1);
}

bool takeText(const char *record, int at, QString &text) {
    const int length = static_cast<unsigned char>(record[at]);
    if (length > FrameRecord::MaxText)
        return false;
    text = decodeText(QByteArray(record + at + 1, length)).text;
    return true;
}

void putInt(char *record, int at, int value) {
    qToLittleEndian<qint32>(value, record + at);
}

int takeInt(const char *record, int at) {
    return qFromLittleEndian<qint32>(record + at);
}

} // namespace

bool FrameRecord::operator==(const FrameRecord &o) const {
    return source == o.source && marginWidth == o.marginWidth && marginHeight == o.marginHeight &&
           name == o.name && scrolling == o.scrolling && allowResize == o.allowResize;
}

QByteArray FrameRecord::toBytes() const {
    QByteArray bytes(Size, '\0');
    char *record = bytes.data();
    putText(record, SourceAt, source);
    putInt(record, MarginWidthAt, marginWidth);
    putInt(record, MarginHeightAt, marginHeight);
    putText(record, NameAt, name);
    putInt(record, ScrollingAt, scrolling);
    record[ResizeAt] = allowResize ? 1 : 0;
    return bytes;
}

bool FrameRecord::fromBytes(const char *data, FrameRecord &record) {
    FrameRecord read;
    if (!takeText(data, SourceAt, read.source) || !takeText(data, NameAt, read.name))
        return false;
    read.marginWidth = takeInt(data, MarginWidthAt);
    read.marginHeight = takeInt(data, MarginHeightAt);
    read.scrolling = takeInt(data, ScrollingAt);
    // Anything but "Yes" and "No" scrolls automatically, as the FRAME line says.
    if (read.scrolling != ScrollYes && read.scrolling != ScrollNo)
        read.scrolling = ScrollAuto;
    read.allowResize = data[ResizeAt] != 0;
    record = read;
    return true;
}

QString cutToRecordText(const QString &text) {
    return text.left(FrameRecord::MaxText);
}
