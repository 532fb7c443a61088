#include "support/window_fixture.h"

#include "support/ui_support.h"

#include <QtTest>

#include <filesystem>

namespace rondaxa::test {

bool WindowFixture::OpenWindow(bool demo) {
    dir_ = std::make_unique<TempDir>();
    prompts_ = ScriptedPrompts();
    store_ = MemorySettingsStore();
    form_ = std::make_unique<TMainForm>(prompts_, store_);
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get()) ||
        !QTest::qWaitFor([this] { return form_->FirstPaintDone(); }))
        return false;
    if (!demo)
        return true;
    const std::string copy = dir_->Path("demo.kzb");
    std::filesystem::copy_file(RONDAXA_SOURCE_DIR "/examples/demo.kzb", copy);
    return form_->LoadFile(QString::fromStdString(copy), prompts_);
}

void WindowFixture::CloseWindow() {
    if (form_) {
        form_->Comp().Modified = 0;
        form_->hide(); // while the competition still exists
    }
    form_.reset();
    dir_.reset();
}

ClassGridView &WindowFixture::Grid() {
    return GridOf(*form_);
}

CellEditor &WindowFixture::Editor() {
    return EditorOf(*form_);
}

QTabBar &WindowFixture::Tabs() {
    return TabsOf(*form_);
}

} // namespace rondaxa::test
