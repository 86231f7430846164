#include "app/ui/mainactions.h"
#include "app/menurules.h"
#include "app/ui/mainwidgets.h"

#include <QToolButton>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *add(QMenu *menu, const QString &caption, const QString &name,
             const QKeySequence &shortcut = QKeySequence()) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    MainActions::setPending(a, true);
    return a;
}

QMenu *sub(QMenu *menu, const QString &caption, const QString &name) {
    QMenu *m = menu->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name + QStringLiteral("Item"));
    return m;
}

QMenu *top(QMenuBar *bar, const QString &caption, const QString &name) {
    QMenu *m = bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name + QStringLiteral("Item"));
    return m;
}

QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

} // namespace

void MainActions::setPending(QAction *action, bool pending) {
    action->setProperty("pending", pending);
    if (pending)
        action->setEnabled(false);
}

bool MainActions::isPending(QAction *action) {
    return action->property("pending").toBool();
}

void MainActions::setUsable(QAction *action, bool on) {
    action->setEnabled(on && !isPending(action));
}

void MainActions::setBuilt(std::initializer_list<QAction *> actions) {
    for (QAction *a : actions) {
        setPending(a, false);
        a->setEnabled(true);
    }
}

void MainActions::build(QMenuBar *bar, QWidget *owner) {
    // File
    fileMenu = top(bar, QStringLiteral("&File"), QStringLiteral("File1"));
    newPage = add(fileMenu, QStringLiteral("&New"), QStringLiteral("New1"));
    open = add(fileMenu, QStringLiteral("&Open ..."), QStringLiteral("Open1"));
    save = add(fileMenu, QStringLiteral("&Save"), QStringLiteral("Save1"), keys(Qt::Key_F2));
    saveAs = add(fileMenu, QStringLiteral("Save &As..."), QStringLiteral("SaveAs1"));
    closePage = add(fileMenu, QStringLiteral("&Close Page"), QStringLiteral("ClosePage1"));
    closeAll = add(fileMenu, QStringLiteral("C&lose All"), QStringLiteral("CloseAll1"));
    fileMenu->addSeparator();
    print = add(fileMenu, QStringLiteral("&Print..."), QStringLiteral("Print1"));
    printerSetup =
        add(fileMenu, QStringLiteral("P&rinter Setup..."), QStringLiteral("PrinterSetup1"));
    fileMenu->addSeparator();
    createIndexOfImages = add(fileMenu, QStringLiteral("Create &Index of Images"),
                              QStringLiteral("CreateIndexofImages1"));
    frameCreator =
        add(fileMenu, QStringLiteral("&Frame Creator..."), QStringLiteral("FrameVedaGuyItem"));
    fileMenu->addSeparator();
    exit = add(fileMenu, QStringLiteral("E&xit"), QStringLiteral("Exit1"));
    QAction *lastSeparator = fileMenu->addSeparator();
    lastSeparator->setObjectName(QStringLiteral("LastFilesSeparator"));
    lastSeparator->setVisible(false);
    for (int i = 0; i < 4; ++i) {
        lastFiles[i] =
            add(fileMenu, QStringLiteral("&%1").arg(i + 1), QStringLiteral("Last%1").arg(i + 1));
        lastFiles[i]->setVisible(false);
    }

    // Projects
    projectsMenu = top(bar, QStringLiteral("P&rojects"), QStringLiteral("WebProjects1"));
    newProject = add(projectsMenu, QStringLiteral("&New Project..."), QStringLiteral("NewProject"));
    editProject = add(projectsMenu, QStringLiteral("&Edit Project Description..."),
                      QStringLiteral("EditProject"));
    deleteProject =
        add(projectsMenu, QStringLiteral("&Delete Project..."), QStringLiteral("DeleteProject"));
    pagesMenu = sub(projectsMenu, QStringLiteral("&Pages"), QStringLiteral("Pages"));
    addPage = add(pagesMenu, QStringLiteral("&New page..."), QStringLiteral("AddPage"),
                  keys(Qt::CTRL | Qt::Key_N));
    importPage = add(pagesMenu, QStringLiteral("&Import Page..."), QStringLiteral("ImportPage"));
    deletePage =
        add(pagesMenu, QStringLiteral("Remove && &Delete Page..."), QStringLiteral("DeletePage"));
    copyMovePage =
        add(pagesMenu, QStringLiteral("&Copy/Move page..."), QStringLiteral("CopyMovePage"));
    changeDescription = add(pagesMenu, QStringLiteral("&Edit Page Description..."),
                            QStringLiteral("ChangeDescription"), keys(Qt::CTRL | Qt::Key_D));
    renameFile = add(pagesMenu, QStringLiteral("&Rename File..."), QStringLiteral("RenameFile"),
                     keys(Qt::CTRL | Qt::ALT | Qt::Key_D));
    removeFromProject = add(pagesMenu, QStringLiteral("Remove file from project..."),
                            QStringLiteral("Removefromproject"));
    pagesMenu->addSeparator();
    quikFtpSend =
        add(pagesMenu, QStringLiteral("Send to website..."), QStringLiteral("QuikFTPSend"));
    findProjectOrphans = add(pagesMenu, QStringLiteral("Find Project Orphans..."),
                             QStringLiteral("FindProjectOrphans"));
    checkReferences = add(pagesMenu, QStringLiteral("Check Project References..."),
                          QStringLiteral("CheckReferences"));
    projectsMenu->addSeparator();
    displayProjects =
        add(projectsMenu, QStringLiteral("Di&splay Projects"), QStringLiteral("DisplayProjects"));
    displayProjects->setCheckable(true);
    displayProjects->setChecked(true);

    // Edit
    editMenu = top(bar, QStringLiteral("&Edit"), QStringLiteral("Edit1"));
    undo = add(editMenu, QStringLiteral("&Undo"), QStringLiteral("Undo1"),
               keys(Qt::ALT | Qt::Key_Backspace));
    redo = add(editMenu, QStringLiteral("&Redo"), QStringLiteral("Redo1"),
               keys(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace));
    editSeparator = editMenu->addSeparator();
    editSeparator->setObjectName(QStringLiteral("EditSeparator1"));
    cut = add(editMenu, QStringLiteral("Cu&t"), QStringLiteral("Cut1"), keys(Qt::CTRL | Qt::Key_X));
    copy =
        add(editMenu, QStringLiteral("&Copy"), QStringLiteral("Copy1"), keys(Qt::CTRL | Qt::Key_C));
    deleteSel = add(editMenu, QStringLiteral("&Delete"), QStringLiteral("Delete1"),
                    keys(Qt::CTRL | Qt::Key_Delete));
    duplicate = add(editMenu, QStringLiteral("Duplicate"), QStringLiteral("Duplicate1"));
    paste = add(editMenu, QStringLiteral("&Paste"), QStringLiteral("Paste1"),
                keys(Qt::CTRL | Qt::Key_V));
    insertFile = add(editMenu, QStringLiteral("Insert &File..."), QStringLiteral("InsertFile1"));
    selectAll = add(editMenu, QStringLiteral("Select &All"), QStringLiteral("SelectAll1"),
                    keys(Qt::CTRL | Qt::Key_A));
    stripHtmlCodes =
        add(editMenu, QStringLiteral("Strip HTML Codes"), QStringLiteral("StripAllCodes1"));
    removeInvalidColors = add(editMenu, QStringLiteral("Remove Invalid Colors Tags..."),
                              QStringLiteral("RemoveInvalidColors1"));
    editMenu->addSeparator();
    bodyStatement = add(editMenu, QStringLiteral("&Body Statement..."),
                        QStringLiteral("BodyStatement1"), keys(Qt::SHIFT | Qt::Key_F1));
    title = add(editMenu, QStringLiteral("&Title..."), QStringLiteral("Title1"),
                keys(Qt::SHIFT | Qt::Key_F2));
    metaTag = add(editMenu, QStringLiteral("Meta Tag..."), QStringLiteral("MetaTag1"),
                  keys(Qt::SHIFT | Qt::Key_F3));
    safeSurfRating = add(editMenu, QStringLiteral("SafeSurf Rating"),
                         QStringLiteral("SafeSurfRating1"), keys(Qt::SHIFT | Qt::Key_F4));
    insertStandardTags = add(editMenu, QStringLiteral("Insert Standard Tags"),
                             QStringLiteral("InsertStandardTags1"));
    rainbowize =
        add(editMenu, QStringLiteral("Rainbowize Text..."), QStringLiteral("RainbowizeText1"));
    updateLastModified = add(editMenu, QStringLiteral("Update Last Modified Tag"),
                             QStringLiteral("UpdateLastModified1"), keys(Qt::CTRL | Qt::Key_M));
    editMenu->addSeparator();
    center = add(editMenu, QStringLiteral("Center"), QStringLiteral("Center1"),
                 keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    bold = add(editMenu, QStringLiteral("Bold"), QStringLiteral("Bold1"),
               keys(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    italics = add(editMenu, QStringLiteral("Italics"), QStringLiteral("Italics1"),
                  keys(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    underline = add(editMenu, QStringLiteral("Underline"), QStringLiteral("Underline1"),
                    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_U));

    // Search
    searchMenu = top(bar, QStringLiteral("&Search"), QStringLiteral("Search1"));
    find = add(searchMenu, QStringLiteral("&Find..."), QStringLiteral("Find1"),
               keys(Qt::CTRL | Qt::Key_F));
    findNext =
        add(searchMenu, QStringLiteral("Find Next"), QStringLiteral("FindNext1"), keys(Qt::Key_F3));
    replace = add(searchMenu, QStringLiteral("&Replace..."), QStringLiteral("Replace1"),
                  keys(Qt::CTRL | Qt::Key_R));
    goToLine = add(searchMenu, QStringLiteral("&Go to line number..."), QStringLiteral("GoToLine1"),
                   keys(Qt::CTRL | Qt::Key_G));
    searchMenu->addSeparator();
    spellCheck = add(searchMenu, QStringLiteral("Spell Check..."), QStringLiteral("SpellCheck1"),
                     keys(Qt::CTRL | Qt::Key_S));
    searchSource =
        add(searchMenu, QStringLiteral("Search Source"), QStringLiteral("SearchSource1"));

    // Page
    pageMenu = top(bar, QStringLiteral("&Page"), QStringLiteral("Page1"));
    evaluate = add(pageMenu, QStringLiteral("&Evaluate..."), QStringLiteral("Evaluate"),
                   keys(Qt::CTRL | Qt::Key_E));
    refreshHtml = add(pageMenu, QStringLiteral("&Refresh HTML"), QStringLiteral("RefreshHTML1"),
                      keys(Qt::Key_F5));
    checkCursorPosition = add(pageMenu, QStringLiteral("Check Cursor Position"),
                              QStringLiteral("CheckCursorPosition1"), keys(Qt::CTRL | Qt::Key_F5));
    checkWithTidy =
        add(pageMenu, QStringLiteral("Check with HTML &Tidy..."), QStringLiteral("CheckWithTidy1"));
    pageMenu->addSeparator();
    browser1 = add(pageMenu, QStringLiteral("&Browser 1 Unselected"), QStringLiteral("Browser11"));
    browser2 = add(pageMenu, QStringLiteral("Bro&wser 2 Unselected"), QStringLiteral("Browser21"));
    browser1->setVisible(false);
    browser2->setVisible(false);

    // Insert
    insertMenu = top(bar, QStringLiteral("&Insert"), QStringLiteral("Insert1"));
    horizontalBar = add(insertMenu, QStringLiteral("Horizontal &Bar"),
                        QStringLiteral("HorizontalBar1"), keys(Qt::CTRL | Qt::Key_B));
    heading = add(insertMenu, QStringLiteral("&Heading..."), QStringLiteral("Heading1"),
                  keys(Qt::CTRL | Qt::Key_H));
    listType = add(insertMenu, QStringLiteral("&List Type..."), QStringLiteral("ListType1"),
                   keys(Qt::CTRL | Qt::Key_L));
    image = add(insertMenu, QStringLiteral("&Image..."), QStringLiteral("Image1"),
                keys(Qt::CTRL | Qt::Key_I));
    text = add(insertMenu, QStringLiteral("Te&xt"), QStringLiteral("Text1"), keys(Qt::Key_F4));
    urlReference = add(insertMenu, QStringLiteral("&URL Reference/Page Anchor"),
                       QStringLiteral("URLReference1"), keys(Qt::CTRL | Qt::Key_U));
    applet = add(insertMenu, QStringLiteral("Applet..."), QStringLiteral("Applet1"),
                 keys(Qt::CTRL | Qt::Key_J));
    insertMenu->addSeparator();
    include = add(insertMenu, QStringLiteral("# Include..."), QStringLiteral("Include1"));
    tableCellAttributes = add(insertMenu, QStringLiteral("Table Cell &Attributes"),
                              QStringLiteral("TableCellAttributes1"));
    pageTemplateMenu =
        sub(insertMenu, QStringLiteral("Page Template"), QStringLiteral("PageTemplate1"));
    const QStringList templates = {QStringLiteral("Body Settings"), QStringLiteral("Hot Link"),
                                   QStringLiteral("Mailto: Link"),  QStringLiteral("Image"),
                                   QStringLiteral("Page Defaults"), QStringLiteral("Plain Text"),
                                   QStringLiteral("Heading")};
    for (int i = 0; i < templates.size(); ++i)
        pageTemplates << add(pageTemplateMenu, templates.at(i),
                             QStringLiteral("PageTemplate%1").arg(i + 1));
    vedaGuysMenu = sub(insertMenu, QStringLiteral("VedaGuys"), QStringLiteral("VedaGuys1"));
    tableVedaGuy = add(vedaGuysMenu, QStringLiteral("&Table Veda Guy..."),
                       QStringLiteral("InsertTable"), keys(Qt::CTRL | Qt::Key_T));
    // Ctrl+F belongs to "&Find..."; a second owner would make the key do nothing.
    dataFormVedaGuy = add(vedaGuysMenu, QStringLiteral("&Data Form Veda Guy..."),
                          QStringLiteral("DataEntryForm"));
    calendarVedaGuy = add(vedaGuysMenu, QStringLiteral("&Calendar Veda Guy..."),
                          QStringLiteral("CalendarVedaGuy1"));
    templateVedaGuy = add(vedaGuysMenu, QStringLiteral("Template Veda Guy..."),
                          QStringLiteral("TemplateVedaGuy1"));

    // HTML Codes
    htmlCodesMenu = top(bar, QStringLiteral("&HTML Codes"), QStringLiteral("HTMLCodes1"));
    const QStringList tagMenuCaptions = {QStringLiteral("&Block Tags"),
                                         QStringLiteral("&Text Attributes"),
                                         QStringLiteral("&Additional Tags")};
    for (int i = 0; i < 3; ++i) {
        tagMenus[i] = sub(htmlCodesMenu, tagMenuCaptions.at(i), QStringLiteral("TagMenu%1").arg(i));
        htmlCodesFirstNine << tagMenus[i]->menuAction();
    }
    headingsMenu = sub(htmlCodesMenu, QStringLiteral("&Headings"), QStringLiteral("Headings1"));
    for (int i = 1; i <= 6; ++i)
        headings << add(headingsMenu, QStringLiteral("H%1 - Size %1").arg(i),
                        QStringLiteral("H%1Item").arg(i));
    separatorsMenu =
        sub(htmlCodesMenu, QStringLiteral("&Separators"), QStringLiteral("Separators1"));
    QMenu *paragraphs = sub(separatorsMenu, QStringLiteral("Paragraph Marker <P>"),
                            QStringLiteral("ParagraphMarker1"));
    paragraph = add(paragraphs, QStringLiteral("<P></P>"), QStringLiteral("PP1"),
                    keys(Qt::CTRL | Qt::Key_P));
    for (const char *a : {"left", "center", "right"})
        paragraphAligns << add(paragraphs,
                               QStringLiteral("<P ALIGN=\"%1\"></P>").arg(QLatin1String(a)),
                               QStringLiteral("PAlign%1").arg(QLatin1String(a)));
    QMenu *breaks = sub(separatorsMenu, QStringLiteral("&Line break <BR> (Ctrl+Enter)"),
                        QStringLiteral("LineBreak1"));
    lineBreaks << add(breaks, QStringLiteral("<BR>"), QStringLiteral("BR1"));
    lineBreaks << add(breaks, QStringLiteral("<BR CLEAR=\"left\">"), QStringLiteral("BRLeft1"));
    lineBreaks << add(breaks, QStringLiteral("<BR CLEAR=\"right\">"), QStringLiteral("BRRight1"));
    QMenu *divs = sub(separatorsMenu, QStringLiteral("DIV - Logical Division <DIV>"),
                      QStringLiteral("Division1"));
    divisions << add(divs, QStringLiteral("<DIV></DIV>"), QStringLiteral("DIV1"));
    for (const char *a : {"left", "center", "right"})
        divisions << add(divs, QStringLiteral("<DIV ALIGN=\"%1\"></DIV>").arg(QLatin1String(a)),
                         QStringLiteral("DivAlign%1").arg(QLatin1String(a)));
    separatorRule =
        add(separatorsMenu, QStringLiteral("HR - Horizontal Bar"), QStringLiteral("HR1"));
    nonBreakingSpace = add(separatorsMenu, QStringLiteral("&&&nbsp; - Nonbreaking Space"),
                           QStringLiteral("NBSP1"), keys(Qt::CTRL | Qt::ALT | Qt::Key_Space));
    dateTimeMenu = sub(htmlCodesMenu, QStringLiteral("Current &Date/Time"),
                       QStringLiteral("CurrentDateTime1"));
    dateItem = add(dateTimeMenu, QStringLiteral("Date"), QStringLiteral("Date1"));
    timeItem = add(dateTimeMenu, QStringLiteral("Time"), QStringLiteral("Time1"));
    dateTimeItem = add(dateTimeMenu, QStringLiteral("Date/Time"), QStringLiteral("DateTime1"));
    embed = add(htmlCodesMenu, QStringLiteral("&Embed..."), QStringLiteral("Embed1"));
    meta = add(htmlCodesMenu, QStringLiteral("Meta..."), QStringLiteral("Meta1"));
    param = add(htmlCodesMenu, QStringLiteral("Param..."), QStringLiteral("Param1"));
    htmlCodesFirstNine << headingsMenu->menuAction() << separatorsMenu->menuAction()
                       << dateTimeMenu->menuAction() << embed << meta << param;
    htmlCodesMenu->addSeparator();
    modifyMenuTags = add(htmlCodesMenu, QStringLiteral("&Modify Menu Tags..."),
                         QStringLiteral("ModifyMenuTags1"));

    // Options
    optionsMenu = top(bar, QStringLiteral("&Options"), QStringLiteral("Options1"));
    viewInlineImages = add(optionsMenu, QStringLiteral("&View inline images"),
                           QStringLiteral("ViewInlineImages1"));
    viewInlineImages->setCheckable(true);
    editorOptions =
        add(optionsMenu, QStringLiteral("&Editor Options..."), QStringLiteral("EditorOptions1"));
    generalPreferences = add(optionsMenu, QStringLiteral("&General Preferences..."),
                             QStringLiteral("GeneralPreferences1"));
    customizeButtons = add(optionsMenu, QStringLiteral("Customize Buttons..."),
                           QStringLiteral("CustomizeButtons1"));
    toggleInternalClipboard = add(optionsMenu, QStringLiteral("Toggle Internal Clipboard"),
                                  QStringLiteral("ToggleInternalClipboard1"));
    toggleInternalClipboard->setCheckable(true);
    specialCharacters = add(optionsMenu, QStringLiteral("Special Characters..."),
                            QStringLiteral("SpecialCharacters1"));

    // The full-screen command sits on the menu bar itself.
    viewFullScreen = new QAction(QStringLiteral("&View Full Screen!"), owner);
    viewFullScreen->setObjectName(QStringLiteral("ViewFullScreen1"));
    viewFullScreen->setShortcut(keys(Qt::Key_F6));
    setPending(viewFullScreen, true);
    bar->addAction(viewFullScreen);
    viewFullScreen->setVisible(false);

    historyMenu = top(bar, QStringLiteral("His&tory"), QStringLiteral("History1"));
    for (int i = 0; i < 10; ++i) {
        historyItems[i] = add(historyMenu, QString(), QStringLiteral("HistoryItem%1").arg(i));
        historyItems[i]->setCheckable(true);
        historyItems[i]->setVisible(false);
    }
    historyMenu->menuAction()->setVisible(false);

    // Help
    helpMenu = top(bar, QStringLiteral("&Help"), QStringLiteral("Help1"));
    about = add(helpMenu, QStringLiteral("&About..."), QStringLiteral("About1"));
    showHints = add(helpMenu, QStringLiteral("&Show Hints"), QStringLiteral("ShowHints1"));
    showHints->setCheckable(true);
    showHints->setChecked(true);
    contents = add(helpMenu, QStringLiteral("&Contents..."), QStringLiteral("Contents1"));
    showTips = add(helpMenu, QStringLiteral("Show Tips..."), QStringLiteral("ShowTips1"));

    // Editor pop-up
    webPagePopup = new QMenu(owner);
    webPagePopup->setObjectName(QStringLiteral("WebPagePopup"));
    popupRefresh =
        add(webPagePopup, QStringLiteral("Refresh View"), QStringLiteral("RefreshView1"));
    popupEvaluate = add(webPagePopup, QStringLiteral("Evaluate"), QStringLiteral("Evaluate1"));
    popupEditMenu = sub(webPagePopup, QStringLiteral("Edit"), QStringLiteral("PopupEdit1"));
    popupCut = add(popupEditMenu, QStringLiteral("Cut"), QStringLiteral("PopupCut1"));
    popupCopy = add(popupEditMenu, QStringLiteral("Copy"), QStringLiteral("PopupCopy1"));
    popupDelete = add(popupEditMenu, QStringLiteral("Delete"), QStringLiteral("PopupDelete1"));
    popupDuplicate =
        add(popupEditMenu, QStringLiteral("Duplicate"), QStringLiteral("PopupDuplicate1"));
    popupSelectAll =
        add(popupEditMenu, QStringLiteral("Select All"), QStringLiteral("PopupSelectAll1"));
    popupPaste = add(popupEditMenu, QStringLiteral("Paste"), QStringLiteral("PopupPaste1"));
    popupTableCell = add(webPagePopup, QStringLiteral("Table Cell"), QStringLiteral("TableCell1"));
    popupListItem = add(webPagePopup, QStringLiteral("Unordered List Item"),
                        QStringLiteral("UnorderedListItem1"));
    popupSearchMenu = sub(webPagePopup, QStringLiteral("Search"), QStringLiteral("PopupSearch1"));
    popupFind = add(popupSearchMenu, QStringLiteral("Find..."), QStringLiteral("PopupFind1"));
    popupReplace =
        add(popupSearchMenu, QStringLiteral("Replace..."), QStringLiteral("PopupReplace1"));
    popupGoToLine =
        add(popupSearchMenu, QStringLiteral("Go to line..."), QStringLiteral("PopupGoToLine1"));
    setBookmarkMenu =
        sub(webPagePopup, QStringLiteral("Set Bookmark"), QStringLiteral("SetBookmark1"));
    goToBookmarkMenu =
        sub(webPagePopup, QStringLiteral("Goto Bookmark"), QStringLiteral("GotoBookmark1"));
    for (int i = 0; i < 16; ++i) {
        setBookmark[i] = add(setBookmarkMenu, QString::number(i + 1),
                             QStringLiteral("SetBookmarkItem%1").arg(i + 1));
        goToBookmark[i] = add(goToBookmarkMenu, QString::number(i + 1),
                              QStringLiteral("GotoBookmarkItem%1").arg(i + 1));
    }
    webPagePopup->addSeparator();
    popupTableVedaGuy =
        add(webPagePopup, QStringLiteral("Table Veda Guy"), QStringLiteral("TableVedaGuy1"));
    popupFormVedaGuy =
        add(webPagePopup, QStringLiteral("Form Veda Guy"), QStringLiteral("FormVedaGuy1"));
    popupFrameVedaGuy =
        add(webPagePopup, QStringLiteral("Frame Veda Guy"), QStringLiteral("FrameVedaGuy1"));
    popupFullScreen =
        add(webPagePopup, QStringLiteral("Full Screen View"), QStringLiteral("FullScreenView1"));

    // Project tree pop-up
    projectPopup = new QMenu(owner);
    projectPopup->setObjectName(QStringLiteral("ProjectPopup"));
    viewPage1 = add(projectPopup, QStringLiteral("View Page"), QStringLiteral("ViewPage1"));
    projectPopup->addSeparator();
    addPage1 = add(projectPopup, QStringLiteral("New Page..."), QStringLiteral("AddPage1"));
    importPage1 =
        add(projectPopup, QStringLiteral("Import page..."), QStringLiteral("Importpage1"));
    deletePage1 = add(projectPopup, QStringLiteral("Remove && &Delete Page..."),
                      QStringLiteral("DeletePage1"));
    copyMovePage1 =
        add(projectPopup, QStringLiteral("Copy/Move Page..."), QStringLiteral("CopyMovePage1"));
    changeDescription1 = add(projectPopup, QStringLiteral("Change Description..."),
                             QStringLiteral("ChangeDescription1"));
    renamePage1 =
        add(projectPopup, QStringLiteral("Rename Page..."), QStringLiteral("RenamePage1"));
    removeFileFromProject1 = add(projectPopup, QStringLiteral("Remove file from project..."),
                                 QStringLiteral("Removefilefromproject1"));
    projectPopup->addSeparator();
    ftpSend = add(projectPopup, QStringLiteral("Send to site..."), QStringLiteral("FTPSend"));
    ftpSend->setStatusTip(QStringLiteral("Send selected file to the website specified in the "
                                         "Project Defaults file via FTP connection"));
    projectPopup->addSeparator();
    deleteProject1 =
        add(projectPopup, QStringLiteral("Delete Project..."), QStringLiteral("DeleteProject1"));
    findOrphans =
        add(projectPopup, QStringLiteral("Find Project Orphans..."), QStringLiteral("FindOrphans"));
    checkReferences1 = add(projectPopup, QStringLiteral("Check Project References..."),
                           QStringLiteral("CheckReferences1"));
    projectPopup->addSeparator();
    addProject1 =
        add(projectPopup, QStringLiteral("New Project..."), QStringLiteral("AddProject1"));

    // Preview pop-up
    htmlPopup = new QMenu(owner);
    htmlPopup->setObjectName(QStringLiteral("HTMLPopup"));
    previewRefresh = add(htmlPopup, QStringLiteral("Refresh View"), QStringLiteral("RefreshView2"));
    previewSearchSource =
        add(htmlPopup, QStringLiteral("Search Source"), QStringLiteral("SearchSource"));
    previewTop = add(htmlPopup, QStringLiteral("Go to top"), QStringLiteral("GoToTop1"));
    previewBottom = add(htmlPopup, QStringLiteral("Go to bottom"), QStringLiteral("GoToBottom1"));
    previewCopy = add(htmlPopup, QStringLiteral("Copy"), QStringLiteral("PreviewCopy1"));
    previewFind = add(htmlPopup, QStringLiteral("Find"), QStringLiteral("PreviewFind1"));
}

// The states whole menus take before the areas decide on their own entries:
// the Edit, Search and Insert menus, the first HTML Codes entries and the
// pop-ups follow the open document (and the preview's focus). An entry no
// area serves yet stays disabled whatever this says.
void applyMenuDefaults(MainActions &a, MainWidgets &w, const UiState &s) {
    const bool open = s.documentOpen;

    const EditMenuEnabling e = editMenuEnabling(s);
    for (QAction *x : a.editMenu->actions())
        MainActions::setUsable(x, e.others);
    a.editSeparator->setVisible(!s.previewFocused && e.separator);

    const SearchMenuEnabling sm = searchMenuEnabling(s);
    for (QAction *x : a.searchMenu->actions())
        MainActions::setUsable(x, sm.others);

    for (QAction *x : a.insertMenu->actions())
        MainActions::setUsable(x, open);
    for (QAction *x : a.htmlCodesFirstNine)
        MainActions::setUsable(x, open);

    const PreviewPopupEnabling pp = previewPopupEnabling(s);
    for (QAction *x : a.htmlPopup->actions())
        MainActions::setUsable(x, pp.others);

    for (QAction *x : a.webPagePopup->actions())
        MainActions::setUsable(x, open);

    // The window's own entries.
    MainActions::setUsable(a.viewFullScreen, open);
    MainActions::setUsable(a.popupFullScreen, open);
    a.viewFullScreen->setVisible(open);
    w.buttons.fullScreen->setEnabled(open);
    MainActions::setUsable(a.exit, true);
}
