#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the "Parameter Selections" dialog offers, how it presets itself from
// the text under the caret, and the mark-up each of its pages produces.
namespace ParameterSelections {

// The page names, as callers choose them.
inline const QString kAlign = QStringLiteral("align");
inline const QString kValign = QStringLiteral("valign");
inline const QString kSize = QStringLiteral("size");
inline const QString kMeta = QStringLiteral("meta");
inline const QString kEmbed = QStringLiteral("embed");
inline const QString kObject = QStringLiteral("object");
inline const QString kParameter = QStringLiteral("Parameter");
const QStringList &pageNames();

const QStringList &alignItems();     // "none", "left", ... "bottom"
const QStringList &valignItems();    // "none", "top", "middle", "bottom"
const QStringList &sizeItems();      // "1".."7", "+1".."+7", "-1".."-7"
const QStringList &httpEquivItems(); // "Expires", "Keywords", "PICS-Label", "Reply-To"

// The fields a text presets; a field left empty (nullopt) keeps what the
// dialog showed before.
struct Preset {
    std::optional<QString> align, valign, size;
    std::optional<QString> metaName, metaContent, metaHttpEquiv;
    std::optional<QString> paramName, paramValue;
};

// Presets from the selected text (or the rest of the caret's line): an
// ALIGN, VALIGN or SIZE expression chooses its value when the list holds it
// (else the list's first item); a META or PARAM tag fills its fields.
Preset presetFor(const QString &text);

// The value of attribute `name` in a tag, its name found without regard to
// case: the text inside the double quotes that follow "name=", or, for a bare
// value, the text up to the next blank or ">".
QString tagAttribute(const QString &tag, const QString &name);

// The mark-up each page inserts.
QString alignText(const QString &value);  // ALIGN="value"
QString valignText(const QString &value); // VALIGN="value"
QString sizeText(const QString &value);   // SIZE="value"
// "<META " + the non-empty fields in the order HTTP-EQUIV, NAME, CONTENT, each
// followed by a blank, + ">".
QString metaText(const QString &httpEquiv, const QString &name, const QString &content);
// Empty when there is no source; HEIGHT and WIDTH only when above 0.
QString embedText(const QString &source, int height, int width);
QString paramText(const QString &name, const QString &value);

} // namespace ParameterSelections
