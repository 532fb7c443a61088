#include "ui/platform/NumberBox.h"

#include <algorithm>

namespace rondaxa {

QValidator::State NumberBox::validate(QString &input, int &pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    QStringView digits(input);
    if (digits.startsWith(prefix()))
        digits = digits.sliced(prefix().size());
    if (digits.endsWith(suffix()))
        digits.chop(suffix().size());
    digits = digits.trimmed();
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return state;
    bool fits = false;
    const qlonglong number = digits.toLongLong(&fits);
    if (fits && number <= maximum())
        return state; // refused for another reason
    input = prefix() + textFromValue(maximum()) + suffix();
    pos = static_cast<int>(input.size() - suffix().size());
    return QValidator::Acceptable;
}

void CommitValuesWhenDone(QSpinBox *box) {
    box->setKeyboardTracking(false);
}

void CommitTypedNumbers(QWidget &window) {
    for (QAbstractSpinBox *box : window.findChildren<QAbstractSpinBox *>())
        box->interpretText();
}

} // namespace rondaxa
