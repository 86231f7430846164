#include "generators/frame/framecreator.h"

bool SplitBars::setBar1(int percent) {
    if (percent >= bar2)
        return false;
    bar1 = percent;
    return true;
}

bool SplitBars::setBar2(int percent) {
    if (percent <= bar1)
        return false;
    bar2 = percent;
    return true;
}

void SplitBars::restore(int savedBar2, int savedBar1) {
    savedBar1 = qBound(0, savedBar1, 100);
    savedBar2 = qBound(0, savedBar2, 100);
    if (savedBar1 < savedBar2) {
        bar1 = savedBar1;
        bar2 = savedBar2;
        return;
    }
    setBar2(savedBar2);
    setBar1(savedBar1);
}

FrameCreator::FrameCreator() = default;

FrameRecord &FrameCreator::record(int frame) {
    return m_records[static_cast<size_t>(qBound(1, frame, FrameCount) - 1)];
}

const FrameRecord &FrameCreator::record(int frame) const {
    return m_records[static_cast<size_t>(qBound(1, frame, FrameCount) - 1)];
}

void FrameCreator::resetRecords() {
    m_records.fill(FrameRecord());
}

SplitBars &FrameCreator::splitter(int index) {
    return index <= 0 ? outer : rows[static_cast<size_t>(qMin(index, 3) - 1)];
}

bool FrameCreator::rowShown(int row) const {
    if (row == 2)
        return outer.bar1 != 99;
    if (row == 3)
        return outer.bar2 != 100;
    return true;
}

bool FrameCreator::paneShown(int frame) const {
    const int row = (frame - 1) / 3 + 1;
    const int column = (frame - 1) % 3;
    const SplitBars &bars = rows[static_cast<size_t>(row - 1)];
    if (!rowShown(row))
        return false;
    if (column == 1)
        return bars.bar1 != 99;
    if (column == 2)
        return bars.bar2 != 100;
    return true;
}

bool FrameCreator::dragBar(int index, int bar, int percent) {
    SplitBars &bars = splitter(index);
    if (index == 1) {
        if (bar == 1 && percent < 5)
            percent = 5;
        if (bar == 2 && percent <= 10)
            percent = 11;
    }
    return bar == 1 ? bars.setBar1(percent) : bars.setBar2(percent);
}

void FrameCreator::next(const std::array<bool, FrameCount> &paneUsable) {
    if (m_page == StartPage) {
        for (int frame = 1; frame <= FrameCount; ++frame) {
            FrameRecord &r = record(frame);
            if (!paneUsable[static_cast<size_t>(frame - 1)])
                r.name.clear();
            else if (r.name.isEmpty())
                r.name = QStringLiteral("Frame: %1").arg(frame);
        }
        m_page = SettingsPage;
        m_current = 1;
    } else {
        ++m_current;
    }
    skipForward();
    if (m_current > FrameCount) {
        stepBack();
        m_finishedShown = m_page == SettingsPage;
    }
}

void FrameCreator::skipForward() {
    while (m_current <= FrameCount && record(m_current).name.isEmpty())
        ++m_current;
}

void FrameCreator::prev() {
    m_finishedShown = false;
    stepBack();
}

void FrameCreator::returnToStart() {
    m_page = StartPage;
    m_current = 1;
    m_finishedShown = false;
}

void FrameCreator::stepBack() {
    if (m_page == SettingsPage && m_current == 1) {
        m_page = StartPage;
        return;
    }
    --m_current;
    while (m_current >= 1 && record(m_current).name.isEmpty())
        --m_current;
    if (m_current < 1) {
        // No named frame before this one: back to the start.
        m_current = 1;
        m_page = StartPage;
    }
}

QString FrameCreator::framesetLine(const QString &dimension, const SplitBars &bars, bool outerSet) {
    QString sizes;
    if (bars.bar1 < 98)
        sizes = QStringLiteral("%1%").arg(bars.bar1);
    else if (outerSet)
        sizes = QStringLiteral("100%");
    if (!(bars.bar1 >= 98 && bars.bar2 >= 98)) {
        if (bars.bar2 < 98)
            sizes += QStringLiteral(",*,%1%").arg(100 - bars.bar2);
        else
            sizes += QStringLiteral(",*");
    }
    return QStringLiteral("<FRAMESET %1=\"%2\">").arg(dimension, sizes);
}

QString FrameCreator::frameLine(int frame) const {
    const FrameRecord &r = record(frame);
    QString line = QStringLiteral("<FRAME SRC=\"%1\"").arg(r.source);
    if (!r.name.isEmpty())
        line += QStringLiteral(" NAME=\"%1\"").arg(r.name);
    if (r.marginWidth >= 0)
        line += QStringLiteral(" MARGINWIDTH=\"%1\"").arg(r.marginWidth);
    if (r.marginHeight >= 0)
        line += QStringLiteral(" MARGINHEIGHT=\"%1\"").arg(r.marginHeight);
    if (!r.allowResize)
        line += QStringLiteral(" NORESIZE");
    if (r.scrolling == FrameRecord::ScrollYes)
        line += QStringLiteral(" SCROLLING=\"YES\"");
    else if (r.scrolling == FrameRecord::ScrollNo)
        line += QStringLiteral(" SCROLLING=\"NO\"");
    return line + QLatin1Char('>');
}

QStringList FrameCreator::documentLines() const {
    const QString outerDimension =
        orientation == ByRows ? QStringLiteral("ROWS") : QStringLiteral("COLS");
    const QString innerDimension =
        orientation == ByRows ? QStringLiteral("COLS") : QStringLiteral("ROWS");
    QStringList lines{QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"),
                      QStringLiteral("<TITLE>%1</TITLE>").arg(pageTitle), QStringLiteral("</HEAD>"),
                      framesetLine(outerDimension, outer, true)};
    auto addRow = [&](int row) {
        const SplitBars &bars = rows[static_cast<size_t>(row - 1)];
        const int first = (row - 1) * 3 + 1;
        if (bars.bar1 >= 98) {
            lines << frameLine(first);
            return;
        }
        lines << framesetLine(innerDimension, bars, false) << frameLine(first)
              << frameLine(first + 1);
        if (bars.bar2 < 98)
            lines << frameLine(first + 2);
        lines << QStringLiteral("</FRAMESET>");
    };
    addRow(1);
    if (outer.bar1 <= 96)
        addRow(2);
    if (outer.bar2 <= 96)
        addRow(3);
    lines << QStringLiteral("</FRAMESET>");
    if (noFrames) {
        lines << QStringLiteral("<NOFRAMES>") << QStringLiteral("<BODY >")
              << QStringLiteral("<!-- Anything inserted between the NOFRAMES tags will appear-->")
              << QStringLiteral("<!-- in a browser that does not support frames.             -->")
              << QStringLiteral("This site makes use of frames.<BR>")
              << QStringLiteral(
                     "For your viewing pleasure you should use Netscape or Internet Explorer.<br>")
              << QStringLiteral("</BODY>") << QStringLiteral("</NOFRAMES>");
    }
    lines << QStringLiteral("</HTML>");
    return lines;
}
