#pragma once

#include "generators/table/tablemodel.h"

#include <QDialog>

class GeneratorHost;
class GeneratorPreview;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class RadioGroup;

// The Table Veda Guy: builds a table step by step on three pages (the base
// table, the table's attributes, the selected cell's attributes) beside a
// preview in which clicking a cell's "*" selects it. "&Insert and Return"
// hands the table's lines to the host; the table can be saved to and opened
// from a table definition (".tbl").
class TableCreateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TableCreateDialog(GeneratorHost &host, QWidget *parent = nullptr);
    ~TableCreateDialog() override;

    const TableModel &model() const { return m_model; }

    // The handlers of the dialog's controls, for the program's shortcuts and
    // for tests.
    void tblBuildClick();
    void htmlViewerHotSpotClick(const QString &target);
    void viewClick();
    void copyHtmlToClipboardClick();
    void open1Click();
    void saveTableDefinition1Click();
    void exit1Click(bool insert);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class SaveResult { Saved, Cancelled, Failed };
    enum Page { MainPage = 0, TablePage = 1, CellPage = 2 };

    QWidget *buildMainPage();
    QWidget *buildTablePage();
    QWidget *buildCellPage();
    QMenuBar *buildMenus();
    void connectControls();

    // Reading and filling the controls.
    TableSettings tableControls() const;
    void showTableSettings(const TableSettings &s);
    CellSettings cellControls() const;
    void showCell(const CellSettings &cell);

    void tblPaddingChange();
    void rowSpanChange();
    void updateCell();
    void deleteCellClick();
    void addCellClick();
    void addRowClick();
    void prevPageClick();
    void nextPageClick();
    void tableFuncitons1Click();
    void colorButtonClick(QLineEdit *field, bool cellColor);
    SaveResult saveDefinition();

    void toggleEnabled(bool on);
    void refreshPreview();
    void updateViewCaption();
    void updateMenus();
    void showPage(int page);

    GeneratorHost &m_host;
    TableModel m_model;
    bool m_updatesSuspended = false;
    QString m_fileName; // the definition last opened or saved

    GeneratorPreview *m_preview = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;

    QPlainTextEdit *m_memo = nullptr;
    QSpinBox *m_cols = nullptr;
    QSpinBox *m_rows = nullptr;
    QPushButton *m_build = nullptr;
    QCheckBox *m_confirm = nullptr;
    QLineEdit *m_caption = nullptr;
    QSpinBox *m_captionSize = nullptr;
    RadioGroup *m_captionPosition = nullptr;

    QSpinBox *m_padding = nullptr;
    QSpinBox *m_spacing = nullptr;
    QSpinBox *m_border = nullptr;
    QSpinBox *m_width = nullptr;
    RadioGroup *m_alignment = nullptr;
    QLineEdit *m_tableColor = nullptr;
    QLineEdit *m_borderColor = nullptr;

    QSpinBox *m_rowSpan = nullptr;
    QSpinBox *m_colSpan = nullptr;
    QComboBox *m_valign = nullptr;
    QComboBox *m_halign = nullptr;
    QCheckBox *m_cellHeader = nullptr;
    QLineEdit *m_cellText = nullptr;
    QLineEdit *m_cellColor = nullptr;
    QPushButton *m_deleteCell = nullptr;
    RadioGroup *m_whereToAdd = nullptr;
    QPushButton *m_addCell = nullptr;
    QPushButton *m_addRow = nullptr;

    QMenu *m_tableMenu = nullptr;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_insert = nullptr;
    QAction *m_exit = nullptr;
    QAction *m_view = nullptr;
    QAction *m_copy = nullptr;
};
