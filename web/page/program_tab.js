'use strict';

// A program's tab: the elements of its window placed in the page's sections
// that their rows name (rows shown nowhere still exist, unseen, for the
// handlers), the picture beside the report, and the texts and settings of
// the window kept across a reload.
const ProgramTab = (() => {
  // The page's sections, column by column, in the order they stand. The
  // helpers fold away on a narrow screen, so that the report follows the
  // statistics buttons there; the picture follows the report.
  const columns = [
    { column: 'input', sections: ['settings', 'input', 'statistics'] },
    { column: 'helpers', folds: true, sections: ['words', 'half-waves', 'numbers', 'range', 'number-page'] },
    { column: 'report', sections: ['report'], picture: true },
  ];

  // What a user acts on: such a row must stand in a section, or be one the
  // page leaves out on purpose ("window-only"); other rows without a
  // section ("") are not shown.
  const actedOn = new Set(['button', 'option', 'checkBox', 'textBox', 'multiLineBox', 'upDown', 'dropDown']);

  // The rows of each section, in the order of the table. A row the page
  // has no place for stops the tab rather than vanish from it.
  function sectionsOf(rows) {
    const sections = new Map(columns.flatMap((place) => place.sections).map((name) => [name, []]));
    const homeless = [];
    for (const row of rows) {
      if (sections.has(row.section)) sections.get(row.section).push(row);
      else if (row.section !== 'window-only' && (row.section !== '' || actedOn.has(row.kind))) homeless.push(row.name);
    }
    if (homeless.length > 0) throw new Error(`no place on the page for ${homeless.join(', ')}`);
    return sections;
  }

  // From the width at which the style sheet sets the columns side by side,
  // the helpers stand open beside the input.
  const wideRule = [...document.styleSheets].flatMap((sheet) => [...sheet.cssRules])
    .find((rule) => rule instanceof CSSMediaRule && [...rule.cssRules].some((inner) => inner.selectorText === '.program'));
  const wide = window.matchMedia(wideRule.media.mediaText);

  function column(place, helpers) {
    if (!place.folds) return element('div', `column ${place.column}`);
    const details = element('details', `column ${place.column}`);
    details.append(element('summary', '', helpers));
    details.open = wide.matches;
    wide.addEventListener('change', (event) => {
      if (event.matches) details.open = true;
    });
    return details;
  }

  // The state of every control a user sets: texts, ticks, positions.
  const kept = {
    textBox: 'text',
    readOnlyBox: 'text',
    multiLineBox: 'text',
    option: 'checked',
    checkBox: 'checked',
    upDown: 'position',
  };

  function stateOf(view) {
    const state = {};
    for (const [name, control] of view.controls) {
      const what = kept[control.row.kind];
      if (what === 'text') state[name] = FormView.textOf(control);
      if (what === 'checked') state[name] = control.input.checked;
      if (what === 'position') state[name] = Number(control.element.dataset.position);
    }
    return state;
  }

  function restore(view, state) {
    if (!state) return;
    for (const [name, value] of Object.entries(state)) {
      const control = view.controls.get(name);
      const what = control && kept[control.row.kind];
      if (what === 'text' && typeof value === 'string') FormView.setTextOf(control, value);
      if (what === 'checked' && typeof value === 'boolean') control.input.checked = value;
      if (what === 'position' && Number.isInteger(value)) {
        control.element.dataset.position = Math.min(Math.max(value, control.row.minimum), control.row.maximum);
      }
    }
  }

  // Values the programs keep between runs (program B's change date), in
  // the browser's storage instead of the registry.
  const storedValues = {
    readStored: (name) => PageStorage.readBytes(`stored.${name}`),
    writeStored: (name, bytes) => PageStorage.writeBytes(`stored.${name}`, bytes),
  };

  // description: { panel, create, helpers, key, start }. create(host)
  // makes the C++ tab on the host that its windows' elements will answer
  // through; helpers is the caption of the folding helpers; start(program,
  // restore) runs the window's start-up with the kept state put back at the
  // right moment.
  function mount(description) {
    const { panel, key } = description;
    const host = {};
    const program = description.create(host);
    const caption = program.caption();
    const rows = program.rows();
    const sections = sectionsOf(rows);
    const view = FormView.create(rows, key, {
      showMessage: (text, isError, title) => Shell.showMessage(title, text, isError),
      putOnClipboard: Shell.putOnClipboard,
      showNumberPage: () => {
        const numbers = panel.querySelector('.number-page');
        numbers.closest('details').open = true;
        numbers.scrollIntoView({ block: 'nearest' });
      },
      ...storedValues,
    });
    Object.assign(host, view.host);
    panel.replaceChildren(element('h1', 'window-caption', caption));

    const placed = new Set();
    let pictureBox = null;
    for (const place of columns) {
      const holder = column(place, description.helpers);
      for (const name of place.sections) {
        if (sections.get(name).length === 0) continue;
        const part = element('div', `section ${name}`);
        for (const row of sections.get(name)) {
          part.append(view.get(row.name).element);
          placed.add(row.name);
        }
        holder.append(part);
      }
      if (place.picture) {
        pictureBox = element('div', 'picture');
        pictureBox.hidden = true;
        holder.append(pictureBox);
      }
      panel.append(holder);
    }
    const unseen = element('div');
    unseen.hidden = true;
    for (const [name, control] of view.controls) {
      if (!placed.has(name)) unseen.append(control.element);
    }
    panel.append(unseen);

    // Kept a moment after the last change, away from the press itself: a
    // megabyte of text takes the browser's storage a while.
    const save = () => PageStorage.write(key, stateOf(view));
    let saving = 0;
    const saveSoon = () => {
      clearTimeout(saving);
      saving = setTimeout(save, 400);
    };
    panel.addEventListener('input', saveSoon);
    FormView.wire(view, program, (name) => {
      const picture = program.takePicture();
      if (picture) {
        Picture.draw(pictureBox, picture);
        panel.dispatchEvent(new CustomEvent('report', { detail: name }));
      }
      saveSoon();
    });
    description.start(program, () => restore(view, PageStorage.read(key)));
    return {
      view,
      program,
      save,
      destroy: () => {
        clearTimeout(saving);
        save();
        program.delete();
      },
    };
  }

  return { mount, sectionsOf };
})();
