#include "program.h"

#include "chgu/window/command1.h"
#include "chgu/window/control_ids.h"
#include "chgu/window/layouts.h"
#include "platform/program_folder.h"
#include "resource_ids.h"

namespace chgu::win32 {

using platform::win32::FormWindow32;

// One opening of the number page: its window and its handlers. The values
// that outlive it are the program's.
class Program::NumberPage final : public Form2Controls {
  public:
    NumberPage(Program& program) : program_(program) {}

    bool Open() {
        platform::FormLayout layout = Form2Layout({
            [this](std::int16_t n) { form2_->Command1_Click(n); },
            [this] { form2_->Command2_Click(); },
            [this](std::int16_t r) { form2_->Command3_Click(r); },
            [this](std::int16_t third) { form2_->Command4_Click(third); },
        });
        layout.icon_id = CHGU_ICON;
        // The page does not end the program: the program counts its windows.
        window_ = FormWindow32::Create(program_.instance_, std::move(layout), [this] {
            open_ = false;
            program_.WindowClosed();
        });
        if (window_ == nullptr) {
            return false;
        }
        form2_ = std::make_unique<Form2>(*this, program_.page_state_, [this]() -> MainWindow* {
            return program_.form1_open_ ? program_.main_window_.get() : nullptr;
        });
        form2_->Form_Load();
        open_ = true;
        program_.WindowOpened();
        window_->Show(SW_SHOWNORMAL, "");
        return true;
    }

    bool IsOpen() const { return open_; }
    void BringToFront() {
        ShowWindow(window_->Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(window_->Handle());
    }

    bool Option1Selected() const override { return Checked(ids::kPageOption1); }
    bool Option2Selected() const override { return Checked(ids::kPageOption2); }
    void FocusOption2() override {
        // An option button that gets the focus becomes the selected one.
        SetFocus(Option(ids::kPageOption2));
        SendMessageW(Option(ids::kPageOption2), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(Option(ids::kPageOption1), BM_SETCHECK, BST_UNCHECKED, 0);
    }

  private:
    HWND Option(int id) const { return GetDlgItem(window_->Handle(), id); }
    bool Checked(int id) const {
        return SendMessageW(Option(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    Program& program_;
    std::unique_ptr<FormWindow32> window_;
    std::unique_ptr<Form2> form2_;
    bool open_ = false;
};

Program::Program(HINSTANCE instance) : instance_(instance), store_(SystemChangeDateStore()) {}

Program::~Program() = default;

bool Program::Open(int show_command) {
    platform::FormLayout layout = Form1Layout({
        [this](std::int16_t index) { Command1_Click(*main_window_, index); },
        [this](std::int16_t index) { form1_->Command2_Click(index); },
        [this] { form1_->Command3_Click(); },
        [this] { form1_->Command4_Click(); },
        [this](std::u16string_view item) { form1_->Combo1_Click(item); },
    });
    layout.icon_id = CHGU_ICON;
    form1_window_ = FormWindow32::Create(instance_, std::move(layout), [this] {
        form1_open_ = false;
        WindowClosed();
    });
    if (form1_window_ == nullptr) {
        return false;
    }
    main_window_ = std::make_unique<MainWindow32>(*form1_window_, [this] { ShowNumberPage(); });
    form1_ = std::make_unique<Form1>(*main_window_, *store_, platform::ProgramFolder());
    form1_open_ = true;
    WindowOpened();
    form1_->Form_Load();
    form1_window_->Show(show_command, "Text1");
    form1_->Form_Activate();
    return true;
}

int Program::Run() {
    return platform::win32::RunMessageLoop();
}

void Program::ShowNumberPage() {
    if (page_ != nullptr && page_->IsOpen()) {
        page_->BringToFront();
        return;
    }
    // A closed page is made afresh, with Option1 selected.
    page_ = std::make_unique<NumberPage>(*this);
    if (!page_->Open()) {
        page_.reset();
    }
}

void Program::WindowClosed() {
    if (--open_windows_ == 0) {
        PostQuitMessage(0);
    }
}

}  // namespace chgu::win32
