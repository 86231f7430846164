#pragma once

#include <QDialog>

class ProgramSearch;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class UserInteraction;

// The program search dialog (`TSearchForm`): walks the folder tree below a
// chosen root for browser programs and lets the user pick one. The walk runs
// on a worker thread: the list fills as programs are found, the window stays
// responsive, and "Stop", OK and Cancel end the walk at once.
class ProgramSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgramSearchDialog(UserInteraction &ui, QWidget *parent = nullptr);
    ~ProgramSearchDialog() override;

    // The program chosen in the list (a full path); empty when the list is
    // empty.
    QString chosenProgram() const;
    // Starts the search ("&Search").
    void search();
    bool isSearching() const;

    // Closing the dialog in any way ends the walk first.
    void done(int result) override;

signals:
    // The walk ended (also when stopped).
    void searchEnded();

private:
    void addFound(int row, const QString &path);
    void searchFinished(bool completed);
    void setSearching(bool on);

    UserInteraction &m_ui;
    ProgramSearch *m_search = nullptr;
    QLineEdit *m_additional = nullptr;
    QComboBox *m_drives = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    bool m_tellEmpty = false; // an empty result is told when the walk ends
};
