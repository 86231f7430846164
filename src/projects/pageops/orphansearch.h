#pragma once

#include <QString>
#include <QStringList>

// The search for orphans: the files of a project folder that no page of the
// project is, and that none of its pages uses. Each project file is
// evaluated in turn (so a dialog can show its progress); the pictures and
// other SRC references it finds and the links it can follow become the
// supporting files; what is left of the folder's files is the orphans.
// Names are compared without regard to case.
class OrphanSearch {
public:
    // `projectDir`: the project folder; `filesInUse`: the file names of the
    // pages to look through.
    OrphanSearch(const QString &projectDir, const QStringList &filesInUse);

    // The files of the project folder (not of its sub-folders), sorted.
    static QStringList folderFiles(const QString &projectDir);

    const QString &projectDir() const { return m_dir; }
    // The project files, sorted without regard to case.
    const QStringList &filesInUse() const { return m_inUse; }
    int count() const { return int(m_inUse.size()); }

    // Evaluates project file `index` (from 0) and adds the files it uses
    // that no list holds yet to the supporting files.
    void searchFile(int index);
    // The supporting files found so far, sorted without regard to case. A
    // reference keeps its folders ("images/a.gif"); a "?" or "#" part is
    // left off.
    QStringList supportingFiles() const;

    // The names of `files` that are neither project files nor supporting
    // files.
    QStringList orphans(const QStringList &files) const;

    // "i of n", the progress shown while file i (from 1) of n is searched.
    static QString statusText(int searched, int total);
    static QString comparingText(); // "Comparing..."
    static QString completeText();  // "Complete"

private:
    bool listed(const QString &name) const;

    QString m_dir;
    QStringList m_inUse;
    QStringList m_supporting;
};

// How the orphans dialog shows a file: as a picture when its extension is
// one of the graphic extensions, as a page when it is one of the document
// extensions, otherwise as plain text. Both lists are the settings' texts
// ("gif,jpg"), compared without regard to case.
enum class FileShowing { Picture, Page, PlainText };
FileShowing fileShowing(const QString &fileName, const QString &documentExtensions,
                        const QString &graphicExtensions);

// A picture of the project folder shown on a page of its own: an IMG
// element with the picture's name (for a page whose base is that folder).
QString picturePage(const QString &name);

// A file shown as plain text: a page holding its first kPlainTextBytes
// bytes, escaped, in a PRE element. Empty when it is not a readable file.
constexpr qint64 kPlainTextBytes = 256 * 1024;
QString plainTextPage(const QString &path);
