#pragma once

#include "generators/template/templatewizard.h"

#include <QPointer>

class TLEdit;

// The page in the document editor as the template wizard sees it. A line is
// replaced by selecting it whole and putting the new text in its place, so
// the edit is one step of the editor's undo.
class EditorTemplateText : public TemplateText {
public:
    explicit EditorTemplateText(TLEdit *editor);

    int lineCount() const override;
    QString line(int n) const override;
    void replaceLine(int n, const QString &text) override;

private:
    QPointer<TLEdit> m_editor;
};
