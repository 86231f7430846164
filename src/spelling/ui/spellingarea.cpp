#include "spelling/ui/spellingarea.h"

#include "app/menurules.h"
#include "app/shell.h"
#include "app/ui/mainactions.h"
#include "app/userinteraction.h"
#include "documents/activedocument.h"
#include "editor/scintillacall.h"
#include "editor/tledit.h"
#include "settings/settings.h"
#include "spelling/ui/spellcheckdialog.h"
#include "spelling/ui/spellchecksession.h"
#include "spelling/ui/spellunderliner.h"
#include "spelling/wordwalker.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

using Sci = QsciScintillaBase;

SpellingArea::SpellingArea(Shell &shell, ActiveDocument &document, const SpellingWidgets &widgets,
                           MainActions &actions, QObject *parent)
    : QObject(parent), m_shell(shell), m_document(document), m_w(widgets), m_a(actions),
      m_checker(shell.ui()),
      m_underliner(std::make_unique<SpellUnderliner>(*widgets.webPage, m_checker)) {
    setObjectName(QStringLiteral("LEditSpellDlg1"));
    MainActions::setBuilt({m_a.spellCheck});
    connect(m_a.spellCheck, &QAction::triggered, this, &SpellingArea::spellCheck);
    // The button is the menu entry's: it runs it, and only while it is usable.
    connect(m_w.spell, &QToolButton::clicked, m_a.spellCheck, &QAction::trigger);
    connect(&m_document, &ActiveDocument::currentDocumentChanged, this,
            &SpellingArea::documentChanged);

    m_w.webPage->installEventFilter(this);
    m_w.webPage->viewport()->installEventFilter(this);
    connect(m_a.webPagePopup, &QMenu::aboutToShow, this, &SpellingArea::addSpellingEntries);
    // Taken out once the menu has closed and a chosen entry has run.
    connect(m_a.webPagePopup, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (!m_a.webPagePopup->isVisible())
                removeSpellingEntries();
        });
    });
    takeSettings();
}

SpellingArea::~SpellingArea() {
    m_session.reset();
    delete m_dialog;
    m_underliner.reset();
}

SpellCheckDialog *SpellingArea::dialog() const {
    return m_dialog;
}

bool SpellingArea::isChecking() const {
    return m_session && m_session->isRunning();
}

// --- The check run ----------------------------------------------------------------------

void SpellingArea::spellCheck() {
    if (!m_a.spellCheck->isEnabled())
        return;
    if (isChecking()) {
        m_dialog->raise();
        return;
    }
    TLEdit *editor = m_w.spareEditor->hasFocus() ? m_w.spareEditor : m_w.webPage;
    // The user asks again: a dictionary that failed before is tried again.
    m_checker.retry();
    if (!m_checker.open()) {
        m_shell.ui().message(m_checker.error(), Msg::Error, Msg::Ok);
        return;
    }
    documentChanged(); // squiggles again, now that the dictionary opens
    if (!m_dialog) {
        m_dialog = new SpellCheckDialog(m_shell.dialogParent());
        m_dialog->setShowGlyphs(m_properties.showGlyphs);
    }
    SpellCheckSession::Hooks hooks;
    hooks.textChanged = [this, editor] {
        if (editor == m_w.webPage)
            m_document.markChanged();
    };
    hooks.wordsChanged = [this] { m_underliner->dropKnown(); };
    hooks.wordShown = [this, editor] { showLocation(editor); };
    m_session = std::make_unique<SpellCheckSession>(*editor, m_checker, m_properties, m_shell.ui(),
                                                    *m_dialog, std::move(hooks));
    connect(m_session.get(), &SpellCheckSession::finished, this, &SpellingArea::sessionFinished);
    m_session->start();
}

void SpellingArea::sessionFinished() {
    // The run ends from within its own handler: it goes once that is done.
    if (SpellCheckSession *done = m_session.release())
        done->deleteLater();
    TLEdit *editor = m_w.spareEditor->hasFocus() ? m_w.spareEditor : m_w.webPage;
    editor->setFocus();
    showLocation(editor);
    m_shell.updateMenuStates();
}

// The caret panel follows the selection the run makes, as it follows the
// user's own moves.
void SpellingArea::showLocation(TLEdit *editor) {
    editor->readSelection();
    m_shell.setStatusText(Shell::CaretPanel,
                          QStringLiteral("%1:%2").arg(editor->endLine).arg(editor->endPos));
}

// --- Settings and state -----------------------------------------------------------------

void SpellingArea::takeSettings() {
    m_properties.apply(m_shell.settings());
    m_checker.setFiles(m_properties.mainDictionaryPath(m_shell.programDir()),
                       m_properties.userDictionary);
    m_underliner->setSkipTags(m_properties.supportHtml);
}

void SpellingArea::applySettings() {
    takeSettings();
}

void SpellingArea::settingsChanged() {
    const QString before = m_checker.mainPath();
    takeSettings();
    if (m_checker.mainPath() != before)
        m_underliner->recheckAll();
}

void SpellingArea::documentChanged() {
    const bool open = m_document.isOpen();
    if (open && m_underliner->isActive())
        m_underliner->recheckAll();
    else
        m_underliner->setActive(open);
}

void SpellingArea::updateMenus(const UiState &s) {
    // While the full-screen preview hides the editor there is nothing to
    // check on screen.
    MainActions::setUsable(m_a.spellCheck, s.documentOpen && !m_shell.isFullScreen());
    m_w.spell->setEnabled(m_a.spellCheck->isEnabled());
}

void SpellingArea::fullScreenChanged(bool) {
    m_shell.updateMenuStates();
}

void SpellingArea::captureSettings() {
    m_properties.capture(m_shell.settings());
}

void SpellingArea::shutdown() {
    m_session.reset();
    m_underliner->setActive(false);
    m_checker.close();
}

// --- The editor's pop-up on a marked word ---------------------------------------------

bool SpellingArea::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ContextMenu &&
        (watched == m_w.webPage || watched == m_w.webPage->viewport())) {
        const auto *e = static_cast<QContextMenuEvent *>(event);
        if (e->reason() == QContextMenuEvent::Mouse) {
            const QPoint at = m_w.webPage->viewport()->mapFromGlobal(e->globalPos());
            m_menuPosition =
                sci::call(m_w.webPage, Sci::SCI_POSITIONFROMPOINTCLOSE, at.x(), at.y());
        } else {
            m_menuPosition = sci::call(m_w.webPage, Sci::SCI_GETCURRENTPOS);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SpellingArea::addSpellingEntries() {
    removeSpellingEntries();
    const long position = m_menuPosition;
    m_menuPosition = -1;
    long from = 0, to = 0;
    if (position < 0 || !m_document.isOpen() || m_shell.isFullScreen() ||
        !m_underliner->markedWordAt(position, from, to))
        return;
    TLEdit *page = m_w.webPage;
    QByteArray bytes(int(to - from) + 1, '\0');
    sci::textRange(page, from, to, bytes.data());
    const QString original = QString::fromUtf8(bytes.constData(), int(to - from));
    const std::optional<WalkedWord> word = WordWalker(original, false).next();
    if (!word)
        return;

    QMenu *menu = m_a.webPagePopup;
    QAction *first = menu->actions().value(0);
    auto entry = [&](const QString &caption, const QString &name) {
        auto *a = new QAction(caption, menu);
        a->setObjectName(name);
        menu->insertAction(first, a);
        m_entries << a;
        return a;
    };
    auto separator = [&] {
        auto *line = new QAction(menu);
        line->setSeparator(true);
        menu->insertAction(first, line);
        m_entries << line;
    };
    const QStringList suggestions = m_checker.suggest(word->text, m_properties.suggestions);
    for (const QString &s : suggestions) {
        QAction *a = entry(QString(s).replace(QLatin1Char('&'), QLatin1String("&&")),
                           QStringLiteral("SpellingSuggestion"));
        connect(a, &QAction::triggered, this,
                [this, from, to, original, s] { replaceMarkedWord(from, to, original, s); });
    }
    if (suggestions.isEmpty())
        entry(QStringLiteral("(no suggestions)"), QStringLiteral("SpellingNoSuggestion"))
            ->setEnabled(false);
    separator();
    const QString text = word->text;
    connect(entry(QStringLiteral("Add"), QStringLiteral("SpellingAdd")), &QAction::triggered, this,
            [this, text] { addWord(text); });
    connect(entry(QStringLiteral("Skip A&lways"), QStringLiteral("SpellingSkipAlways")),
            &QAction::triggered, this, [this, text] {
                m_checker.skipAlways(text);
                m_underliner->dropKnown();
            });
    separator();
}

void SpellingArea::removeSpellingEntries() {
    for (QAction *a : std::as_const(m_entries)) {
        m_a.webPagePopup->removeAction(a);
        a->deleteLater();
    }
    m_entries.clear();
}

void SpellingArea::replaceMarkedWord(long from, long to, const QString &original,
                                     const QString &with) {
    TLEdit *page = m_w.webPage;
    if (to > sci::call(page, Sci::SCI_GETLENGTH))
        return;
    QByteArray bytes(int(to - from) + 1, '\0');
    sci::textRange(page, from, to, bytes.data());
    if (QString::fromUtf8(bytes.constData(), int(to - from)) != original)
        return; // the text moved meanwhile
    sci::call(page, Sci::SCI_SETSEL, from, to);
    page->replaceSel(replacementLike(original, with));
    m_document.markChanged();
    m_shell.updateMenuStates();
}

void SpellingArea::addWord(const QString &word) {
    if (m_properties.confirmAdd &&
        m_shell.ui().message(SpellCheckSession::confirmAddText(word), Msg::Confirmation,
                             Msg::Yes | Msg::No) != Msg::ResultYes)
        return;
    if (m_checker.add(word))
        m_underliner->dropKnown();
}
