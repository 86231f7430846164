#pragma once

#include <QString>

class QWidget;

// Texts from the user's files shown on widgets exactly as written.
namespace WidgetText {

// A button or menu caption: "&" is shown, not taken as an accelerator mark.
QString literalCaption(const QString &text);
// A menu entry: also a tab, which would start a short-cut column, shows as a blank.
QString literalMenuText(const QString &text);
// Puts a code such as "<B>" or "&#169;" on a widget as its tool tip and
// status tip, shown as written rather than as rich text; empty when `show`
// is false (the hint setting is off), though the status tip stays.
void setHint(QWidget *widget, const QString &hint, bool show);

} // namespace WidgetText
