#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Writes a main dictionary file: the signature, the rest of the header (33
// bytes, zeros unless given) and the entries (index 0 of `entries` unused).
// The file is written beside its final name and renamed over it, so a failed
// write leaves any earlier file intact. Returns false with `error` set on
// failure.
bool writeDctFile(const QString &path, const std::vector<std::uint32_t> &entries,
                  QString *error = nullptr, const QByteArray &headerTail = QByteArray());
