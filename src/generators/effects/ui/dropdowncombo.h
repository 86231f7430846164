#pragma once

#include <QComboBox>

// A combo box that announces its list before dropping it down, so that the
// list can be filled with what is there at that moment (the pictures of the
// page's folder, the links of the page).
class DropDownCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        emit aboutToDropDown();
        QComboBox::showPopup();
    }

signals:
    void aboutToDropDown();
};
