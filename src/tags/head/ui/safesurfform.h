#pragma once

#include "tags/head/safesurf.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The "SafeSurf Rating" dialog (`TSafeSurfForm`): twelve pages, one question
// each, walked with "Prev" and "Next". Pages 1 to 11 choose the level of one
// category; page 12 holds the site's address and whether the rating holds
// for the whole site. It only collects the choice; the caller writes the tag.
class SafeSurfForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPages = SafeSurf::kCategories + 1;

    explicit SafeSurfForm(const SafeSurf::Rating &preset, QWidget *parent = nullptr);

    SafeSurf::Rating rating() const;
    // The page shown, from 1.
    int page() const;
    void setPage(int page);

private:
    QStackedWidget *m_pages = nullptr;
    QLabel *m_question = nullptr;
    std::array<QListWidget *, SafeSurf::kCategories> m_levels{};
    QLineEdit *m_siteUrl = nullptr;
    QCheckBox *m_wholeSite = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
};
