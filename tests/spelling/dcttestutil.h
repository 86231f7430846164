#pragma once

#include "dctbuilder.h"
#include "spelling/dctwriter.h"

#include <QFile>
#include <QStringList>
#include <cstdint>
#include <vector>

// Compiles `words` into a dictionary file at `path` with the project's own
// compiler. Returns false when the compiler refuses the list.
inline bool compileDictionary(const QString &path, const QStringList &words) {
    DctBuilder builder;
    for (const QString &w : words)
        builder.addLine(w);
    std::vector<std::uint32_t> entries;
    return builder.build(entries, nullptr) && writeDctFile(path, entries);
}

// A dictionary file's bytes, for tests that damage it.
inline QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline std::uint32_t entryAt(const QByteArray &file, std::uint32_t k) {
    const qint64 at = dct::entryOffset(k);
    const auto *p = reinterpret_cast<const unsigned char *>(file.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline void setEntryAt(QByteArray &file, std::uint32_t k, std::uint32_t e) {
    const qint64 at = dct::entryOffset(k);
    for (int i = 0; i < 4; ++i)
        file[at + i] = char(e >> (8 * i));
}
