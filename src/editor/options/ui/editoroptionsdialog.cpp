#include "editor/options/ui/editoroptionsdialog.h"
#include "app/helpertips.h"
#include "editor/options/ui/colorbox.h"
#include "editor/tledit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 24;

template <class W> W *named(W *widget, const QString &name, const QString &hint = QString()) {
    widget->setObjectName(name);
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
        widget->setStatusTip(hint);
    }
    return widget;
}

QLabel *labelFor(const QString &caption, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// Chooses a font by name; a name the list lacks (a font not installed here)
// is added, so that it is kept as it was unless the user picks another.
void setFontName(QComboBox *box, const QString &name) {
    int index = box->findText(name, Qt::MatchFixedString);
    if (index < 0) {
        box->insertItem(0, name);
        index = 0;
    }
    box->setCurrentIndex(index);
}

} // namespace

EditorOptionsDialog::EditorOptionsDialog(const EditorOptions &initial, QWidget *parent)
    : QDialog(parent), m_initial(initial) {
    setObjectName(QStringLiteral("TFontForm"));
    setWindowTitle(QStringLiteral("Default Editor Settings"));

    m_pages = named(new QTabWidget(this), QStringLiteral("PageControl1"));
    m_pages->addTab(buildGeneralPage(), QStringLiteral("General"));
    m_pages->addTab(buildColorsPage(), QStringLiteral("Editor Colors"));
    m_pages->addTab(buildViewerPage(), QStringLiteral("HTML Viewer"));

    // The sample: read-only, a part of it selected so that the highlight
    // colours show too.
    m_sample = named(new TLEdit(this), QStringLiteral("SampleEditor"));
    m_sample->setText(editorSampleText());
    m_sample->setReadOnly(true);
    m_sample->setFocusPolicy(Qt::NoFocus);
    m_sample->setMinimumHeight(m_sample->fontMetrics().height() * 9);
    // The horizontal scroll bar only when a line is wider than the view.
    m_sample->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
    m_sample->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
    m_sample->setSelection(1, 7, 1, 20); // "Your Web Page"

    auto *ok = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel =
        named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("CancelButton"));
    auto *applyButton =
        named(new QPushButton(QStringLiteral("Apply"), this), QStringLiteral("ApplyButton"));
    connect(ok, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &EditorOptionsDialog::reject);
    connect(applyButton, &QPushButton::clicked, this, &EditorOptionsDialog::apply);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(applyButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(m_sample, 1);
    layout->addLayout(buttons);

    setOptions(initial);
    m_pages->setCurrentIndex(0);
}

QComboBox *EditorOptionsDialog::fontList(const QString &name, const QString &hint,
                                         QWidget *parent) {
    auto *box = named(new QComboBox(parent), name, hint);
    box->addItems(QFontDatabase::families());
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(18);
    connect(box, &QComboBox::currentIndexChanged, this, [this] { updateSample(); });
    return box;
}

ColorBox *EditorOptionsDialog::colorBox(const QString &name, const QString &hint, QWidget *parent) {
    auto *box = named(new ColorBox(parent), name, hint);
    connect(box, &ColorBox::colorChanged, this, [this] { updateSample(); });
    return box;
}

QWidget *EditorOptionsDialog::buildGeneralPage() {
    auto *page = named(new QWidget(m_pages), QStringLiteral("GeneralPage"));
    m_fontName =
        fontList(QStringLiteral("FontListBox"), QStringLiteral("Selected editor font"), page);
    m_fontSize = named(new QSpinBox(page), QStringLiteral("FontSizeEdit"),
                       QStringLiteral("Font size to use"));
    m_fontSize->setRange(kMinFontSize, kMaxFontSize);
    connect(m_fontSize, &QSpinBox::valueChanged, this, [this] { updateSample(); });
    m_saveType = named(new QComboBox(page), QStringLiteral("SaveTypeAs"),
                       QStringLiteral("Type of file to save as"));
    m_saveType->addItems(fileTypeNames());
    m_tabSize = named(new QSpinBox(page), QStringLiteral("TabSize"));
    m_tabSize->setRange(1, 20);
    connect(m_tabSize, &QSpinBox::valueChanged, this, [this] { updateSample(); });

    m_autoIndent =
        named(new QCheckBox(QStringLiteral("&Auto Indent"), page), QStringLiteral("AutoIndent"));
    m_wordWrap =
        named(new QCheckBox(QStringLiteral("Use Wordwrap"), page), QStringLiteral("UseWordwrap"));
    m_expand = named(new QCheckBox(QStringLiteral("Expand to HTML"), page),
                     QStringLiteral("ExpandToHTML"));
    m_leds = named(new QCheckBox(QStringLiteral("Use Warning LEDs"), page),
                   QStringLiteral("UseWarningLEDs"));
    // Ticking (not unticking, not filling) shows the one-time explanation.
    auto explain = [this](QCheckBox *box, int topic) {
        connect(box, &QCheckBox::clicked, this, [this, topic](bool checked) {
            if (checked && !m_filling && m_helper)
                m_helper(topic);
        });
    };
    explain(m_wordWrap, HelperTopic::Wordwrap);
    explain(m_expand, HelperTopic::CharacterConversions);

    auto *grid = new QGridLayout(page);
    grid->addWidget(labelFor(QStringLiteral("Font &Name"), m_fontName, page), 0, 0);
    grid->addWidget(m_fontName, 0, 1);
    grid->addWidget(labelFor(QStringLiteral("Font &Size"), m_fontSize, page), 0, 2);
    grid->addWidget(m_fontSize, 0, 3);
    grid->addWidget(labelFor(QStringLiteral("File type:"), m_saveType, page), 1, 0);
    grid->addWidget(m_saveType, 1, 1);
    grid->addWidget(labelFor(QStringLiteral("Tab stop size:"), m_tabSize, page), 1, 2);
    grid->addWidget(m_tabSize, 1, 3);
    grid->addWidget(m_autoIndent, 2, 0, 1, 2);
    grid->addWidget(m_wordWrap, 2, 2, 1, 2);
    grid->addWidget(m_expand, 3, 0, 1, 2);
    grid->addWidget(m_leds, 3, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget *EditorOptionsDialog::buildColorsPage() {
    auto *page = named(new QWidget(m_pages), QStringLiteral("ColorsPage"));
    m_textColor = colorBox(QStringLiteral("TextColor"), QStringLiteral("Text color"), page);
    m_windowColor =
        colorBox(QStringLiteral("WindowColor"), QStringLiteral("Background color"), page);
    m_syntaxFore =
        colorBox(QStringLiteral("SyntaxFore"), QStringLiteral("Text color of tags"), page);
    m_syntaxBack =
        colorBox(QStringLiteral("SyntaxBack"), QStringLiteral("Background color of tags"), page);
    m_selectedFore = colorBox(QStringLiteral("SelectedFore"),
                              QStringLiteral("Text color of the selection"), page);
    m_selectedBack = colorBox(QStringLiteral("SelectedBack"),
                              QStringLiteral("Background color of the selection"), page);

    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Foreground"), page), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Background"), page), 0, 2);
    const struct {
        const char *caption;
        ColorBox *fore, *back;
    } rows[] = {{"Text Colors:", m_textColor, m_windowColor},
                {"Tag Colors:", m_syntaxFore, m_syntaxBack},
                {"Highlight Colors:", m_selectedFore, m_selectedBack}};
    int row = 1;
    for (const auto &r : rows) {
        grid->addWidget(labelFor(QString::fromLatin1(r.caption), r.fore, page), row, 0);
        grid->addWidget(r.fore, row, 1);
        grid->addWidget(r.back, row, 2);
        ++row;
    }

    // The presets set the editor's and the viewer's colours together.
    auto *schemes = new QHBoxLayout;
    auto *standard = named(new QPushButton(QStringLiteral("&Default Colors"), page),
                           QStringLiteral("DefaultScheme"),
                           QStringLiteral("Black text, blue tags on white; the HTML viewer "
                                          "black on white"));
    auto *dark =
        named(new QPushButton(QStringLiteral("Dar&k Colors"), page), QStringLiteral("DarkScheme"),
              QStringLiteral("Light text, aqua tags on black; the HTML viewer "
                             "light on black"));
    connect(standard, &QPushButton::clicked, this, [this] { applyScheme(ColorScheme::Default); });
    connect(dark, &QPushButton::clicked, this, [this] { applyScheme(ColorScheme::Dark); });
    schemes->addWidget(standard);
    schemes->addWidget(dark);
    schemes->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Color scheme:"), page), row, 0);
    grid->addLayout(schemes, row, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row + 1, 1);
    return page;
}

QWidget *EditorOptionsDialog::buildViewerPage() {
    auto *page = named(new QWidget(m_pages), QStringLiteral("ViewerPage"));
    m_htmlFontName = fontList(QStringLiteral("HTMLFontStyle"),
                              QStringLiteral("Default font of the HTML viewer"), page);
    m_htmlFontSize = named(new QSpinBox(page), QStringLiteral("HTMLFontSize"),
                           QStringLiteral("Default font size of the HTML viewer"));
    m_htmlFontSize->setRange(kMinFontSize, kMaxFontSize);
    m_htmlWinColor = colorBox(QStringLiteral("HTMLWinColor"),
                              QStringLiteral("Default background of the HTML viewer"), page);
    m_htmlFontColor = colorBox(QStringLiteral("HTMLFontColor"),
                               QStringLiteral("Default text color of the HTML viewer"), page);

    auto *grid = new QGridLayout(page);
    grid->addWidget(labelFor(QStringLiteral("Font &Name"), m_htmlFontName, page), 0, 0);
    grid->addWidget(m_htmlFontName, 0, 1);
    grid->addWidget(labelFor(QStringLiteral("Font &Size"), m_htmlFontSize, page), 0, 2);
    grid->addWidget(m_htmlFontSize, 0, 3);
    grid->addWidget(labelFor(QStringLiteral("Window Color:"), m_htmlWinColor, page), 1, 0);
    grid->addWidget(m_htmlWinColor, 1, 1);
    grid->addWidget(labelFor(QStringLiteral("Font Color"), m_htmlFontColor, page), 2, 0);
    grid->addWidget(m_htmlFontColor, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return page;
}

EditorOptions EditorOptionsDialog::options() const {
    EditorOptions o;
    o.fontName = m_fontName->currentText();
    o.fontSize = m_fontSize->value();
    o.fileType = m_saveType->currentIndex();
    o.tabSize = m_tabSize->value();
    o.autoIndent = m_autoIndent->isChecked();
    o.wordWrap = m_wordWrap->isChecked();
    o.expandToHtml = m_expand->isChecked();
    o.useWarningLeds = m_leds->isChecked();
    o.textColor = m_textColor->color();
    o.windowColor = m_windowColor->color();
    o.tagFore = m_syntaxFore->color();
    o.tagBack = m_syntaxBack->color();
    o.selectedFore = m_selectedFore->color();
    o.selectedBack = m_selectedBack->color();
    o.htmlFontName = m_htmlFontName->currentText();
    o.htmlFontSize = m_htmlFontSize->value();
    o.htmlFontColor = m_htmlFontColor->color();
    o.htmlWindowColor = m_htmlWinColor->color();
    return o;
}

void EditorOptionsDialog::setOptions(const EditorOptions &o) {
    m_filling = true;
    setFontName(m_fontName, o.fontName);
    m_fontSize->setValue(o.fontSize);
    m_saveType->setCurrentIndex(qBound(0, o.fileType, int(fileTypeNames().size()) - 1));
    m_tabSize->setValue(o.tabSize);
    m_autoIndent->setChecked(o.autoIndent);
    m_wordWrap->setChecked(o.wordWrap);
    m_expand->setChecked(o.expandToHtml);
    m_leds->setChecked(o.useWarningLeds);
    m_textColor->setColor(o.textColor);
    m_windowColor->setColor(o.windowColor);
    m_syntaxFore->setColor(o.tagFore);
    m_syntaxBack->setColor(o.tagBack);
    m_selectedFore->setColor(o.selectedFore);
    m_selectedBack->setColor(o.selectedBack);
    setFontName(m_htmlFontName, o.htmlFontName);
    m_htmlFontSize->setValue(o.htmlFontSize);
    m_htmlWinColor->setColor(o.htmlWindowColor);
    m_htmlFontColor->setColor(o.htmlFontColor);
    m_filling = false;
    updateSample();
}

void EditorOptionsDialog::applyScheme(ColorScheme scheme) {
    EditorOptions o = options();
    applyColorScheme(o, scheme);
    m_textColor->setColor(o.textColor);
    m_windowColor->setColor(o.windowColor);
    m_syntaxFore->setColor(o.tagFore);
    m_syntaxBack->setColor(o.tagBack);
    m_selectedFore->setColor(o.selectedFore);
    m_selectedBack->setColor(o.selectedBack);
    m_htmlWinColor->setColor(o.htmlWindowColor);
    m_htmlFontColor->setColor(o.htmlFontColor);
    updateSample();
}

// The sample shows the font, the tab size and every editor colour being
// chosen, tags in the tag colours being chosen.
void EditorOptionsDialog::updateSample() {
    if (m_filling || !m_sample)
        return;
    const EditorOptions o = options();
    m_sample->setEditorFont(QFont(o.fontName, o.fontSize));
    m_sample->setEditorTextColor(o.textColor);
    m_sample->setEditorColor(o.windowColor);
    m_sample->setTagColors(o.tagFore, o.tagBack);
    m_sample->setForeColorSelected(o.selectedFore);
    m_sample->setBackColorSelected(o.selectedBack);
    m_sample->setTabStopSize(o.tabSize);
}

// The selection scrolled the sample while it had no size yet: it starts at
// its first line and column.
void EditorOptionsDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_sample->setFirstVisibleLine(1);
    m_sample->setFirstVisiblePos(0);
}

void EditorOptionsDialog::apply() {
    if (m_apply)
        m_apply(options());
}

void EditorOptionsDialog::reject() {
    setOptions(m_initial);
    QDialog::reject();
}
