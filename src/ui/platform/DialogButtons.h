// The button row of the program's dialogs: "&Ok" (the default), "&Annuleren"
// and "&Help".
#pragma once

#include <QDialogButtonBox>
#include <QString>

class QDialog;

namespace rondaxa {

// Adds the three buttons to a new box on dialog. "&Annuleren" rejects the
// dialog and "&Help" opens help context helpContext; "&Ok" accepts it
// unless the dialog connects accepted() itself (okAccepts false).
QDialogButtonBox *AddDialogButtons(QDialog *dialog, int helpContext, bool okAccepts = true,
                                   Qt::Orientation orientation = Qt::Horizontal,
                                   const QString &okCaption = QStringLiteral("&Ok"));

} // namespace rondaxa
