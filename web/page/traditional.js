'use strict';

// The switch "繁体字也统计" on a tab (the window's own check box, kept over a
// reload with the tab's other settings), and while it is off and the input
// box holds any of the traditional forms it counts, one line under the box
// that says so and turns it on with one tap. Which characters count is the
// module's: the same table the programs simplify with.
const TraditionalHint = (() => {
  // tab: what ProgramTab.mount gave; names: { input, check }. Gives tab back.
  function attach(module, tab, names) {
    const input = tab.view.get(names.input);
    const check = tab.view.get(names.check);
    const hint = document.createElement('div');
    hint.className = 'section traditional-hint';
    hint.setAttribute('role', 'status');
    const words = document.createElement('span');
    words.textContent = '资料里有繁体字（龍、馬……），要一起统计吗？';
    const turnOn = document.createElement('button');
    turnOn.type = 'button';
    turnOn.className = 'control';
    turnOn.textContent = '一起统计';
    hint.append(words, turnOn);
    input.element.after(hint);

    let pending = 0;
    const update = () => {
      pending = 0;
      hint.hidden = check.input.checked || !module.holdsTraditional(FormView.textOf(input));
    };
    // After typing, and after every click on the tab: helpers, 清空 and
    // 帮助 change the box's text too.
    const updateSoon = () => {
      if (!pending) pending = requestAnimationFrame(update);
    };
    const panel = input.element.closest('.program') ?? document;
    panel.addEventListener('input', updateSoon);
    panel.addEventListener('click', updateSoon);
    // The tick goes through the check box itself, so that its handler runs
    // and the tab keeps it.
    turnOn.addEventListener('click', () => {
      if (!check.input.checked) check.input.click();
      update();
    });
    update();
    // A tab started again (a new file) makes a new hint on the same panel.
    const destroy = tab.destroy;
    tab.destroy = () => {
      panel.removeEventListener('input', updateSoon);
      panel.removeEventListener('click', updateSoon);
      cancelAnimationFrame(pending);
      destroy();
    };
    return tab;
  }

  return { attach };
})();
