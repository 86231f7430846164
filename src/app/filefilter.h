#pragma once

#include <QString>
#include <QStringList>

// File dialog filters are written as "Name|pattern;pattern|Name|pattern";
// these turn them into the "Name (pattern pattern)" form of Qt's file dialogs.
QStringList toQtFilters(const QString &filter);

// The 1-based index of a Qt filter string within the converted list; 0 when
// it is not there.
int qtFilterIndex(const QString &filter, const QString &qtFilter);
