#pragma once

#include "generators/frame/framerecord.h"

#include <QString>
#include <QStringList>
#include <array>

// The two bars of a three-pane splitter, in per cent of its extent. Bar 1
// always lies below bar 2: a new bar 1 not below bar 2, or a new bar 2 not
// above bar 1, is refused.
struct SplitBars {
    int bar1 = 33;
    int bar2 = 66;

    bool setBar1(int percent);
    bool setBar2(int percent);
    // Takes a saved pair as it stands when it is in order; otherwise bar 2
    // and then bar 1 are offered one after the other.
    void restore(int savedBar2, int savedBar1);
    bool operator==(const SplitBars &o) const { return bar1 == o.bar1 && bar2 == o.bar2; }
};

// The frame creator's choices and its way through them: the grid of up to
// three rows of three frames, the nine frame records, the page title, and
// which frame the settings page shows. Produces the frameset document.
class FrameCreator {
public:
    enum Orientation { ByRows = 0, ByColumns = 1 };
    enum Page { StartPage, SettingsPage };
    static constexpr int FrameCount = 9;

    Orientation orientation = ByRows;
    SplitBars outer;               // the rows (columns with ByColumns)
    std::array<SplitBars, 3> rows; // the frames within each row
    QString pageTitle = QStringLiteral("Document Title");
    bool noFrames = true; // include the NOFRAMES block

    FrameCreator();

    // Frames count from 1 to 9: frames 1 to 3 form row 1, and so on.
    FrameRecord &record(int frame);
    const FrameRecord &record(int frame) const;
    void resetRecords();

    // --- The grid ----------------------------------------------------------
    // Whether a frame's pane is shown: the middle pane of a row goes when the
    // row's bar 1 is at 99, the last when its bar 2 is at 100; row 2 goes
    // when the outer bar 1 is at 99, row 3 when the outer bar 2 is at 100.
    bool rowShown(int row) const; // 1 .. 3
    bool paneShown(int frame) const;
    // A bar dragged in the grid (splitter 0 is the outer one, 1 .. 3 the
    // rows; bar 1 or 2). The bars of row 1 are kept off its left edge: bar 1
    // not below 5, bar 2 not at 10 or below. Returns whether the bar moved.
    bool dragBar(int splitter, int bar, int percent);
    SplitBars &splitter(int index); // 0 outer, 1 .. 3 rows

    // --- Stepping through the frames -----------------------------------------
    Page page() const { return m_page; }
    int currentFrame() const { return m_current; } // 1 .. 9 on the settings page
    bool finishedShown() const { return m_finishedShown; }
    // "Next". On the start page `paneUsable` tells, for frames 1 to 9 (index
    // 0 to 8), whether the pane is shown and at least 6 pixels wide and high:
    // frames without a usable pane lose their name (they do not exist) and
    // the others without a name get "Frame: " and their number. Then the
    // next frame with a name is shown; past the last one the wizard stays on
    // the last and shows "Finished".
    void next(const std::array<bool, FrameCount> &paneUsable = {});
    // "Prev": back to the frame with a name before this one, or to the start
    // page from the first.
    void prev();
    // Back to the start page (on opening a settings file).
    void returnToStart();

    // --- The document ----------------------------------------------------------
    QStringList documentLines() const;
    // "<FRAMESET ROWS="33%,*,34%">" and the like; `outerSet` writes "100%"
    // for a bar 1 at 98 or more, an inner set nothing.
    static QString framesetLine(const QString &dimension, const SplitBars &bars, bool outerSet);
    QString frameLine(int frame) const;

private:
    void skipForward();
    void stepBack();

    std::array<FrameRecord, FrameCount> m_records;
    Page m_page = StartPage;
    int m_current = 1;
    bool m_finishedShown = false;
};
