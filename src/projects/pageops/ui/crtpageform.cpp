#include "projects/pageops/ui/crtpageform.h"

#include "app/userinteraction.h"
#include "projects/pageops/pagetexts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void RefreshingComboBox::refill() {
    if (!m_source)
        return;
    const QString chosen = currentIndex() >= 0 ? currentText() : QString();
    clear();
    for (const QString &item : m_source()) {
        if (findText(item, Qt::MatchExactly) < 0)
            addItem(item);
    }
    setCurrentIndex(chosen.isEmpty() ? -1 : findText(chosen, Qt::MatchExactly));
}

void RefreshingComboBox::showPopup() {
    refill();
    QComboBox::showPopup();
}

CrtPageForm::CrtPageForm(UserInteraction &ui, const QStringList &extensions,
                         std::function<QStringList()> templates, QWidget *parent)
    : QDialog(parent), m_ui(ui) {
    setObjectName(QStringLiteral("CrtPageForm"));
    setWindowTitle(QStringLiteral("Create Page"));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("PageName"));
    m_name->setMaxLength(50);
    m_name->setToolTip(QStringLiteral("Enter an 8 character filename."));
    auto *dot = new QLabel(QStringLiteral("."), this);
    QFont bold = dot->font();
    bold.setBold(true);
    dot->setFont(bold);
    m_extension = new QComboBox(this);
    m_extension->setObjectName(QStringLiteral("ExtensionList"));
    m_extension->setEditable(true);
    m_extension->addItems(extensions);
    m_extension->setCurrentIndex(extensions.isEmpty() ? -1 : 0);
    m_description = new QLineEdit(this);
    m_description->setObjectName(QStringLiteral("PageDesc"));
    m_description->setMaxLength(35);
    m_description->setToolTip(QStringLiteral("Enter the description of the document"));

    auto *grid = new QGridLayout;
    auto *nameLabel = new QLabel(QStringLiteral("Page Filename:"), this);
    nameLabel->setBuddy(m_name);
    auto *extensionLabel = new QLabel(QStringLiteral("Extension:"), this);
    extensionLabel->setBuddy(m_extension);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(extensionLabel, 0, 2);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(dot, 1, 1);
    grid->addWidget(m_extension, 1, 2);
    auto *descriptionLabel = new QLabel(QStringLiteral("Page Description:"), this);
    descriptionLabel->setBuddy(m_description);
    grid->addWidget(descriptionLabel, 2, 0, 1, 3);
    grid->addWidget(m_description, 3, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(0, 180);

    auto *styles = new QGroupBox(QStringLiteral("Use Style:"), this);
    styles->setObjectName(QStringLiteral("UseStyle"));
    auto *styleColumn = new QVBoxLayout(styles);
    m_style = new QButtonGroup(this);
    const char *const captions[] = {"Default Page", "Use Template", "Theme Page", "Frame Page"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(QString::fromLatin1(captions[i]), styles);
        button->setObjectName(QString::fromLatin1(captions[i]).remove(QLatin1Char(' ')));
        m_style->addButton(button, i);
        styleColumn->addWidget(button);
    }
    m_style->button(0)->setChecked(true);

    m_templateLabel = new QLabel(QStringLiteral("Template:"), this);
    m_templateLabel->setObjectName(QStringLiteral("TemplateLabel"));
    m_template = new RefreshingComboBox(this);
    m_template->setObjectName(QStringLiteral("TemplateList"));
    m_template->setEditable(false);
    m_template->setSource(std::move(templates));
    m_template->setMinimumContentsLength(16);
    m_templateLabel->setBuddy(m_template);
    // The dialog keeps its size whichever style is chosen.
    for (QWidget *w :
         {static_cast<QWidget *>(m_templateLabel), static_cast<QWidget *>(m_template)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto *templateColumn = new QVBoxLayout;
    templateColumn->addWidget(m_templateLabel);
    templateColumn->addWidget(m_template);
    templateColumn->addStretch(1);
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(styles);
    styleRow->addLayout(templateColumn, 1);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(styleRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_style, &QButtonGroup::idClicked, this, &CrtPageForm::styleChosen);
    connect(m_ok, &QPushButton::clicked, this, &CrtPageForm::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    styleChosen();
}

void CrtPageForm::styleChosen() {
    const bool useTemplate = m_style->checkedId() == int(PageStyle::UseTemplate);
    if (useTemplate && m_template->count() == 0) {
        m_template->refill();
        m_template->setCurrentIndex(-1);
    }
    m_templateLabel->setVisible(useTemplate);
    m_template->setVisible(useTemplate);
}

NewPageRequest CrtPageForm::request() const {
    NewPageRequest request;
    request.name = m_name->text();
    request.extension = m_extension->currentText();
    request.description = m_description->text();
    request.style = PageStyle(qMax(0, m_style->checkedId()));
    if (request.style == PageStyle::UseTemplate && m_template->currentIndex() >= 0)
        request.templateName = m_template->currentText();
    return request;
}

void CrtPageForm::okClicked() {
    if (hasDash(m_description->text())) {
        m_ui.message(PageTexts::dashInDescription(), Msg::Warning, Msg::Ok);
        m_description->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}
