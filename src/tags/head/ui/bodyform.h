#pragma once

#include "tags/bodymemory.h"

#include <QDialog>
#include <QString>
#include <array>

class BodyPreview;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QScrollBar;
class QSpinBox;
class UserInteraction;

// The "Body Settings" dialog (`TBodyForm`): the colours of the page's text,
// links and background, its background picture and its margins, with a small
// preview of the four text colours on the background. It only collects the
// user's choices; the caller writes the statement.
class BodyForm : public QDialog {
    Q_OBJECT
public:
    // The five colours the bars edit, in the order of the radio buttons.
    enum Item { TextItem, LinkItem, VisitedLinkItem, ActiveLinkItem, BackgroundItem };

    // `pageDir`: where "Load Background" starts looking.
    BodyForm(UserInteraction &ui, const BodyMemory &preset, const QString &pageDir,
             QWidget *parent = nullptr);

    // What the user chose; the background is the picture's path as chosen.
    BodyMemory settings() const;
    QColor itemColor(Item item) const { return m_colors[size_t(item)]; }
    Item chosenItem() const { return m_item; }

private:
    void chooseItem(int item);
    void barsMoved();
    void pickColor();
    void loadBackground();
    void clearBackground();
    void showBars();
    void showBackgroundName();
    // The background picture as a path the preview can load.
    QString picturePath() const;

    UserInteraction &m_ui;
    QString m_pageDir;
    std::array<QColor, 5> m_colors;
    Item m_item = TextItem;
    QString m_background;

    QButtonGroup *m_items = nullptr;
    std::array<QScrollBar *, 3> m_bars{};
    std::array<QLabel *, 3> m_barValues{};
    QLabel *m_backgroundName = nullptr;
    QCheckBox *m_fixed = nullptr;
    std::array<QSpinBox *, 4> m_margins{}; // left, right, top, bottom
    BodyPreview *m_preview = nullptr;
};
