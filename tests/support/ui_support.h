// Helpers for the desktop tests: answering a modal dialog and pressing its
// buttons by caption.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
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

} // namespace rondaxa::test
