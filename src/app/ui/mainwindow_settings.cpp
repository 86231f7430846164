// Applying the stored settings to the main window, taking the appearance in
// force back into them, and the General Settings dialog.

#include "app/ui/filelistpanel.h"
#include "app/ui/lamp.h"
#include "app/ui/mainwindow.h"
#include "app/ui/percentsplitter.h"
#include "editor/tledit.h"
#include "preview/htmlviewer.h"
#include "settings/colors.h"
#include "settings/settings.h"
#include "settings/ui/generalsettingsdialog.h"

#include <QAction>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// A stored colour, or `fallback` when none is stored or it cannot be read.
QColor storedColor(const QString &text, const QColor &fallback) {
    if (text.isEmpty())
        return fallback;
    const QColor c = colorFromStoreText(text);
    return c.isValid() ? c : fallback;
}

} // namespace

void MainWindow::applySettings() {
    Settings &s = m_wb.settings;

    m_w.fileList->setFilter(openFilter());
    if (m_hooks.openFilterChanged)
        m_hooks.openFilterChanged();

    if (!s.showProjectPanel)
        setProjectsShown(false);

    const QColor tagFg = storedColor(s.syntaxFgColor, QColor(0, 0, 255));
    const QColor tagBg = storedColor(s.syntaxBgColor, QColor(255, 255, 255));
    m_w.webPage->setTagColors(tagFg, tagBg);
    m_w.spareEditor->setTagColors(tagFg, tagBg);
    if (!s.highlightBgColor.isEmpty())
        m_w.webPage->setBackColorSelected(storedColor(s.highlightBgColor, QColor(0, 0, 128)));
    if (!s.highlightFgColor.isEmpty())
        m_w.webPage->setForeColorSelected(storedColor(s.highlightFgColor, QColor(255, 255, 255)));

    if (s.splitPosition >= 1)
        m_w.splitScreen->setBarPercent(0, s.splitPosition);
    setSplitDirection(s.splitDirection);

    for (int i = 0; i < 4; ++i) {
        const int index = MainWidgets::Custom1 + i;
        m_w.powerBook->setTabVisible(index, s.showCustom[i]);
        if (!s.customCaption[i].isEmpty())
            m_w.powerBook->setTabText(index, s.customCaption[i]);
    }

    if (s.width >= 1) {
        if (s.maximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        } else {
            move(s.left, s.top);
            resize(s.width, qMax(1, s.height));
        }
    }

    if (s.tabSize >= 1)
        m_w.webPage->setTabStopSize(s.tabSize);
    m_w.webPage->setAutoIndentOn(s.autoIndent);

    setHintsShown(s.showHints);

    if (s.wordwrap) {
        m_w.webPage->setWordWrapOn(true);
        m_w.spareEditor->setWordWrapOn(true);
    }

    for (HtmlViewer *viewer : {m_w.htmlSplit, m_w.htmlFull})
        viewer->setViewImages(s.showImages);
    m_a.viewInlineImages->setChecked(s.showImages);

    QFont font = m_w.webPage->editorFont();
    if (!s.fontName.isEmpty())
        font.setFamily(s.fontName);
    bool ok = false;
    const int points = s.fontSize.toInt(&ok);
    if (ok && points > 0)
        font.setPointSize(points);
    m_w.webPage->setEditorFont(font);
    if (!s.fontColor.isEmpty())
        m_w.webPage->setEditorTextColor(storedColor(s.fontColor, Qt::black));
    if (!s.backgroundColor.isEmpty())
        m_w.webPage->setEditorColor(storedColor(s.backgroundColor, Qt::white));

    HtmlViewer *split = m_w.htmlSplit;
    if (!s.htmlFontName.isEmpty())
        split->setDefFontName(s.htmlFontName);
    const int htmlPoints = s.htmlFontSize.toInt(&ok);
    if (ok && htmlPoints > 0)
        split->setDefFontSize(htmlPoints);
    if (!s.htmlFontColor.isEmpty())
        split->setDefFontColor(storedColor(s.htmlFontColor, Qt::black));
    if (!s.htmlBackgroundColor.isEmpty())
        split->setDefBackground(storedColor(s.htmlBackgroundColor, Qt::white));
    for (HtmlViewer *other : {m_w.htmlFull, m_w.htmlFrames}) {
        other->setDefFontColor(split->defFontColor());
        other->setDefFontSize(split->defFontSize());
        other->setDefFontName(split->defFontName());
        other->setDefBackground(split->defBackground());
    }

    m_w.ewsPanel->setVisible(s.useEws);

    m_w.outline->setFont(m_w.webPage->editorFont());
    QPalette treePalette = m_w.outline->palette();
    treePalette.setColor(QPalette::Base, m_w.webPage->editorColor());
    m_w.outline->setPalette(treePalette);

    setLastFilesMenu();

    m_w.fileTabs->setCurrentWidget(s.fileTabs == QLatin1String("File List") ? m_w.filePage
                                                                            : m_w.projectPage);
    emit settingsApplied();
}

void MainWindow::captureAppearance() {
    Settings &s = m_wb.settings;
    TLEdit *editor = m_w.webPage;
    s.tabSize = editor->tabStopSize();
    s.autoIndent = editor->autoIndentOn();
    s.backgroundColor = colorToStoreText(editor->editorColor());
    s.fontName = editor->editorFont().family();
    s.fontSize = QString::number(editor->editorFont().pointSize());
    s.fontColor = colorToStoreText(editor->editorTextColor());
    const HtmlViewer *split = m_w.htmlSplit;
    s.htmlFontName = split->defFontName();
    s.htmlFontSize = QString::number(split->defFontSize());
    s.htmlFontColor = colorToStoreText(split->defFontColor());
    s.htmlBackgroundColor = colorToStoreText(split->defBackground());
    s.syntaxFgColor = colorToStoreText(editor->tagForeground());
    s.syntaxBgColor = colorToStoreText(editor->tagBackground());
    s.highlightFgColor = colorToStoreText(editor->foreColorSelected());
    s.highlightBgColor = colorToStoreText(editor->backColorSelected());
}

void MainWindow::recordWindowState() {
    Settings &s = m_wb.settings;
    s.maximized = isMaximized();
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    s.top = normal.top();
    s.left = normal.left();
    s.width = normal.width();
    s.height = normal.height();
    s.splitPosition = m_w.splitScreen->barPercent(0);
    s.fileTabs = m_w.fileTabs->tabText(m_w.fileTabs->currentIndex());
    s.showProjectPanel = m_a.displayProjects->isChecked();
    for (int i = 0; i < 4; ++i)
        s.customCaption[i] = m_w.powerBook->tabText(MainWidgets::Custom1 + i).left(15);
}

void MainWindow::openGeneralSettings() {
    GeneralSettingsDialog dialog(m_wb.settings, m_wb.ui, this);
    dialog.setHelperTipHandler([this](int topic) { showHelperTopic(topic); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (int i = 0; i < 4; ++i)
        m_w.powerBook->setTabVisible(MainWidgets::Custom1 + i, m_wb.settings.showCustom[i]);
    m_w.fileList->setFilter(openFilter());
    if (m_hooks.openFilterChanged)
        m_hooks.openFilterChanged();
    if (m_hooks.generalSettingsChanged)
        m_hooks.generalSettingsChanged();
    updateMenuStates();
}
