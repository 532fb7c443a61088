#include "ui/app/CellEditor.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace rondaxa {

CellEditor::CellEditor(QWidget *parent)
    : QLineEdit(parent),
      digits_(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this)) {
    setFrame(false);
    hide();
}

void CellEditor::SetDigitsOnly(bool on) {
    digitsOnly_ = on;
    setValidator(on ? digits_ : nullptr);
}

void CellEditor::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit EnterPressed();
        return;
    case Qt::Key_Escape:
        emit EscapePressed();
        return;
    case Qt::Key_Up:
        emit UpPressed();
        return;
    case Qt::Key_Down:
        emit DownPressed();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CellEditor::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another program or opening a menu is no leaving of the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit FocusLeft(event->reason());
}

} // namespace rondaxa
