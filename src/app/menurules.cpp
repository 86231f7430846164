#include "app/menurules.h"

#include <QFileInfo>

EditMenuEnabling editMenuEnabling(const UiState &s) {
    EditMenuEnabling e;
    if (s.previewFocused) {
        e.copy = s.previewHasSelection;
        return e;
    }
    const bool open = s.documentOpen;
    const bool sel = open && s.editorHasSelection;
    e.others = open;
    e.separator = sel;
    e.cut = sel;
    e.copy = sel;
    e.deleteSel = sel;
    e.duplicate = sel;
    e.rainbowize = s.webPageFocused && e.copy;
    e.paste = open && s.clipboardHasText;
    return e;
}

PopupEditEnabling popupEditEnabling(const UiState &s) {
    PopupEditEnabling e;
    e.cut = e.copy = e.deleteSel = e.duplicate = s.editorHasSelection;
    e.paste = s.clipboardHasText;
    return e;
}

SearchMenuEnabling searchMenuEnabling(const UiState &s) {
    return {s.documentOpen, s.documentOpen && s.previewHasSelection};
}

PreviewPopupEnabling previewPopupEnabling(const UiState &s) {
    const bool sel = s.documentOpen && s.previewHasSelection;
    return {s.documentOpen, sel, sel};
}

BrowserEntry browserEntry(const QString &browserProgram, bool documentOpen) {
    BrowserEntry b;
    if (browserProgram.isEmpty())
        return b;
    b.visible = true;
    b.enabled = documentOpen;
    // Programs stored on Windows may use "\" as separator.
    QString program = browserProgram;
    program.replace(QLatin1Char('\\'), QLatin1Char('/'));
    b.caption = QStringLiteral("View page in ") + QFileInfo(program).fileName();
    return b;
}

QString formCaption(const QString &name) {
    return QStringLiteral("Quilmead - ") + name.toUpper();
}
