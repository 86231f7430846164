#pragma once

#include "generators/calendar/calendarmodel.h"

#include <QDate>
#include <QDialog>

class GeneratorHost;
class GeneratorPreview;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// "Calendar Veda Guy": a one-month calendar as an HTML table, previewed after
// every change and inserted at the caret by OK.
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    // The calendar starts at the month of `today`.
    CalendarDialog(GeneratorHost &host, const QDate &today, QWidget *parent = nullptr);

    const CalendarModel &model() const { return m_model; }
    GeneratorPreview *preview() const { return m_preview; }

    // Rebuilds the lines from the controls and shows them.
    void rebuild();

private:
    QWidget *buildMonthRow();
    QLineEdit *colorRow(class QFormLayout *form, const QString &caption, const char *fieldName,
                        const char *buttonName);
    void insertAndClose();
    void showMonth();

    GeneratorHost &m_host;
    CalendarModel m_model;
    bool m_updating = false; // controls being set by the dialog itself

    QLabel *m_monthLabel = nullptr;
    QSpinBox *m_year = nullptr;
    QComboBox *m_firstDay = nullptr, *m_tableAlign = nullptr, *m_cellAlign = nullptr;
    QLineEdit *m_headingColor = nullptr, *m_tableColor = nullptr, *m_textColor = nullptr;
    QSpinBox *m_rowHeight = nullptr;
    QCheckBox *m_border = nullptr, *m_links = nullptr;
    GeneratorPreview *m_preview = nullptr;
};
