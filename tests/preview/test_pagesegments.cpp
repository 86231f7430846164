// Cutting a page's body into top-level blocks and turning an edit into a
// patch of the blocks it touched. Whether a patched page equals a page
// rendered whole is checked on the browser engine in test_htmlviewer_patch.

#include "preview/pagesegments.h"

#include <QtTest>

namespace {

const QString head =
    QStringLiteral("<!DOCTYPE html>\r\n<HTML><HEAD><TITLE>T</TITLE>"
                   "<STYLE>p { color: red }</STYLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n");
const QString foot = QStringLiteral("</BODY>\r\n</HTML>\r\n");

QString page(const QString &body) {
    return head + body + foot;
}

const QString body = QStringLiteral(
    "Lead text <B>bold</B>\r\n<H1 ID=\"t\">Title</H1>\r\n<P>One <I>two</I> three</P>\r\n"
    "<!-- a note -->\r\n<TABLE BORDER=1><TR><TD>a</TD><TD>b</TD></TR></TABLE>\r\n"
    "<UL><LI>x</LI><LI>y</LI></UL><HR><IMG SRC=\"p.png\" ALT=\"a > b\">tail "
    "<TEXTAREA>x <b> y</TEXTAREA>\r\n<P>Last</P>\r\n");

// How many characters two texts share at their start, and then at their end.
std::pair<int, int> sameEnds(const QString &before, const QString &after) {
    const int shorter = int(qMin(before.size(), after.size()));
    int same = 0;
    while (same < shorter && before.at(same) == after.at(same))
        ++same;
    int sameEnd = 0;
    while (sameEnd < shorter - same &&
           before.at(before.size() - 1 - sameEnd) == after.at(after.size() - 1 - sameEnd))
        ++sameEnd;
    return {same, sameEnd};
}

// The spans an editor may report for changing `before` into `after`: the
// exact difference, and 1, 7 and 40 characters wider at both ends (as when
// it merges changes), reaching over the head or the end of the body too.
struct Span {
    int wider, from, keptEnd;
};
QList<Span> spansAround(const QString &before, const QString &after) {
    const auto [same, sameEnd] = sameEnds(before, after);
    QList<Span> spans;
    for (int wider : {0, 1, 7, 40})
        spans.append({wider, qMax(0, same - wider), qMax(0, sameEnd - wider)});
    return spans;
}

// A patch in words, so that two can be compared whole.
QString describe(const PageSegments::Patch &p) {
    return QStringLiteral("at %1 remove %2 (%3) add %4 [%5] inside %6")
        .arg(p.firstNode)
        .arg(p.removeNodes)
        .arg(p.removedNames.join(QLatin1Char(',')))
        .arg(p.newNodes)
        .arg(p.html, p.insideName);
}

} // namespace

class TestPageSegments : public QObject {
    Q_OBJECT

private slots:
    void blocksOfABody() {
        PageSegments s;
        s.reset(page(body));
        QVERIFY(s.patchable());
        QStringList blocks;
        for (const auto &[start, end] : s.ranges())
            blocks << s.text().mid(start, end - start);
        QCOMPARE(blocks,
                 QStringList({"\r\nLead text ", "<B>bold</B>\r\n", "<H1 ID=\"t\">Title</H1>\r\n",
                              "<P>One <I>two</I> three</P>\r\n", "<!-- a note -->\r\n",
                              "<TABLE BORDER=1><TR><TD>a</TD><TD>b</TD></TR></TABLE>\r\n",
                              "<UL><LI>x</LI><LI>y</LI></UL>", "<HR>",
                              "<IMG SRC=\"p.png\" ALT=\"a > b\">tail ",
                              "<TEXTAREA>x <b> y</TEXTAREA>\r\n", "<P>Last</P>\r\n"}));
        // A node per block and one per text after it; the text before the
        // first block is one node.
        QCOMPARE(s.nodeCount(), 1 + 2 + 2 + 2 + 2 + 2 + 1 + 1 + 2 + 2 + 2);
    }

    // Texts the parser would not build block by block are rendered whole.
    void notPatchable_data() {
        QTest::addColumn<QString>("html");
        QTest::newRow("no BODY tag") << "<P>Text</P>";
        QTest::newRow("script") << page("<P>a</P><SCRIPT>document.write('x')</SCRIPT>");
        QTest::newRow("script in the head")
            << "<HTML><HEAD><SCRIPT>var a;</SCRIPT></HEAD><BODY><P>a</P></BODY></HTML>";
        QTest::newRow("frame set")
            << "<HTML><FRAMESET COLS=\"50%,*\"><FRAME SRC=a.htm></FRAMESET></HTML>";
        QTest::newRow("paragraph left open") << page("<P>One<P>Two");
        QTest::newRow("misnested") << page("<B><I>x</B></I>");
        QTest::newRow("stray end tag") << page("<P>x</P></DIV>");
        QTest::newRow("block in a paragraph") << page("<P>x<DIV>y</DIV></P>");
        QTest::newRow("text in a table") << page("<TABLE>oops<TR><TD>a</TD></TR></TABLE>");
        QTest::newRow("cell outside a row") << page("<TABLE><TD>a</TD></TABLE>");
        QTest::newRow("link in a link") << page("<A HREF=a>x<A HREF=b>y</A></A>");
        QTest::newRow("unclosed comment") << page("<P>x</P><!-- open");
        QTest::newRow("text after the body") << page("<P>x</P>") + "more";
        QTest::newRow("text before the BODY tag") << "<HTML>Hello<BODY><P>x</P></BODY></HTML>";
        QTest::newRow("unterminated tag") << page("<P CLASS=\"x>y</P>");
    }
    void notPatchable() {
        QFETCH(QString, html);
        PageSegments s;
        s.reset(html);
        QVERIFY(!s.patchable());
        QVERIFY(!s.update(html + QStringLiteral(" ")).has_value());
    }

    // An edit patches the blocks it touched, and leaves the analysis as a
    // fresh one of the new text.
    void edits_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("patched");
        QTest::addColumn<int>("removed"); // at most so many nodes replaced, when patched
        const QString p = page(body);
        auto edit = [&](const QString &from, const QString &to) {
            QString text = p;
            const qsizetype at = text.indexOf(from);
            Q_ASSERT(at >= 0);
            return text.replace(at, from.size(), to);
        };
        QTest::newRow("typing in a paragraph") << p << edit("two", "twoo") << true << 2;
        QTest::newRow("typing in the lead text") << p << edit("Lead", "Leads") << true << 1;
        QTest::newRow("typing before a block") << p << edit("\r\n<H1", "\r\nx<H1") << true << 2;
        QTest::newRow("adding a block") << p << edit("<HR>", "<HR><P>New</P>\r\n") << true << 2;
        QTest::newRow("removing a block") << p << edit("<HR>", "") << true << 3;
        QTest::newRow("editing a cell") << p << edit("<TD>b</TD>", "<TD>bee</TD>") << true << 2;
        QTest::newRow("editing the last block") << p << edit("Last", "Least") << true << 2;
        QTest::newRow("unbalancing the page") << p << edit("</I>", "") << false << 0;
        QTest::newRow("editing the head") << p << edit("<TITLE>T", "<TITLE>Tx") << false << 0;
        QTest::newRow("editing the BODY tag") << p << edit("#FFFFFF", "#FFFFFE") << false << 0;
        QTest::newRow("adding a script") << p << edit("<HR>", "<SCRIPT>x=1</SCRIPT>") << false << 0;
        QTest::newRow("nothing changed") << p << p << true << 0;
        QString many;
        for (int i = 0; i < 200; ++i)
            many += QStringLiteral("<P>Paragraph %1 of many</P>\r\n").arg(i);
        const QString longPage = page(many);
        QTest::newRow("typing far from both ends")
            << longPage << QString(longPage).replace("Paragraph 97 ", "Paragraph 97x ") << true
            << 2;
        QTest::newRow("a repeated run added")
            << longPage
            << QString(longPage).replace("<P>Paragraph 150 ",
                                         "<P>Paragraph 150x</P>\r\n<P>Paragraph 150 ")
            << true << 2;
        QTest::newRow("from unpatchable to patchable")
            << page("<P>x") << page("<P>x</P>") << false << 0;
    }
    void edits() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, patched);
        QFETCH(int, removed);
        PageSegments s;
        s.reset(before);
        const std::optional<PageSegments::Patch> patch = s.update(after);
        QCOMPARE(patch.has_value(), patched);
        QCOMPARE(s.text(), after);
        PageSegments fresh;
        fresh.reset(after);
        QCOMPARE(s.patchable(), fresh.patchable());
        QCOMPARE(s.ranges(), fresh.ranges());
        QCOMPARE(s.nodeCount(), fresh.nodeCount());
        if (!patch)
            return;
        QVERIFY(patch->removeNodes <= removed);
        QCOMPARE(patch->removedNames.size(), patch->removeNodes);
        PageSegments old;
        old.reset(before);
        QCOMPARE(patch->totalNodes, old.nodeCount());
        QCOMPARE(patch->totalNodes - patch->removeNodes + patch->newNodes, fresh.nodeCount());
    }

    // Told which start and end stayed the same (as the editor reports them,
    // exactly or wider than the difference), the update gives what it gives
    // when it compares the texts itself.
    void editsWithAKnownSpan_data() { edits_data(); }
    void editsWithAKnownSpan() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        for (const auto &[wider, from, keptEnd] : spansAround(before, after)) {
            PageSegments told, compared;
            told.reset(before);
            compared.reset(before);
            const auto byTold = told.update(after, from, keptEnd);
            const auto byCompare = compared.update(after);
            QCOMPARE(byTold.has_value(), byCompare.has_value());
            QCOMPARE(told.text(), after);
            QCOMPARE(told.ranges(), compared.ranges());
            if (!byTold)
                continue;
            QCOMPARE(byTold->totalNodes - byTold->removeNodes + byTold->newNodes,
                     compared.nodeCount());
            if (wider == 0) {
                QCOMPARE(byTold->firstNode, byCompare->firstNode);
                QCOMPARE(byTold->html, byCompare->html);
                QCOMPARE(byTold->insideName, byCompare->insideName);
            }
        }
    }

    // Told only what replaced which characters (the text is changed in
    // place), the analysis gives the patch it gives for the whole new text
    // with the same span.
    void editsByReplacement_data() { edits_data(); }
    void editsByReplacement() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        for (const auto &[wider, from, keptEnd] : spansAround(before, after)) {
            PageSegments replaced, told;
            replaced.reset(before);
            told.reset(before);
            const auto byReplace =
                replaced.replace(from, int(before.size()) - from - keptEnd,
                                 after.mid(from, after.size() - from - keptEnd));
            const auto byTold = told.update(after, from, keptEnd);
            QCOMPARE(replaced.text(), after);
            QCOMPARE(replaced.patchable(), told.patchable());
            QCOMPARE(replaced.ranges(), told.ranges());
            QCOMPARE(byReplace.has_value(), byTold.has_value());
            if (!byReplace)
                continue;
            QCOMPARE(describe(*byReplace), describe(*byTold));
        }
    }

    // Without the text held, the analysis reads only pieces of the new text
    // from the block the edit starts in, as far as the edit reaches, and
    // gives the patch it gives holding the text.
    void editsFromPieces_data() { edits_data(); }
    void editsFromPieces() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        for (const auto &[wider, from, keptEnd] : spansAround(before, after)) {
            PageSegments pieces, held;
            pieces.reset(before);
            pieces.dropText();
            QVERIFY(!pieces.holdsText());
            held.reset(before);
            const auto patch = pieces.replaceFrom(
                from, int(before.size()) - from - keptEnd, int(after.size()) - from - keptEnd,
                [&](int a, int b) { return after.mid(a, b - a); });
            const auto expected = held.update(after, from, keptEnd);
            QCOMPARE(pieces.length(), int(after.size()));
            QCOMPARE(patch.has_value(), expected.has_value());
            if (!patch) {
                QVERIFY(!pieces.patchable()); // analysed anew by the caller
                continue;
            }
            QCOMPARE(pieces.ranges(), held.ranges());
            QCOMPARE(patch->totalNodes - patch->removeNodes + patch->newNodes, held.nodeCount());
            if (wider > 0)
                continue; // the held text narrows the span to the change
            QCOMPARE(describe(*patch), describe(*expected));
        }
    }

    // Typing without the text held, each key read as a piece, always leaves
    // the analysis of the whole text, also when a key needs a larger piece
    // (an open comment reaching far) or cannot be patched.
    void typingFromPieces() {
        QString many;
        for (int i = 0; i < 300; ++i)
            many += QStringLiteral("<P>Paragraph %1 of many</P>\r\n").arg(i);
        QString text = page(many);
        PageSegments s;
        s.reset(text);
        s.dropText();
        const QList<QPair<QString, QString>> edits{
            {"Paragraph 10 ", "Paragraph 10x "},
            {"<P>Paragraph 20 ", "<!-- <P>Paragraph 20 "}, // a comment left open
            {"Paragraph 250 of many</P>", "Paragraph 250 of many</P> -->"},
            {"of many</P>\r\n</BODY>", "of many</P>\r\n<HR></BODY>"},
            {"Paragraph 2 ", "Paragraph 2<B>b</B> "}};
        for (const auto &[from, to] : edits) {
            const int at = int(text.indexOf(from));
            QVERIFY(at >= 0);
            text.replace(at, from.size(), to);
            qsizetype read = 0;
            if (!s.patchable() || !s.replaceFrom(at, int(from.size()), int(to.size()),
                                                 [&](int a, int b) {
                                                     read += b - a;
                                                     return text.mid(a, b - a);
                                                 })) {
                s.reset(text);
                s.dropText();
            } else {
                QVERIFY2(read < text.size() / 2, qPrintable(QString::number(read)));
            }
            PageSegments fresh;
            fresh.reset(text);
            QCOMPARE(s.length(), int(text.size()));
            QCOMPARE(s.patchable(), fresh.patchable());
            QCOMPARE(s.ranges(), fresh.ranges());
            QCOMPARE(s.nodeCount(), fresh.nodeCount());
        }
    }

    // Replacements out of range are brought into it rather than trusted.
    void replacementsOutOfRange() {
        PageSegments s;
        s.reset(page(body));
        QVERIFY(!s.replace(int(s.text().size()) + 5, 3, QStringLiteral("x")).has_value());
        QCOMPARE(s.text(), page(body) + QStringLiteral("x"));
        QVERIFY(!s.replace(-4, 1000000, QString()).has_value());
        QCOMPARE(s.text(), QString());
        QVERIFY(!s.patchable());
    }

    // An edit inside the content of a paragraph, heading, list or division
    // replaces only that content; anything touching its tags, the text after
    // it or an element whose content is parsed otherwise replaces the nodes.
    void editsInsideAnElement_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("inside"); // empty: nodes replaced
        QTest::addColumn<QString>("html");   // the new content, when inside
        QTest::newRow("typing in a paragraph") << "two"
                                               << "twoo"
                                               << "P"
                                               << "One <I>twoo</I> three";
        QTest::newRow("typing after the start tag") << "<H1 ID=\"t\">T"
                                                    << "<H1 ID=\"t\">xT"
                                                    << "H1"
                                                    << "xTitle";
        QTest::newRow("typing before the end tag") << "Last<"
                                                   << "Last!<"
                                                   << "P"
                                                   << "Last!";
        QTest::newRow("emptying a paragraph") << "<P>Last</P>"
                                              << "<P></P>"
                                              << "P"
                                              << "";
        QTest::newRow("adding mark-up") << "three"
                                        << "<B>3</B>"
                                        << "P"
                                        << "One <I>two</I> <B>3</B>";
        QTest::newRow("a list item") << "<LI>y"
                                     << "<LI>yy"
                                     << "UL"
                                     << "<LI>x</LI><LI>yy</LI>";
        QTest::newRow("changing the start tag") << "<H1 ID=\"t\">"
                                                << "<H1 ID=\"u\">"
                                                << ""
                                                << "";
        QTest::newRow("changing the end tag") << "Title</H1>"
                                              << "Title</h1>"
                                              << ""
                                              << "";
        QTest::newRow("typing after the element") << "</P>\r\n<!--"
                                                  << "</P>\r\nx<!--"
                                                  << ""
                                                  << "";
        QTest::newRow("a table cell") << "<TD>b"
                                      << "<TD>bb"
                                      << ""
                                      << "";
        QTest::newRow("a text area") << "x <b> y"
                                     << "x <b> yz"
                                     << ""
                                     << "";
        QTest::newRow("the lead text") << "Lead"
                                       << "Leads"
                                       << ""
                                       << "";
    }
    void editsInsideAnElement() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, inside);
        QFETCH(QString, html);
        const QString before = page(body);
        QString after = before;
        after.replace(after.indexOf(from), from.size(), to);
        PageSegments s;
        s.reset(before);
        const std::optional<PageSegments::Patch> patch = s.update(after);
        QVERIFY(patch.has_value());
        QCOMPARE(patch->insideName, inside);
        if (!inside.isEmpty()) {
            QCOMPARE(patch->html, html);
            QCOMPARE(patch->removeNodes, 0);
            QCOMPARE(patch->newNodes, 0);
            QVERIFY(!patch->isEmpty());
        }
        // Later edits find the blocks where they now are.
        PageSegments fresh;
        fresh.reset(after);
        QCOMPARE(s.ranges(), fresh.ranges());
        const QString again =
            QString(after).replace(QStringLiteral("<LI>x"), QStringLiteral("<LI>z"));
        const std::optional<PageSegments::Patch> next = s.update(again);
        QVERIFY(next.has_value());
        QCOMPARE(next->insideName, QStringLiteral("UL"));
        QVERIFY(next->html.startsWith(QStringLiteral("<LI>z</LI><LI>y")));
    }

    // Typing a page in one character at a time, with unbalanced moments on
    // the way, always leaves the analysis of the text typed so far.
    void typingAPageCharacterByCharacter() {
        const QString target = page(body);
        PageSegments s;
        QString typed = head;
        s.reset(typed + foot);
        const QString rest = body;
        for (QChar c : rest) {
            typed += c;
            s.update(typed + foot);
            PageSegments fresh;
            fresh.reset(typed + foot);
            QCOMPARE(s.patchable(), fresh.patchable());
            if (fresh.patchable())
                QCOMPARE(s.ranges(), fresh.ranges());
        }
        QCOMPARE(s.text(), target);
        QVERIFY(s.patchable());
    }
};

QTEST_APPLESS_MAIN(TestPageSegments)
#include "test_pagesegments.moc"
