#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A titled group of radio buttons, one per item, laid out in columns, with
// the index of the chosen item. changed() follows every change of the index,
// also one made by setItemIndex().
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &title, const QStringList &items, int columns = 1,
               QWidget *parent = nullptr);

    int itemIndex() const; // -1 when none is chosen
    void setItemIndex(int index);
    QString itemText() const; // the chosen item's text; empty when none
    // Chooses the item with this text (compared without regard to case);
    // returns false, changing nothing, when there is none.
    bool setItemText(const QString &text);
    QStringList items() const { return m_items; }
    QRadioButton *button(int index) const;

signals:
    void changed(int index);

private:
    QStringList m_items;
    QButtonGroup *m_group;
};
