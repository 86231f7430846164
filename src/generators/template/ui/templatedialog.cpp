#include "generators/template/ui/templatedialog.h"

#include "app/userinteraction.h"
#include "generators/common/ui/colorbutton.h"
#include "generators/generatorhost.h"
#include "generators/template/imagesize.h"
#include "settings/colors.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString NoMore = QStringLiteral("No more template definitions");

void setCombo(QComboBox *box, const QString &item) {
    box->setCurrentIndex(qMax(0, box->findText(item, Qt::MatchFixedString)));
}

} // namespace

TemplateDialog::TemplateDialog(GeneratorHost &host, const TemplateHooks &hooks, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_host(host), m_hooks(hooks),
      m_text(host.documentEditor()), m_wizard(m_text) {
    setObjectName(QStringLiteral("TTemplateVedaGuy"));
    setWindowTitle(QStringLiteral("Template Veda Guy"));
    setModal(false);

    m_book = new QStackedWidget(this);
    m_book->setObjectName(QStringLiteral("Notebook1"));
    for (QWidget *page :
         {buildStartingPage(), buildInvalidTagPage(), buildDefaultsPage(), buildHeaderPage(),
          buildTextPage(), buildImagePage(), buildBodyPage(), buildLinkPage()})
        m_book->addWidget(page);

    auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->hide();
        return b;
    };
    m_prevTemp = button(QStringLiteral("&Previous"), "PrevTemp");
    m_nextTemp = button(QStringLiteral("&Next"), "NextTemp");
    m_refresh = button(QStringLiteral("&Refresh"), "RefreshBtn");
    m_close = button(QStringLiteral("Close"), "CloseBtn");
    connect(m_prevTemp, &QPushButton::clicked, this, &TemplateDialog::previousClicked);
    connect(m_nextTemp, &QPushButton::clicked, this, &TemplateDialog::nextClicked);
    connect(m_refresh, &QPushButton::clicked, this, &TemplateDialog::refreshClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_prevTemp);
    buttons->addWidget(m_nextTemp);
    buttons->addWidget(m_refresh);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_book, 1);
    layout->addLayout(buttons);
    resize(440, 340);
    showPage(QStringLiteral("StartingPage"));
}

// The editor pane is put back on closing only: when the dialog goes with
// its parent window, that window is already being taken apart.
TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    showPage(QStringLiteral("StartingPage"));
    if (m_hooks.collapseEditor)
        m_hooks.collapseEditor();
    m_restored = false;
    if (const QScreen *s = screen())
        move(s->availableGeometry().topLeft());
}

void TemplateDialog::closeEvent(QCloseEvent *event) {
    if (!m_restored && m_hooks.restoreEditor)
        m_hooks.restoreEditor();
    m_restored = true;
    QDialog::closeEvent(event);
}

// --- Moving through the placeholders ----------------------------------------------

void TemplateDialog::startClicked() {
    if (!m_wizard.start()) {
        m_host.ui().message(QStringLiteral("No document appears to be loaded."), Msg::Information,
                            Msg::Ok);
        close();
        return;
    }
    showPlaceholder();
    m_prevTemp->show();
    m_nextTemp->show();
    m_refresh->show();
}

void TemplateDialog::nextClicked() {
    if (!m_wizard.next()) {
        m_host.ui().message(NoMore, Msg::Information, Msg::Ok);
        m_close->show();
        return;
    }
    showPlaceholder();
}

void TemplateDialog::previousClicked() {
    if (!m_wizard.previous()) {
        m_host.ui().message(NoMore, Msg::Information, Msg::Ok);
        return;
    }
    showPlaceholder();
    m_close->hide();
}

void TemplateDialog::refreshClicked() {
    collectFields();
    m_wizard.writeContent();
    if (m_hooks.refreshPreview)
        m_hooks.refreshPreview();
    activateWindow();
}

void TemplateDialog::showPage(const QString &name) {
    if (QWidget *page = m_book->findChild<QWidget *>(name))
        m_book->setCurrentWidget(page);
}

void TemplateDialog::showPlaceholder() {
    static const QHash<PlaceholderKind, QString> pages{
        {PlaceholderKind::Heading, QStringLiteral("Header")},
        {PlaceholderKind::Defaults, QStringLiteral("Defaults")},
        {PlaceholderKind::Text, QStringLiteral("Text")},
        {PlaceholderKind::Image, QStringLiteral("Image")},
        {PlaceholderKind::Link, QStringLiteral("Link")},
        {PlaceholderKind::MailLink, QStringLiteral("Link")},
        {PlaceholderKind::Body, QStringLiteral("Body")}};
    const PlaceholderKind kind = m_wizard.kind();
    if (!pages.contains(kind)) {
        m_lineNumber->setText(QStringLiteral("#%1").arg(m_wizard.placeholderLine()));
        showPage(QStringLiteral("InvalidTag"));
        return;
    }
    m_importing = true;
    m_wizard.readContent();
    fillFields();
    m_importing = false;
    showPage(pages.value(kind));
}

// --- Fields and controls -----------------------------------------------------------

void TemplateDialog::fillFields() {
    switch (m_wizard.kind()) {
    case PlaceholderKind::Heading: {
        const HeadingFields &h = m_wizard.heading;
        m_headerText->setText(h.text);
        m_headerSize->setValue(h.size);
        setCombo(m_headerAlignment, h.alignment);
        m_headerColor = h.color;
        m_headerColorButton->showColor(m_headerColor);
        break;
    }
    case PlaceholderKind::Defaults:
        m_pageTitle->setText(m_wizard.defaults.title);
        m_keywords->setText(m_wizard.defaults.keywords);
        m_description->setText(m_wizard.defaults.description);
        break;
    case PlaceholderKind::Text: {
        const TextFields &t = m_wizard.text;
        m_webText->setPlainText(t.text);
        m_bold->setChecked(t.bold);
        m_underline->setChecked(t.underline);
        m_italics->setChecked(t.italics);
        setCombo(m_textAlignment, t.alignment);
        break;
    }
    case PlaceholderKind::Image: {
        const ImageFields &i = m_wizard.image;
        m_imageFilename->setEditText(i.file);
        m_imageWidth->setValue(i.width);
        m_imageHeight->setValue(i.height);
        setCombo(m_imageAlignment, i.alignment);
        break;
    }
    case PlaceholderKind::Link:
    case PlaceholderKind::MailLink: {
        const LinkFields &l = m_wizard.link;
        m_mailTo->setChecked(l.mailTo);
        m_urlLink->setEditText(l.url);
        m_displayedText->setText(l.displayedText);
        m_linkStyle->setCurrentIndex(l.imageLink ? 1 : 0);
        m_displayedGraphic->setEditText(l.graphic);
        setCombo(m_linkAlignment, l.alignment);
        break;
    }
    case PlaceholderKind::Body: {
        const BodyFields &b = m_wizard.body;
        const QString colors[5] = {b.text, b.link, b.vlink, b.alink, b.bgcolor};
        for (int i = 0; i < 5; ++i)
            m_bodyColors[i]->setText(colors[i]);
        m_backgroundImage->setEditText(b.background);
        m_bgProperties->setChecked(b.fixedBackground);
        m_leftMargin->setValue(b.leftMargin);
        m_rightMargin->setValue(b.rightMargin);
        break;
    }
    case PlaceholderKind::None:
    case PlaceholderKind::Invalid:
        break;
    }
}

void TemplateDialog::collectFields() {
    switch (m_wizard.kind()) {
    case PlaceholderKind::Heading: {
        HeadingFields &h = m_wizard.heading;
        h.text = m_headerText->text();
        h.size = m_headerSize->value();
        h.alignment = m_headerAlignment->currentText();
        h.color = m_headerColor;
        break;
    }
    case PlaceholderKind::Defaults:
        m_wizard.defaults.title = m_pageTitle->text();
        m_wizard.defaults.keywords = m_keywords->text();
        m_wizard.defaults.description = m_description->text();
        break;
    case PlaceholderKind::Text: {
        TextFields &t = m_wizard.text;
        t.text = m_webText->toPlainText();
        t.bold = m_bold->isChecked();
        t.underline = m_underline->isChecked();
        t.italics = m_italics->isChecked();
        t.alignment = m_textAlignment->currentText();
        break;
    }
    case PlaceholderKind::Image: {
        ImageFields &i = m_wizard.image;
        i.file = m_imageFilename->currentText();
        i.width = m_imageWidth->value();
        i.height = m_imageHeight->value();
        i.alignment = m_imageAlignment->currentText();
        break;
    }
    case PlaceholderKind::Link:
    case PlaceholderKind::MailLink:
        collectLink();
        break;
    case PlaceholderKind::Body: {
        BodyFields &b = m_wizard.body;
        QString *colors[5] = {&b.text, &b.link, &b.vlink, &b.alink, &b.bgcolor};
        for (int i = 0; i < 5; ++i)
            *colors[i] = m_bodyColors[i]->text();
        b.background = m_backgroundImage->currentText();
        b.fixedBackground = m_bgProperties->isChecked();
        b.leftMargin = m_leftMargin->value();
        b.rightMargin = m_rightMargin->value();
        break;
    }
    case PlaceholderKind::None:
    case PlaceholderKind::Invalid:
        break;
    }
}

void TemplateDialog::collectLink() {
    LinkFields &l = m_wizard.link;
    l.url = m_urlLink->currentText();
    l.displayedText = m_displayedText->text();
    l.imageLink = m_linkStyle->currentIndex() == 1;
    l.graphic = m_displayedGraphic->currentText();
    l.alignment = m_linkAlignment->currentText();
    l.mailTo = m_mailTo->isChecked();
}

void TemplateDialog::displayedTextLeft() {
    if (m_importing || m_book->currentWidget()->objectName() != QLatin1String("Link"))
        return;
    collectLink();
    m_wizard.writeLink();
}

void TemplateDialog::imageFileChosen(const QString &name) {
    if (m_importing)
        return;
    const QSize size = imagePixelSize(pathOf(name));
    m_imageWidth->setValue(size.width());
    m_imageHeight->setValue(size.height());
}

void TemplateDialog::mailToToggled(bool on) {
    m_urlCaption->setText(on ? QStringLiteral("Mailto:") : QStringLiteral("URL to Link to:"));
}

void TemplateDialog::linkStyleChosen(int index) {
    if (auto *form = qobject_cast<QFormLayout *>(m_graphicRow->parentWidget()->layout()))
        form->setRowVisible(m_graphicRow, index == 1);
}

void TemplateDialog::chooseHeaderColor() {
    QColor color(Qt::black);
    if (!m_headerColor.isEmpty())
        hexToColor(m_headerColor, color);
    if (!m_host.ui().chooseColor(color))
        return;
    m_headerColor = colorToHex(color);
    m_headerColorButton->showColor(m_headerColor);
}

void TemplateDialog::chooseBodyColor(int index) {
    QColor color = m_bodyColorLabels[index]->palette().color(QPalette::WindowText);
    if (!m_host.ui().chooseColor(color))
        return;
    m_bodyColors[index]->setText(colorToHex(color));
}

// The label beside a colour field is drawn in the field's colour.
void TemplateDialog::showBodyColor(int index) {
    QColor color;
    QPalette palette = m_bodyColorLabels[index]->palette();
    const QString text = m_bodyColors[index]->text();
    if (text.size() == 6 && hexToColor(text, color))
        palette.setColor(QPalette::WindowText, color);
    else
        palette.setColor(QPalette::WindowText, this->palette().color(QPalette::WindowText));
    m_bodyColorLabels[index]->setPalette(palette);
}

// The picture chosen is copied beside the page, which refers to it by its
// bare name. A page not saved yet has no folder: it gets the full path.
void TemplateDialog::browse(QComboBox *field) {
    const Settings &s = m_host.settings();
    QStringList patterns;
    for (const QString &extension : s.graphicExtension.split(QLatin1Char(','))) {
        if (extension.trimmed().isEmpty())
            break;
        patterns << QStringLiteral("*.") + extension.trimmed();
    }
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_host.documentFolder();
    request.fileName = field->currentText();
    request.filter = QStringLiteral("Graphics|%1|All Files|*").arg(patterns.join(QLatin1Char(';')));
    const QString chosen = m_host.ui().openFile(request);
    if (chosen.isEmpty())
        return;
    if (m_host.documentFolder().isEmpty()) {
        field->setEditText(chosen);
        return;
    }
    if (m_host.copyBesidePage(chosen))
        field->setEditText(QFileInfo(chosen).fileName());
}

QString TemplateDialog::pathOf(const QString &name) const {
    if (name.isEmpty() || QDir::isAbsolutePath(name) || m_host.documentFolder().isEmpty())
        return name;
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(m_host.documentFolder()).filePath(relative);
}
