#include "generators/frame/ui/framedialog.h"

#include "app/userinteraction.h"
#include "editor/tledit.h"
#include "generators/common/ui/radiogroup.h"
#include "generators/frame/framefiles.h"
#include "generators/frame/ui/framesplitter.h"
#include "generators/generatorhost.h"
#include "preview/htmlviewer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString s_lastSettingsFile;

const QString OpenFilter =
    QStringLiteral("HTM Files|*.htm|HTML Files|*.html|Graphics|*.gif;*.jpg|"
                   "Executable|*.exe|Frame Settings|*.set|JavaClass|*.class");
const QString SaveFilter = QStringLiteral("HTML Documents|*.htm;*.html|Frame Settings|*.set");

const QString StartHelp = QStringLiteral(
    "Shape the frames with the scroll bars or by dragging the bars in the grid below. Move a "
    "row's second bar to 100 to remove its last frame, then its first bar to 99 to remove the "
    "middle one; the outer bars remove rows the same way. Press Next to give each frame its "
    "file and name.");
const QString SettingsHelp = QStringLiteral(
    "Give the frame shown its HTML file, name, margins and scrolling. Next and Prev step "
    "through the frames; Finished replaces the page in the editor by the frame set.");

QString paneText(const QString &caption) {
    return QStringLiteral("<H2 ALIGN=\"center\">%1</H2>").arg(caption);
}

} // namespace

QString FrameDialog::lastSettingsFile() {
    return s_lastSettingsFile;
}

FrameDialog::FrameDialog(GeneratorHost &host, QWidget *parent) : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("TFrameForm"));
    setWindowTitle(QStringLiteral("Frame Creation"));
    resize(760, 640);

    m_book = new QStackedWidget(this);
    m_book->setObjectName(QStringLiteral("FrameBook"));
    m_book->addWidget(buildStartPage());
    m_book->addWidget(buildSettingsPage());
    m_book->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    QWidget *grid = buildGrid();
    grid->setParent(this);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFixedHeight(m_memo->fontMetrics().lineSpacing() * 4 + 12);
    m_prev = new QPushButton(QStringLiteral("Prev"), this);
    m_prev->setObjectName(QStringLiteral("Prev"));
    m_prev->setEnabled(false);
    m_next = new QPushButton(QStringLiteral("Next"), this);
    m_next->setObjectName(QStringLiteral("Next"));
    m_next->setDefault(true);
    m_finished = new QPushButton(QStringLiteral("Finished"), this);
    m_finished->setObjectName(QStringLiteral("Finished"));
    m_finished->hide();
    connect(m_prev, &QPushButton::clicked, this, &FrameDialog::prevClicked);
    connect(m_next, &QPushButton::clicked, this, &FrameDialog::nextClicked);
    connect(m_finished, &QPushButton::clicked, this, &FrameDialog::returnAndInsert);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_prev);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finished);
    buttons->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_memo, 1);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    buildMenu();
    layout->addWidget(m_book);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);

    // Every pane shows its number until it has a frame of its own.
    for (int frame = 1; frame <= FrameCreator::FrameCount; ++frame)
        m_panes[frame - 1]->loadFromString(paneText(QStringLiteral("Frame:%1").arg(frame)),
                                           m_host.documentFolder());
    showBars();
    showStep();
}

FrameDialog::~FrameDialog() = default;

QWidget *FrameDialog::buildSettingsPage() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("framesettings"));

    m_frameCaption = new QLabel(QStringLiteral("Frame:"), page);
    m_frameCaption->setObjectName(QStringLiteral("FrameCaption"));
    QFont bold = m_frameCaption->font();
    bold.setBold(true);
    m_frameCaption->setFont(bold);

    m_srcName = new QLineEdit(page);
    m_srcName->setObjectName(QStringLiteral("SrcName"));
    auto *browse = new QToolButton(page);
    browse->setObjectName(QStringLiteral("SpeedButton1"));
    browse->setText(QStringLiteral("..."));
    auto *source = new QHBoxLayout;
    source->addWidget(m_srcName, 1);
    source->addWidget(browse);
    m_frameName = new QLineEdit(page);
    m_frameName->setObjectName(QStringLiteral("FrameName"));
    m_frameName->setMaxLength(FrameRecord::MaxText);
    m_srcName->setMaxLength(FrameRecord::MaxText);

    auto spin = [page](const QString &name) {
        auto *box = new QSpinBox(page);
        box->setObjectName(name);
        box->setRange(-1, 20);
        box->setValue(-1);
        return box;
    };
    m_marginWidth = spin(QStringLiteral("MarginWidth"));
    m_marginHeight = spin(QStringLiteral("MarginHeight"));

    m_scrolling = new RadioGroup(
        QStringLiteral("Scroll Bars"),
        {QStringLiteral("Auto"), QStringLiteral("Yes"), QStringLiteral("No")}, 3, page);
    m_scrolling->setObjectName(QStringLiteral("Scrolling"));
    for (int i = 0; i < 3; ++i)
        m_scrolling->button(i)->setObjectName(QStringLiteral("Scrolling%1").arg(i));
    m_scrolling->setItemIndex(0);
    m_allowResize = new QCheckBox(QStringLiteral("Allow Frame to be resized?"), page);
    m_allowResize->setObjectName(QStringLiteral("AllowResize"));
    m_allowResize->setChecked(true);

    auto *left = new QFormLayout;
    left->addRow(m_frameCaption);
    left->addRow(QStringLiteral("HTML Filename:"), source);
    left->addRow(QStringLiteral("Frame Name:"), m_frameName);
    auto *margins = new QFormLayout;
    margins->addRow(QStringLiteral("Margin Width:"), m_marginWidth);
    margins->addRow(QStringLiteral("Margin Height:"), m_marginHeight);
    auto *right = new QVBoxLayout;
    right->addLayout(margins);
    right->addWidget(m_scrolling);
    right->addWidget(m_allowResize);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(m_srcName, &QLineEdit::editingFinished, this, &FrameDialog::storeFields);
    connect(m_frameName, &QLineEdit::editingFinished, this, &FrameDialog::frameNameLeft);
    connect(m_marginWidth, &QSpinBox::valueChanged, this, &FrameDialog::storeFields);
    connect(m_marginHeight, &QSpinBox::valueChanged, this, &FrameDialog::storeFields);
    connect(m_scrolling, &RadioGroup::changed, this, &FrameDialog::storeFields);
    connect(m_allowResize, &QCheckBox::toggled, this, &FrameDialog::storeFields);
    connect(browse, &QToolButton::clicked, this, &FrameDialog::browseSource);
    return page;
}

void FrameDialog::buildMenu() {
    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    auto add = [&](const QString &name, const QString &text, const QKeySequence &key,
                   void (FrameDialog::*slot)()) {
        QAction *action = file->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    add(QStringLiteral("Open1"), QStringLiteral("&Open frame settings..."),
        QKeySequence(Qt::Key_F3), &FrameDialog::openSettings);
    add(QStringLiteral("Save1"), QStringLiteral("&Save frames settings as..."),
        QKeySequence(Qt::Key_F2), &FrameDialog::saveSettings);
    add(QStringLiteral("FramesOk"), QStringLiteral("&Return and insert into HTML document"),
        QKeySequence(Qt::CTRL | Qt::Key_S), &FrameDialog::returnAndInsert);
    add(QStringLiteral("ReturnandAbandon1"), QStringLiteral("Return and &Abandon"),
        QKeySequence(Qt::CTRL | Qt::Key_X), &QDialog::reject);
    static_cast<QVBoxLayout *>(layout())->setMenuBar(bar);
}

// --- Stepping through the frames ------------------------------------------------

void FrameDialog::nextClicked() {
    std::array<bool, FrameCreator::FrameCount> usable{};
    if (m_model.page() == FrameCreator::StartPage) {
        // Panes just shown or hidden take their size first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        usable = usablePanes();
    } else {
        storeFields();
    }
    m_model.next(usable);
    showStep();
}

void FrameDialog::prevClicked() {
    if (m_model.page() == FrameCreator::SettingsPage)
        storeFields();
    m_model.prev();
    showStep();
}

void FrameDialog::showStep() {
    const bool settings = m_model.page() == FrameCreator::SettingsPage;
    m_suspended = true;
    m_book->setCurrentIndex(settings ? 1 : 0);
    m_suspended = false;
    m_prev->setEnabled(settings);
    m_mainRows->setEnabled(!settings);
    m_finished->setVisible(m_model.finishedShown());
    m_memo->setPlainText(settings ? SettingsHelp : StartHelp);
    if (settings)
        fillFields();
}

void FrameDialog::fillFields() {
    const FrameRecord &r = m_model.record(m_model.currentFrame());
    m_suspended = true;
    m_frameCaption->setText(r.name);
    m_srcName->setText(r.source);
    m_marginWidth->setValue(r.marginWidth);
    m_marginHeight->setValue(r.marginHeight);
    m_frameName->setText(r.name);
    m_allowResize->setChecked(r.allowResize);
    m_scrolling->setItemIndex(qBound(0, r.scrolling, 2));
    m_suspended = false;
}

void FrameDialog::storeFields() {
    if (m_suspended || m_model.page() != FrameCreator::SettingsPage)
        return;
    const int frame = m_model.currentFrame();
    FrameRecord &r = m_model.record(frame);
    r.source = cutToRecordText(m_srcName->text());
    r.marginWidth = m_marginWidth->value();
    r.marginHeight = m_marginHeight->value();
    // An empty name would remove the frame; the name check refuses it.
    if (!m_frameName->text().isEmpty())
        r.name = cutToRecordText(m_frameName->text());
    r.scrolling = qMax(0, m_scrolling->itemIndex());
    r.allowResize = m_allowResize->isChecked();
    m_frameCaption->setText(r.name);
    showPane(frame);
}

void FrameDialog::frameNameLeft() {
    if (m_suspended || m_model.page() != FrameCreator::SettingsPage)
        return;
    if (m_frameName->text().isEmpty()) {
        m_host.ui().message(QStringLiteral("Frame name cannot be blank."), Msg::Warning, Msg::Ok);
        m_frameName->setFocus();
        return;
    }
    storeFields();
}

void FrameDialog::showPane(int frame) {
    const FrameRecord &r = m_model.record(frame);
    HtmlViewer *pane = m_panes[frame - 1];
    const QString path = sourcePath(r.source);
    if (!r.source.isEmpty() && QFileInfo(path).isFile())
        pane->loadFromFile(path);
    else
        pane->loadFromString(paneText(r.name), m_host.documentFolder());
}

// A frame's file as a path: relative names lie beside the page.
QString FrameDialog::sourcePath(const QString &source) const {
    if (source.isEmpty() || QDir::isAbsolutePath(source))
        return source;
    QString relative = source;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(m_host.documentFolder()).filePath(relative);
}

void FrameDialog::browseSource() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_host.documentFolder();
    request.fileName = m_srcName->text();
    request.filter = OpenFilter;
    request.filterIndex = 1;
    const QString chosen = m_host.ui().openFile(request);
    if (chosen.isEmpty())
        return;
    // A file in the page's folder or below it is named relative to the page.
    QString name = chosen;
    const QString folder = m_host.documentFolder();
    if (!folder.isEmpty()) {
        const QString relative = QDir(folder).relativeFilePath(chosen);
        if (!relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative))
            name = relative;
    }
    m_srcName->setText(name);
    storeFields();
}

// --- Files and the result ---------------------------------------------------------

void FrameDialog::openSettings() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_host.documentFolder();
    request.filter = OpenFilter;
    request.filterIndex = 5;
    const QString path = m_host.ui().openFile(request);
    if (path.isEmpty())
        return;
    m_model.returnToStart();
    showStep();
    s_lastSettingsFile = path;
    QString error;
    const bool ok = openFrameSettings(m_model, path, &error);
    // What was read before a failure stays, so the dialog shows it either way.
    showOrientation();
    followBars();
    showBars();
    for (int frame = 1; frame <= FrameCreator::FrameCount; ++frame)
        showPane(frame);
    if (!ok)
        m_host.ui().message(error, Msg::Error, Msg::Ok);
}

void FrameDialog::saveSettings() {
    storeFields();
    FileRequest request;
    request.caption = QStringLiteral("Save As");
    request.folder = m_host.documentFolder();
    request.fileName = s_lastSettingsFile;
    request.filter = SaveFilter;
    request.filterIndex = 2;
    const QString path = m_host.ui().saveFile(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!saveFrameSettings(m_model, path, &error))
        m_host.ui().message(error, Msg::Error, Msg::Ok);
}

void FrameDialog::returnAndInsert() {
    storeFields();
    const QStringList lines = m_model.documentLines();
    if (TLEdit *editor = m_host.documentEditor()) {
        editor->clearAll();
        editor->replaceSel(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    } else {
        m_host.insertLines(lines);
    }
    accept();
}
