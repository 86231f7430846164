// The five pages of the Initial Values wizard and the signals that rebuild
// its preview.

#include "preview/htmlviewer.h"
#include "settings/colors.h"
#include "tags/head/ui/initialvaluesform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget *pageWidget(QWidget *parent, const QString &name) {
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    return w;
}

QLineEdit *lineEdit(QWidget *parent, const char *name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const char *caption) {
    auto *box = new QCheckBox(QLatin1String(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QSpinBox *spinBox(QWidget *parent, const char *name, int low, int high, int step = 1) {
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(low, high);
    spin->setSingleStep(step);
    return spin;
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text,
                        const QString &hint) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

// A field with its button on one row.
QHBoxLayout *withButton(QWidget *field, QToolButton *button) {
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}

QIcon swatchOf(const QString &hex) {
    QColor color(0, 0, 0);
    QPixmap pixmap(14, 14);
    pixmap.fill(hex.isEmpty() || !hexToColor(hex, color) ? QColor(Qt::transparent) : color);
    return QIcon(pixmap);
}

} // namespace

QWidget *InitialValuesForm::buildInternalsPage() {
    QWidget *w = pageWidget(m_pages, QStringLiteral("PageInternals"));
    m_title = lineEdit(w, "PageTitle");
    m_comments = lineEdit(w, "PageComments");
    m_keywords = lineEdit(w, "MetaKeywords");
    m_description = lineEdit(w, "MetaDescription");
    m_docType = new QComboBox(w);
    m_docType->setObjectName(QStringLiteral("DocType"));
    m_docType->addItems(docTypes());
    m_docType->setMinimumContentsLength(24);
    for (QLineEdit *field : {m_title, m_comments, m_keywords, m_description})
        watch(field);
    connect(m_docType, &QComboBox::currentIndexChanged, this, &InitialValuesForm::rebuild);

    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Page title:"), m_title);
    form->addRow(QStringLiteral("Initial Comments:"), m_comments);
    form->addRow(QStringLiteral("META Keywords:"), m_keywords);
    form->addRow(QStringLiteral("META Description:"), m_description);
    form->addRow(QStringLiteral("Document Type:"), m_docType);
    return w;
}

QWidget *InitialValuesForm::buildImagesPage(const QStringList &themes) {
    QWidget *w = pageWidget(m_pages, QStringLiteral("ImagesThemes"));
    m_background = lineEdit(w, "BackgroundGraphic");
    watch(m_background);
    QToolButton *browse = toolButton(w, "BackgroundBrowse", QStringLiteral("..."),
                                     QStringLiteral("Choose the background picture"));
    connect(browse, &QToolButton::clicked, this, [this] { choosePicture(m_background); });

    m_theme = new QComboBox(w);
    m_theme->setObjectName(QStringLiteral("ThemeCombo"));
    m_theme->addItems(themes);
    connect(m_theme, &QComboBox::currentIndexChanged, this, &InitialValuesForm::rebuild);

    const char *const names[] = {"LeftArrow", "RightArrow", "UpArrow", "DownArrow", "QuestionMark"};
    const char *const captions[] = {"Left Arrow", "Right Arrow", "Up Arrow", "Down Arrow",
                                    "Question Mark"};
    auto *boxes = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        m_arrows[size_t(i)] = checkBox(w, names[i], captions[i]);
        connect(m_arrows[size_t(i)], &QCheckBox::toggled, this, &InitialValuesForm::rebuild);
        boxes->addWidget(m_arrows[size_t(i)], i % 3, i / 3);
    }
    m_fixed = checkBox(w, "FixedBackground", "Fixed Background");
    connect(m_fixed, &QCheckBox::toggled, this, &InitialValuesForm::rebuild);
    boxes->addWidget(m_fixed, 2, 1);

    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Background graphic:"), withButton(m_background, browse));
    form->addRow(QStringLiteral("Graphic Themes"), m_theme);
    form->addRow(boxes);
    return w;
}

QWidget *InitialValuesForm::buildTextPage() {
    QWidget *w = pageWidget(m_pages, QStringLiteral("TextPage"));
    m_email = lineEdit(w, "EmailAddress");
    m_emailCaption = lineEdit(w, "EmailCaption");
    m_heading = lineEdit(w, "PageHeading");
    m_logo = lineEdit(w, "Logo");
    for (QLineEdit *field : {m_email, m_emailCaption, m_heading, m_logo})
        watch(field);
    m_headingColorButton =
        toolButton(w, "HeadingColorBtn", QString(), QStringLiteral("Click to select a color"));
    connect(m_headingColorButton, &QToolButton::clicked, this,
            &InitialValuesForm::chooseHeadingColor);
    m_headingSize = spinBox(w, "HeadingSize", 1, 6);
    connect(m_headingSize, &QSpinBox::valueChanged, this, &InitialValuesForm::rebuild);
    QToolButton *browse = toolButton(w, "LogoBrowse", QStringLiteral("..."),
                                     QStringLiteral("Choose the logo picture"));
    connect(browse, &QToolButton::clicked, this, [this] { choosePicture(m_logo); });
    m_center = checkBox(w, "CenterItems", "Center these items?");
    connect(m_center, &QCheckBox::toggled, this, &InitialValuesForm::rebuild);

    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Page Owner's Email Address:"), m_email);
    form->addRow(QStringLiteral("Email Caption:"), m_emailCaption);
    form->addRow(QStringLiteral("Page Heading:"), withButton(m_heading, m_headingColorButton));
    form->addRow(QStringLiteral("Size:"), m_headingSize);
    form->addRow(QStringLiteral("Logo:"), withButton(m_logo, browse));
    form->addRow(m_center);
    return w;
}

QWidget *InitialValuesForm::buildGeneralPage() {
    QWidget *w = pageWidget(m_pages, QStringLiteral("GeneralPage"));
    m_greeting = lineEdit(w, "Greeting");
    watch(m_greeting);
    m_otherInfo = new QPlainTextEdit(w);
    m_otherInfo->setObjectName(QStringLiteral("OtherInfo"));
    m_otherInfo->setTabChangesFocus(true);
    m_otherInfo->installEventFilter(this);
    m_fontSize = spinBox(w, "DefaultFontSize", 1, 7);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &InitialValuesForm::rebuild);

    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Name/Company Name/Greeting:"), m_greeting);
    form->addRow(QStringLiteral("Other Information:"), m_otherInfo);
    form->addRow(QStringLiteral("Default Font Size:"), m_fontSize);
    return w;
}

QWidget *InitialValuesForm::buildColorsPage() {
    QWidget *w = pageWidget(m_pages, QStringLiteral("ColorsPage"));
    auto *form = new QFormLayout(w);
    const char *const captions[] = {"Text Color", "Link Color", "ALink Color", "VLink Color",
                                    "Background"};
    const char *const fields[] = {"TextColorText", "LinkColorText", "ALinkColorText",
                                  "VLinkColorText", "BgColorText"};
    const char *const buttons[] = {"TextButton", "LinkButton", "ALinkButton", "VLinkButton",
                                   "BgButton"};
    const auto *hex = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,6}")), this);
    for (int i = 0; i < 5; ++i) {
        QLineEdit *field = lineEdit(w, fields[i]);
        field->setMaxLength(6);
        field->setValidator(hex);
        watch(field);
        QToolButton *button =
            toolButton(w, buttons[i], QString(), QStringLiteral("Click to select a color"));
        connect(button, &QToolButton::clicked, this, [this, field] { chooseFieldColor(field); });
        connect(field, &QLineEdit::textChanged, button,
                [button](const QString &text) { button->setIcon(swatchOf(text)); });
        m_colors[size_t(i)] = field;
        form->addRow(QLatin1String(captions[i]), withButton(field, button));
    }
    m_leftMargin = spinBox(w, "LeftMargin", -1, 100, 5);
    m_rightMargin = spinBox(w, "RightMargin", -1, 100, 5);
    for (QSpinBox *spin : {m_leftMargin, m_rightMargin}) {
        spin->setToolTip(QStringLiteral("-1: no margin given"));
        connect(spin, &QSpinBox::valueChanged, this, &InitialValuesForm::rebuild);
    }
    form->addRow(QStringLiteral("Left Margin:"), m_leftMargin);
    form->addRow(QStringLiteral("Right Margin:"), m_rightMargin);
    return w;
}
