#pragma once

#include <QByteArray>
#include <QString>

// One frame of a frame set: what the frame settings page edits, and what a
// ".par" file stores for it in a record of 192 bytes (integers little-endian,
// texts as a length byte and up to 80 characters, unused bytes zero):
//
//   0  source file (81)   92 margin width (4)    96 margin height (4)
//   102 frame name (81)   184 scrolling (4)      188 allow resize (1)
struct FrameRecord {
    enum Scrolling { ScrollAuto = 0, ScrollYes = 1, ScrollNo = 2 };
    static constexpr int Size = 192;
    static constexpr int MaxText = 80;

    QString source;       // the HTML file shown in the frame
    int marginWidth = -1; // -1: not given
    int marginHeight = -1;
    QString name; // empty: the frame does not exist
    int scrolling = ScrollAuto;
    bool allowResize = true;

    bool operator==(const FrameRecord &other) const;
    bool operator!=(const FrameRecord &other) const { return !(*this == other); }

    // Exactly Size bytes.
    QByteArray toBytes() const;
    // Reads a record from the first Size bytes at `data`. Returns false, with
    // `record` untouched, when a length byte is above 80.
    static bool fromBytes(const char *data, FrameRecord &record);
};

// A text cut to the 80 characters a record holds.
QString cutToRecordText(const QString &text);
