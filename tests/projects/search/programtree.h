#pragma once

// A folder tree of programs and other files for the program search tests.

#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

struct ProgramTree {
    TestFolder dir;

    QString root() const { return dir.path(); } // with a trailing "/"
    // An executable file.
    QString program(const QString &name) const {
        const QString path = dir.write(name, "#!/bin/sh\n");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ExeGroup);
        return path;
    }
    // A file that cannot be run.
    QString plain(const QString &name) const { return dir.write(name, "text\n"); }
    QString folder(const QString &name) const {
        QDir().mkpath(dir.file(name));
        return dir.file(name);
    }
    // A symbolic link `name` with the target as written.
    bool link(const QString &target, const QString &name) const {
        QDir().mkpath(QFileInfo(dir.file(name)).absolutePath());
        return QFile::link(target, dir.file(name));
    }
};
