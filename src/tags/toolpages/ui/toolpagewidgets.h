#pragma once

#include <QComboBox>
#include <QVector>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QWidget;

// A combo box whose list is filled afresh each time it drops down (the
// pictures of a folder, the pages beside the document); the text typed or
// chosen stays.
class DropDownFilledBox : public QComboBox {
    Q_OBJECT
public:
    using Filler = std::function<QStringList()>;
    explicit DropDownFilledBox(QWidget *parent = nullptr);
    void setFiller(Filler filler) { m_filler = std::move(filler); }
    // Fills the list now, as dropping it down does.
    void refill();
    void showPopup() override;

private:
    Filler m_filler;
};

// The controls of the tool pages, each with its component name as
// objectName and its hint as tool tip and status tip. They only collect the
// user's choices; ToolPagesArea acts on them.

struct ListsControls {
    QComboBox *listType = nullptr;        // ListType
    QComboBox *orderedStyles = nullptr;   // OLTypes
    QComboBox *unorderedStyles = nullptr; // ULTypes
    QSpinBox *count = nullptr;            // ListCount
    QLabel *startLabel = nullptr;
    QSpinBox *startAt = nullptr;   // StartAt
    QToolButton *insert = nullptr; // AddListSB
};

struct TablesControls {
    QToolButton *insert = nullptr; // SpeedButton7
    QSpinBox *columns = nullptr;   // Cols
    QSpinBox *rows = nullptr;      // Rows
    QSpinBox *width = nullptr;     // TableWidth
    QCheckBox *border = nullptr;   // Border
};

struct ImagesControls {
    QComboBox *type = nullptr;            // ImageTypeDir
    QToolButton *useShared = nullptr;     // UseSharedImagesBtn
    DropDownFilledBox *picture = nullptr; // ImageList
    QComboBox *alignment = nullptr;       // ImageAlignment
    DropDownFilledBox *hotLink = nullptr; // HotLink
    QToolButton *insert = nullptr;        // BitBtn2
    QToolButton *gallery = nullptr;       // SpeedButton36
};

struct LinksControls {
    QComboBox *prefix = nullptr;      // LinkPrefix
    DropDownFilledBox *url = nullptr; // URLLink
    QLineEdit *text = nullptr;        // URLText
    QToolButton *insert = nullptr;    // BitBtn1
};

// Each builder puts its controls at the front of the page's row, before
// any buttons other areas have put there.
ListsControls buildListsPage(QWidget *page);
TablesControls buildTablesPage(QWidget *page);
ImagesControls buildImagesPage(QWidget *page);
LinksControls buildLinksPage(QWidget *page);
// One button per entry, captions and hints as given; in the given order.
QVector<QToolButton *> buildButtonsPage(QWidget *page, const QStringList &names,
                                        const QStringList &captions, const QStringList &hints);
