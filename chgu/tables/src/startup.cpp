#include "chgu/startup.h"

#include "chgu/custom_attributes.h"

namespace chgu {

namespace {

// The start-up sequence from its table year step on: what follows Text3.
void FollowText3(Form1Controls& controls, Form1State& state, const StartupSources& sources) {
    state.TableYear = TableYearFromChangeDate(controls.Text(TextControl::Text3), sources.today);
    LoadCombo1(controls, sources.program_folder);
    controls.SetText(TextControl::Combo1, kCombo1Caption);
}

}  // namespace

void Form_Load(Form1Controls& controls, Form1State& state, const StartupSources& sources) {
    const std::u16string stored = ReadChangeDate(sources.store);
    if (!stored.empty()) {
        controls.SetText(TextControl::Text3, stored);
    } else {
        controls.SetText(TextControl::Text1, WelcomeText());
    }
    FollowText3(controls, state, sources);
}

void Command3_Click(Form1Controls& controls, Form1State& state, const StartupSources& sources) {
    if (WriteChangeDate(sources.store, controls.Text(TextControl::Text3))) {
        Form_Load(controls, state, sources);
        return;
    }
    // Reading back now would bring an older stored date over the typed one,
    // or the welcome text over the input.
    FollowText3(controls, state, sources);
    controls.ShowMessage(kChangeDateNotSaved);
}

void Command4_Click(Form1Controls& controls) {
    controls.SetFocus(TextControl::Text1);
    controls.SetText(TextControl::Text1, UsageNotes());
}

}  // namespace chgu
