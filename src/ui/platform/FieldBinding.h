// One table that ties a dialog's controls to the fields of the record they
// edit: Load fills the controls from a record, Store writes them back into
// one. Each control is named with its field once, so loading and storing
// cannot drift apart.
#pragma once

#include "ui/platform/ModelText.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

namespace rondaxa {

// A field is a pointer to a member of Record, or a function of the record
// that gives a reference to its field (an element of an array, say).
template <class Record> class FieldBinding {
public:
    // A tick box and a bool.
    template <class Field> FieldBinding &Check(QAbstractButton *box, Field field) {
        return Add([=](const Record &r) { box->setChecked(Get(field, r)); },
                   [=](Record &r) { Get(field, r) = box->isChecked(); });
    }

    // A tick box and one bit of a flag field. With otherwise, the two are
    // radio buttons and otherwise is the one chosen while the bit is clear.
    template <class Field, class Bit>
    FieldBinding &Flag(QAbstractButton *box, Field field, Bit bit, QAbstractButton *otherwise = nullptr) {
        return Add(
            [=](const Record &r) {
                const bool on = (Get(field, r) & bit) != 0;
                if (otherwise && !on)
                    otherwise->setChecked(true);
                else
                    box->setChecked(on);
            },
            [=](Record &r) {
                auto &flags = Get(field, r);
                flags = Value<decltype(flags)>(box->isChecked() ? (flags | bit) : (flags & ~bit));
            });
    }

    // A number box and a number.
    template <class Field> FieldBinding &Number(QSpinBox *box, Field field) {
        return Add([=](const Record &r) { box->setValue(static_cast<int>(Get(field, r))); },
                   [=](Record &r) {
                       auto &value = Get(field, r);
                       value = Value<decltype(value)>(box->value());
                   });
    }

    // A text box of one line and a text of the model (cut by its field).
    template <class Field> FieldBinding &Text(QLineEdit *edit, Field field) {
        return Add([=](const Record &r) { edit->setText(FromModelText(Get(field, r))); },
                   [=](Record &r) { Get(field, r) = ToModelText(edit->text()); });
    }

    // A text box of several lines and a text whose lines end in CR LF.
    template <class Field> FieldBinding &Text(QPlainTextEdit *edit, Field field) {
        return Add([=](const Record &r) { edit->setPlainText(FromModelLines(Get(field, r))); },
                   [=](Record &r) { Get(field, r) = ToModelLines(edit->toPlainText()); });
    }

    // Radio buttons and a number or enumeration: the n-th button is value n.
    // A value without its button chooses the first.
    template <class Field> FieldBinding &Choice(const QList<QAbstractButton *> &buttons, Field field) {
        return Add(
            [=](const Record &r) {
                const auto value = static_cast<qsizetype>(Get(field, r));
                buttons.value(value, buttons.front())->setChecked(true);
            },
            [=](Record &r) {
                auto &value = Get(field, r);
                value = Value<decltype(value)>(Chosen(buttons));
            });
    }

    void Load(const Record &record) const {
        for (const Entry &entry : entries_)
            entry.Load(record);
    }
    void Store(Record &record) const {
        for (const Entry &entry : entries_)
            entry.Store(record);
    }

private:
    struct Entry {
        std::function<void(const Record &)> Load;
        std::function<void(Record &)> Store;
    };

    template <class Field, class R> static decltype(auto) Get(const Field &field, R &record) {
        return std::invoke(field, record);
    }
    template <class Ref, class From> static std::remove_reference_t<Ref> Value(From from) {
        return static_cast<std::remove_reference_t<Ref>>(from);
    }
    // The checked button's place; none checked reads as the first.
    static qsizetype Chosen(const QList<QAbstractButton *> &buttons) {
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return i;
        return 0;
    }

    FieldBinding &Add(std::function<void(const Record &)> load, std::function<void(Record &)> store) {
        entries_.push_back({std::move(load), std::move(store)});
        return *this;
    }

    std::vector<Entry> entries_;
};

} // namespace rondaxa
