#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, with helpers to write and read real files.
class TestFolder {
public:
    TestFolder();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const; // with a trailing "/"
    QString file(const QString &name) const { return path() + name; }
    QString write(const QString &name, const QByteArray &bytes) const; // returns the full path
    static QByteArray read(const QString &path);

private:
    QTemporaryDir m_dir;
};
