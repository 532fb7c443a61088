#include "ui/app/NewFile.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {

TNewFile::TNewFile(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TNewFile"));
    setWindowTitle(QStringLiteral("Nieuw"));
    SetHelpContext(this, kHelpContext);

    auto *group = new QGroupBox(QStringLiteral("Maak een een nieuw bestand"), this);
    auto *groupLayout = new QVBoxLayout(group);
    const QString captions[3] = {QStringLiteral("&Geheel nieuw bestand"),
                                 QStringLiteral("&Met huidige instellingen"),
                                 QStringLiteral("Met &huidige instellingen en namen van rijders")};
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(captions[i], group);
        choices_[i]->setObjectName(QStringLiteral("Choice%1").arg(i));
        groupLayout->addWidget(choices_[i]);
    }
    choices_[0]->setChecked(true);

    auto *buttons = AddDialogButtons(this, kHelpContext, true, Qt::Horizontal, QStringLiteral("&Nieuw"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

int TNewFile::Choice() const {
    for (int i = 0; i < 3; ++i)
        if (choices_[i]->isChecked())
            return i;
    return NewEntirely;
}

void TNewFile::SetChoice(int kind) {
    if (kind >= 0 && kind < 3)
        choices_[kind]->setChecked(true);
}

int ChooseNewKind(const Competition &comp, QWidget *parent) {
    if (!comp.Active() || comp.ClassCount() < 1)
        return NewEntirely;
    TNewFile dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return NewCancelled;
    return dialog.Choice();
}

} // namespace rondaxa
