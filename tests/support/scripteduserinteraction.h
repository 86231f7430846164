#pragma once

#include "app/userinteraction.h"

#include <QColor>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// Answers the program's questions from a script and records each question,
// so that tests check the exact texts asked.
//
//   ScriptedUserInteraction ui;
//   ui.answerMessage(Msg::ResultNo);          // the next message dialog
//   controller.closeActivePage();
//   QCOMPARE(ui.asked().at(0).text, "Save /tmp/a.htm before closing?");
//
// A question with no scripted answer gets the neutral answer (the Escape
// button of a message, Cancel of a dialog) and is counted in unexpected().
class ScriptedUserInteraction : public UserInteraction {
public:
    enum class Type {
        Message,
        Plain,
        Input,
        OpenFile,
        SaveFile,
        Color,
        Font,
        Printer,
        Helper,
        TipOfDay,
        Help
    };

    struct Question {
        Type type;
        QString text;    // message text, input prompt, tip text
        QString caption; // input box, file dialog or helper tip caption
        int kind = -1;   // Msg::Kind of a message
        int buttons = 0; // Msg::Buttons of a message
        QString preset;  // input box preset, file dialog name, filter
        int filterIndex = 0;
    };

    // Scripted answers, consumed in order per type.
    void answerMessage(int result) { m_messages.enqueue(result); }
    void answerInput(const QString &value) { m_inputs.enqueue(QVariant(value)); }
    void cancelInput() { m_inputs.enqueue(QVariant()); }
    void answerFile(const QString &path, int filterIndex = 0) {
        m_files.enqueue({path, filterIndex});
    }
    // The next open dialog with several files allowed (openFiles); none is
    // Cancel. A single-file answer (answerFile) serves it as well.
    void answerFiles(const QStringList &paths) {
        m_files.enqueue({paths.join(QLatin1Char('\n')), 0});
    }
    void answerColor(const QColor &color) { m_colors.enqueue(color); } // invalid = Cancel
    void answerFont(const FontChoice &font) { m_fonts.enqueue({true, font}); }
    void cancelFont() { m_fonts.enqueue({false, FontChoice()}); }
    void answerPrinter(bool ok) { m_printers.enqueue(ok); }
    void answerHelper(bool keepShowing) { m_helpers.enqueue(keepShowing); }
    void answerTip(int lastIndex, bool showAtStartup) {
        m_tips.enqueue({lastIndex, showAtStartup});
    }

    const QVector<Question> &asked() const { return m_asked; }
    QStringList messageTexts() const;
    int count(Type type) const;
    int unexpected() const { return m_unexpected; }
    void clear();

    // UserInteraction
    int message(const QString &text, Msg::Kind kind, Msg::Buttons buttons) override;
    void plainMessage(const QString &text) override;
    bool inputBox(const QString &caption, const QString &prompt, QString &value) override;
    QString openFile(const FileRequest &request, int *chosenFilter) override;
    QString saveFile(const FileRequest &request, int *chosenFilter) override;
    QStringList openFiles(const FileRequest &request) override;
    bool chooseColor(QColor &color) override;
    bool chooseFont(FontChoice &font) override;
    bool choosePrinter(QPrinter &printer, bool setupOnly) override;
    bool helperTip(const QString &caption, const TipText &tip) override;
    int tipOfTheDay(int index, bool &showAtStartup) override;
    void showHelp() override;

private:
    struct FileAnswer {
        QString path;
        int filterIndex;
    };
    struct FontAnswer {
        bool ok;
        FontChoice font;
    };
    struct TipAnswer {
        int index;
        bool show;
    };
    QString file(Type type, const FileRequest &request, int *chosenFilter);

    QVector<Question> m_asked;
    QQueue<int> m_messages;
    QQueue<QVariant> m_inputs;
    QQueue<FileAnswer> m_files;
    QQueue<QColor> m_colors;
    QQueue<FontAnswer> m_fonts;
    QQueue<bool> m_printers;
    QQueue<bool> m_helpers;
    QQueue<TipAnswer> m_tips;
    int m_unexpected = 0;
};
