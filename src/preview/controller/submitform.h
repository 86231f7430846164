#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Submit Results": what a form in the preview would have sent, shown
// instead of sending it. Non-modal; it lives as long as the main window and
// is filled again by each submission.
class SubmitForm : public QDialog {
    Q_OBJECT
public:
    explicit SubmitForm(QWidget *parent = nullptr);

    // Fills the fields and the list ("name=value" lines) and brings the
    // dialog to the front.
    void showResults(const QString &action, const QString &method, const QStringList &results);

    QString action() const;
    QString method() const;
    QStringList results() const;

private:
    QLineEdit *m_action = nullptr;
    QLineEdit *m_method = nullptr;
    QListWidget *m_results = nullptr;
    QPushButton *m_close = nullptr;
};
