#include "settings/ui/generalsettingsdialog.h"
#include "app/userinteraction.h"
#include "documents/openfilter.h"
#include "projects/search/ui/programsearchdialog.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <class W> W *hinted(W *widget, const QString &name, const QString &hint) {
    widget->setObjectName(name);
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
    return widget;
}

QWidget *withButton(QWidget *parent, QLineEdit *field, QToolButton *button) {
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(field, 1);
    row->addWidget(button);
    return box;
}

QToolButton *browseButton(QWidget *parent, const QString &name) {
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QStringLiteral("..."));
    return b;
}

} // namespace

GeneralSettingsDialog::GeneralSettingsDialog(Settings &settings, UserInteraction &ui,
                                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_settings(settings), m_ui(ui) {
    setObjectName(QStringLiteral("TGenSetForm"));
    setWindowTitle(QStringLiteral("General Settings"));
    setMinimumSize(265, 314);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    buildGeneralPage();
    buildDefaultsPage();
    buildSpellingPage();
    buildFtpPage();

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    load();
    m_pages->setCurrentIndex(0);
    // All four page tabs stay in view.
    setMinimumWidth(qMax(265, m_pages->tabBar()->sizeHint().width() + 40));
}

void GeneralSettingsDialog::buildGeneralPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("GeneralPage"));
    auto *form = new QVBoxLayout(page);

    m_fontAdj = hinted(new QSpinBox(page), QStringLiteral("FontAdj"),
                       QStringLiteral("Default font increment/decrement"));
    m_fontAdj->setRange(1, 7);
    auto *adjRow = new QHBoxLayout;
    adjRow->addWidget(new QLabel(QStringLiteral("Default font +/- change:"), page));
    adjRow->addWidget(m_fontAdj);
    adjRow->addStretch();
    form->addLayout(adjRow);

    for (int i = 0; i < 4; ++i) {
        m_customPages[i] =
            hinted(new QCheckBox(QStringLiteral("Show Custom Tab %1").arg(i + 1), page),
                   QStringLiteral("CustomPage%1").arg(i + 1),
                   QStringLiteral("Show/Hide Custom Tab %1").arg(i + 1));
        form->addWidget(m_customPages[i]);
    }
    m_autoUpdate =
        hinted(new QCheckBox(QStringLiteral("Auto update HTML viewer"), page),
               QStringLiteral("UseAutoUpdate"),
               QStringLiteral("Update the HTML Viewer when a change is made to the editor"));
    m_closingP =
        hinted(new QCheckBox(QStringLiteral("Include closing </P> tag"), page),
               QStringLiteral("UseClosingP"), QStringLiteral("Include closing paragraph tag"));
    m_useBr = hinted(new QCheckBox(QStringLiteral("Insert <BR> on carraige return"), page),
                     QStringLiteral("UseBR"),
                     QStringLiteral("Insert an HTML enter code when the enter key is pressed"));
    m_autoload = hinted(new QCheckBox(QStringLiteral("Autoload last opened file"), page),
                        QStringLiteral("Autoload"), QStringLiteral("Load last file opened"));
    m_timeStamp =
        hinted(new QCheckBox(QStringLiteral("Auto Time Stamp when saving"), page),
               QStringLiteral("TimeStamp"),
               QStringLiteral(
                   "Adds the last modiefied time and date to the bottom of the page when saving"));
    for (QCheckBox *box : {m_autoUpdate, m_closingP, m_useBr, m_autoload, m_timeStamp})
        form->addWidget(box);
    form->addStretch();
    connect(m_autoUpdate, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !m_filling)
            m_ui.message(
                QStringLiteral("Please note that on slower machines this feature may cause General "
                               "Protection Faults!  If you experience problems please turn this "
                               "feature off before calling for technical support."),
                Msg::Warning, Msg::Ok);
    });
    m_pages->addTab(page, QStringLiteral("General"));
}

void GeneralSettingsDialog::buildDefaultsPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("DefaultsPage"));
    auto *form = new QVBoxLayout(page);

    m_extensions =
        hinted(new QLineEdit(page), QStringLiteral("ValidExtensions"),
               QStringLiteral("Enter extensions you wish to be used as valid document extensions"));
    m_extensions->setMaxLength(99);
    m_extensions->installEventFilter(this);
    m_graphicExtensions = hinted(
        new QLineEdit(page), QStringLiteral("ValidGraphicExtensions"),
        QStringLiteral("Enter extensions you wish to be used as valid graphic file extensions"));
    m_graphicExtensions->setMaxLength(99);
    m_browser1 =
        hinted(new QLineEdit(page), QStringLiteral("Browser1"),
               QStringLiteral("Enter filename of primary browser here.  The primary browser may be "
                              "launched from the button bar."));
    m_browser2 = hinted(new QLineEdit(page), QStringLiteral("Browser2"),
                        QStringLiteral("Enter filename of secondary browser here"));
    const QString prefixHint = QStringLiteral(
        "Prepend FILE:// to the beginning of the file when submitting the command to browser");
    m_prefix1 = hinted(new QCheckBox(QStringLiteral("Use FILE://"), page),
                       QStringLiteral("UseBrowserPrefix1"), prefixHint);
    m_prefix2 = hinted(new QCheckBox(QStringLiteral("Use FILE://"), page),
                       QStringLiteral("UseBrowserPrefix2"), prefixHint);
    m_sharedDir = hinted(new QLineEdit(page), QStringLiteral("SharedGraphicsDir"),
                         QStringLiteral("Location of shared Graphics Directory"));
    for (QLineEdit *field : {m_browser1, m_browser2, m_sharedDir})
        field->setMaxLength(150);
    m_search1 = browseButton(page, QStringLiteral("SearchBrowser1"));
    m_search2 = browseButton(page, QStringLiteral("SearchBrowser2"));
    connect(m_search1, &QToolButton::clicked, this, [this] { searchForBrowser(m_browser1); });
    connect(m_search2, &QToolButton::clicked, this, [this] { searchForBrowser(m_browser2); });
    m_browseShared = browseButton(page, QStringLiteral("BrowseSharedGraphics"));
    connect(m_browseShared, &QToolButton::clicked, this,
            &GeneralSettingsDialog::chooseGraphicRepository);

    auto label = [page](const QString &text) { return new QLabel(text, page); };
    form->addWidget(label(QStringLiteral("Valid HTML Extensions:")));
    form->addWidget(m_extensions);
    form->addWidget(label(QStringLiteral("Valid Graphic Extensions:")));
    form->addWidget(m_graphicExtensions);
    form->addWidget(label(QStringLiteral("Browser #1:")));
    form->addWidget(withButton(page, m_browser1, m_search1));
    form->addWidget(m_prefix1);
    form->addWidget(label(QStringLiteral("Browser #2:")));
    form->addWidget(withButton(page, m_browser2, m_search2));
    form->addWidget(m_prefix2);
    form->addWidget(label(QStringLiteral("Graphic Repository:")));
    form->addWidget(withButton(page, m_sharedDir, m_browseShared));
    form->addStretch();
    m_pages->addTab(page, QStringLiteral("Defaults"));
}

void GeneralSettingsDialog::buildSpellingPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("SpellCheckerPage"));
    auto *form = new QFormLayout(page);
    m_language = hinted(new QComboBox(page), QStringLiteral("LanguageChoice"),
                        QStringLiteral("Which language to use"));
    m_language->addItems(spellingLanguages());
    m_suggestCount = hinted(new QSpinBox(page), QStringLiteral("SuggestCount"),
                            QStringLiteral("Number of suggested words to display in speller box"));
    m_suggestCount->setRange(5, 100);
    m_skipHtml =
        hinted(new QCheckBox(QStringLiteral("Skip HTML Tags"), page), QStringLiteral("SkipHTML"),
               QStringLiteral("Check on to skip text between < and > characters"));
    m_confirmAdd =
        hinted(new QCheckBox(QStringLiteral("Confirm on add"), page), QStringLiteral("ConfirmAdd"),
               QStringLiteral("Check to be prompted when adding to personal dictionary"));
    m_dialogStyle = hinted(new QComboBox(page), QStringLiteral("DialogStyle"),
                           QStringLiteral("Choose a familiar dialog style"));
    m_dialogStyle->addItems(
        {QStringLiteral("MS Word"), QStringLiteral("Wordperfect"), QStringLiteral("WordPro 96")});
    auto *styleLabel = new QLabel(QStringLiteral("Dialog Style:"), page);
    form->addRow(QStringLiteral("Language:"), m_language);
    form->addRow(QStringLiteral("Number of Suggestions:"), m_suggestCount);
    form->addRow(m_skipHtml);
    form->addRow(m_confirmAdd);
    form->addRow(styleLabel, m_dialogStyle);
    // The spell checker keeps one look; its style cannot be chosen here.
    styleLabel->hide();
    m_dialogStyle->hide();
    m_pages->addTab(page, QStringLiteral("Spell Checker"));
}

void GeneralSettingsDialog::buildFtpPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("FTPPage"));
    auto *form = new QVBoxLayout(page);
    m_binaryExt = hinted(new QLineEdit(page), QStringLiteral("FTPBinaryExt"),
                         QStringLiteral("FTP will transfer these extensions in BINARY mode"));
    m_asciiExt = hinted(new QLineEdit(page), QStringLiteral("FTPASCIIExt"),
                        QStringLiteral("FTP will transfer these extensions in ASCII mode"));
    m_binaryExt->setMaxLength(200);
    m_asciiExt->setMaxLength(200);
    m_timeOut = hinted(
        new QSpinBox(page), QStringLiteral("FTPTimeOut"),
        QStringLiteral(
            "Number of seconds that the FTP component should time out in.  0=never timeout"));
    m_timeOut->setRange(0, 1000);
    form->addWidget(new QLabel(QStringLiteral("Smart BINARY extensions:"), page));
    form->addWidget(m_binaryExt);
    form->addWidget(new QLabel(QStringLiteral("Smart ASCII extensions:"), page));
    form->addWidget(m_asciiExt);
    form->addWidget(new QLabel(QStringLiteral("Number of seconds before timeout:"), page));
    form->addWidget(m_timeOut);
    form->addStretch();
    m_pages->addTab(page, QStringLiteral("FTP"));
}

void GeneralSettingsDialog::load() {
    const Settings &s = m_settings;
    m_filling = true;
    m_fontAdj->setValue(s.fontSizeChange);
    for (int i = 0; i < 4; ++i)
        m_customPages[i]->setChecked(s.showCustom[i]);
    m_autoUpdate->setChecked(s.autoUpdate);
    m_closingP->setChecked(s.useClosingP);
    m_useBr->setChecked(s.useBr);
    m_autoload->setChecked(s.autoLoad);
    m_timeStamp->setChecked(s.autoTimeStamp);
    m_extensions->setText(s.extension);
    m_graphicExtensions->setText(s.graphicExtension);
    m_browser1->setText(s.browser1);
    m_prefix1->setChecked(s.browser1Prefix);
    m_browser2->setText(s.browser2);
    m_prefix2->setChecked(s.browser2Prefix);
    m_sharedDir->setText(s.sharedImageDir);
    m_language->setCurrentIndex(qBound(0, s.language, int(spellingLanguages().size()) - 1));
    m_suggestCount->setValue(s.suggestCount);
    m_skipHtml->setChecked(s.skipHtml);
    m_confirmAdd->setChecked(s.autoAdd);
    m_dialogStyle->setCurrentIndex(qBound(0, s.dialogStyle, 2));
    m_binaryExt->setText(s.smartBinary);
    m_asciiExt->setText(s.smartAscii);
    m_timeOut->setValue(s.timeOut / 1000);
    m_filling = false;
}

void GeneralSettingsDialog::store() {
    Settings &s = m_settings;
    s.fontSizeChange = m_fontAdj->value();
    for (int i = 0; i < 4; ++i)
        s.showCustom[i] = m_customPages[i]->isChecked();
    s.autoUpdate = m_autoUpdate->isChecked();
    s.useClosingP = m_closingP->isChecked();
    s.useBr = m_useBr->isChecked();
    s.autoLoad = m_autoload->isChecked();
    s.autoTimeStamp = m_timeStamp->isChecked();
    s.extension = m_extensions->text().left(99);
    s.graphicExtension = m_graphicExtensions->text().left(99);
    s.browser1 = m_browser1->text().left(150);
    s.browser1Prefix = m_prefix1->isChecked();
    s.browser2 = m_browser2->text().left(150);
    s.browser2Prefix = m_prefix2->isChecked();
    s.sharedImageDir = m_sharedDir->text().left(150);
    s.language = m_language->currentIndex();
    s.suggestCount = m_suggestCount->value();
    s.skipHtml = m_skipHtml->isChecked();
    s.autoAdd = m_confirmAdd->isChecked();
    s.dialogStyle = m_dialogStyle->currentIndex();
    s.smartBinary = m_binaryExt->text().left(200);
    s.smartAscii = m_asciiExt->text().left(200);
    s.timeOut = m_timeOut->value() * 1000;
}

void GeneralSettingsDialog::chooseGraphicRepository() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_sharedDir->text();
    request.filter = buildOpenFilter(m_extensions->text(), m_graphicExtensions->text());
    request.filterIndex = kGraphicsFilterIndex;
    const QString chosen = m_ui.openFile(request);
    if (!chosen.isEmpty())
        m_sharedDir->setText(QFileInfo(chosen).absolutePath());
}

void GeneralSettingsDialog::searchForBrowser(QLineEdit *field) {
    ProgramSearchDialog search(m_ui, this);
    if (search.exec() != QDialog::Accepted)
        return;
    const QString program = search.chosenProgram();
    if (!program.isEmpty())
        field->setText(program);
}

bool GeneralSettingsDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_extensions && event->type() == QEvent::FocusIn && m_helper)
        m_helper(7);
    return QDialog::eventFilter(watched, event);
}
