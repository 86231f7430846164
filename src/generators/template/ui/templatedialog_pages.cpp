// The pages of the template wizard and their controls.
#include "generators/template/ui/templatedialog.h"

#include "documents/filelisting.h"
#include "generators/common/ui/colorbutton.h"
#include "generators/generatorhost.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace {

// An editable list that is filled anew each time it drops down.
class RefilledList : public QComboBox {
public:
    RefilledList(std::function<QStringList()> names, QWidget *parent)
        : QComboBox(parent), m_names(std::move(names)) {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        setMinimumContentsLength(20);
    }

    void showPopup() override {
        const QString text = currentText();
        const bool blocked = blockSignals(true);
        clear();
        addItems(m_names());
        setEditText(text);
        blockSignals(blocked);
        QComboBox::showPopup();
    }

private:
    std::function<QStringList()> m_names;
};

QWidget *namedPage(const char *name) {
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));
    return page;
}

QComboBox *choice(const QString &name, const QStringList &items, QWidget *parent) {
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QToolButton *browseButton(const QString &name, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QStringLiteral("..."));
    button->setToolTip(QStringLiteral("Choose a picture"));
    return button;
}

QWidget *withButton(QWidget *field, QWidget *button, QWidget *parent) {
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    row->addWidget(button);
    return box;
}

} // namespace

QComboBox *TemplateDialog::fileList(const QString &name, bool documents, QWidget *parent) {
    auto *list = new RefilledList(
        [this, documents] {
            QStringList names;
            const Settings &s = m_host.settings();
            if (documents)
                listDocumentFiles(m_host.documentFolder(), s.extension, names);
            else
                listGraphicFiles(m_host.documentFolder(), s.graphicExtension, names);
            return names;
        },
        parent);
    list->setObjectName(name);
    return list;
}

QWidget *TemplateDialog::buildStartingPage() {
    QWidget *page = namedPage("StartingPage");
    auto *memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setPlainText(QStringLiteral(
        "This wizard fills in the template definitions of the page in the editor: the lines "
        "marked <!--##Heading-->, <!--##Text-->, <!--##Image-->, <!--##Link-->, "
        "<!--##MailLink-->, <!--##Body--> and <!--##Defaults-->.\n\n"
        "Press Start to go to the first one. Each shows the fields of the line below it; change "
        "them and press Refresh to write them into the page. Next and Previous move between the "
        "definitions."));
    auto *start = new QPushButton(QStringLiteral("&Start"), page);
    start->setObjectName(QStringLiteral("StartBtn"));
    connect(start, &QPushButton::clicked, this, &TemplateDialog::startClicked);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(memo, 1);
    layout->addWidget(start, 0, Qt::AlignRight);
    return page;
}

QWidget *TemplateDialog::buildInvalidTagPage() {
    QWidget *page = namedPage("InvalidTag");
    m_lineNumber = new QLabel(page);
    m_lineNumber->setObjectName(QStringLiteral("LineNumber"));
    QFont bold = m_lineNumber->font();
    bold.setBold(true);
    m_lineNumber->setFont(bold);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        new QLabel(QStringLiteral("There appears to be an invalid tag on line:"), page));
    layout->addWidget(m_lineNumber);
    layout->addStretch();
    return page;
}

QWidget *TemplateDialog::buildDefaultsPage() {
    QWidget *page = namedPage("Defaults");
    auto field = [page](const char *name) {
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    m_pageTitle = field("PageTitle");
    m_keywords = field("Keywords");
    m_description = field("Description");
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Page title:"), m_pageTitle);
    form->addRow(QStringLiteral("META Keywords:"), m_keywords);
    form->addRow(QStringLiteral("META Description:"), m_description);
    return page;
}

QWidget *TemplateDialog::buildHeaderPage() {
    QWidget *page = namedPage("Header");
    m_headerText = new QLineEdit(page);
    m_headerText->setObjectName(QStringLiteral("HeaderText"));
    m_headerSize = new QSpinBox(page);
    m_headerSize->setObjectName(QStringLiteral("HeaderSize"));
    m_headerSize->setRange(1, 6);
    m_headerSize->setMaximumWidth(80);
    m_headerAlignment = choice(QStringLiteral("HeaderAlignment"), blockAlignments(), page);
    m_headerColorButton = new ColorButton(page);
    m_headerColorButton->setObjectName(QStringLiteral("HeaderColor"));
    m_headerColorButton->setText(QStringLiteral("Color..."));
    m_headerColorButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_headerColorButton, &QToolButton::clicked, this, &TemplateDialog::chooseHeaderColor);
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Heading Text:"), m_headerText);
    form->addRow(QStringLiteral("Heading Size:"), m_headerSize);
    form->addRow(QStringLiteral("Alignment:"), m_headerAlignment);
    form->addRow(QString(), m_headerColorButton);
    return page;
}

QWidget *TemplateDialog::buildTextPage() {
    QWidget *page = namedPage("Text");
    m_webText = new QPlainTextEdit(page);
    m_webText->setObjectName(QStringLiteral("WebText"));
    auto box = [page](const QString &text, const char *name) {
        auto *check = new QCheckBox(text, page);
        check->setObjectName(QLatin1String(name));
        return check;
    };
    m_bold = box(QStringLiteral("Bold"), "BoldCB");
    m_underline = box(QStringLiteral("Underline"), "UnderlineCB");
    m_italics = box(QStringLiteral("Italics"), "ItalicsCB");
    m_textAlignment = choice(QStringLiteral("TextAlignment"), blockAlignments(), page);
    auto *styles = new QHBoxLayout;
    styles->addWidget(m_bold);
    styles->addWidget(m_underline);
    styles->addWidget(m_italics);
    styles->addStretch();
    styles->addWidget(new QLabel(QStringLiteral("Alignment:"), page));
    styles->addWidget(m_textAlignment);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Document Text:"), page));
    layout->addWidget(m_webText, 1);
    layout->addLayout(styles);
    return page;
}

QWidget *TemplateDialog::buildImagePage() {
    QWidget *page = namedPage("Image");
    m_imageFilename = fileList(QStringLiteral("ImageFilename"), false, page);
    QToolButton *browse = browseButton(QStringLiteral("SpeedButton2"), page);
    connect(browse, &QToolButton::clicked, this, [this] { this->browse(m_imageFilename); });
    connect(m_imageFilename, &QComboBox::currentTextChanged, this,
            &TemplateDialog::imageFileChosen);
    auto size = [page](const char *name) {
        auto *box = new QSpinBox(page);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, 99999);
        box->setMaximumWidth(100);
        return box;
    };
    m_imageWidth = size("ImageWidth");
    m_imageHeight = size("ImageHeight");
    m_imageAlignment = choice(QStringLiteral("ImageAlignment"), imageAlignments(), page);
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("Image filename:"), withButton(m_imageFilename, browse, page));
    form->addRow(QStringLiteral("Width:"), m_imageWidth);
    form->addRow(QStringLiteral("Height:"), m_imageHeight);
    form->addRow(QStringLiteral("Image Alignment:"), m_imageAlignment);
    return page;
}

QWidget *TemplateDialog::buildBodyPage() {
    QWidget *page = namedPage("Body");
    auto *grid = new QGridLayout;
    const char *fields[5] = {"TextColorText", "LinkColorText", "vLinkColorText", "ALinkColorText",
                             "bgColorText"};
    const char *buttons[5] = {"TextButton", "LinkButton", "vLinkButton", "ALinkButton", "bgButton"};
    const char *captions[5] = {"Text Color", "Link Color", "VLink Color", "ALink Color",
                               "Background"};
    for (int i = 0; i < 5; ++i) {
        m_bodyColorLabels[i] = new QLabel(QLatin1String(captions[i]), page);
        m_bodyColors[i] = new QLineEdit(page);
        m_bodyColors[i]->setObjectName(QLatin1String(fields[i]));
        m_bodyColors[i]->setMaxLength(6);
        m_bodyColors[i]->setMaximumWidth(
            m_bodyColors[i]->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 16);
        auto *button = new ColorButton(m_bodyColors[i], page);
        button->setObjectName(QLatin1String(buttons[i]));
        connect(button, &QToolButton::clicked, this, [this, i] { chooseBodyColor(i); });
        connect(m_bodyColors[i], &QLineEdit::textChanged, this, [this, i] { showBodyColor(i); });
        grid->addWidget(m_bodyColorLabels[i], i, 0);
        grid->addWidget(m_bodyColors[i], i, 1);
        grid->addWidget(button, i, 2);
    }
    grid->setColumnStretch(3, 1);
    m_backgroundImage = fileList(QStringLiteral("BackgroundImageFilename"), false, page);
    QToolButton *browse = browseButton(QStringLiteral("SpeedButton3"), page);
    connect(browse, &QToolButton::clicked, this, [this] { this->browse(m_backgroundImage); });
    m_bgProperties = new QCheckBox(QStringLiteral("Fixed Background"), page);
    m_bgProperties->setObjectName(QStringLiteral("bgProperties"));
    auto margin = [page](const char *name) {
        auto *box = new QSpinBox(page);
        box->setObjectName(QLatin1String(name));
        box->setRange(-1, 9999);
        box->setValue(-1);
        box->setMaximumWidth(100);
        return box;
    };
    m_leftMargin = margin("LeftMargin");
    m_rightMargin = margin("RightMargin");
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Background Image:"), withButton(m_backgroundImage, browse, page));
    form->addRow(QString(), m_bgProperties);
    form->addRow(QStringLiteral("Left Margin:"), m_leftMargin);
    form->addRow(QStringLiteral("Right Margin:"), m_rightMargin);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget *TemplateDialog::buildLinkPage() {
    QWidget *page = namedPage("Link");
    m_urlLink = fileList(QStringLiteral("URLLink"), true, page);
    m_urlCaption = new QLabel(QStringLiteral("URL to link to:"), page);
    m_urlCaption->setObjectName(QStringLiteral("URLCaption"));
    m_displayedText = new QLineEdit(page);
    m_displayedText->setObjectName(QStringLiteral("DisplayedText"));
    connect(m_displayedText, &QLineEdit::editingFinished, this, &TemplateDialog::displayedTextLeft);
    m_linkStyle = choice(QStringLiteral("LinkStyle"),
                         {QStringLiteral("Text Link"), QStringLiteral("Image link")}, page);
    connect(m_linkStyle, &QComboBox::currentIndexChanged, this, &TemplateDialog::linkStyleChosen);
    m_displayedGraphic = fileList(QStringLiteral("DisplayedGraphic"), false, page);
    QToolButton *browse = browseButton(QStringLiteral("SpeedButton1"), page);
    connect(browse, &QToolButton::clicked, this, [this] { this->browse(m_displayedGraphic); });
    m_graphicRow = withButton(m_displayedGraphic, browse, page);
    m_linkAlignment = choice(QStringLiteral("LinkAlignment"), blockAlignments(), page);
    m_mailTo = new QCheckBox(QStringLiteral("Use as mailto: link"), page);
    m_mailTo->setObjectName(QStringLiteral("MailTo"));
    connect(m_mailTo, &QCheckBox::toggled, this, &TemplateDialog::mailToToggled);

    auto *form = new QFormLayout(page);
    form->addRow(m_urlCaption, m_urlLink);
    form->addRow(QString(), m_mailTo);
    form->addRow(QStringLiteral("Text to display:"), m_displayedText);
    form->addRow(QStringLiteral("Link Style:"), m_linkStyle);
    form->addRow(QStringLiteral("Graphic to use:"), m_graphicRow);
    form->addRow(QStringLiteral("Alignment:"), m_linkAlignment);
    linkStyleChosen(0);
    return page;
}
