#pragma once

#include "tags/head/initialvalues.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class HtmlViewer;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class UserInteraction;

// The "Initial Values" wizard (`TInitialValuesForm`): five pages of answers
// about a new page ("Page Internals", "Images/Themes", "Text", "General",
// "Colors") beside a live preview of the page they make. "Finish" is shown
// on the last page only. It collects the answers; the caller writes the page.
class InitialValuesForm : public QDialog {
    Q_OBJECT
public:
    using LinesBuilder = std::function<QStringList(const InitialValues &)>;
    static constexpr int kPages = 5;

    // `start`: the answers to begin with (the project's defaults applied);
    // `themes`: the theme list; `pageDir`: where the picture choosers start
    // and relative references of the preview resolve; `build` makes the
    // page's lines for the preview.
    InitialValuesForm(UserInteraction &ui, const InitialValues &start, const QStringList &themes,
                      const QString &pageDir, LinesBuilder build, QWidget *parent = nullptr);

    // The answers as the fields hold them now.
    InitialValues values() const;
    // The page shown, from 0, and its caption.
    int page() const;
    QString pageCaption() const;
    void setPage(int page);
    // The mark-up the preview shows, rebuilt when a field is left or a
    // choice changes.
    QString previewHtml() const { return m_previewHtml; }
    HtmlViewer *preview() const { return m_preview; }

    static const QStringList &pageCaptions();

private:
    QWidget *buildInternalsPage();
    QWidget *buildImagesPage(const QStringList &themes);
    QWidget *buildTextPage();
    QWidget *buildGeneralPage();
    QWidget *buildColorsPage();
    void showValues(const InitialValues &v);
    void rebuild();
    void watch(QLineEdit *field);
    void choosePicture(QLineEdit *field);
    void chooseFieldColor(QLineEdit *field);
    void chooseHeadingColor();
    void showHeadingColor();
    bool eventFilter(QObject *watched, QEvent *event) override;

    UserInteraction &m_ui;
    QString m_pageDir;
    LinesBuilder m_build;
    QString m_previewHtml;
    QColor m_headingColor;
    bool m_showing = false; // fields are being filled: no rebuilds

    QStackedWidget *m_pages = nullptr;
    QLabel *m_caption = nullptr;
    HtmlViewer *m_preview = nullptr;
    QPushButton *m_back = nullptr, *m_next = nullptr, *m_finish = nullptr, *m_cancel = nullptr;

    // Page Internals
    QLineEdit *m_title = nullptr, *m_comments = nullptr, *m_keywords = nullptr;
    QLineEdit *m_description = nullptr;
    QComboBox *m_docType = nullptr;
    // Images/Themes
    QLineEdit *m_background = nullptr;
    QComboBox *m_theme = nullptr;
    std::array<QCheckBox *, 5> m_arrows{}; // left, right, up, down, question mark
    QCheckBox *m_fixed = nullptr;
    // Text
    QLineEdit *m_email = nullptr, *m_emailCaption = nullptr, *m_heading = nullptr;
    QToolButton *m_headingColorButton = nullptr;
    QSpinBox *m_headingSize = nullptr;
    QLineEdit *m_logo = nullptr;
    QCheckBox *m_center = nullptr;
    // General
    QLineEdit *m_greeting = nullptr;
    QPlainTextEdit *m_otherInfo = nullptr;
    QSpinBox *m_fontSize = nullptr;
    // Colors: text, link, alink, vlink, background
    std::array<QLineEdit *, 5> m_colors{};
    QSpinBox *m_leftMargin = nullptr, *m_rightMargin = nullptr;
};
