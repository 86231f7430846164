#pragma once

#include <QColor>
#include <QString>

// What a page that sets no font or colours of its own looks like in the
// previews.
struct PreviewLook {
    QString fontName;
    int fontSize = 12; // points
    QColor fontColor;
    QColor background;
};

// The previews' default look, as other areas see it: read from the split
// preview, given to all three (split, full-screen and frame preview).
class PreviewAppearance {
public:
    virtual ~PreviewAppearance() = default;
    virtual PreviewLook previewLook() const = 0;
    virtual void setPreviewLook(const PreviewLook &look) = 0;
};
