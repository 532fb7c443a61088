// The main window that the desktop tests drive: a fresh window for every
// test, with scripted prompts, settings kept in memory and a folder of its
// own, and the window's parts by what they are.
#pragma once

#include "core/model/settings.h"
#include "support/test_files.h"
#include "ui/app/CellEditor.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"

#include <QTabBar>

#include <memory>

namespace rondaxa::test {

class WindowFixture {
protected:
    // Shows a new window past its start-up steps, with a copy of the demo
    // competition ("demo.kzb" in dir_) opened unless demo is false. False
    // when any step failed.
    bool OpenWindow(bool demo = true);
    // Closes the window without asking to save, then removes the folder.
    void CloseWindow();

    Competition &Comp() { return form_->Comp(); }
    TKlasse &Klasse() { return *form_->ActiveClass(); }
    ClassGridView &Grid();
    CellEditor &Editor();
    QTabBar &Tabs();

    std::unique_ptr<TempDir> dir_;
    ScriptedPrompts prompts_;
    MemorySettingsStore store_;
    std::unique_ptr<TMainForm> form_;
};

} // namespace rondaxa::test
