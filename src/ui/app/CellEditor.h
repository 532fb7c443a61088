// The single-line editing field that is laid over a grid cell while it is
// being typed into. It only reports keys; the main window decides.
#pragma once

#include <QLineEdit>

namespace rondaxa {

class CellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEditor(QWidget *parent = nullptr);

    // A result takes digits only; other kinds any character.
    void SetDigitsOnly(bool on);
    bool DigitsOnly() const { return digitsOnly_; }
    // Whether a typed character passes the field's key filter.
    bool Accepts(QChar c) const { return !digitsOnly_ || (c >= u'0' && c <= u'9'); }

signals:
    void EnterPressed();
    void EscapePressed();
    void UpPressed();
    void DownPressed();
    void FocusLeft(Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool digitsOnly_ = false;
    class QValidator *digits_;
};

} // namespace rondaxa
