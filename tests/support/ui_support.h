// Helpers for the desktop tests: answering a modal dialog, pressing its
// buttons by caption, and the main window's parts found by their names.
#pragma once

#include "support/test_files.h"
#include "ui/app/CellEditor.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <type_traits>

namespace rondaxa::test {

// Runs f on the modal dialog of type D that the next command opens (when one
// opens); seen tells whether it did.
template <typename D = QDialog>
void OnNextDialog(std::function<void(std::type_identity_t<D> &)> f, bool *seen = nullptr,
                  QObject *context = qApp) {
    QTimer::singleShot(0, context, [f, seen] {
        if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget())) {
            if (seen)
                *seen = true;
            f(*dialog);
        }
    });
}

// Clicks the push button of parent with the given caption; fails the test
// when there is none.
inline void ClickButton(QWidget &parent, const QString &caption) {
    for (QPushButton *button : parent.findChildren<QPushButton *>())
        if (button->text() == caption) {
            button->click();
            return;
        }
    QFAIL(qPrintable("no button " + caption));
}

// The controls of window that an Alt key reaches while they show (buttons,
// check boxes, labels of a field, group titles), by key ("Alt+X").
inline std::map<QString, QStringList> VisibleMnemonics(const QWidget &window) {
    std::map<QString, QStringList> owners;
    auto add = [&](const QWidget *widget, const QString &text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && widget->isVisibleTo(&window))
            owners[key.toString()] << text;
    };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        add(button, button->text());
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->buddy())
            add(label, label->text());
    for (const QGroupBox *group : window.findChildren<QGroupBox *>())
        add(group, group->title());
    return owners;
}

// The Alt keys that more than one showing control answers to, as
// "Alt+X: a, b".
inline QStringList ClashingMnemonics(const QWidget &window) {
    QStringList clashes;
    for (const auto &[key, texts] : VisibleMnemonics(window))
        if (texts.size() > 1)
            clashes << key + ": " + texts.join(", ");
    return clashes;
}

// Types text into a number box as the user does: its text selected, then
// the keys one by one.
inline void TypeNumber(QSpinBox *box, const QString &text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The typing rules of a "from ... to" pair of number boxes (maximum 14 to
// 98) in an open dialog whose "&Ok" accepts it: a value counts once it is
// committed, so "14" typed beside 13 does not pass through 1 and pull the
// other box down, while the order rule still holds after the commit; a
// number above the maximum shows as the maximum; Ok takes what is typed.
inline void CheckRangeTyping(QDialog &dialog, QSpinBox *from, QSpinBox *to) {
    QVERIFY(to->maximum() >= 14 && to->maximum() < 99);
    from->setValue(13);
    to->setValue(13);
    TypeNumber(to, "14");
    QCOMPARE(from->value(), 13);
    from->setFocus(); // done with "t/m"
    QCOMPARE(to->value(), 14);
    QCOMPARE(from->value(), 13);
    TypeNumber(to, "2");
    QCOMPARE(from->value(), 13);
    from->setFocus();
    QCOMPARE(from->value(), 2);
    TypeNumber(from, "99");
    QCOMPARE(from->text(), QString::number(from->maximum()));
    to->setFocus();
    QCOMPARE(from->value(), from->maximum());
    QCOMPARE(to->value(), to->maximum());
    TypeNumber(from, "12");
    ClickButton(dialog, "&Ok"); // as Alt+O does: the focus stays in the box
    QCOMPARE(from->value(), 12);
}

// The parts of a main window: its class grid, editing field, class tabs and
// status panels (0-based).
template <typename W> W &PartOf(const QWidget &form, const QString &name) {
    W *part = form.findChild<W *>(name);
    if (!part)
        qFatal("main window without %s", qPrintable(name));
    return *part;
}
inline ClassGridView &GridOf(const QWidget &form) {
    return PartOf<ClassGridView>(form, "ActiveSG");
}
inline CellEditor &EditorOf(const QWidget &form) {
    return PartOf<CellEditor>(form, "Edit1");
}
inline QTabBar &TabsOf(const QWidget &form) {
    return PartOf<QTabBar>(form, "ClassTabs");
}
inline QLabel &StatusPanelOf(const QWidget &form, int i) {
    return PartOf<QLabel>(form, QStringLiteral("StatusPanel%1").arg(i + 1));
}

} // namespace rondaxa::test
