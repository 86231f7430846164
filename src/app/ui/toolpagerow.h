#pragma once

#include <QString>

class QBoxLayout;
class QToolButton;
class QWidget;

// Each tool page of PowerBook holds one row of controls, closed by a stretch
// so that they keep to the left. Every area that puts controls on a page
// adds them through these, in the order it builds them.

// The page's row, made on first use.
QBoxLayout *toolPageRow(QWidget *page);
// Adds a control to the end of the page's row.
void addToToolPageRow(QWidget *page, QWidget *control);
// Adds a flat button with its component name as objectName and its hint as
// tool tip and status tip. A caption is never squeezed below its own width.
QToolButton *addToolPageButton(QWidget *page, const QString &name, const QString &caption,
                               const QString &hint);
