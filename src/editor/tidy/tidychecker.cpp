#include "editor/tidy/tidychecker.h"

#include <QRegularExpression>
#include <QStringList>
#include <tidy.h>
#include <tidybuffio.h>

namespace {

struct Collector {
    QList<TidyFinding> findings;
};

Bool TIDY_CALL collect(TidyMessage message) {
    auto *collector = static_cast<Collector *>(tidyGetAppData(tidyGetMessageDoc(message)));
    TidyFinding finding;
    switch (tidyGetMessageLevel(message)) {
    case TidyWarning:
        finding.kind = TidyFinding::Kind::Warning;
        break;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
        finding.kind = TidyFinding::Kind::Error;
        break;
    default:
        return no; // information, configuration, the summary
    }
    finding.line = tidyGetMessageLine(message);
    finding.column = tidyGetMessageColumn(message); // Tidy's, mapped later
    finding.text = QString::fromUtf8(tidyGetMessage(message));
    collector->findings.append(finding);
    return no; // nothing goes to Tidy's own output
}

} // namespace

int TidyChecker::editorColumn(const QString &lineText, int tidyColumn) {
    int column = 1;
    qsizetype i = 0;
    while (i < lineText.size() && column < tidyColumn) {
        i += (lineText.at(i).isHighSurrogate() && i + 1 < lineText.size()) ? 2 : 1;
        ++column;
    }
    return int(i);
}

QList<TidyFinding> TidyChecker::check(const QString &text) const {
    Collector collector;
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &collector);
    tidySetMessageCallback(doc, collect);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetBool(doc, TidyKeepTabs, yes); // a tab is one column, as in the editor
    tidyOptSetInt(doc, TidyShowErrors, 1000000);
    tidySetInCharEncoding(doc, "utf8");
    // Tidy's own report stream, should anything still go there, stays here.
    TidyBuffer errors;
    tidyBufInit(&errors);
    tidySetErrorBuffer(doc, &errors);

    QByteArray bytes = text.toUtf8();
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(&input, reinterpret_cast<byte *>(bytes.data()), uint(bytes.size()));
    tidyParseBuffer(doc, &input);
    tidyBufDetach(&input);
    tidyBufFree(&errors);
    tidyRelease(doc);

    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    for (TidyFinding &finding : collector.findings) {
        if (finding.line >= 1 && finding.line <= lines.size())
            finding.column = editorColumn(lines.at(finding.line - 1), finding.column);
        else
            finding.column = 0;
    }
    return collector.findings;
}
