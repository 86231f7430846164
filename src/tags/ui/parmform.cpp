#include "tags/ui/parmform.h"
#include "app/userinteraction.h"
#include "tags/parameterselections.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace PS = ParameterSelections;

namespace {

const QString kMultimediaFilter =
    QStringLiteral("Multimedia Files|*.avi;*.mov;*.mpg;*.mpeg;*.mp3;*.wav;*.mid;*.midi;*.swf;"
                   "*.ra;*.ram|All Files|*");

QComboBox *listBox(QWidget *parent, const QString &name, const QStringList &items, bool editable) {
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->addItems(items);
    box->setMinimumContentsLength(12);
    return box;
}

QLineEdit *field(QWidget *parent, const QString &name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QWidget *pageWidget(QWidget *parent, const QString &name) {
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    return w;
}

void showValue(QComboBox *box, const QString &value) {
    const int index = box->findText(value);
    if (index >= 0)
        box->setCurrentIndex(index);
    else if (box->isEditable())
        box->setEditText(value);
}

} // namespace

ParmForm::ParmForm(UserInteraction &ui, QWidget *parent) : QDialog(parent), m_ui(ui) {
    setObjectName(QStringLiteral("TParmForm"));
    setWindowTitle(QStringLiteral("Parameter Selections"));
    setModal(true);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Notebook1"));
    m_pages->addWidget(buildAlignPage());
    m_pages->addWidget(buildValignPage());
    m_pages->addWidget(buildSizePage());
    m_pages->addWidget(buildMetaPage());
    m_pages->addWidget(buildEmbedPage());
    m_pages->addWidget(buildObjectPage());
    m_pages->addWidget(buildParameterPage());

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
}

QWidget *ParmForm::buildAlignPage() {
    QWidget *w = pageWidget(m_pages, PS::kAlign);
    m_align = listBox(w, QStringLiteral("alignlist"), PS::alignItems(), false);
    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Alignment:"), m_align);
    return w;
}

QWidget *ParmForm::buildValignPage() {
    QWidget *w = pageWidget(m_pages, PS::kValign);
    m_valign = listBox(w, QStringLiteral("valignlist"), PS::valignItems(), false);
    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Vertical Alignment:"), m_valign);
    return w;
}

QWidget *ParmForm::buildSizePage() {
    QWidget *w = pageWidget(m_pages, PS::kSize);
    m_size = listBox(w, QStringLiteral("sizelist"), PS::sizeItems(), false);
    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Size:"), m_size);
    return w;
}

QWidget *ParmForm::buildMetaPage() {
    QWidget *w = pageWidget(m_pages, PS::kMeta);
    m_metaName = field(w, QStringLiteral("MetaName"));
    m_metaContent = field(w, QStringLiteral("MetaContent"));
    m_metaHttpEquiv = listBox(w, QStringLiteral("MetaHTTPEquiv"), PS::httpEquivItems(), true);
    m_metaHttpEquiv->setEditText(QString());
    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Name:"), m_metaName);
    form->addRow(QStringLiteral("Content:"), m_metaContent);
    form->addRow(QStringLiteral("HTTP-EQUIV"), m_metaHttpEquiv);
    return w;
}

QWidget *ParmForm::buildEmbedPage() {
    QWidget *w = pageWidget(m_pages, PS::kEmbed);
    m_embedSrc = field(w, QStringLiteral("EmbedSrc"));
    m_embedBrowse = new QToolButton(w);
    m_embedBrowse->setObjectName(QStringLiteral("EmbedBrowse"));
    m_embedBrowse->setText(QStringLiteral("..."));
    m_embedBrowse->setToolTip(QStringLiteral("Browse for the file to embed"));
    connect(m_embedBrowse, &QToolButton::clicked, this, &ParmForm::browseEmbedSource);
    m_embedHeight = new QSpinBox(w);
    m_embedHeight->setObjectName(QStringLiteral("EmbedHeight"));
    m_embedWidth = new QSpinBox(w);
    m_embedWidth->setObjectName(QStringLiteral("EmbedWidth"));
    for (QSpinBox *box : {m_embedHeight, m_embedWidth}) {
        box->setRange(0, 9999);
        box->setValue(0);
    }
    auto *source = new QHBoxLayout;
    source->addWidget(m_embedSrc, 1);
    source->addWidget(m_embedBrowse);
    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Embed Source:"), source);
    form->addRow(QStringLiteral("Height:"), m_embedHeight);
    form->addRow(QStringLiteral("Width:"), m_embedWidth);
    return w;
}

QWidget *ParmForm::buildObjectPage() {
    return pageWidget(m_pages, PS::kObject);
}

QWidget *ParmForm::buildParameterPage() {
    QWidget *w = pageWidget(m_pages, PS::kParameter);
    m_paramName = field(w, QStringLiteral("PName"));
    m_paramValue = field(w, QStringLiteral("PValue"));
    auto *form = new QFormLayout(w);
    form->addRow(QStringLiteral("Name"), m_paramName);
    form->addRow(QStringLiteral("Value"), m_paramValue);
    return w;
}

bool ParmForm::setPage(const QString &name) {
    const int index = PS::pageNames().indexOf(name);
    if (index < 0)
        return false;
    m_pages->setCurrentIndex(index);
    return true;
}

QString ParmForm::page() const {
    return PS::pageNames().value(m_pages->currentIndex());
}

void ParmForm::preset(const QString &text) {
    const PS::Preset p = PS::presetFor(text);
    if (p.align)
        showValue(m_align, *p.align);
    if (p.valign)
        showValue(m_valign, *p.valign);
    if (p.size)
        showValue(m_size, *p.size);
    if (p.metaName)
        m_metaName->setText(*p.metaName);
    if (p.metaContent)
        m_metaContent->setText(*p.metaContent);
    if (p.metaHttpEquiv)
        m_metaHttpEquiv->setEditText(*p.metaHttpEquiv);
    if (p.paramName)
        m_paramName->setText(*p.paramName);
    if (p.paramValue)
        m_paramValue->setText(*p.paramValue);
}

QString ParmForm::takeInsertion() {
    const QString name = page();
    if (name == PS::kAlign)
        return PS::alignText(m_align->currentText());
    if (name == PS::kValign)
        return PS::valignText(m_valign->currentText());
    if (name == PS::kSize)
        return PS::sizeText(m_size->currentText());
    if (name == PS::kMeta) {
        const QString text =
            PS::metaText(m_metaHttpEquiv->currentText(), m_metaName->text(), m_metaContent->text());
        m_metaHttpEquiv->setEditText(QString());
        m_metaName->clear();
        m_metaContent->clear();
        return text;
    }
    if (name == PS::kEmbed) {
        const QString text =
            PS::embedText(m_embedSrc->text(), m_embedHeight->value(), m_embedWidth->value());
        if (!text.isEmpty()) {
            m_embedHeight->setValue(0);
            m_embedWidth->setValue(0);
            m_embedSrc->clear();
        }
        return text;
    }
    if (name == PS::kParameter)
        return PS::paramText(m_paramName->text(), m_paramValue->text());
    return QString();
}

void ParmForm::browseEmbedSource() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = QDir::currentPath();
    request.filter = kMultimediaFilter;
    const QString path = m_ui.openFile(request);
    if (!path.isEmpty())
        m_embedSrc->setText(path);
}
