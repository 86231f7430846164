#include "projects/pageops/newpage.h"

#include "app/userinteraction.h"
#include "projects/pageops/pagefiles.h"
#include "projects/pageops/pagetexts.h"
#include "projects/projectpaths.h"

#include <QDir>

namespace {

// The name check: no folder, no drive and no extension in the name.
bool nameRefused(const QString &name, const QString &extension) {
    for (QChar c : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':'), QLatin1Char('.')}) {
        if (name.contains(c))
            return true;
    }
    return extension.contains(QLatin1Char('\\')) || extension.contains(QLatin1Char('/'));
}

NewPageStep stepFor(const NewPageRequest &request) {
    switch (request.style) {
    case PageStyle::DefaultPage:
        return NewPageStep::BasicTags;
    case PageStyle::UseTemplate:
        return request.templateName.isEmpty() ? NewPageStep::None : NewPageStep::TemplateVedaGuy;
    case PageStyle::ThemePage:
        return NewPageStep::None;
    case PageStyle::FramePage:
        return NewPageStep::FrameCreator;
    }
    return NewPageStep::None;
}

bool createFileByStyle(const NewPageRequest &request, const QString &programDir,
                       const QString &target, QString *error) {
    switch (request.style) {
    case PageStyle::UseTemplate:
        if (!request.templateName.isEmpty()) {
            if (!PageFiles::isPlainFileName(request.templateName))
                break;
            return PageFiles::copyFile(templatesFolder(programDir) + request.templateName, target,
                                       error);
        }
        break;
    case PageStyle::DefaultPage:
        return PageFiles::copyFile(templatesFolder(programDir) + QStringLiteral("default.htm"),
                                   target, error);
    case PageStyle::ThemePage:
        break;
    case PageStyle::FramePage:
        // One line holding a blank: not an empty file, so opening it does
        // not offer the new-page wizard before the frame dialog.
        return PageFiles::createFile(target, QByteArrayLiteral(" \r\n"), error);
    }
    return PageFiles::createFile(target, QByteArray(), error);
}

} // namespace

int projectOfSelection(const ProjectTree &tree, EntryRef selected) {
    return tree.contains(selected) ? selected.project : -1;
}

int pageIndexOf(const ProjectTree &tree, int project, const QString &fileName) {
    if (!tree.contains({project, -1}))
        return -1;
    for (int i = 0; i < tree.pageCount(project); ++i) {
        if (entryName(tree.pageText(project, i)) == fileName)
            return i;
    }
    return -1;
}

NewPage createPage(ProjectTree &tree, int project, const QString &programDir,
                   const NewPageRequest &request, UserInteraction &ui) {
    NewPage page;
    if (!tree.contains({project, -1}))
        return page;
    const QString name = request.name.trimmed();
    const QString extension = request.extension.trimmed();
    const QString description = request.description.trimmed();
    if (nameRefused(name, extension)) {
        ui.message(PageTexts::nameRefusal(), Msg::Warning, Msg::Ok);
        return page;
    }
    if (name.isEmpty() || description.isEmpty() || extension.isEmpty()) {
        ui.message(PageTexts::requiredFieldMissing(), Msg::Information, Msg::Ok);
        return page;
    }
    if (hasDash(description)) {
        ui.message(PageTexts::dashInDescription(), Msg::Warning, Msg::Ok);
        return page;
    }
    const QString fileName = name + QLatin1Char('.') + extension;
    const QString target =
        projectDir(tree, {project, -1}, programDir) + QLatin1Char('/') + fileName;
    if (PageFiles::occupied(target)) {
        ui.message(PageTexts::pageExists(), Msg::Information, Msg::Ok);
        return page;
    }
    QString error;
    if (!createFileByStyle(request, programDir, target, &error)) {
        ui.message(PageTexts::createFailed(error), Msg::Warning, Msg::Ok);
        return page;
    }
    // An entry left for a file that was gone is the page's entry again.
    int index = pageIndexOf(tree, project, fileName);
    if (index < 0)
        index = tree.addPage(project, makeEntryText(description, fileName));
    page.created = true;
    page.path = target;
    page.entry = {project, index};
    page.step = stepFor(request);
    return page;
}

QString templatesFolder(const QString &programDir) {
    QString folder = programDir;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("template/");
}

QStringList templateNames(const QString &programDir) {
    const QDir dir(templatesFolder(programDir));
    QStringList names;
    for (const QString &name : dir.entryList({QStringLiteral("*.ht*")}, QDir::Files, QDir::Name)) {
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QStringList documentExtensions(const QString &setting) {
    QStringList extensions;
    for (const QString &part : setting.split(QLatin1Char(','))) {
        const QString extension = part.trimmed();
        if (!extension.isEmpty())
            extensions << extension;
    }
    return extensions;
}

bool hasDash(const QString &description) {
    return description.contains(QLatin1Char('-'));
}
