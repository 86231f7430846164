#pragma once

#include "generators/table/cellattributes.h"

#include <QDialog>

class GeneratorHost;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Cell Attributes: builds the attribute string of a cell tag the user is
// typing by hand and inserts it at the caret.
class CellAttributesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CellAttributesDialog(GeneratorHost &host, QWidget *parent = nullptr);

    CellAttributes attributes() const;
    // OK: inserts the string (when there is one) and closes.
    void bitBtn1Click();

private:
    void speedButton1Click();

    GeneratorHost &m_host;
    QSpinBox *m_colSpan;
    QSpinBox *m_rowSpan;
    QComboBox *m_vAlign;
    QComboBox *m_hAlign;
    QSpinBox *m_height;
    QCheckBox *m_heightPercent;
    QSpinBox *m_width;
    QCheckBox *m_widthPercent;
    QLineEdit *m_color;
};
