#pragma once

#include <QObject>
#include <array>

class TagController;
class QComboBox;
class QToolButton;
class QWidget;
struct Settings;

// The buttons of the "Font" and "Format" tool pages and the bullet button of
// the "Lists" page. Each control carries its component name as objectName and
// its hint as tool tip; pressing it calls the tag controller.
class ToolPages : public QObject {
    Q_OBJECT
public:
    ToolPages(TagController &tags, const std::array<QWidget *, 14> &pages, Settings &settings,
              QObject *parent);

private:
    void buildFontPage(QWidget *page);
    void buildFormatPage(QWidget *page);
    void buildListsButton(QWidget *page);
    QToolButton *arrow(QWidget *page, const QString &name, const QString &hint);
    bool eventFilter(QObject *watched, QEvent *event) override;

    TagController &m_tags;
    Settings &m_settings;
    QComboBox *m_fontSize = nullptr;
    QComboBox *m_screenFonts = nullptr;
};
