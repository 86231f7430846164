#include "projects/pageops/pageimport.h"

#include "app/regularfile.h"
#include "app/userinteraction.h"
#include "editor/textfile.h"
#include "projects/evaluation/pageevaluation.h"
#include "projects/pageops/newpage.h"
#include "projects/pageops/pagefiles.h"
#include "projects/pageops/pagetexts.h"
#include "projects/projectpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kTitleDescriptionLength = 25;
constexpr qint64 kMaxCompareBytes = qint64(64) << 20;

// "http:", "mailto:", "//host/...": a reference that is not a file of the site.
bool isAddress(const QString &reference) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return reference.startsWith(QLatin1String("//")) || scheme.match(reference).hasMatch();
}

bool sameFolder(const QString &a, const QString &b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

bool sameBytes(const QString &a, const QString &b) {
    QByteArray first, second;
    return RegularFile::readAll(a, first, kMaxCompareBytes).ok() &&
           RegularFile::readAll(b, second, kMaxCompareBytes).ok() && first == second;
}

} // namespace

QString importDescription(const QString &given, const QString &pageText) {
    QString description = given.trimmed();
    if (description.isEmpty())
        description = pageTitle(pageText).left(kTitleDescriptionLength).trimmed();
    if (description.isEmpty())
        description = PageTexts::defaultDescription();
    description.replace(QLatin1Char('-'), QLatin1Char(' '));
    return description;
}

bool copyMissingImages(const QStringList &references, const QString &sourceFolder,
                       const QString &projectFolder) {
    bool allFound = true;
    for (QString reference : references) {
        reference.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const qsizetype cut = reference.indexOf(QRegularExpression(QStringLiteral("[?#]")));
        if (cut >= 0)
            reference.truncate(cut);
        if (reference.isEmpty() || isAddress(reference))
            continue;
        // "/images/a.gif" lies below the site's folder, as the evaluation
        // reads it.
        QString relative = QDir::cleanPath(reference);
        while (relative.startsWith(QLatin1Char('/')))
            relative.remove(0, 1);
        if (relative.isEmpty() || relative == QLatin1String("..") ||
            relative.startsWith(QLatin1String("../")) || relative.contains(QLatin1Char(':'))) {
            allFound = false;
            continue;
        }
        const QString source = sourceFolder + QLatin1Char('/') + relative;
        const QString target = projectFolder + QLatin1Char('/') + relative;
        if (!RegularFile::isRegular(source)) {
            allFound = false;
            continue;
        }
        if (PageFiles::occupied(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        // A picture that cannot be copied is left out, as the page itself
        // came through.
        PageFiles::copyFile(source, target);
    }
    return allFound;
}

EntryRef importPage(ProjectTree &tree, int project, const QString &programDir,
                    const QString &chosen, UserInteraction &ui) {
    if (!tree.contains({project, -1}))
        return {};
    QString given = PageTexts::defaultDescription();
    if (!ui.inputBox(PageTexts::importCaption(), PageTexts::importPrompt(chosen), given))
        return {};

    const QString folder = projectDir(tree, {project, -1}, programDir);
    const QFileInfo source(chosen);
    QString name = source.fileName();
    QString target;
    if (sameFolder(source.absolutePath(), folder)) {
        target = folder + QLatin1Char('/') + name;
    } else {
        // Only the name is lower-cased; the entry spells it the same way.
        name = name.toLower();
        target = folder + QLatin1Char('/') + name;
        if (PageFiles::occupied(target)) {
            if (!sameBytes(chosen, target)) {
                ui.message(PageTexts::importTargetTaken(target), Msg::Information, Msg::Ok);
                return {};
            }
        } else {
            QString error;
            if (!PageFiles::copyFile(chosen, target, &error)) {
                ui.message(PageTexts::copyFailed(error), Msg::Warning, Msg::Ok);
                return {};
            }
        }
    }

    TextFile page;
    const bool readable = readTextFile(target, page);
    const QString description = importDescription(given, readable ? page.text : QString());
    int index = pageIndexOf(tree, project, name);
    if (index < 0)
        index = tree.addPage(project, makeEntryText(description, name));

    if (readable) {
        const PageEvaluation evaluation = evaluatePage(page.text, folder);
        if (!copyMissingImages(evaluation.filesMissing, source.absolutePath(), folder))
            ui.message(PageTexts::imagesNotFound(), Msg::Information, Msg::Ok);
    }
    return {project, index};
}
