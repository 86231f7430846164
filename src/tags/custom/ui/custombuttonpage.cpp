#include "tags/custom/ui/custombuttonpage.h"
#include "app/userinteraction.h"
#include "tags/custom/datafile.h"
#include "tags/custom/ui/widgettext.h"

#include <QMenu>
#include <QToolButton>
#include <stdexcept>

namespace {

void call(const std::function<void(const QString &)> &operation, const QString &text) {
    if (operation)
        operation(text);
}

} // namespace

CustomButtonPage::CustomButtonPage(QWidget *page, TagInsertion insertion, UserInteraction &ui,
                                   QObject *parent)
    : QObject(parent), m_page(page), m_insert(std::move(insertion)), m_ui(ui) {}

bool CustomButtonPage::createButtons() {
    return runStep(m_ui, QStringLiteral("CreateButtons"), [this] {
        if (!m_page)
            throw std::runtime_error("no page");
        if (m_buttons[0])
            return; // made once for the whole run
        m_dropDown = new QMenu(m_page);
        m_dropDown->setObjectName(QStringLiteral("CustomDropDown"));
        for (int i = 0; i < kButtonSlots; ++i) {
            auto *b = new QToolButton(m_page);
            b->setObjectName(QStringLiteral("CustomButton%1").arg(i + 1));
            b->setAutoRaise(true);
            b->setProperty("tag", i);
            b->setGeometry(30 * i, 0, 30, 26);
            b->hide();
            connect(b, &QToolButton::clicked, this, [this, i] { press(i); });
            m_buttons[i] = b;
        }
    });
}

bool CustomButtonPage::reassignButtons(const QStringList &lines) {
    if (!m_buttons[0]) {
        m_ui.message(Msg::exceptionText(QStringLiteral("ReassignButtons")), Msg::Warning, Msg::Ok);
        return false;
    }
    const ButtonLayout layout = layoutButtons(lines);
    for (int i = 0; i < layout.buttons.size(); ++i)
        apply(i, layout.buttons.at(i));
    if (layout.failed) {
        m_ui.message(Msg::exceptionText(QStringLiteral("ReassignButtons")), Msg::Warning, Msg::Ok);
        return false;
    }
    return true;
}

bool CustomButtonPage::reassignFromFile(const QString &path) {
    const DataFile::Lines read = DataFile::read(path);
    if (!read.ok()) {
        m_ui.message(Msg::exceptionText(QStringLiteral("ReassignButtons")), Msg::Warning, Msg::Ok);
        return false;
    }
    return reassignButtons(read.lines);
}

void CustomButtonPage::apply(int slot, const ButtonSlot &setup) {
    QToolButton *b = m_buttons.at(slot);
    m_slots[slot] = setup;
    b->setGeometry(setup.left, setup.top, setup.width, setup.height);
    b->setText(WidgetText::literalCaption(setup.caption));
    b->setArrowType(setup.arrow ? Qt::DownArrow : Qt::NoArrow);
    b->setToolButtonStyle(setup.arrow ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    WidgetText::setHint(b, setup.hint, m_showHints);
    // A button of an unknown kind is shown, but cannot be pressed to no effect.
    b->setEnabled(setup.action != ButtonSlot::Action::None);
    b->setVisible(setup.visible);
}

void CustomButtonPage::setShowHints(bool show) {
    m_showHints = show;
    for (int i = 0; i < kButtonSlots; ++i) {
        if (m_buttons[i])
            WidgetText::setHint(m_buttons[i], m_slots[i].hint, show);
    }
}

void CustomButtonPage::press(int slot) {
    const ButtonSlot &s = m_slots.at(slot);
    switch (s.action) {
    case ButtonSlot::Action::InsertAsIs:
        call(m_insert.buttonInsertAsIs, s.hint);
        break;
    case ButtonSlot::Action::InsertEven:
        call(m_insert.buttonInsertEven, s.hint);
        break;
    case ButtonSlot::Action::InsertUnEven:
        call(m_insert.buttonInsertUnEven, s.hint);
        break;
    case ButtonSlot::Action::DropDownAlign:
    case ButtonSlot::Action::DropDownClear:
        showDropDown(slot);
        break;
    case ButtonSlot::Action::None:
        break;
    }
}

void CustomButtonPage::showDropDown(int slot) {
    const ButtonSlot &s = m_slots.at(slot);
    const bool single = s.action == ButtonSlot::Action::DropDownClear;
    m_dropDown->clear();
    for (const QString &entry :
         arrowEntries(s.hint, single ? DropStyle::Clear : DropStyle::Align)) {
        QAction *a = m_dropDown->addAction(WidgetText::literalMenuText(entry));
        connect(a, &QAction::triggered, this, [this, entry, single] {
            call(single ? m_insert.insertText : m_insert.insertCaptionAsTag, entry);
        });
    }
    QToolButton *b = m_buttons.at(slot);
    m_dropDown->popup(b->mapToGlobal(QPoint(0, b->height())));
}
