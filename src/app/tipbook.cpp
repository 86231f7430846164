#include "app/tipbook.h"
#include "app/regularfile.h"

#include <QFile>
#include <QRegularExpression>

TipBook TipBook::load(const QString &path) {
    QFile file;
    if (!RegularFile::open(file, path).ok())
        return TipBook();
    const QByteArray bytes = file.read(4 * 1024 * 1024);
    // Tips are plain text in UTF-8 or Windows-1252; accept any line end.
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(bytes);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return TipBook(lines);
}

int TipBook::move(int index, Move how, bool tipMode) const {
    index += how == Move::Next ? 1 : -1;
    if (tipMode && index < 10)
        index = 10;
    if (index < 0)
        index = m_lines.size() - 1;
    if (index >= m_lines.size() - 1)
        index = 10;
    return index;
}

TipText TipBook::at(int index) const {
    if (index < 0 || index >= m_lines.size())
        return TipText();
    return format(m_lines.at(index));
}

TipText TipBook::format(const QString &line) {
    TipText tip;
    if (line.isEmpty())
        return tip;
    switch (line.at(0).unicode()) {
    case '!':
        tip.title = QStringLiteral("Today's joke...");
        break;
    case '#':
        tip.title = QStringLiteral("Today's message...");
        break;
    case '\'':
        tip.title = QStringLiteral("Today's quote...");
        break;
    case '?':
        tip.title = QStringLiteral("Did you know...");
        break;
    case '^':
        tip.title = QStringLiteral("Today's tip...");
        break;
    default:
        break;
    }
    QString text = line.mid(1, 255);
    for (int i = 0; i < 5; ++i) {
        const int at = text.indexOf(QStringLiteral("%s"));
        if (at < 0)
            break;
        text.replace(at, 2, QLatin1Char('\n'));
    }
    tip.text = text;
    return tip;
}

TipText TipBook::unavailable() {
    return {QStringLiteral("Oops..."),
            QStringLiteral("Sorry, no tips are available. You can disable this message by "
                           "unchecking \"Show Tips at Startup\" at the bottom of this dialog. "
                           "Alternatively, re-install this program.")};
}
