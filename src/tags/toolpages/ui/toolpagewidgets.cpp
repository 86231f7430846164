#include "tags/toolpages/ui/toolpagewidgets.h"
#include "app/ui/toolpagerow.h"
#include "tags/toolpages/toolpagetexts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

DropDownFilledBox::DropDownFilledBox(QWidget *parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void DropDownFilledBox::refill() {
    const QString text = currentText();
    const bool quiet = blockSignals(true);
    clear();
    if (m_filler)
        addItems(m_filler());
    setEditText(text);
    blockSignals(quiet);
}

void DropDownFilledBox::showPopup() {
    refill();
    QComboBox::showPopup();
}

namespace {

// Puts controls at the front of a page's row, one after the other, so that
// the buttons other areas add to the same page follow them.
class RowFront {
public:
    explicit RowFront(QWidget *page) : m_page(page) {}

    template <typename T> T *add(T *control, const QString &name, const QString &hint) {
        control->setObjectName(name);
        if (!hint.isEmpty()) {
            control->setToolTip(hint);
            control->setStatusTip(hint);
        }
        place(control);
        return control;
    }
    void place(QWidget *control) { toolPageRow(m_page)->insertWidget(m_next++, control); }
    QLabel *label(const QString &text) {
        auto *l = new QLabel(text, m_page);
        l->setContentsMargins(4, 0, 1, 0);
        place(l);
        return l;
    }
    QToolButton *button(const QString &name, const QString &caption, const QString &hint) {
        auto *b = new QToolButton(m_page);
        b->setText(caption);
        b->setAutoRaise(true);
        b->setMinimumSize(25, 25);
        b->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        return add(b, name, hint);
    }
    QComboBox *box(const QString &name, const QString &hint, const QStringList &items,
                   int minimumChars) {
        auto *c = new QComboBox(m_page);
        c->addItems(items);
        c->setMinimumContentsLength(minimumChars);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return add(c, name, hint);
    }
    QSpinBox *spin(const QString &name, const QString &hint, int minimum, int maximum, int value) {
        auto *s = new QSpinBox(m_page);
        s->setRange(minimum, maximum);
        s->setValue(value);
        return add(s, name, hint);
    }
    DropDownFilledBox *filledBox(const QString &name, const QString &hint, int minimumChars) {
        auto *c = new DropDownFilledBox(m_page);
        c->setMinimumContentsLength(minimumChars);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return add(c, name, hint);
    }

private:
    QWidget *m_page;
    int m_next = 0;
};

// A box with nothing chosen shows what it is for.
void showNothingChosen(QComboBox *box, const QString &placeholder) {
    box->setPlaceholderText(placeholder);
    box->setCurrentIndex(-1);
}

} // namespace

ListsControls buildListsPage(QWidget *page) {
    using namespace ToolPageTexts;
    RowFront row(page);
    ListsControls c;
    c.listType =
        row.box(QStringLiteral("ListType"), QStringLiteral("Type of list"), listKinds(), 9);
    showNothingChosen(c.listType, QStringLiteral("Type"));
    c.orderedStyles = row.box(QStringLiteral("OLTypes"), QStringLiteral("Style of ordered list"),
                              orderedStyles(), 11);
    c.unorderedStyles = row.box(QStringLiteral("ULTypes"),
                                QStringLiteral("Style of unordered list"), unorderedStyles(), 11);
    c.unorderedStyles->hide();
    row.label(QStringLiteral("Items"));
    c.count =
        row.spin(QStringLiteral("ListCount"),
                 QStringLiteral("Number of items to appear in the list"), 1, kMaxListItems, 1);
    c.startLabel = row.label(QStringLiteral("Start"));
    c.startAt = row.spin(QStringLiteral("StartAt"), QStringLiteral("Number/Letter to start with"),
                         0, 99999, 1);
    c.insert = row.button(QStringLiteral("AddListSB"), QStringLiteral("List"),
                          QStringLiteral("Insert defined list"));
    return c;
}

TablesControls buildTablesPage(QWidget *page) {
    using namespace ToolPageTexts;
    RowFront row(page);
    TablesControls c;
    c.insert = row.button(QStringLiteral("SpeedButton7"), QStringLiteral("TABLE"),
                          QStringLiteral("Insert TABLE tag with defined table at right"));
    row.label(QStringLiteral("Columns By"));
    c.columns = row.spin(QStringLiteral("Cols"), QString(), 1, kMaxTableColumns, 1);
    row.label(QStringLiteral("Rows"));
    c.rows = row.spin(QStringLiteral("Rows"), QString(), 1, kMaxTableRows, 1);
    row.label(QStringLiteral("Width:"));
    c.width = row.spin(QStringLiteral("TableWidth"), QString(), 0, 100, 0);
    c.width->setSuffix(QStringLiteral("%"));
    c.border =
        row.add(new QCheckBox(QStringLiteral("Border"), page), QStringLiteral("Border"), QString());
    return c;
}

ImagesControls buildImagesPage(QWidget *page) {
    using namespace ToolPageTexts;
    RowFront row(page);
    ImagesControls c;
    c.type = row.box(QStringLiteral("ImageTypeDir"),
                     QStringLiteral("Type of images to select from"), {}, 10);
    c.useShared = row.button(
        QStringLiteral("UseSharedImagesBtn"), QStringLiteral("Shared"),
        QStringLiteral(
            "Push down to use shared graphics library, pop up to use local graphics directory"));
    c.useShared->setCheckable(true);
    c.picture = row.filledBox(QStringLiteral("ImageList"),
                              QStringLiteral("Select an image from the current directory"), 14);
    c.picture->lineEdit()->setPlaceholderText(QStringLiteral("Picture"));
    c.alignment = row.box(QStringLiteral("ImageAlignment"),
                          QStringLiteral("Specify the image alignment"), imageAlignments(), 6);
    showNothingChosen(c.alignment, QStringLiteral("Align"));
    c.hotLink =
        row.filledBox(QStringLiteral("HotLink"), QStringLiteral("Link around the image"), 12);
    c.hotLink->lineEdit()->setPlaceholderText(QStringLiteral("Link"));
    c.insert = row.button(QStringLiteral("BitBtn2"), QStringLiteral("IMG"),
                          QStringLiteral("Insert IMG tag with specified parameters"));
    c.gallery = row.button(QStringLiteral("SpeedButton36"), QStringLiteral("View"),
                           QStringLiteral("Click to view images in HTML viewer below."));
    return c;
}

LinksControls buildLinksPage(QWidget *page) {
    using namespace ToolPageTexts;
    RowFront row(page);
    LinksControls c;
    c.prefix =
        row.box(QStringLiteral("LinkPrefix"), QStringLiteral("Prefix of link"), linkPrefixes(), 10);
    c.prefix->setEditable(true);
    c.prefix->setInsertPolicy(QComboBox::NoInsert);
    c.prefix->setEditText(QString());
    c.prefix->lineEdit()->setPlaceholderText(QStringLiteral("Prefix"));
    c.url = row.filledBox(
        QStringLiteral("URLLink"),
        QStringLiteral("Enter entire URL or specify remaing text to appear after the prefix"), 18);
    c.url->lineEdit()->setPlaceholderText(QStringLiteral("URL"));
    auto *text = new QLineEdit(page);
    text->setPlaceholderText(QStringLiteral("Text"));
    text->setMinimumWidth(120);
    c.text = row.add(text, QStringLiteral("URLText"),
                     QStringLiteral("Text that will appear to the user regarding the link"));
    c.insert = row.button(QStringLiteral("BitBtn1"), QStringLiteral("HREF"),
                          QStringLiteral("Insert HREF tag with specified parameters"));
    return c;
}

QVector<QToolButton *> buildButtonsPage(QWidget *page, const QStringList &names,
                                        const QStringList &captions, const QStringList &hints) {
    RowFront row(page);
    QVector<QToolButton *> buttons;
    for (int i = 0; i < names.size(); ++i)
        buttons << row.button(names.at(i), captions.value(i), hints.value(i));
    return buttons;
}
