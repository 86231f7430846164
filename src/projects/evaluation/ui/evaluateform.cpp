#include "projects/evaluation/ui/evaluateform.h"

#include "app/userinteraction.h"
#include "projects/evaluation/linktarget.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

const char kLinkHint[] = "Double click to pass URL to Netscape, or email address to Eudora";

// A caption above a list, in a small column of its own.
QWidget *labelled(const QString &caption, QListWidget *list) {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto *label = new QLabel(caption);
    label->setBuddy(list);
    layout->addWidget(label);
    layout->addWidget(list);
    return box;
}

QGroupBox *group(const QString &title, QWidget *left, QWidget *right) {
    auto *box = new QGroupBox(title);
    auto *layout = new QHBoxLayout(box);
    layout->addWidget(left);
    layout->addWidget(right);
    return box;
}

void fill(QListWidget *list, const QStringList &items) {
    list->clear();
    list->addItems(items);
}

} // namespace

EvaluateForm::EvaluateForm(UserInteraction &ui, QWidget *parent) : QDialog(parent), m_ui(ui) {
    setObjectName(QStringLiteral("TEvaluateForm"));
    setWindowTitle(QStringLiteral("Web Page Details"));

    m_header = new QLabel;
    m_header->setObjectName(QStringLiteral("Header1"));
    m_header->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_header->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_header->setMinimumHeight(m_header->fontMetrics().height() + 6);

    m_filesFound = makeList("FilesFound");
    m_filesMissing = makeList("FilesMissing");
    m_links = makeList("Links");
    m_locatedLinks = makeList("LocatedLinks");
    m_pageMarkers = makeList("PageMarkers");
    m_missingPages = makeList("MissingPages");
    for (QListWidget *list : {m_links, m_locatedLinks}) {
        list->setToolTip(QString::fromLatin1(kLinkHint));
        connect(list, &QListWidget::itemDoubleClicked, this, &EvaluateForm::linkDoubleClicked);
    }

    m_details = new QListWidget;
    m_details->setObjectName(QStringLiteral("WebDetails"));
    m_details->setUniformItemSizes(true);
    connect(m_details, &QListWidget::itemDoubleClicked, this, &EvaluateForm::detailsDoubleClicked);

    auto *lists = new QHBoxLayout;
    lists->addWidget(group(QStringLiteral("SRC references"),
                           labelled(QStringLiteral("Located:"), m_filesFound),
                           labelled(QStringLiteral("Missing:"), m_filesMissing)),
                     2);
    lists->addWidget(group(QStringLiteral("HREF References:"),
                           labelled(QStringLiteral("Links:"), m_links),
                           labelled(QStringLiteral("Located:"), m_locatedLinks)),
                     2);
    lists->addWidget(labelled(QStringLiteral("Page Markers:"), m_pageMarkers), 1);
    lists->addWidget(labelled(QStringLiteral("Missing Markers:"), m_missingPages), 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addLayout(lists, 3);
    layout->addWidget(m_details, 2);
    resize(860, 520);
}

QListWidget *EvaluateForm::makeList(const char *name) {
    auto *list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setUniformItemSizes(true);
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem *item) { listClicked(list, item); });
    m_lists.append(list);
    return list;
}

bool EvaluateForm::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return QDialog::event(event);
}

void EvaluateForm::refresh() {
    if (!m_hooks.evaluate)
        return;
    // The hourglass, restored however the evaluation ends.
    struct WaitCursor {
        WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    } wait;
    showEvaluation(m_hooks.evaluate());
}

void EvaluateForm::showEvaluation(const PageEvaluation &evaluation) {
    setWindowTitle(QLatin1String("Web details for: <") + evaluation.title + QLatin1Char('>'));
    fill(m_filesFound, evaluation.filesFound);
    fill(m_filesMissing, evaluation.filesMissing);
    fill(m_links, evaluation.links);
    fill(m_locatedLinks, evaluation.locatedLinks);
    fill(m_pageMarkers, evaluation.pageMarkers);
    fill(m_missingPages, evaluation.missingPages);
    m_detailPlaces = evaluation.webDetails;
    QStringList lines;
    lines.reserve(m_detailPlaces.size());
    for (const DetailLine &line : std::as_const(m_detailPlaces))
        lines.append(line.text);
    fill(m_details, lines);
}

void EvaluateForm::listClicked(QListWidget *list, QListWidgetItem *item) {
    m_header->setText(item->text());
    for (QListWidget *other : std::as_const(m_lists)) {
        if (other != list)
            other->clearSelection();
    }
    m_details->clearSelection();
}

void EvaluateForm::detailsDoubleClicked(QListWidgetItem *item) {
    const int row = m_details->row(item);
    if (row < 0 || row >= m_detailPlaces.size())
        return;
    // Progress lines, the title and the summary stand for no place.
    const DetailLine &place = m_detailPlaces[row];
    if (place.line <= 0)
        return;
    if (m_hooks.moveCaret)
        m_hooks.moveCaret(place.line, place.column);
    close();
}

void EvaluateForm::linkDoubleClicked(QListWidgetItem *item) {
    const LinkTarget target =
        linkTarget(item->text(), m_hooks.pagePath ? m_hooks.pagePath() : QString());
    const bool opened =
        m_hooks.openUrl ? m_hooks.openUrl(target.url) : QDesktopServices::openUrl(target.url);
    if (!opened)
        m_ui.message(linkFailureText(target.mail), Msg::Information, Msg::Ok);
}
