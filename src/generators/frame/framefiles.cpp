#include "generators/frame/framefiles.h"

#include "editor/textfile.h"
#include "generators/common/definitionfile.h"
#include "generators/frame/framecreator.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int ParSize = FrameCreator::FrameCount * FrameRecord::Size;

void setError(QString *error, const QString &text) {
    if (error)
        *error = text;
}

QString shown(const QString &path) {
    return QDir::toNativeSeparators(path);
}

// A line of a damaged file as it can be shown in a message.
QString printable(const QString &line) {
    QString text = line.left(40);
    for (QChar &ch : text) {
        if (!ch.isPrint())
            ch = QLatin1Char('?');
    }
    return text;
}

} // namespace

QString parPathFor(const QString &setPath) {
    const QFileInfo info(setPath);
    const QString name = info.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString folder = setPath.left(setPath.size() - name.size());
    return folder + stem + QStringLiteral(".par");
}

QByteArray setFileBytes(const FrameCreator &c) {
    const int values[] = {int(c.orientation), c.outer.bar2,   c.outer.bar1,
                          c.rows[0].bar2,     c.rows[0].bar1, c.rows[1].bar2,
                          c.rows[1].bar1,     c.rows[2].bar2, c.rows[2].bar1};
    QByteArray bytes;
    for (int v : values)
        bytes += QByteArray::number(v) + "\r\n";
    return bytes;
}

QByteArray parFileBytes(const FrameCreator &c) {
    QByteArray bytes;
    bytes.reserve(ParSize);
    for (int frame = 1; frame <= FrameCreator::FrameCount; ++frame)
        bytes += c.record(frame).toBytes();
    return bytes;
}

bool saveFrameSettings(const FrameCreator &creator, const QString &setPath, QString *error) {
    QString why;
    if (!writeFileAtomically(setPath, setFileBytes(creator), &why) ||
        !writeFileAtomically(parPathFor(setPath), parFileBytes(creator), &why)) {
        setError(error, why);
        return false;
    }
    return true;
}

bool applySetFile(FrameCreator &c, const QByteArray &bytes, const QString &name, QString *error) {
    const QStringList lines = DefinitionFile::splitLines(QString::fromLatin1(bytes));
    int pendingBar2 = 0;
    for (int i = 0; i < 9; ++i) {
        if (i >= lines.size()) {
            if (i % 2 == 0 && i > 0)
                c.splitter(i / 2 - 1).setBar2(pendingBar2);
            setError(error, QStringLiteral("The frame settings file %1 ends after %2 lines; it "
                                           "needs nine.")
                                .arg(shown(name), QString::number(lines.size())));
            return false;
        }
        bool ok = false;
        const int value = lines.at(i).trimmed().toInt(&ok);
        if (!ok) {
            if (i % 2 == 0 && i > 0)
                c.splitter(i / 2 - 1).setBar2(pendingBar2);
            setError(error, QStringLiteral("Line %1 of %2 is not a number: \"%3\".")
                                .arg(QString::number(i + 1), shown(name), printable(lines.at(i))));
            return false;
        }
        if (i == 0)
            c.orientation = value == 1 ? FrameCreator::ByColumns : FrameCreator::ByRows;
        else if (i % 2 == 1)
            pendingBar2 = value;
        else
            c.splitter(i / 2 - 1).restore(pendingBar2, value);
    }
    return true;
}

bool applyParFile(FrameCreator &c, const QByteArray &bytes, const QString &name, QString *error) {
    if (bytes.size() != ParSize) {
        setError(error,
                 QStringLiteral("The frame file %1 holds %2 bytes instead of %3.")
                     .arg(shown(name), QString::number(bytes.size()), QString::number(ParSize)));
        return false;
    }
    for (int frame = 1; frame <= FrameCreator::FrameCount; ++frame) {
        const char *data = bytes.constData() + (frame - 1) * FrameRecord::Size;
        if (!FrameRecord::fromBytes(data, c.record(frame))) {
            setError(error, QStringLiteral("Frame %1 in %2 is damaged.")
                                .arg(QString::number(frame), shown(name)));
            return false;
        }
    }
    return true;
}

bool openFrameSettings(FrameCreator &creator, const QString &setPath, QString *error) {
    QByteArray bytes;
    QString why;
    if (!readFileBytes(setPath, bytes, &why)) {
        setError(error, why);
        return false;
    }
    if (!applySetFile(creator, bytes, setPath, error))
        return false;
    const QString parPath = parPathFor(setPath);
    if (!readFileBytes(parPath, bytes, &why)) {
        setError(error, why);
        return false;
    }
    return applyParFile(creator, bytes, parPath, error);
}
