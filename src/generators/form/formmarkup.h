#pragma once

#include "generators/form/formrecord.h"

#include <QString>
#include <QStringList>

// The options that shape a whole form.
struct FormOptions {
    QString submitText = QStringLiteral("Submit Form");
    QString resetText = QStringLiteral("Reset Form");
    QString mailTo = QStringLiteral("user@example.com");
    bool preformat = false; // wrap each field in PRE
    bool useTable = false;  // lay the form out as a two-column table
};

// The mark-up of one field as it stands in a whole form.
QStringList fieldMarkup(const FormRecord &record, const FormOptions &options);

// The mark-up shown when one field is picked out of the list: as in a whole
// form, except that a list box goes without PRE and table lines.
QStringList singleFieldMarkup(const FormRecord &record, const FormOptions &options);

// The whole form for a list of record lines. A line that is not a readable
// record adds nothing; an empty list gives no lines at all.
QStringList formMarkup(const QStringList &records, const FormOptions &options);
