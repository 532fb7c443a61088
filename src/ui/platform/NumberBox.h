// The program's box for a whole number, and the rules all such boxes keep:
// a typed number is never silently turned into another one.
#pragma once

#include <QSpinBox>

class QWidget;

namespace rondaxa {

// A spin box whose typed number above the maximum shows as the maximum (a
// plain spin box refuses the last digit: typing 40 where 38 is the most
// left 4).
class NumberBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
};

// A box of a "from ... to" pair: its value counts once it is committed
// (arrow keys, Enter, the focus leaving), not at each digit typed, so that
// typing 14 does not pass through 1 and drag the other box along.
void CommitValuesWhenDone(QSpinBox *box);

// Commits what is typed in every number box of window (before its values
// are read, e.g. when Ok is chosen by its Alt key while a box has the focus).
void CommitTypedNumbers(QWidget &window);

} // namespace rondaxa
