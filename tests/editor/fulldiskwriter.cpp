// Run by test_textfile inside a small, nearly full file system: saves over a
// document with more text than fits and reports what became of it.
//   fulldiskwriter <folder>
// Or, run as another user: tries one save over a document and reports it.
//   fulldiskwriter try <path>

#include "editor/textfile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc == 3 && QByteArray(argv[1]) == "try") {
        QString error;
        if (writeFileAtomically(QFile::decodeName(argv[2]), QByteArray(4096, 'x'), &error))
            std::printf("saved\n");
        else
            std::printf("failed: %s\n", qPrintable(error));
        return 0;
    }
    if (argc != 2)
        return 2;
    const QString folder = QFile::decodeName(argv[1]);
    const QString path = folder + QStringLiteral("/page.htm");
    QString error;
    if (!writeFileAtomically(path, "precious", &error)) {
        std::printf("setup: %s\n", qPrintable(error));
        return 1;
    }
    if (writeFileAtomically(path, QByteArray(1024 * 1024, 'x'), &error)) {
        std::printf("saved\n");
        return 1;
    }
    std::printf("failed: %s\n", qPrintable(error));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == "precious")
        std::printf("original kept\n");
    if (QDir(folder).entryList(QDir::Files | QDir::Hidden) == QStringList{"page.htm"})
        std::printf("no temporary\n");
    return 0;
}
