#include "tags/ui/toolpages.h"

#include "app/ui/mainwidgets.h"
#include "app/ui/toolpagerow.h"
#include "settings/settings.h"
#include "tags/tagtext.h"
#include "tags/ui/tagcontroller.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The installed screen fonts, listed afresh each time the box drops down.
class FontNameBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        const QString text = currentText();
        QStringList families = QFontDatabase::families();
        families.sort(Qt::CaseInsensitive);
        families.removeDuplicates();
        blockSignals(true);
        clear();
        addItems(families);
        setEditText(text);
        blockSignals(false);
        QComboBox::showPopup();
    }
};

} // namespace

ToolPages::ToolPages(TagController &tags, const std::array<QWidget *, 14> &pages,
                     Settings &settings, QObject *parent)
    : QObject(parent), m_tags(tags), m_settings(settings) {
    buildFontPage(pages[MainWidgets::Font]);
    buildFormatPage(pages[MainWidgets::Format]);
    buildListsButton(pages[MainWidgets::Lists]);
}

QToolButton *ToolPages::arrow(QWidget *page, const QString &name, const QString &hint) {
    auto *b = new QToolButton(page);
    b->setObjectName(name);
    b->setArrowType(Qt::DownArrow);
    b->setAutoRaise(true);
    b->setFixedSize(12, 25);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    addToToolPageRow(page, b);
    connect(b, &QToolButton::clicked, this, [this, b, hint] { m_tags.showDropDown(b, hint); });
    return b;
}

void ToolPages::buildFontPage(QWidget *page) {
    struct Wrap {
        const char *name, *caption, *hint, *tag;
    };
    const Wrap wraps[] = {
        {"SpeedButton51", "B", "Insert Bold", "<B>"},
        {"ItalicsSB", "I", "Insert Italics", "<I>"},
        {"SpeedButton53", "U", "Insert underline", "<U>"},
        {"SubscriptBtn", "Sub", "Insert Subscript", "<SUB>"},
        {"SuperScriptBtn", "Sup", "Insert Superscript", "<SUP>"},
    };
    for (const Wrap &w : wraps) {
        QToolButton *b = addToolPageButton(page, QLatin1String(w.name), QLatin1String(w.caption),
                                           QLatin1String(w.hint));
        const QString tag = QLatin1String(w.tag);
        connect(b, &QToolButton::clicked, this, [this, tag] { m_tags.insertSelected(tag); });
    }
    QFont f = page->font();
    f.setBold(true);
    page->findChild<QToolButton *>(QStringLiteral("SpeedButton51"))->setFont(f);
    f.setBold(false);
    f.setItalic(true);
    page->findChild<QToolButton *>(QStringLiteral("ItalicsSB"))->setFont(f);
    f.setItalic(false);
    f.setUnderline(true);
    page->findChild<QToolButton *>(QStringLiteral("SpeedButton53"))->setFont(f);

    QToolButton *plus =
        addToolPageButton(page, QStringLiteral("FontPlus"), QStringLiteral("A+"),
                          QStringLiteral("Enlarge font size of selected text using FONT tag"));
    connect(plus, &QToolButton::clicked, this, [this] {
        m_tags.insertSelected2(fontStepTag(m_settings.fontSizeChange, true),
                               QStringLiteral("</FONT>"));
    });
    QToolButton *minus =
        addToolPageButton(page, QStringLiteral("SpeedButton5"), QStringLiteral("A-"),
                          QStringLiteral("Descrease font size of selected text using FONT tag"));
    connect(minus, &QToolButton::clicked, this, [this] {
        m_tags.insertSelected2(fontStepTag(m_settings.fontSizeChange, false),
                               QStringLiteral("</FONT>"));
    });
    QToolButton *color =
        addToolPageButton(page, QStringLiteral("SpeedButton68"), QStringLiteral("Color"),
                          QStringLiteral("Insert font color tag"));
    connect(color, &QToolButton::clicked, this, [this] { m_tags.insertFontColor(); });
    QToolButton *font =
        addToolPageButton(page, QStringLiteral("SpeedButton13"), QStringLiteral("Font"),
                          QStringLiteral("Open Font Dialog Box"));
    connect(font, &QToolButton::clicked, this, [this] { m_tags.insertFontFromDialog(); });
    QToolButton *center =
        addToolPageButton(page, QStringLiteral("SpeedButton6"), QStringLiteral("Center"),
                          QStringLiteral("Center item"));
    connect(center, &QToolButton::clicked, this,
            [this] { m_tags.insertSelected(QStringLiteral("<CENTER>")); });
    QToolButton *comment =
        addToolPageButton(page, QStringLiteral("CommentButton"), QStringLiteral("<!>"),
                          QStringLiteral("Insert a comment tag"));
    connect(comment, &QToolButton::clicked, this,
            [this] { m_tags.insertSelected2(QStringLiteral("<!--"), QStringLiteral("-->")); });

    // The two boxes insert when an entry is chosen (or Enter is pressed in
    // them) and on a double-click into their text.
    m_fontSize = new QComboBox(page);
    m_fontSize->setObjectName(QStringLiteral("FontSize"));
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 7; ++i)
        m_fontSize->addItem(QString::number(i));
    m_fontSize->setCurrentIndex(2);
    m_fontSize->setMinimumContentsLength(2);
    addToToolPageRow(page, m_fontSize);
    connect(m_fontSize, &QComboBox::textActivated, this, [this](const QString &size) {
        m_tags.insertSelected2(fontSizeTag(size), QStringLiteral("</FONT>"));
    });
    m_fontSize->lineEdit()->installEventFilter(this);

    m_screenFonts = new FontNameBox(page);
    m_screenFonts->setObjectName(QStringLiteral("ScreenFonts"));
    m_screenFonts->setEditable(true);
    m_screenFonts->setInsertPolicy(QComboBox::NoInsert);
    m_screenFonts->setMinimumContentsLength(14);
    addToToolPageRow(page, m_screenFonts);
    connect(m_screenFonts, &QComboBox::textActivated, this, [this](const QString &name) {
        if (!name.isEmpty())
            m_tags.insertSelected2(fontFaceTag(name), QStringLiteral("</FONT>"));
    });
    m_screenFonts->lineEdit()->installEventFilter(this);
}

bool ToolPages::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (m_fontSize && watched == m_fontSize->lineEdit()) {
            m_tags.insertSelected2(fontSizeTag(m_fontSize->currentText()),
                                   QStringLiteral("</FONT>"));
            return true;
        }
        if (m_screenFonts && watched == m_screenFonts->lineEdit()) {
            const QString name = m_screenFonts->currentText();
            if (!name.isEmpty())
                m_tags.insertSelected2(fontFaceTag(name), QStringLiteral("</FONT>"));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ToolPages::buildFormatPage(QWidget *page) {
    const char *const arrowNames[] = {"SpeedButton32", "SpeedButton30", "SpeedButton29",
                                      "SpeedButton28", "SpeedButton27", "SpeedButton26"};
    for (int i = 1; i <= 6; ++i) {
        const QString caption = QStringLiteral("H%1").arg(i);
        QToolButton *b =
            addToolPageButton(page, caption, caption, QStringLiteral("Insert heading this size"));
        connect(b, &QToolButton::clicked, this, [this, caption] {
            m_tags.insertSelected(QLatin1Char('<') + caption + QLatin1Char('>'));
        });
        arrow(page, QLatin1String(arrowNames[i - 1]), caption);
    }
    QToolButton *div =
        addToolPageButton(page, QStringLiteral("SpeedButton44"), QStringLiteral("DIV"), QString());
    connect(div, &QToolButton::clicked, this,
            [this] { m_tags.insertSelected(QStringLiteral("<DIV>")); });
    arrow(page, QStringLiteral("SpeedButton23"), QStringLiteral("DIV"));

    QToolButton *p = addToolPageButton(page, QStringLiteral("ParagraphBtn"), QStringLiteral("P"),
                                       QStringLiteral("Insert Paragraph marker"));
    connect(p, &QToolButton::clicked, this, [this] { m_tags.insertParagraphMarker(false); });
    arrow(page, QStringLiteral("PDnArrow"), QStringLiteral("P"));

    QToolButton *br = addToolPageButton(page, QStringLiteral("BRButton"), QStringLiteral("BR"),
                                        QStringLiteral("Insert line break"));
    connect(br, &QToolButton::clicked, this, [this] { m_tags.insertText(QStringLiteral("<BR>")); });
    arrow(page, QStringLiteral("SpeedButton24"), QStringLiteral("BR"));

    QToolButton *hr = addToolPageButton(page, QStringLiteral("SpeedButton10"), QStringLiteral("HR"),
                                        QStringLiteral("Insert horizontal bar"));
    connect(hr, &QToolButton::clicked, this, [this] { m_tags.insertText(QStringLiteral("<HR>")); });
    arrow(page, QStringLiteral("SpeedButton25"), QStringLiteral("HR"));
}

void ToolPages::buildListsButton(QWidget *page) {
    QToolButton *bullet =
        addToolPageButton(page, QStringLiteral("SpeedButton69"), QStringLiteral("UL"),
                          QStringLiteral("Insert bullet mark"));
    connect(bullet, &QToolButton::clicked, this, [this] {
        m_tags.insertSelected2(QStringLiteral("<UL><LI>"), QStringLiteral("</UL>"));
    });
}
