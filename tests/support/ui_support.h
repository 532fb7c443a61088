// Helpers for the desktop tests: answering a modal dialog, pressing its
// buttons by caption, and the main window's parts found by their names.
#pragma once

#include "support/test_files.h"
#include "ui/app/CellEditor.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>
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

// A main window, past its start-up steps, showing a copy of the demo
// competition made in dir ("demo.kzb"). Nothing when that failed.
inline std::unique_ptr<TMainForm> ShowDemo(const TempDir &dir, Prompts &prompts, SettingsStore &store) {
    const std::string demo = dir.Path("demo.kzb");
    std::filesystem::copy_file(RONDAXA_SOURCE_DIR "/examples/demo.kzb", demo);
    auto form = std::make_unique<TMainForm>(prompts, store);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()) ||
        !QTest::qWaitFor([&] { return form->FirstPaintDone(); }) ||
        !form->LoadFile(QString::fromStdString(demo), prompts))
        return nullptr;
    return form;
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
