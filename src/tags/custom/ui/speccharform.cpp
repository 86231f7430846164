#include "tags/custom/ui/speccharform.h"
#include "app/userinteraction.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SpecCharForm::SpecCharForm(SpecialCharacterStore &store, UserInteraction &ui, QWidget *parent)
    : QDialog(parent), m_store(store), m_ui(ui) {
    setObjectName(QStringLiteral("TSpecCharForm"));
    setWindowTitle(QStringLiteral("Special Characters"));

    // Rows and fields sized from the dialog font: a row is the height of "W"
    // plus 6; the fields are two and ten "W" wide.
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.height() + 6;
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->addWidget(new QLabel(QStringLiteral("Character:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("HTML code to output:"), this), 0, 1);
    for (int i = 0; i < kSpecialButtons; ++i) {
        const SpecialButton preset = store.button(i + 1);
        auto *character = new QLineEdit(this);
        character->setObjectName(QStringLiteral("Character%1").arg(i + 1));
        character->setFixedSize(2 * w + 8, rowHeight);
        auto *code = new QLineEdit(this);
        code->setObjectName(QStringLiteral("Code%1").arg(i + 1));
        code->setFixedSize(10 * w + 8, rowHeight);
        // One character and at most 20 for the code when typed; a longer
        // stored value is shown and kept whole.
        character->setMaxLength(qMax(1, int(preset.caption.size())));
        code->setMaxLength(qMax(20, int(preset.hint.size())));
        if (preset.visible) {
            character->setText(preset.caption);
            code->setText(preset.hint);
        }
        grid->addWidget(character, i + 1, 0);
        grid->addWidget(code, i + 1, 1);
        m_characters[i] = character;
        m_codes[i] = code;
    }
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SpecCharForm::saveAndClose);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &SpecCharForm::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void SpecCharForm::saveAndClose() {
    for (int i = 0; i < kSpecialButtons; ++i)
        m_store.setValue(i + 1, specialValue(m_characters[i]->text(), m_codes[i]->text()));
    if (!m_store.sync()) {
        // The buttons still change for this run; the user learns that they
        // will not be there at the next start.
        m_ui.message(QStringLiteral("The special characters could not be saved: the settings "
                                    "store cannot be written."),
                     Msg::Error, Msg::Ok);
    }
    if (m_saved)
        m_saved();
    accept();
}
