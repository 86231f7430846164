#include "scripteduserinteraction.h"

QStringList ScriptedUserInteraction::messageTexts() const {
    QStringList out;
    for (const Question &q : m_asked)
        if (q.type == Type::Message || q.type == Type::Plain)
            out << q.text;
    return out;
}

int ScriptedUserInteraction::count(Type type) const {
    int n = 0;
    for (const Question &q : m_asked)
        n += q.type == type ? 1 : 0;
    return n;
}

void ScriptedUserInteraction::clear() {
    m_asked.clear();
    m_messages.clear();
    m_inputs.clear();
    m_files.clear();
    m_colors.clear();
    m_fonts.clear();
    m_printers.clear();
    m_helpers.clear();
    m_tips.clear();
    m_unexpected = 0;
}

int ScriptedUserInteraction::message(const QString &text, Msg::Kind kind, Msg::Buttons buttons) {
    m_asked.append({Type::Message, text, QString(), kind, buttons, QString(), 0});
    if (!m_messages.isEmpty())
        return m_messages.dequeue();
    // Only an OK-only message needs no answer: it can only be acknowledged.
    if (buttons != Msg::Ok)
        ++m_unexpected;
    return Msg::resultOf(Msg::escapeButton(buttons));
}

void ScriptedUserInteraction::plainMessage(const QString &text) {
    m_asked.append({Type::Plain, text, QString(), -1, Msg::Ok, QString(), 0});
}

bool ScriptedUserInteraction::inputBox(const QString &caption, const QString &prompt,
                                       QString &value) {
    m_asked.append({Type::Input, prompt, caption, -1, 0, value, 0});
    if (m_inputs.isEmpty()) {
        ++m_unexpected;
        return false;
    }
    const QVariant answer = m_inputs.dequeue();
    if (!answer.isValid())
        return false;
    value = answer.toString();
    return true;
}

QString ScriptedUserInteraction::file(Type type, const FileRequest &request, int *chosenFilter) {
    m_asked.append({type, request.filter, request.caption, -1, 0,
                    request.folder + QLatin1Char('|') + request.fileName, request.filterIndex});
    if (m_files.isEmpty()) {
        ++m_unexpected;
        return QString();
    }
    const FileAnswer answer = m_files.dequeue();
    if (chosenFilter)
        *chosenFilter = answer.filterIndex ? answer.filterIndex : request.filterIndex;
    return answer.path;
}

QString ScriptedUserInteraction::openFile(const FileRequest &request, int *chosenFilter) {
    return file(Type::OpenFile, request, chosenFilter);
}

QStringList ScriptedUserInteraction::openFiles(const FileRequest &request) {
    const QString paths = file(Type::OpenFile, request, nullptr);
    return paths.isEmpty() ? QStringList() : paths.split(QLatin1Char('\n'));
}

QString ScriptedUserInteraction::saveFile(const FileRequest &request, int *chosenFilter) {
    return file(Type::SaveFile, request, chosenFilter);
}

bool ScriptedUserInteraction::chooseColor(QColor &color) {
    m_asked.append({Type::Color, color.name(), QString(), -1, 0, QString(), 0});
    if (m_colors.isEmpty()) {
        ++m_unexpected;
        return false;
    }
    const QColor answer = m_colors.dequeue();
    if (!answer.isValid())
        return false;
    color = answer;
    return true;
}

bool ScriptedUserInteraction::chooseFont(FontChoice &font) {
    m_asked.append({Type::Font, font.family, QString(), -1, 0, QString(), 0});
    if (m_fonts.isEmpty()) {
        ++m_unexpected;
        return false;
    }
    const FontAnswer answer = m_fonts.dequeue();
    if (answer.ok)
        font = answer.font;
    return answer.ok;
}

bool ScriptedUserInteraction::choosePrinter(QPrinter &, bool setupOnly) {
    m_asked.append({Type::Printer, QString(), setupOnly ? QStringLiteral("setup") : QString(), -1,
                    0, QString(), 0});
    if (m_printers.isEmpty()) {
        ++m_unexpected;
        return false;
    }
    return m_printers.dequeue();
}

bool ScriptedUserInteraction::helperTip(const QString &caption, const TipText &tip) {
    m_asked.append({Type::Helper, tip.text, caption, -1, 0, tip.title, 0});
    // Closing a helper tip without touching its box keeps it ticked.
    return m_helpers.isEmpty() ? true : m_helpers.dequeue();
}

int ScriptedUserInteraction::tipOfTheDay(int index, bool &showAtStartup) {
    m_asked.append({Type::TipOfDay, QString(), QString(), -1, 0, QString(), index});
    if (m_tips.isEmpty())
        return index;
    const TipAnswer answer = m_tips.dequeue();
    showAtStartup = answer.show;
    return answer.index;
}

void ScriptedUserInteraction::showHelp() {
    m_asked.append({Type::Help, QString(), QString(), -1, 0, QString(), 0});
}
