'use strict';

// A program's window on the page: an element for every row of its control
// table, and the host through which the program's own handlers read and
// change them (see web/src/host_form.h). Which rows are shown, and where,
// is the tab's business: each row's element is handed to it by name.
const FormView = (() => {
  // A radio button or check box with its caption, the caption being the
  // control's text, or, where the window has its words in a label beside
  // it, the row's accessible caption. Option groups are told apart by the
  // tab's scope.
  const captioned = (type, row, scope) => {
    const label = element('label', 'choice');
    const input = element('input');
    input.type = type;
    if (type === 'radio') input.name = `${scope}:${row.group}`;
    input.checked = row.checked;
    const caption = element('span', '', row.caption || row.accessibleCaption);
    label.append(input, caption);
    return { element: label, input, caption };
  };

  const box = (tag, row) => {
    const input = element(tag, 'box');
    input.spellcheck = false;
    input.autocomplete = 'off';
    if (tag === 'textarea') input.wrap = 'off';
    if (row.maxLength > 0) input.maxLength = row.maxLength;
    return input;
  };

  // How each kind of control is made.
  const makers = {
    button: (row) => {
      const button = element('button', 'control');
      button.type = 'button';
      button.textContent = row.caption;
      return { element: button };
    },
    option: (row, scope) => captioned('radio', row, scope),
    checkBox: (row, scope) => captioned('checkbox', row, scope),
    textBox: (row) => {
      const input = box('input', row);
      input.type = 'text';
      input.value = row.caption;
      return { element: input, input };
    },
    readOnlyBox: (row) => {
      const input = box('input', row);
      input.readOnly = true;
      input.tabIndex = -1;
      input.value = row.caption;
      return { element: input, input };
    },
    multiLineBox: (row) => {
      const input = box('textarea', row);
      const text = new BoxText(input);
      text.set(row.caption);
      return { element: input, input, text };
    },
    label: (row) => {
      const label = element('span', 'label');
      label.textContent = row.caption;
      return { element: label };
    },
    frame: () => ({ element: element('div') }),
    panel: () => ({ element: element('div') }),
    upDown: (row) => {
      const arrows = element('span', 'updown');
      arrows.dataset.position = row.position;
      const up = element('button', 'control arrow');
      up.type = 'button';
      up.textContent = '▲';
      up.setAttribute('aria-label', '后一年');
      const down = element('button', 'control arrow');
      down.type = 'button';
      down.textContent = '▼';
      down.setAttribute('aria-label', '前一年');
      arrows.append(down, up);
      return { element: arrows, up, down };
    },
    dropDown: (row) => {
      const select = element('select', 'box');
      const current = element('option');
      current.disabled = true;
      current.selected = true;
      current.textContent = row.caption;
      select.append(current);
      return { element: select, input: select, current, items: [] };
    },
  };

  const textOf = (control) => {
    if (control.text) return control.text.get();
    if (control.current) return control.current.textContent;
    if (control.caption) return control.caption.textContent;
    if (control.input) return control.input.value;
    return control.element.textContent;
  };

  const setTextOf = (control, text) => {
    if (control.text) control.text.set(text);
    else if (control.current) control.current.textContent = text;
    else if (control.caption) control.caption.textContent = text;
    else if (control.input) control.input.value = text;
    else control.element.textContent = text;
  };

  // On a phone, focusing a box opens the on-screen keyboard over the page
  // after every helper button; there the focus stays where the user put it.
  const focusOpensKeyboard = () => window.matchMedia('(pointer: coarse)').matches;

  // Makes the elements of `rows` in a tab named `scope`; `window` is what
  // the host does beyond the controls: showMessage(text, isError, title),
  // putOnClipboard(text), and the tab's own additions.
  function create(rows, scope, window) {
    const controls = new Map();
    for (const row of rows) {
      const control = makers[row.kind](row, scope);
      control.row = row;
      control.element.dataset.control = row.name;
      if (row.textColour) control.element.style.color = row.textColour;
      if (row.background && row.kind !== 'panel') control.element.style.backgroundColor = row.background;
      if (row.accessibleCaption && !control.caption) {
        (control.input ?? control.element).setAttribute('aria-label', row.accessibleCaption);
      }
      controls.set(row.name, control);
    }
    const get = (name) => {
      const control = controls.get(name);
      if (!control) throw new Error(`no control named ${name}`);
      return control;
    };
    let clientWidth = 0;
    const host = {
      text: (name) => textOf(get(name)),
      setText: (name, text) => setTextOf(get(name), text),
      replaceText: (name, start, length, text) => {
        const control = get(name);
        if (control.text) control.text.replace(start, length, text);
        else setTextOf(control, textOf(control).slice(0, start) + text + textOf(control).slice(start + length));
      },
      focus: (name) => {
        const control = get(name);
        if (!(control.text && focusOpensKeyboard())) (control.input ?? control.element).focus({ preventScroll: true });
      },
      checked: (name) => Boolean(get(name).input?.checked),
      select: (name) => {
        get(name).input.checked = true;
      },
      position: (name) => Number(get(name).element.dataset.position),
      setPosition: (name, position) => {
        get(name).element.dataset.position = position;
      },
      clearList: (name) => {
        const control = get(name);
        for (const item of control.items) item.remove();
        control.items = [];
        control.current.textContent = '';
      },
      addListItem: (name, item) => {
        const control = get(name);
        const option = element('option');
        option.textContent = item;
        control.items.push(option);
        control.element.append(option);
      },
      clientWidth: () => clientWidth,
      setClientWidth: (width) => {
        clientWidth = width;
      },
      ...window,
    };
    return { controls, host, get };
  }

  // What a user does on the elements goes to the tab's window: clicks of
  // buttons, options and check boxes (the browser has already ticked
  // them), the arrows of an up-down control, a pick from a drop-down list.
  // `after(name)` runs once the handler is done.
  function wire(view, tab, after) {
    const run = (name, action) => {
      action();
      after(name);
    };
    for (const [name, control] of view.controls) {
      const kind = control.row.kind;
      if (kind === 'button') {
        control.element.addEventListener('click', () => run(name, () => tab.click(name)));
      } else if (kind === 'option' || kind === 'checkBox') {
        control.input.addEventListener('click', () => run(name, () => tab.click(name)));
      } else if (kind === 'upDown') {
        control.up.addEventListener('click', () => run(name, () => tab.clickArrow(name, 1)));
        control.down.addEventListener('click', () => run(name, () => tab.clickArrow(name, -1)));
      } else if (kind === 'dropDown') {
        control.element.addEventListener('change', () => {
          const item = control.element.value;
          control.current.textContent = item;
          control.current.selected = true;
          run(name, () => tab.pick(name, item));
        });
      }
    }
  }

  return { create, wire, textOf, setTextOf };
})();
