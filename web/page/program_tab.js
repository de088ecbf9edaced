'use strict';

// A program's tab: the elements of its window placed as the tab's table of
// places says (rows it leaves out still exist, unseen, for the handlers),
// the picture beside the report, and the texts and settings of the window
// kept across a reload.
const ProgramTab = (() => {
  const element = (tag, className) => {
    const made = document.createElement(tag);
    if (className) made.className = className;
    return made;
  };

  // The helpers fold away on a narrow screen, so that the report follows
  // the statistics buttons there; from a desktop's width they stand open
  // beside the input.
  const wide = window.matchMedia('(min-width: 1024px)');

  function column(place) {
    if (!place.summary) return element('div', `column ${place.column}`);
    const details = element('details', `column ${place.column}`);
    const summary = element('summary');
    summary.textContent = place.summary;
    details.append(summary);
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

  // A section's names: a name, or a pattern that stands for every row it
  // matches, in the order of the table.
  const namesOf = (section, rows) => section.names.flatMap((entry) => (
    typeof entry === 'string' ? [entry] : rows.filter((row) => entry.test(row.name)).map((row) => row.name)));

  // Values the programs keep between runs (program B's change date), in
  // the browser's storage instead of the registry.
  const storedValues = {
    readStored: (name) => PageStorage.readBytes(`stored.${name}`),
    writeStored: (name, bytes) => PageStorage.writeBytes(`stored.${name}`, bytes),
  };

  // description: { panel, create, places, labels, captions, key, start }.
  // create(host) makes the C++ tab on the host that its windows' elements
  // will answer through; start(program, restore) runs the window's start-up
  // with the kept state put back at the right moment. captions names the
  // options and check boxes whose words stand in a label beside them in the
  // window.
  function mount(description) {
    const { panel, places, labels, key } = description;
    const host = {};
    const program = description.create(host);
    const caption = program.caption();
    const rows = program.rows();
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
    for (const [name, words] of Object.entries(description.captions ?? {})) {
      view.get(name).caption.textContent = words;
    }
    panel.replaceChildren();
    const title = element('h1', 'window-caption');
    title.textContent = caption;
    panel.append(title);

    const placed = new Set();
    let pictureBox = null;
    for (const place of places) {
      const holder = column(place);
      for (const section of place.sections) {
        const part = element('div', `section ${section.className}`);
        for (const name of namesOf(section, rows)) {
          const control = view.get(name);
          part.append(control.element);
          placed.add(name);
          if (labels[name]) (control.input ?? control.element).setAttribute('aria-label', labels[name]);
        }
        holder.append(part);
        if (section.picture) {
          pictureBox = element('div', 'picture');
          pictureBox.hidden = true;
          holder.append(pictureBox);
        }
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
    FormView.wire(view, program, () => {
      const picture = program.takePicture();
      if (picture) Picture.draw(pictureBox, picture);
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

  return { mount };
})();
