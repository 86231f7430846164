// The insertion operations, the typing filter and the menu entries that put
// tags into the document.

#include "tags/ui/tagcontroller.h"
#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/lamp.h"
#include "app/ui/mainactions.h"
#include "app/ui/mainwidgets.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "editor/tledit.h"
#include "preview/previewpane.h"
#include "settings/settings.h"
#include "tags/tagtext.h"
#include "tags/ui/toolpages.h"

#include <QAction>
#include <QMenu>
#include "app/ui/toolbook.h"

#include <QTabWidget>
#include <QToolButton>

TagController::TagController(Shell &shell, ActiveDocument &document, PreviewPane &preview,
                             const TagWidgets &widgets, MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_preview(preview), m_w(widgets),
      m_a(actions) {
    m_lcrPopup = new QMenu(m_shell.dialogParent());
    m_lcrPopup->setObjectName(QStringLiteral("LCRPopup"));
    m_pages = new ToolPages(*this, m_w.toolPages, m_shell.settings(), this);
    wireMenus();

    TLEdit &page = m_document.editor();
    page.setKeyPressHook([this](QChar typed) { return filterTypedCharacter(typed); });
    connect(&page, &TLEdit::clicked, this, [this] {
        if (m_shell.settings().useEws)
            webPageClick();
    });
    connect(&page, &TLEdit::doubleClicked, this, &TagController::webPageDblClick);
    connect(&m_document, &ActiveDocument::currentDocumentChanged, this,
            &TagController::documentChanged);
}

TagController::~TagController() {
    delete m_lcrPopup;
}

TLEdit &TagController::editor() const {
    return m_document.editor();
}

bool TagController::canInsert() const {
    return !m_shell.isFullScreen() && m_document.isOpen();
}

void TagController::finishInsertion() {
    m_document.markChanged();
    // Typing goes on in the page, also after a tool page's box or button.
    editor().setFocus();
    refreshAfter(true);
}

void TagController::refreshAfter(bool textChanged) {
    // With automatic updates on, the editor's change refreshes the preview.
    if (textChanged && m_shell.settings().autoUpdate)
        return;
    m_preview.updateWebView();
    ++m_refreshes;
    emit previewRefreshed();
}

// --- Insertion ------------------------------------------------------------------------

void TagController::insertText(const QString &text) {
    if (!canInsert())
        return;
    editor().replaceSel(text);
    finishInsertion();
}

void TagController::insertSelected(const QString &tag) {
    insertSelected2(tag, closingTagFor(tag));
}

void TagController::insertSelected2(const QString &opening, const QString &closing) {
    if (!canInsert())
        return;
    TLEdit &ed = editor();
    ed.readSelection();
    // The anchor is the earlier end of the selection, whichever way it was made.
    const bool startFirst =
        ed.startLine < ed.endLine || (ed.startLine == ed.endLine && ed.startPos <= ed.endPos);
    const int anchorLine = startFirst ? ed.startLine : ed.endLine;
    const int anchorPos = startFirst ? ed.startPos : ed.endPos;
    const bool hadSelection = ed.selLength() > 0;
    const QString selected = hadSelection ? ed.getSelText() : QString();

    ed.replaceSel(opening + selected + closing);
    ed.readSelection();
    if (hadSelection) {
        ed.startLine = anchorLine;
        ed.startPos = anchorPos;
    } else {
        // The caret goes back over the closing text, whose first part ends the
        // line the caret then stands on.
        const TextShape shape = textShape(closing);
        if (shape.lineBreaks == 0) {
            ed.endPos -= shape.firstLineLength;
        } else {
            ed.endLine -= shape.lineBreaks;
            ed.endPos = ed.lineLength(ed.endLine) - shape.firstLineLength;
        }
        ed.startLine = ed.endLine;
        ed.startPos = ed.endPos;
    }
    ed.applySelection();
    finishInsertion();
}

void TagController::insertLines(const QStringList &lines) {
    if (!canInsert())
        return;
    QString block;
    for (const QString &line : lines)
        block += line + QStringLiteral("\r\n");
    editor().replaceSel(block);
    editor().setFocus();
    finishInsertion();
}

void TagController::createUnevenTags(const QString &spec) {
    const TagPair pair = unevenTags(spec);
    insertSelected2(pair.opening, pair.closing);
}

void TagController::insertCaptionAsTag(const QString &caption) {
    const TagPair pair = captionAsTag(caption);
    insertSelected2(pair.opening, pair.closing);
}

void TagController::buttonInsertAsIs(const QString &code) {
    insertText(code);
}

void TagController::buttonInsertEven(const QString &code) {
    insertSelected(QLatin1Char('<') + code + QLatin1Char('>'));
}

void TagController::buttonInsertUnEven(const QString &code) {
    createUnevenTags(code);
}

void TagController::address1Click(const QString &caption) {
    if (isUnevenSpec(caption))
        createUnevenTags(caption);
    else
        insertSelected(firstWordTag(caption));
}

void TagController::insertParagraphMarker(bool fromMenu) {
    if (m_shell.settings().useClosingP)
        insertSelected(QStringLiteral("<P>"));
    else
        insertText(fromMenu ? QStringLiteral("<P>\r") : QStringLiteral("<P>"));
}

void TagController::showDropDown(QWidget *button, const QString &hint) {
    m_lcrPopup->clear();
    const bool asText = dropDownInsertsAsText(hint);
    for (const QString &entry : dropDownEntries(hint)) {
        QAction *a =
            m_lcrPopup->addAction(QString(entry).replace(QLatin1Char('&'), QLatin1String("&&")));
        connect(a, &QAction::triggered, this, [this, entry, asText] {
            if (asText)
                insertText(entry);
            else
                insertCaptionAsTag(entry);
        });
    }
    const QPoint below = button ? button->mapToGlobal(QPoint(0, button->height())) : QPoint();
    m_lcrPopup->popup(below);
}

void TagController::insertFontFromDialog() {
    FontChoice font;
    if (!m_shell.ui().chooseFont(font))
        return;
    const TagPair pair = fontDialogTags(font);
    insertSelected2(pair.opening, pair.closing);
}

void TagController::insertFontColor() {
    QColor color(0, 0, 0);
    if (!m_shell.ui().chooseColor(color))
        return;
    insertSelected2(fontColorTag(color), QStringLiteral("</FONT>"));
}

QChar TagController::filterTypedCharacter(QChar typed) {
    const Settings &s = m_shell.settings();
    TLEdit &ed = editor();
    QChar result = typed;
    if (typed == QLatin1Char('\r')) {
        if (s.useBr)
            ed.replaceSel(QStringLiteral("<BR>"));
    } else if (typed == QLatin1Char('\n')) {
        ed.replaceSel(QStringLiteral("<BR>"));
        result = QLatin1Char('\r');
    } else if (s.expandCharsToHtml) {
        const QString entity = expandToHtml(typed);
        if (!entity.isEmpty()) {
            ed.replaceSel(entity);
            result = QChar();
        }
    }
    m_document.markChanged();
    return result;
}

// --- Menu entries -------------------------------------------------------------------------

void TagController::wireMenus() {
    MainActions &a = m_a;
    auto on = [this](QAction *action, std::function<void()> run) {
        MainActions::setBuilt({action});
        connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    };
    auto wrap = [this, &on](QAction *action, const QString &tag) {
        on(action, [this, tag] { insertSelected(tag); });
    };
    wrap(a.center, QStringLiteral("<CENTER>"));
    wrap(a.bold, QStringLiteral("<B>"));
    wrap(a.italics, QStringLiteral("<I>"));
    wrap(a.underline, QStringLiteral("<U>"));
    wrap(a.popupTableCell, QStringLiteral("<TD>"));
    on(a.popupListItem,
       [this] { insertSelected2(QStringLiteral("<UL><LI>"), QStringLiteral("</UL>")); });
    on(a.horizontalBar, [this] { insertText(QStringLiteral("<HR>")); });
    on(a.separatorRule, [this] { insertText(QStringLiteral("<HR>")); });
    on(a.nonBreakingSpace, [this] { insertText(QStringLiteral("&nbsp;")); });
    on(a.paragraph, [this] { insertParagraphMarker(true); });

    // Entries that insert their own caption.
    for (QAction *x : a.headings) {
        const QString caption = x->text();
        on(x, [this, caption] { address1Click(caption); });
    }
    for (const QList<QAction *> *list : {&a.paragraphAligns, &a.divisions}) {
        for (QAction *x : *list) {
            const QString caption = x->text();
            on(x, [this, caption] { insertCaptionAsTag(caption); });
        }
    }
    for (QAction *x : a.lineBreaks) {
        const QString caption = x->text();
        on(x, [this, caption] { insertText(caption); });
    }

    on(a.stripHtmlCodes, [this] { stripHtmlCodes(); });
    on(a.removeInvalidColors, [this] { removeInvalidColors(); });
    on(a.checkCursorPosition, [this] { webPageClick(); });
}

// --- Area --------------------------------------------------------------------------------

void TagController::setCustomPagesShown() {
    const Settings &s = m_shell.settings();
    for (int i = 0; i < 4; ++i)
        m_w.powerBook->setPageShown(MainWidgets::Custom1 + i, s.showCustom[i]);
}

void TagController::applySettings() {
    const Settings &s = m_shell.settings();
    setCustomPagesShown();
    for (int i = 0; i < 4; ++i)
        if (!s.customCaption[i].isEmpty())
            m_w.powerBook->setPageText(MainWidgets::Custom1 + i, s.customCaption[i]);
}

void TagController::settingsChanged() {
    setCustomPagesShown();
}

void TagController::captureSettings() {
    Settings &s = m_shell.settings();
    for (int i = 0; i < 4; ++i)
        s.customCaption[i] = m_w.powerBook->pageText(MainWidgets::Custom1 + i).left(15);
}

void TagController::updateMenus(const UiState &s) {
    MainActions::setUsable(m_a.checkCursorPosition, s.documentOpen);
}

void TagController::documentChanged() {
    if (m_document.isOpen() && m_shell.settings().useEws) {
        webPageClick();
    } else if (!m_document.isOpen()) {
        m_w.inATagLight->setColor(Lamp::neutral());
        m_w.inABodyLight->setColor(Lamp::neutral());
    }
}
