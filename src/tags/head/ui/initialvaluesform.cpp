#include "tags/head/ui/initialvaluesform.h"
#include "app/userinteraction.h"
#include "preview/htmlviewer.h"
#include "settings/colors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kPictureFilter =
    QStringLiteral("Pictures|*.gif;*.jpg;*.jpeg;*.png;*.bmp|All Files|*");

QIcon swatch(const QColor &color) {
    QPixmap pixmap(14, 14);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

const QStringList &InitialValuesForm::pageCaptions() {
    static const QStringList captions = {QStringLiteral("Page Internals"),
                                         QStringLiteral("Images/Themes"), QStringLiteral("Text"),
                                         QStringLiteral("General"), QStringLiteral("Colors")};
    return captions;
}

InitialValuesForm::InitialValuesForm(UserInteraction &ui, const InitialValues &start,
                                     const QStringList &themes, const QString &pageDir,
                                     LinesBuilder build, QWidget *parent)
    : QDialog(parent), m_ui(ui), m_pageDir(pageDir), m_build(std::move(build)) {
    setObjectName(QStringLiteral("TInitialValuesForm"));
    setWindowTitle(QStringLiteral("Initial Values"));
    setModal(true);
    // Building the pages sends change signals; the preview waits for them.
    m_showing = true;

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("PageCaption"));
    QFont bold = m_caption->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_caption->setFont(bold);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Notebook1"));
    m_pages->addWidget(buildInternalsPage());
    m_pages->addWidget(buildImagesPage(themes));
    m_pages->addWidget(buildTextPage());
    m_pages->addWidget(buildGeneralPage());
    m_pages->addWidget(buildColorsPage());

    m_preview = new HtmlViewer(this);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setMinimumSize(320, 300);
    // The preview shows the page; it follows no link.
    connect(m_preview, &HtmlViewer::hotSpotClick, this,
            [](const QString &, bool *handled) { *handled = true; });

    m_back = new QPushButton(QStringLiteral("&Back"), this);
    m_back->setObjectName(QStringLiteral("BackBtn"));
    connect(m_back, &QPushButton::clicked, this, [this] { setPage(page() - 1); });
    m_next = new QPushButton(QStringLiteral("&Next"), this);
    m_next->setObjectName(QStringLiteral("NextBtn"));
    m_next->setDefault(true);
    connect(m_next, &QPushButton::clicked, this, [this] { setPage(page() + 1); });
    m_finish = new QPushButton(QStringLiteral("Finish"), this);
    m_finish->setObjectName(QStringLiteral("FinishBtn"));
    connect(m_finish, &QPushButton::clicked, this, &QDialog::accept);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finish);
    buttons->addWidget(m_cancel);
    auto *left = new QVBoxLayout;
    left->addWidget(m_caption);
    left->addWidget(m_pages, 1);
    auto *row = new QHBoxLayout;
    row->addLayout(left);
    row->addWidget(m_preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);
    resize(860, 480);

    showValues(start);
    setPage(0);
}

int InitialValuesForm::page() const {
    return m_pages->currentIndex();
}

QString InitialValuesForm::pageCaption() const {
    return pageCaptions().value(page());
}

void InitialValuesForm::setPage(int page) {
    page = qBound(0, page, kPages - 1);
    m_pages->setCurrentIndex(page);
    m_caption->setText(pageCaption());
    m_back->setEnabled(page > 0);
    const bool last = page == kPages - 1;
    m_next->setEnabled(!last);
    m_finish->setVisible(last);
    (last ? m_finish : m_next)->setDefault(true);
    // Leaving a page leaves its fields.
    rebuild();
}

InitialValues InitialValuesForm::values() const {
    InitialValues v;
    v.pageTitle = m_title->text();
    v.comments = m_comments->text();
    v.keywords = m_keywords->text();
    v.description = m_description->text();
    v.docType = qMax(0, m_docType->currentIndex());

    v.background = m_background->text();
    v.theme = m_theme->currentText();
    v.leftArrow = m_arrows[0]->isChecked();
    v.rightArrow = m_arrows[1]->isChecked();
    v.upArrow = m_arrows[2]->isChecked();
    v.downArrow = m_arrows[3]->isChecked();
    v.questionMark = m_arrows[4]->isChecked();
    v.fixedBackground = m_fixed->isChecked();

    v.email = m_email->text();
    v.emailCaption = m_emailCaption->text();
    v.heading = m_heading->text();
    v.headingColor = m_headingColor;
    v.headingSize = m_headingSize->value();
    v.logo = m_logo->text();
    v.center = m_center->isChecked();

    v.greeting = m_greeting->text();
    const QString info = m_otherInfo->toPlainText();
    v.otherInfo = info.isEmpty() ? QStringList() : info.split(QLatin1Char('\n'));
    v.fontSize = m_fontSize->value();

    v.textColor = m_colors[0]->text();
    v.linkColor = m_colors[1]->text();
    v.aLinkColor = m_colors[2]->text();
    v.vLinkColor = m_colors[3]->text();
    v.bgColor = m_colors[4]->text();
    v.leftMargin = m_leftMargin->value();
    v.rightMargin = m_rightMargin->value();
    return v;
}

void InitialValuesForm::showValues(const InitialValues &v) {
    m_showing = true;
    m_title->setText(v.pageTitle);
    m_comments->setText(v.comments);
    m_keywords->setText(v.keywords);
    m_description->setText(v.description);
    m_docType->setCurrentIndex(qBound(0, v.docType, m_docType->count() - 1));

    m_background->setText(v.background);
    // A theme the themes folder does not hold is no theme.
    m_theme->setCurrentIndex(qMax(0, m_theme->findText(v.theme)));
    const bool arrows[] = {v.leftArrow, v.rightArrow, v.upArrow, v.downArrow, v.questionMark};
    for (size_t i = 0; i < m_arrows.size(); ++i)
        m_arrows[i]->setChecked(arrows[i]);
    m_fixed->setChecked(v.fixedBackground);

    m_email->setText(v.email);
    m_emailCaption->setText(v.emailCaption);
    m_heading->setText(v.heading);
    m_headingColor = v.headingColor;
    showHeadingColor();
    m_headingSize->setValue(v.headingSize);
    m_logo->setText(v.logo);
    m_center->setChecked(v.center);

    m_greeting->setText(v.greeting);
    m_otherInfo->setPlainText(v.otherInfo.join(QLatin1Char('\n')));
    m_fontSize->setValue(v.fontSize);

    const QString colors[] = {v.textColor, v.linkColor, v.aLinkColor, v.vLinkColor, v.bgColor};
    for (size_t i = 0; i < m_colors.size(); ++i)
        m_colors[i]->setText(colors[i]);
    m_leftMargin->setValue(v.leftMargin);
    m_rightMargin->setValue(v.rightMargin);
    m_showing = false;
}

void InitialValuesForm::rebuild() {
    if (m_showing || !m_build || !m_preview)
        return;
    m_previewHtml = m_build(values()).join(QStringLiteral("\r\n"));
    m_preview->loadFromString(m_previewHtml, m_pageDir);
}

void InitialValuesForm::watch(QLineEdit *field) {
    connect(field, &QLineEdit::editingFinished, this, &InitialValuesForm::rebuild);
}

void InitialValuesForm::choosePicture(QLineEdit *field) {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_pageDir;
    request.filter = kPictureFilter;
    const QString path = m_ui.openFile(request);
    if (path.isEmpty())
        return;
    field->setText(path);
    rebuild();
}

void InitialValuesForm::chooseFieldColor(QLineEdit *field) {
    QColor color(0, 0, 0);
    if (!hexToColor(field->text(), color))
        color = QColor(0, 0, 0);
    if (!m_ui.chooseColor(color))
        return;
    field->setText(colorToHex(color));
    rebuild();
}

void InitialValuesForm::chooseHeadingColor() {
    QColor color = m_headingColor.isValid() ? m_headingColor : QColor(0, 0, 0);
    if (!m_ui.chooseColor(color))
        return;
    m_headingColor = color;
    showHeadingColor();
    rebuild();
}

void InitialValuesForm::showHeadingColor() {
    m_headingColorButton->setIcon(
        swatch(m_headingColor.isValid() ? m_headingColor : QColor(0, 0, 0)));
}

bool InitialValuesForm::eventFilter(QObject *watched, QEvent *event) {
    // The several lines of "Other Information" count as left on losing the
    // focus.
    if (watched == m_otherInfo && event->type() == QEvent::FocusOut)
        rebuild();
    return QDialog::eventFilter(watched, event);
}
