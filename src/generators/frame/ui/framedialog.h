#pragma once

#include "generators/frame/framecreator.h"

#include <QDialog>
#include <array>

class FrameSplitter;
class GeneratorHost;
class HtmlViewer;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QStackedWidget;
class RadioGroup;

// "Frame Creation": the user shapes a grid of up to three rows of three
// frames, gives each frame its file, name, margins, scrolling and resizing,
// and the dialog replaces the page in the editor by the frameset document.
// The layout and the frames can be saved as a ".set"/".par" pair and opened
// again.
class FrameDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrameDialog(GeneratorHost &host, QWidget *parent = nullptr);
    ~FrameDialog() override;

    const FrameCreator &model() const { return m_model; }

    // The menu commands.
    void openSettings();
    void saveSettings();
    void returnAndInsert();

    // The settings file opened last in this run, proposed by Save.
    static QString lastSettingsFile();

private:
    // framedialog_grid.cpp: the start page, the grid and their feedback.
    QWidget *buildStartPage();
    QWidget *buildGrid();
    void rowBarMoved(int row, int bar, int position);
    void outerBarMoved(int bar, int position);
    void barDragged(int splitter, int bar, int percent);
    void orientationChosen(int index);
    void showOrientation();
    void showBars();
    void followBars(); // the scroll bars follow the model's bars
    std::array<bool, FrameCreator::FrameCount> usablePanes() const;

    // framedialog.cpp: the frame settings page and the steps.
    QWidget *buildSettingsPage();
    void buildMenu();
    void nextClicked();
    void prevClicked();
    void showStep();
    void fillFields();
    void storeFields();
    void frameNameLeft();
    void browseSource();
    void showPane(int frame);
    QString sourcePath(const QString &source) const;

    GeneratorHost &m_host;
    FrameCreator m_model;
    bool m_suspended = false; // the dialog fills its controls itself

    QStackedWidget *m_book = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_finished = nullptr;

    // Start page: [row][bar 1, bar 2]; the outer bars.
    QScrollBar *m_rowBars[3][2] = {};
    QLabel *m_rowLabels[3][2] = {};
    QScrollBar *m_outerBars[2] = {};
    QLabel *m_outerLabels[2] = {};
    RadioGroup *m_orientation = nullptr;
    QLineEdit *m_pageTitle = nullptr;
    QCheckBox *m_noFrame = nullptr;

    // The grid.
    FrameSplitter *m_mainRows = nullptr;
    FrameSplitter *m_rows[3] = {};
    HtmlViewer *m_panes[FrameCreator::FrameCount] = {};

    // Frame settings page.
    QLabel *m_frameCaption = nullptr;
    QLineEdit *m_srcName = nullptr;
    QLineEdit *m_frameName = nullptr;
    QSpinBox *m_marginWidth = nullptr;
    QSpinBox *m_marginHeight = nullptr;
    RadioGroup *m_scrolling = nullptr;
    QCheckBox *m_allowResize = nullptr;
};
