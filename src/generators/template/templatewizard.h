#pragma once

#include "generators/template/templatefields.h"
#include "generators/template/templatemarkup.h"

#include <QString>
#include <QStringList>

// The page the template wizard walks through and edits, line by line (lines
// count from 1).
class TemplateText {
public:
    virtual ~TemplateText() = default;
    virtual int lineCount() const = 0;
    // Empty for a line that does not exist.
    virtual QString line(int n) const = 0;
    // Replaces the whole line (its line end stays); the text may hold line
    // breaks. A line beyond the end is added first.
    virtual void replaceLine(int n, const QString &text) = 0;
};

// A page held as a list of lines.
class LineListText : public TemplateText {
public:
    QStringList lines;

    LineListText() = default;
    explicit LineListText(const QStringList &l) : lines(l) {}
    int lineCount() const override { return int(lines.size()); }
    QString line(int n) const override;
    void replaceLine(int n, const QString &text) override;
};

// The template wizard's way through a page: finds the placeholder lines
// forward and back, reads the content line after the current one into the
// fields of its kind, and writes the fields back.
class TemplateWizard {
public:
    explicit TemplateWizard(TemplateText &text);

    // The current placeholder line; 0 before the start.
    int placeholderLine() const { return m_line; }
    // The kind of the current placeholder (None before the start).
    PlaceholderKind kind() const;

    // From the top: false when the page holds no placeholder.
    bool start();
    // The next and the previous placeholder; false, keeping the current one,
    // when there is none. A placeholder is looked for up to the line before
    // the last but one (so that its content line is there).
    bool next();
    bool previous();

    // Fills the fields of the current kind from the content line (the three
    // lines after a Defaults placeholder). Image and link lines that name a
    // file or an address are written back at once in the wizard's form.
    void readContent();
    // Writes the fields of the current kind into the page ("&Refresh").
    void writeContent();
    // Writes the link line alone (on leaving the displayed text).
    void writeLink();

    HeadingFields heading;
    DefaultsFields defaults;
    TextFields text;
    ImageFields image;
    LinkFields link;
    BodyFields body;

private:
    int contentLine() const { return m_line + 1; }

    TemplateText &m_text;
    int m_line = 0;
};
