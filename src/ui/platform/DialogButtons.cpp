#include "ui/platform/DialogButtons.h"

#include "ui/platform/Help.h"
#include "ui/platform/NumberBox.h"

#include <QDialog>
#include <QPushButton>

namespace rondaxa {

QDialogButtonBox *AddDialogButtons(QDialog *dialog, int helpContext, bool okAccepts,
                                   Qt::Orientation orientation, const QString &okCaption) {
    auto *buttons = new QDialogButtonBox(orientation, dialog);
    buttons->addButton(okCaption, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Annuleren"), QDialogButtonBox::RejectRole);
    ConnectHelpButton(buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole), helpContext);
    // A number still being typed counts before the dialog is read.
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog] { CommitTypedNumbers(*dialog); });
    if (okAccepts)
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace rondaxa
