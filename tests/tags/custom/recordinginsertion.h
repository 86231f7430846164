#pragma once

#include "tags/custom/taginsertion.h"

#include <QStringList>

// Records every insertion as "kind:text" instead of touching an editor.
struct RecordingInsertion {
    QStringList calls;

    TagInsertion operations() {
        auto record = [this](const char *kind) {
            return [this, kind](const QString &text) {
                calls << QLatin1String(kind) + QLatin1Char(':') + text;
            };
        };
        TagInsertion t;
        t.buttonInsertAsIs = record("asis");
        t.buttonInsertEven = record("even");
        t.buttonInsertUnEven = record("uneven");
        t.address1Click = record("menu");
        t.insertText = record("text");
        t.insertCaptionAsTag = record("caption");
        return t;
    }
};
