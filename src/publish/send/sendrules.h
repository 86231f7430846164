#pragma once

#include <QString>

// Small rules of sending a project to its web site.
namespace SendRules {

// The transfer type of a referenced file (FtpClient::Ascii or
// FtpClient::Local8): text when its extension, lower-cased and without the
// ".", occurs anywhere in the lower-cased `smartAscii` + " " +
// `documentExtensions`; a file without an extension goes as binary. Pages
// always go as text.
int referenceTransferType(const QString &name, const QString &smartAscii,
                          const QString &documentExtensions);

// A byte count with thousands separators ("1,234,567"), as the pattern
// "#,###" formats it, but "0" for nothing.
QString byteTotalText(qint64 bytes);

// `part` of `whole` in per cent, rounded, from 0 to 100; 0 when `whole` is 0.
int percentOf(qint64 part, qint64 whole);

// "Total bytes: " and the byte total.
QString totalBytesCaption(qint64 bytes);

} // namespace SendRules
