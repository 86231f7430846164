#include "spelling/dctwriter.h"

#include "spelling/dctformat.h"

#include <QSaveFile>

bool writeDctFile(const QString &path, const std::vector<std::uint32_t> &entries, QString *error,
                  const QByteArray &headerTail) {
    QByteArray bytes = dct::signature();
    bytes.append(headerTail.left(dct::HeaderSize - dct::SignatureSize));
    bytes.append(dct::HeaderSize - bytes.size(), '\0');
    const size_t count = entries.empty() ? 0 : entries.size() - 1;
    bytes.reserve(qsizetype(dct::HeaderSize + 4 * count));
    for (size_t k = 1; k <= count; ++k) {
        const std::uint32_t e = entries[k];
        const char le[4] = {char(e), char(e >> 8), char(e >> 16), char(e >> 24)};
        bytes.append(le, 4);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
