#include "tags/head/ui/pageheadarea.h"
#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "editor/searchstate.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "settings/settings.h"
#include "tags/head/bodystatement.h"
#include "tags/head/initialvalues.h"
#include "tags/head/pagehead.h"
#include "tags/head/picturecopy.h"
#include "tags/head/safesurf.h"
#include "tags/head/ui/bodyform.h"
#include "tags/head/ui/initialvaluesform.h"
#include "tags/head/ui/safesurfform.h"
#include "tags/parameterselections.h"
#include "tags/ui/tagcontroller.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QToolButton>

PageHeadArea::PageHeadArea(Shell &shell, ActiveDocument &document, TagController &tags,
                           PreviewPane &preview, QWidget *templatesPage, MainActions &actions,
                           QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_tags(tags), m_preview(preview),
      m_a(actions), m_clock([] { return QDateTime::currentDateTime(); }) {
    wireMenus();
    if (templatesPage)
        buildMarkerButtons(templatesPage);
}

TLEdit &PageHeadArea::editor() const {
    return m_document.editor();
}

QString PageHeadArea::pageDir() const {
    const QString dir = m_document.currentDir();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

void PageHeadArea::goToTop() {
    TLEdit &ed = editor();
    ed.startLine = ed.endLine = 1;
    ed.startPos = ed.endPos = 0;
    ed.applySelection();
}

bool PageHeadArea::placeCaretAt(const QString &text, bool after) {
    TLEdit &ed = editor();
    SearchStateKeeper keeper(ed);
    if (!ed.searchText(text))
        return false;
    ed.readSelection();
    // The match is selected from its start (anchor) to its end (caret).
    if (after) {
        ed.startLine = ed.endLine;
        ed.startPos = ed.endPos;
    } else {
        ed.endLine = ed.startLine;
        ed.endPos = ed.startPos;
    }
    ed.applySelection();
    return true;
}

void PageHeadArea::replaceSelection(const QString &text) {
    editor().replaceSel(text);
    m_document.markChanged();
    // With automatic updates on, the editor's change refreshes the preview.
    if (!m_shell.settings().autoUpdate)
        m_preview.updateWebView();
}

// --- Title and META tags --------------------------------------------------------------

QString PageHeadArea::getTitleText(bool *found) {
    goToTop();
    const bool pair = m_tags.highlightTag(QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"));
    if (found)
        *found = pair;
    if (pair)
        return PageHead::titleOf(editor().getSelText());
    placeCaretAt(QStringLiteral("<head>"), true);
    return QString();
}

void PageHeadArea::editTitle() {
    if (!m_document.isOpen())
        return;
    bool found = false;
    QString title = getTitleText(&found);
    if (!m_shell.ui().inputBox(QStringLiteral("Page Title"), QStringLiteral("New Title"), title))
        return;
    // A new element goes on a line of its own; an existing one (even an
    // empty one) is replaced where it stands.
    m_tags.insertText(PageHead::titleElement(title, !found));
}

void PageHeadArea::metaTag() {
    if (!m_document.isOpen())
        return;
    m_tags.highlightTag(QStringLiteral("<META"), QStringLiteral(">"));
    m_tags.showParameterSelections(ParameterSelections::kMeta);
}

// --- Body statement ----------------------------------------------------------------------

void PageHeadArea::bodyStatement() {
    if (!m_document.isOpen())
        return;
    UserInteraction &ui = m_shell.ui();
    BodyMemory &memory = m_tags.bodyMemory();
    goToTop();
    if (m_tags.highlightTag(QStringLiteral("<BODY"), QStringLiteral(">"))) {
        if (!BodyStatement::setBodyVars(editor().getSelText(), memory)) {
            // A colour that is not hexadecimal: the statement cannot be read.
            ui.message(Msg::exceptionText(QStringLiteral("BodyStatement1Click")), Msg::Warning,
                       Msg::Ok);
            m_preview.updateWebView();
            return;
        }
    } else {
        placeCaretAt(QStringLiteral("</head>"), true);
    }

    const QString folder = pageDir();
    BodyForm form(ui, memory, folder, m_shell.dialogParent());
    if (form.exec() != QDialog::Accepted) {
        m_preview.updateWebView();
        return;
    }
    const BodyMemory chosen = form.settings();
    // A picture named without a folder is the page's own already.
    if (!chosen.background.isEmpty() && QDir::isAbsolutePath(chosen.background))
        copyPictures({chosen.background});
    QString statement = BodyStatement::statementText(chosen);
    if (editor().selLength() == 0)
        statement.prepend(QLatin1Char('\r'));
    m_tags.insertText(statement);
    memory = chosen;
    QDir::setCurrent(folder);
}

// --- Stamp, standard tags, template markers ----------------------------------------------

void PageHeadArea::setLastModifiedDate() {
    if (!m_document.isOpen())
        return;
    goToTop();
    if (!m_tags.highlightTag(QStringLiteral("<PAGEMODIFIED>"), QStringLiteral("</PAGEMODIFIED>")))
        placeCaretAt(QStringLiteral("</BODY>"), false);
    replaceSelection(PageHead::stampElement(m_clock(), m_locale));
}

void PageHeadArea::insertBasicTags() {
    m_tags.insertText(PageHead::basicTags());
}

void PageHeadArea::insertTemplateMarker(int index) {
    const QString marker = PageHead::templateMarker(index);
    if (!marker.isEmpty())
        m_tags.insertText(marker);
}

// --- Content rating ----------------------------------------------------------------------

void PageHeadArea::safeSurfRating() {
    if (!m_document.isOpen())
        return;
    SafeSurf::Rating rating;
    goToTop();
    if (m_tags.highlightTag(SafeSurf::tagStart(), QStringLiteral(">")))
        SafeSurf::presetFrom(editor().getSelText(), rating);
    else
        placeCaretAt(QStringLiteral("</title>"), true);

    SafeSurfForm form(rating, m_shell.dialogParent());
    if (form.exec() != QDialog::Accepted)
        return;
    QString tag = SafeSurf::tag(form.rating());
    if (editor().selLength() == 0)
        tag.prepend(QLatin1Char('\r'));
    m_tags.insertText(tag);
}

// --- Initial Values ----------------------------------------------------------------------

bool PageHeadArea::startInitialValues() {
    if (!m_document.isOpen())
        return false;
    const QString programDir = m_shell.programDir();
    const QString themes = themesFolder(programDir);
    InitialValues start;
    start.applyDefaults(readPageDefaults(pageDir()));

    const QDateTime created = m_clock();
    const QLocale locale = m_locale;
    InitialValuesForm form(
        m_shell.ui(), start, themeList(programDir), pageDir(),
        [themes, created, locale](const InitialValues &v) {
            return initialValuesLines(v, themes, created, locale);
        },
        m_shell.dialogParent());
    if (form.exec() == QDialog::Accepted) {
        finishInitialValues(form.values());
    } else {
        editor().clearAll();
        if (!m_shell.settings().autoUpdate)
            m_preview.updateWebView();
    }
    return true;
}

void PageHeadArea::finishInitialValues(const InitialValues &values) {
    const QString themes = themesFolder(m_shell.programDir());
    const QStringList lines = initialValuesLines(values, themes, m_clock(), m_locale);
    values.storeInto(m_tags.bodyMemory(), themes);
    TLEdit &ed = editor();
    for (const QString &line : pageLines(lines, values, themes))
        ed.appendText(line + QLatin1Char('\r'));
    m_document.markChanged();
    copyPictures(filesToCopy(values, themes));
    QDir::setCurrent(pageDir());
    if (!m_shell.settings().autoUpdate)
        m_preview.updateWebView();
}

void PageHeadArea::copyPictures(const QStringList &files) {
    const QString folder = pageDir();
    QStringList failed;
    for (const QString &file : files)
        if (PictureCopy::copyInto(file, folder) == PictureCopy::Outcome::Failed)
            failed << file;
    if (!failed.isEmpty())
        m_shell.ui().message(PictureCopy::failureText(failed.join(QStringLiteral(", ")), folder),
                             Msg::Warning, Msg::Ok);
}

// --- Menu entries and buttons ------------------------------------------------------------

void PageHeadArea::wireMenus() {
    MainActions &a = m_a;
    auto on = [this](QAction *action, std::function<void()> run) {
        MainActions::setBuilt({action});
        connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    };
    on(a.bodyStatement, [this] { bodyStatement(); });
    on(a.title, [this] { editTitle(); });
    on(a.metaTag, [this] { metaTag(); });
    on(a.safeSurfRating, [this] { safeSurfRating(); });
    on(a.insertStandardTags, [this] { insertBasicTags(); });
    on(a.updateLastModified, [this] { setLastModifiedDate(); });
    for (int i = 0; i < a.pageTemplates.size(); ++i)
        on(a.pageTemplates.at(i), [this, i] { insertTemplateMarker(i); });
    on(a.embed, [this] { m_tags.showParameterSelections(ParameterSelections::kEmbed); });
    on(a.meta, [this] { m_tags.showParameterSelections(ParameterSelections::kMeta); });
    on(a.param, [this] { m_tags.showParameterSelections(ParameterSelections::kParameter); });
}

void PageHeadArea::buildMarkerButtons(QWidget *page) {
    // The page's row may already hold other buttons (the template wizard's).
    auto *row = qobject_cast<QBoxLayout *>(page->layout());
    if (!row && !page->layout()) {
        row = new QHBoxLayout(page);
        row->setContentsMargins(2, 1, 2, 1);
        row->setSpacing(1);
        row->addStretch(1);
    }
    const char *const names[] = {"TemplateBody",   "TemplateLink",     "TemplateMailLink",
                                 "TemplateImage",  "TemplateDefaults", "TemplateText",
                                 "TemplateHeading"};
    const char *const hints[] = {"Insert the body settings marker", "Insert the hot link marker",
                                 "Insert the mailto: link marker",  "Insert the image marker",
                                 "Insert the page defaults marker", "Insert the plain text marker",
                                 "Insert the heading marker"};
    const QStringList &captions = PageHead::templateMarkerCaptions();
    int at = 0;
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QToolButton(page);
        b->setObjectName(QLatin1String(names[i]));
        b->setText(QString(captions.at(i)).replace(QLatin1Char('&'), QLatin1String("&&")));
        b->setAutoRaise(true);
        b->setMinimumHeight(25);
        b->setToolTip(QLatin1String(hints[i]));
        b->setStatusTip(QLatin1String(hints[i]));
        connect(b, &QToolButton::clicked, this, [this, i] { insertTemplateMarker(i); });
        // In menu order, ahead of whatever the row holds already.
        if (row)
            row->insertWidget(at++, b);
        else if (page->layout())
            page->layout()->addWidget(b);
        m_markerButtons << b;
    }
}

void PageHeadArea::updateMenus(const UiState &s) {
    // While the full-screen preview hides the editor, nothing can be put
    // into the page; only the stamp, which saving writes too, stays.
    const bool editable = !m_shell.isFullScreen();
    for (QAction *x : m_a.pageTemplates)
        MainActions::setUsable(x, s.documentOpen && editable);
    for (QAction *x : {m_a.bodyStatement, m_a.title, m_a.metaTag, m_a.safeSurfRating,
                       m_a.insertStandardTags, m_a.embed, m_a.meta, m_a.param})
        MainActions::setUsable(x, x->isEnabled() && editable);
}
