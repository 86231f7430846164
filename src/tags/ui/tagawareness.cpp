// What the editor knows about the mark-up under the caret: the lamps, tag
// pairs, attribute editing by double-click and the two clean-up commands.

#include "app/scopeguards.h"
#include "app/shell.h"
#include "app/ui/lamp.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "documents/picturecopy.h"
#include "editor/searchstate.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "settings/colors.h"
#include "settings/settings.h"
#include "tags/cursorlocation.h"
#include "tags/tagtext.h"
#include "tags/ui/parmform.h"
#include "tags/ui/tagcontroller.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolButton>
#include <climits>

namespace {

const QString kTwoClosingBodies = QStringLiteral(
    "It appears as if you have two closing </BODY> tags in your document.  Remember that anything "
    "appearing after the first closing tag may not display in all browsers!  It will NOT appear "
    "in this viewer.");
const QString kStripQuestion =
    QStringLiteral("Are you sure that you want to strip all of the HTML codes from this page?");
const QString kStripUnavailable =
    QStringLiteral("The HTML viewer is not available, so the HTML codes cannot be stripped. "
                   "The page has not been changed.");
const QString kStripChanged =
    QStringLiteral("The page changed while its text was being laid out. The HTML codes have "
                   "not been stripped.");
const QString kRemoveColorsQuestion =
    QStringLiteral("Remove COLOR and BGCOLOR tags with empty contents such as COLOR=\"\"?");
const QString kPictureFilter =
    QStringLiteral("Pictures|*.gif;*.jpg;*.jpeg;*.png;*.bmp|All Files|*");

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

bool before(int line1, int col1, int line2, int col2) {
    return line1 < line2 || (line1 == line2 && col1 <= col2);
}

} // namespace

// --- Lamps and tag pairs ------------------------------------------------------------------

bool TagController::inATag() {
    TLEdit &ed = editor();
    ed.readSelection();
    return ::inATag(ed.getLineText(ed.startLine), ed.startPos);
}

void TagController::webPageClick() {
    const TagWidgets &w = m_w;
    w.inATagLight->setColor(Lamp::neutral());
    w.inABodyLight->setColor(Lamp::neutral());
    TLEdit &ed = editor();
    if (ed.selLength() != 0)
        return;
    ed.readSelection();
    const int caretLine = ed.startLine;
    const int caretPos = ed.startPos;
    const bool tag = inATag();

    // The searches move only the cached selection; the user's caret stays.
    SearchStateKeeper keeper(ed);
    ed.startLine = ed.endLine = 1;
    ed.startPos = ed.endPos = 0;
    bool bodyFound = false;
    int bodyLine = 0, bodyPos = 0;
    if (ed.locateText(QStringLiteral("<body")) && ed.locateText(QStringLiteral(">"))) {
        bodyFound = true;
        bodyLine = ed.endLine;
        bodyPos = ed.endPos;
    }
    // A page without a closing body tag has its body run to the end.
    int endLine = INT_MAX, endPos = INT_MAX;
    if (ed.locateText(QStringLiteral("</body"))) {
        endLine = ed.startLine;
        endPos = ed.startPos;
        if (ed.locateText(QStringLiteral("</body"))) {
            endLine = ed.startLine;
            endPos = ed.startPos;
            m_shell.ui().message(kTwoClosingBodies, Msg::Warning, Msg::Ok);
        }
    }
    const bool inBody = bodyFound && before(bodyLine, bodyPos, caretLine, caretPos) &&
                        before(caretLine, caretPos, endLine, endPos);
    w.inABodyLight->setColor(inBody ? kGreen : kRed);
    w.inATagLight->setColor(tag ? kYellow : kGreen);
    // Leave the cached selection as the control has it.
    ed.readSelection();
}

bool TagController::highlightTag(const QString &opening, const QString &closing) {
    TLEdit &ed = editor();
    SearchStateKeeper keeper(ed);
    // A found match becomes the control's selection, anchored at its start.
    if (!ed.searchText(opening))
        return false;
    ed.readSelection();
    const int line = ed.startLine;
    const int pos = ed.startPos;
    if (!ed.searchText(closing))
        return false;
    ed.readSelection();
    ed.startLine = line;
    ed.startPos = pos;
    ed.applySelection();
    return true;
}

// --- Attribute editing ----------------------------------------------------------------------

void TagController::webPageDblClick() {
    TLEdit &ed = editor();
    const QString s = ed.getSelText();
    if (s.isEmpty())
        return;
    const int refreshesBefore = m_refreshes;
    bool changed = false;
    const QString upper = s.toUpper();
    if (s.contains(QLatin1Char('#'))) {
        changed = editColorValue(s);
    } else if (s.indexOf(QLatin1String("BODY")) == 1) {
        // The body statement command, once it is there.
        QAction *body = m_a.bodyStatement;
        if (!MainActions::isPending(body) && body->isEnabled())
            body->trigger();
    } else if (upper.startsWith(QLatin1String("ALIGN="))) {
        changed = showParameterSelections(QStringLiteral("align"));
    } else if (upper.startsWith(QLatin1String("VALIGN="))) {
        changed = showParameterSelections(QStringLiteral("valign"));
    } else if (upper.startsWith(QLatin1String("SIZE="))) {
        changed = showParameterSelections(QStringLiteral("size"));
    } else if (upper.startsWith(QLatin1String("BACKGROUND=")) ||
               upper.startsWith(QLatin1String("SRC=")) ||
               upper.startsWith(QLatin1String("LOWSRC="))) {
        changed = choosePicture(s);
    }
    if (m_refreshes == refreshesBefore)
        refreshAfter(changed);
}

bool TagController::editColorValue(const QString &selected) {
    UserInteraction &ui = m_shell.ui();
    QColor color;
    if (!hexToColor(attributeValue(selected), color)) {
        ui.message(Msg::exceptionText(QStringLiteral("WebPageDblClick")), Msg::Warning, Msg::Ok);
        return false;
    }
    if (!ui.chooseColor(color))
        return false;
    const int equals = selected.indexOf(QLatin1Char('='));
    editor().replaceSel(selected.left(equals + 1) + QStringLiteral("\"#") + colorToHex(color) +
                        QLatin1Char('"'));
    m_body.rememberColor(selected, color);
    m_document.markChanged();
    return true;
}

bool TagController::choosePicture(const QString &selected) {
    UserInteraction &ui = m_shell.ui();
    const QString name = selected.left(selected.indexOf(QLatin1Char('='))).toUpper();
    QString pageDir = m_document.currentDir();
    if (pageDir.isEmpty())
        pageDir = QDir::currentPath();
    if (!pageDir.endsWith(QLatin1Char('/')))
        pageDir += QLatin1Char('/');

    FileRequest request;
    request.caption = QStringLiteral("Open File");
    request.folder = pageDir;
    request.filter = kPictureFilter;
    const QString path = ui.openFile(request);
    if (path.isEmpty())
        return false;
    const QFileInfo chosen(path);
    editor().replaceSel(name + QStringLiteral("=\"") + chosen.fileName() + QLatin1Char('"'));
    m_document.markChanged();

    if (!QDir::setCurrent(pageDir))
        ui.message(QStringLiteral("Cannot find directory"), Msg::Warning, Msg::Ok);
    // A picture from another folder is copied beside the page.
    copyPictureBesidePage(path, pageDir, ui);
    return true;
}

ParmForm *TagController::parameterForm() {
    if (!m_parmForm)
        m_parmForm = new ParmForm(m_shell.ui(), m_shell.dialogParent());
    return m_parmForm;
}

bool TagController::showParameterSelections(const QString &page) {
    ParmForm *form = parameterForm();
    if (!form->setPage(page))
        return false;
    TLEdit &ed = editor();
    QString text;
    if (ed.selLength() > 0) {
        text = ed.getSelText();
    } else {
        ed.readSelection();
        text = ed.getLineText(ed.endLine).mid(ed.endPos);
    }
    form->preset(text);
    if (form->exec() != QDialog::Accepted)
        return false;
    const QString insertion = form->takeInsertion();
    if (insertion.isEmpty() || !canInsert())
        return false;
    insertText(insertion);
    return true;
}

// --- Clean-up commands ------------------------------------------------------------------------

void TagController::stripHtmlCodes() {
    UserInteraction &ui = m_shell.ui();
    if (!m_document.isOpen())
        return;
    if (ui.message(kStripQuestion, Msg::Information, Msg::Ok | Msg::Cancel) != Msg::ResultOk)
        return;
    QString text;
    const QString source = editor().text();
    bool rendered = false;
    {
        WaitCursor wait;
        rendered = m_preview.renderedText(text);
    }
    if (!rendered) {
        ui.message(kStripUnavailable, Msg::Warning, Msg::Ok);
        return;
    }
    if (!m_document.isOpen() || editor().text() != source) {
        ui.message(kStripChanged, Msg::Warning, Msg::Ok);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    TLEdit &ed = editor();
    ed.selectAllText();
    ed.replaceSel(text);
    m_document.markChanged();
    refreshAfter(true);
}

void TagController::removeInvalidColors() {
    UserInteraction &ui = m_shell.ui();
    if (!m_document.isOpen())
        return;
    if (ui.message(kRemoveColorsQuestion, Msg::Information, Msg::Yes | Msg::No) != Msg::ResultYes)
        return;
    TLEdit &ed = editor();
    const CursorLocation location = getCursorLocation(ed);
    auto toTop = [&ed] {
        ed.startLine = ed.endLine = 1;
        ed.startPos = ed.endPos = 0;
        ed.applySelection();
    };
    toTop();
    int removed = ed.replaceAll(QStringLiteral("bgcolor=\"\""), QString());
    toTop();
    removed += ed.replaceAll(QStringLiteral("color=\"\""), QString());
    setCursorLocation(ed, location);
    if (removed > 0) {
        m_document.markChanged();
        refreshAfter(true);
    }
}
