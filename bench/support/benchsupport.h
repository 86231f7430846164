#pragma once

// Shared pieces of the benchmarks: a user who answers nothing, large test
// pages, timing and medians.

#include "app/userinteraction.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace bench {

// Answers No where it can (nothing is saved when a page closes), else the
// neutral button; every dialog is cancelled.
class QuietInteraction : public UserInteraction {
public:
    int message(const QString &, Msg::Kind, Msg::Buttons buttons) override {
        return (buttons & Msg::No) ? int(Msg::ResultNo) : Msg::resultOf(Msg::escapeButton(buttons));
    }
    void plainMessage(const QString &) override {}
    bool inputBox(const QString &, const QString &, QString &) override { return false; }
    QString openFile(const FileRequest &, int *) override { return QString(); }
    QString saveFile(const FileRequest &, int *) override { return QString(); }
    bool chooseColor(QColor &) override { return false; }
    bool chooseFont(FontChoice &) override { return false; }
    bool choosePrinter(QPrinter &, bool) override { return false; }
    bool helperTip(const QString &, const TipText &) override { return false; }
    int tipOfTheDay(int index, bool &) override { return index; }
    void showHelp() override {}
};

// A page of about `bytes` bytes: a table of rows of ordinary mark-up (with a
// non-ASCII letter in every row), then `tail` before the closing tags.
inline QByteArray makeLargePage(qint64 bytes, const QByteArray &tail = QByteArray()) {
    QByteArray page =
        "<HTML>\r\n<HEAD><TITLE>Large page</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n"
        "<TABLE BORDER=\"1\">\r\n";
    page.reserve(bytes + 4096);
    int row = 0;
    while (page.size() < bytes) {
        page += "<TR><TD ALIGN=\"left\">Row ";
        page += QByteArray::number(row++);
        page += "</TD><TD>Some ordinary text in a cell, caf\xC3\xA9 and more words.</TD></TR>\r\n";
    }
    page += "</TABLE>\r\n" + tail + "</BODY>\r\n</HTML>\r\n";
    return page;
}

// A page of about `bytes` bytes written as people write long pages: blocks
// of a heading, paragraphs with inline mark-up and links, a small table and
// four pictures each ("pic1.png" ... "pic4.png", to be put beside the page).
// Every block is about 2 KB, so 20 MiB are some 10,000 blocks.
inline QByteArray makeRealisticPage(qint64 bytes) {
    QByteArray page = "<!DOCTYPE html>\r\n<HTML>\r\n<HEAD><TITLE>Realistic page</TITLE></HEAD>\r\n"
                      "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\r\n";
    page.reserve(bytes + 4096);
    for (int block = 0; page.size() < bytes; ++block) {
        const QByteArray n = QByteArray::number(block);
        page += "<H2>Section " + n + "</H2>\r\n";
        for (int p = 0; p < 4; ++p)
            page += "<P>Some <B>bold</B> and <I>italic</I> words, caf\xC3\xA9 cr\xC3\xA8me, a "
                    "<A HREF=\"page" +
                    n + ".htm\">link to page " + n +
                    "</A> and a sentence long enough to wrap over several lines in a narrow "
                    "preview pane beside the editor.</P>\r\n";
        page += "<TABLE BORDER=\"1\" CELLPADDING=\"2\">\r\n<TR><TH>Name</TH><TH>Value</TH></TR>\r\n"
                "<TR><TD>alpha " +
                n +
                "</TD><TD>1</TD></TR>\r\n<TR><TD>beta</TD><TD>2</TD></TR>\r\n"
                "</TABLE>\r\n<P>";
        for (int i = 1; i <= 4; ++i)
            page += "<IMG SRC=\"pic" + QByteArray::number(i) +
                    ".png\" WIDTH=\"64\" HEIGHT=\"48\" "
                    "ALT=\"Picture " +
                    QByteArray::number(i) + "\"> ";
        page += "</P>\r\n<HR>\r\n";
    }
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

inline double median(std::vector<double> v) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds one call of `work` takes.
inline double timeOnce(const std::function<void()> &work) {
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

// Prints one figure: what was measured and its median.
inline void report(const char *what, const std::vector<double> &ms, int width = 44) {
    std::printf("%-*s %10.3f ms (median of %zu)\n", width, what, median(ms), ms.size());
}

// Before the application: the offscreen platform when there is no display,
// and the browser engine's sandbox off when run by root.
inline void prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// A small random source that gives the same numbers for the same seed on
// every run, so that generated pages are alike from run to run.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    quint32 below(quint32 n) {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return quint32(m_state >> 11) % n;
    }

private:
    quint64 m_state;
};

} // namespace bench
