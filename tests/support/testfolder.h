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
    // Makes `linkPath` a symbolic link to a character device that reads like
    // /dev/<device> ("zero" or "null"). Run by root, the device is a node of
    // its own beside the link, so that a faulty writer that replaces the
    // link's target can never replace the system's device.
    static bool linkToDevice(const QString &linkPath, const QString &device);

private:
    QTemporaryDir m_dir;
};
