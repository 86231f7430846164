#pragma once

#include "documents/session/recovery.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QTreeWidget;

// "Recover unsaved pages": the pages whose unsaved text an earlier run left
// behind, one row each with the choice Open or Discard (Open preset). OK
// carries out the choices; "Decide Later" leaves every page and copy as it is,
// to be offered again at the next start.
class RecoverPagesDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecoverPagesDialog(const QList<RecoverablePage> &pages, QWidget *parent = nullptr);

    QList<RecoveryAction> actions() const;
    void setAction(int row, RecoveryAction action);
    QTreeWidget *list() const { return m_list; }

private:
    QTreeWidget *m_list;
    QList<QComboBox *> m_choices;
};
