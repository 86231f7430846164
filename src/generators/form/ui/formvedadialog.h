#pragma once

#include "generators/form/formdefinition.h"
#include "generators/form/formentry.h"

#include <QDialog>
#include <functional>

class FormEntryDialog;
class GeneratorHost;
class GeneratorPreview;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;

// What the preview does with a submitted form: its action, its method and
// "name=value" lines (the program shows them in its "Submit Results" window).
using FormSubmitHandler =
    std::function<void(const QString &action, const QString &method, const QStringList &results)>;

// "Form Veda Guy": builds a data-entry form from a list of fields. The
// dialog is made once and kept, so the list and the options stay as the user
// left them from one use to the next.
class FormVedaDialog : public QDialog {
    Q_OBJECT
public:
    FormVedaDialog(GeneratorHost &host, FormSubmitHandler onSubmit, QWidget *parent = nullptr);
    ~FormVedaDialog() override;

    // The host and submit handler the next run works with (the dialog
    // outlives a single use; the host need only live while it runs).
    void attach(GeneratorHost &host, FormSubmitHandler onSubmit);
    // Shows the dialog modally until the user leaves it.
    void run();

    // The commands of the dialog, as its buttons and menus run them.
    void addField(FieldKind kind);
    void editSelected();
    void moveSelected(bool up);
    void deleteSelected();
    void removeAllFields();
    void build();
    void openDefinition();
    // Saves through the file dialog. A file that cannot be written is
    // reported to the user and the list stays as it is.
    enum class SaveResult { Saved, Cancelled, Failed };
    SaveResult saveDefinition();
    void copyToClipboard();
    // "Insert and return" (insert) and "Abandon and return".
    void leave(bool insert);

    const FormDefinition &form() const { return m_form; }
    FormEntryDialog *entryDialog() const { return m_entryDialog; }
    GeneratorPreview *preview() const { return m_preview; }

private:
    QMenu *buildFileMenu();
    QMenu *buildFieldsMenu();
    QWidget *buildFieldList();
    QWidget *buildOptions();
    void showRecords();
    void showLines(const QStringList &lines);
    void selectRow(int row);
    void runEntry();

    GeneratorHost *m_host;
    FormSubmitHandler m_onSubmit;
    FormDefinition m_form;
    FormEntry m_entry;
    FormEntryDialog *m_entryDialog = nullptr;
    QString m_definitionPath; // the save dialog's default name
    bool m_updating = false;  // the list is being filled by the dialog itself

    QListWidget *m_items = nullptr;
    QLineEdit *m_submitText = nullptr, *m_resetText = nullptr, *m_mailTo = nullptr;
    QCheckBox *m_preformat = nullptr, *m_useTable = nullptr;
    QAction *m_saveAction = nullptr, *m_copyAction = nullptr;
    GeneratorPreview *m_preview = nullptr;
};
