#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn at run time so that no image files are needed:
// the splash picture, the tip dialog's bulb, the program icon and the tool
// button glyphs.
namespace Glyphs {

QPixmap splash();
QPixmap bulb(int size);
QIcon programIcon();

enum class Tool {
    Open,
    Close,
    Save,
    FullScreen,
    Print,
    Refresh,
    SplitStyle,
    New,
    Back,
    Forward,
    Browser,
    Projects,
    Cut,
    Paste,
    Copy,
    Spell,
    DownArrow
};
QIcon tool(Tool which);

} // namespace Glyphs
