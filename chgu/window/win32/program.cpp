#include "program.h"

#include "platform/program_folder.h"
#include "resource_ids.h"

namespace chgu::win32 {

using platform::win32::FormWindow32;

Program::Program(HINSTANCE instance)
    : instance_(instance),
      store_(SystemChangeDateStore()),
      traditional_store_(SystemTraditionalStore()),
      form1_(*store_, platform::ProgramFolder()) {
    form1_.KeepTraditionalIn(*traditional_store_);
}

Program::~Program() = default;

bool Program::Open(int show_command) {
    platform::FormLayout layout = form1_.Layout();
    layout.icon_id = CHGU_ICON;
    form1_window_ = FormWindow32::Create(instance_, std::move(layout), [this] {
        form1_open_ = false;
        WindowClosed();
    });
    if (form1_window_ == nullptr) {
        return false;
    }
    form1_.Attach(*form1_window_, [this] { ShowNumberPage(); });
    form1_open_ = true;
    WindowOpened();
    form1_.Form_Load();
    form1_window_->Show(show_command, "Text1");
    form1_.Form_Activate();
    return true;
}

int Program::Run() {
    return platform::win32::RunMessageLoop();
}

void Program::ShowNumberPage() {
    if (page_open_) {
        form2_window_->BringToFront();
        return;
    }
    form2_window_.reset();
    form2_ = std::make_unique<Form2>(page_state_, [this]() -> platform::Control* {
        return form1_open_ ? &form1_.InputBox() : nullptr;
    });
    platform::FormLayout layout = form2_->Layout();
    layout.icon_id = CHGU_ICON;
    // The page does not end the program: the program counts its windows.
    form2_window_ = FormWindow32::Create(instance_, std::move(layout), [this] {
        page_open_ = false;
        WindowClosed();
    });
    if (form2_window_ == nullptr) {
        return;
    }
    form2_->Attach(*form2_window_);
    page_open_ = true;
    WindowOpened();
    form2_window_->Show(SW_SHOWNORMAL, "");
}

void Program::WindowClosed() {
    if (--open_windows_ == 0) {
        PostQuitMessage(0);
    }
}

}  // namespace chgu::win32
