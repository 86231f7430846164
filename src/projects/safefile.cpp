#include "projects/safefile.h"

#include <QSaveFile>

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error,
                     const std::function<bool(QString *why)> &beforeReplace) {
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // The destructor removes the temporary file when the write is not committed.
    if (file.write(bytes) != bytes.size())
        return fail(file.errorString());
    if (!file.flush() || file.size() != bytes.size())
        return fail(file.error() != QFileDevice::NoError
                        ? file.errorString()
                        : QStringLiteral("not every byte could be written"));
    QString why;
    if (beforeReplace && !beforeReplace(&why)) {
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
