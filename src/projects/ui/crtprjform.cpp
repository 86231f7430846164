#include "projects/ui/crtprjform.h"

#include "projects/projecttree.h"
#include "settings/colors.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Initial texts of a new project's site address and e-mail address.
const char kSampleSite[] = "www.example.com";
const char kSampleEmail[] = "webmaster@example.com";

} // namespace

CrtPrjForm::CrtPrjForm(UserInteraction &ui, const QString &programDir, const QStringList &themes,
                       QWidget *parent)
    : QDialog(parent), m_ui(ui), m_programDir(programDir) {
    setObjectName(QStringLiteral("CrtPrjForm"));
    setWindowTitle(QStringLiteral("Create Project"));
    m_browse.caption = QStringLiteral("Open");
    m_browse.folder = programDir;
    m_browse.filter = QStringLiteral("Web Documents|*.htm;*.html|All Files|*");
    build();
    m_themes->addItems(themes);
    m_themes->setCurrentIndex(-1);
}

QLineEdit *CrtPrjForm::addLine(const char *name, int maxLength) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

void CrtPrjForm::build() {
    m_prjName = addLine("PrjName", 180);
    m_prjName->setToolTip(
        QStringLiteral("Creates a subdirectory for a project.  Do not enter drive information."));
    m_browseButton = new QToolButton(this);
    m_browseButton->setObjectName(QStringLiteral("SpeedButton1"));
    m_browseButton->setText(QStringLiteral("..."));
    m_prjDesc = addLine("PrjDesc", 35);
    m_prjDesc->setToolTip(QStringLiteral("Enter the description of the Project"));
    m_prjDesc->installEventFilter(this);
    connect(m_prjDesc, &QLineEdit::textChanged, this, [this] { m_dashReported = false; });

    m_websiteUrl = addLine("WebsiteURL");
    m_websiteUrl->setText(QString::fromLatin1(kSampleSite));
    m_ftpDirectory = addLine("FTPDirectory");
    m_loginId = addLine("FTPLoginID");
    m_password = addLine("FTPLoginPassword");
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    m_email = addLine("Email");
    m_email->setText(QString::fromLatin1(kSampleEmail));

    auto *grid = new QGridLayout;
    int row = 0;
    auto label = [&](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        grid->addWidget(l, row, 0);
        return l;
    };
    label(QStringLiteral("Project Directory:"), m_prjName);
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    nameRow->addWidget(m_prjName, 1);
    nameRow->addWidget(m_browseButton);
    grid->addLayout(nameRow, row++, 1);
    label(QStringLiteral("Project Description:"), m_prjDesc);
    grid->addWidget(m_prjDesc, row++, 1);
    label(QStringLiteral("Website URL:"), m_websiteUrl);
    grid->addWidget(m_websiteUrl, row++, 1);
    label(QStringLiteral("Default Web Directory:"), m_ftpDirectory);
    grid->addWidget(m_ftpDirectory, row++, 1);
    label(QStringLiteral("User Name:"), m_loginId);
    grid->addWidget(m_loginId, row++, 1);
    label(QStringLiteral("Password:"), m_password);
    grid->addWidget(m_password, row++, 1);
    label(QStringLiteral("Default EMail Address:"), m_email);
    grid->addWidget(m_email, row++, 1);
    grid->setColumnMinimumWidth(1, 260);

    auto *colors = new QGroupBox(QStringLiteral("Default Colors for Pages:"), this);
    colors->setObjectName(QStringLiteral("ColorGroup"));
    auto *colorGrid = new QGridLayout(colors);
    const char *names[ColorCount][3] = {
        {"Text Color", "TextColorText", "TextButton"},
        {"Link Color", "LinkColorText", "LinkButton"},
        {"VLink Color", "vLinkColorText", "vLinkButton"},
        {"ALink Color", "ALinkColorText", "ALinkButton"},
        {"Background", "bgColorText", "bgButton"},
    };
    for (int i = 0; i < ColorCount; ++i) {
        ColorRow &c = m_colors[i];
        c.text = addLine(names[i][1], 6);
        c.text->setText(QStringLiteral("000000"));
        c.text->setMaximumWidth(c.text->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")));
        c.label = new QLabel(QString::fromLatin1(names[i][0]), colors);
        // "TextColorText" is labelled by "TextColorLabel", and so on.
        c.label->setObjectName(QString::fromLatin1(names[i][1]).chopped(4) +
                               QStringLiteral("Label"));
        c.label->setBuddy(c.text);
        c.button = new QToolButton(colors);
        c.button->setObjectName(QString::fromLatin1(names[i][2]));
        c.button->setText(QStringLiteral("..."));
        c.button->setToolTip(QStringLiteral("Click to select a color"));
        colorGrid->addWidget(c.label, i, 0);
        colorGrid->addWidget(c.text, i, 1);
        colorGrid->addWidget(c.button, i, 2);
        connect(c.button, &QToolButton::clicked, this, [this, i] { chooseColor(i); });
        connect(c.text, &QLineEdit::textChanged, this, [this, i] { showColor(i); });
        showColor(i);
    }
    colorGrid->setColumnStretch(3, 1);

    m_themes = new QComboBox(this);
    m_themes->setObjectName(QStringLiteral("ThemeChoices"));
    m_themes->setEditable(false);
    auto *themeRow = new QHBoxLayout;
    auto *themeLabel = new QLabel(QStringLiteral("Default Theme:"), this);
    themeLabel->setBuddy(m_themes);
    themeRow->addWidget(themeLabel);
    themeRow->addWidget(m_themes, 1);

    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(colors);
    layout->addLayout(themeRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_browseButton, &QToolButton::clicked, this, &CrtPrjForm::browse);
    connect(m_ok, &QPushButton::clicked, this, &CrtPrjForm::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CrtPrjForm::startNew(ProjectTree &tree) {
    m_tree = &tree;
    m_modify = false;
    m_prjName->clear();
    m_prjDesc->clear();
    m_prjName->setEnabled(true);
    m_prjDesc->setEnabled(true);
    m_browseButton->setEnabled(true);
    setWindowTitle(QStringLiteral("Create Project"));
}

void CrtPrjForm::startModify(const QString &projectDir, const QString &description,
                             const ProjectSettings &settings) {
    m_tree = nullptr;
    m_modify = true;
    m_projectDir = projectDir;
    m_prjName->setText(projectDir);
    m_prjDesc->setText(description);
    m_prjName->setEnabled(false);
    m_prjDesc->setEnabled(false);
    m_browseButton->setEnabled(false);
    setSettings(settings);
    setWindowTitle(QStringLiteral("Modify Project Settings"));
}

ProjectSettings CrtPrjForm::settings() const {
    ProjectSettings s;
    s.mailto = m_email->text();
    s.webURL = m_websiteUrl->text();
    s.ftpDirectory = m_ftpDirectory->text();
    s.textColor = m_colors[TextColor].text->text();
    s.linkColor = m_colors[LinkColor].text->text();
    s.aLinkColor = m_colors[ALinkColor].text->text();
    s.vLinkColor = m_colors[VLinkColor].text->text();
    s.bgColor = m_colors[BgColor].text->text();
    s.themeStyle = m_themes->currentIndex() >= 0 ? m_themes->currentText() : QString();
    s.loginID = m_loginId->text();
    s.loginPassword = m_password->text();
    return s;
}

void CrtPrjForm::setSettings(const ProjectSettings &s) {
    m_email->setText(s.mailto);
    m_websiteUrl->setText(s.webURL);
    m_ftpDirectory->setText(s.ftpDirectory);
    m_colors[TextColor].text->setText(s.textColor);
    m_colors[LinkColor].text->setText(s.linkColor);
    m_colors[ALinkColor].text->setText(s.aLinkColor);
    m_colors[VLinkColor].text->setText(s.vLinkColor);
    m_colors[BgColor].text->setText(s.bgColor);
    m_themes->setCurrentIndex(m_themes->findText(s.themeStyle, Qt::MatchExactly));
    m_loginId->setText(s.loginID);
    m_password->setText(s.loginPassword);
}

void CrtPrjForm::showColor(int row) {
    ColorRow &c = m_colors[row];
    QColor color;
    // A text that is not hexadecimal leaves the label as it was.
    if (!hexToColor(c.text->text(), color))
        return;
    QPalette palette = c.label->palette();
    palette.setColor(QPalette::WindowText, color);
    c.label->setPalette(palette);
}

void CrtPrjForm::chooseColor(int row) {
    ColorRow &c = m_colors[row];
    QColor color = c.label->palette().color(QPalette::WindowText);
    if (!m_ui.chooseColor(color))
        return;
    c.text->setText(colorToHex(color)); // also colours the label
}

void CrtPrjForm::browse() {
    const QString chosen = m_ui.openFile(m_browse);
    if (!chosen.isEmpty())
        m_prjName->setText(QFileInfo(chosen).absolutePath());
}

bool CrtPrjForm::reportDash() {
    if (!m_prjDesc->text().contains(QLatin1Char('-')))
        return false;
    if (!m_dashReported) {
        m_dashReported = true;
        m_ui.message(ProjectTexts::dashInDescription(), Msg::Warning, Msg::Ok);
    }
    // After the focus change under way has ended.
    QTimer::singleShot(0, m_prjDesc, [edit = m_prjDesc] { edit->setFocus(Qt::OtherFocusReason); });
    return true;
}

bool CrtPrjForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_prjDesc && event->type() == QEvent::FocusOut && m_prjDesc->isEnabled() &&
        isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Switching to another window or opening a menu is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            reportDash();
    }
    return QDialog::eventFilter(watched, event);
}

void CrtPrjForm::okClicked() {
    if (m_modify) {
        QString error;
        if (!writeProjectSettings(m_projectDir, settings(), &error)) {
            m_ui.message(error, Msg::Warning, Msg::Ok);
            return;
        }
        accept();
        return;
    }
    if (!m_tree)
        return;
    NewProject input;
    input.name = m_prjName->text();
    input.description = m_prjDesc->text();
    input.settings = settings();
    // The description's dash is told once, also when Ok is pressed from the field.
    const bool filled = !input.name.trimmed().isEmpty() && !input.description.trimmed().isEmpty();
    if (filled && reportDash())
        return;
    m_result = createProject(*m_tree, m_programDir, input, m_ui);
    m_prjName->setText(input.name);
    m_prjDesc->setText(input.description);
    switch (m_result.outcome) {
    case CreateProjectResult::Outcome::Created:
        accept();
        break;
    case CreateProjectResult::Outcome::DashInDescription:
        m_prjDesc->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}
