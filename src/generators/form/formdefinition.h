#pragma once

#include "generators/form/formmarkup.h"

#include <QString>
#include <QStringList>

// The field list of a form being built, its options and its output lines.
// Every edit the user can make to the list is one method here; the dialog
// only mirrors the list and shows the output.
class FormDefinition {
public:
    FormOptions options;

    const QStringList &records() const { return records_; }
    bool isEmpty() const { return records_.isEmpty(); }

    // The selected record, -1 for none.
    int selected() const { return selected_; }
    void select(int index);
    // The selected record's line; empty when none is selected.
    QString selectedRecord() const;

    // Puts a record made in the Form Definition dialog into the list: in
    // place of the selected one when editing (it stays selected), otherwise
    // right after the selected one or at the top when none is selected (the
    // selection stays where it was). Editing with nothing selected adds.
    void acceptField(const QString &record, bool editing);

    // Swap the selected record with its neighbour; the selection follows it.
    // False (and nothing changes) when nothing is selected or it cannot move.
    bool moveUp();
    bool moveDown();
    // Removes the selected record; afterwards nothing is selected.
    bool removeSelected();
    // Empties the list and the output.
    void clear();
    // Replaces the whole list (nothing selected afterwards).
    void setRecords(const QStringList &records);

    // Rebuilds the output from the whole list; returns it (empty when the
    // list is empty).
    const QStringList &build();
    // Makes the output the selected record's own mark-up alone.
    const QStringList &buildSelected();
    // The output as last built.
    const QStringList &formLines() const { return lines_; }
    // The output as clipboard text: each line followed by CR LF.
    QString clipboardText() const;

    // Radio-group names of the list, in list order, once per radio button.
    QStringList groupNames() const;

    // A form definition file: the record lines, each ended by CR LF. Writing
    // goes through a temporary file, so a failed save leaves any earlier file
    // as it was. Reading accepts CR LF, LF or CR line ends, skips empty lines,
    // refuses a binary or far too large file and leaves the list alone when
    // it fails. On failure `error` receives a message for the user.
    bool save(const QString &path, QString *error) const;
    bool load(const QString &path, QString *error);

    // Definition files larger than this are refused.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

private:
    QStringList records_;
    int selected_ = -1;
    QStringList lines_;
};
