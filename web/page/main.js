'use strict';

// The page: both tabs on one module, the tab switch, the year-tables file
// shared by both programs (as YearTables.txt beside both programs in the
// release), and the notice of storage that is refused.
(async () => {
  const module = await TipstatModule();
  const yearTablesFile = 'YearTables.txt';
  const programs = { kova: KovaTab };
  const tabs = {};

  Storage.whenRefused(() => {
    const note = document.getElementById('storage-state');
    note.textContent = '浏览器不让本页保存资料（存储已满或被拒绝）：框里的内容都还在，但重新打开本页后不会保留。';
    note.hidden = false;
    Shell.showMessage('统计器', note.textContent, false);
  });

  // The user's files go back into the programs' folder before the programs
  // start, as files beside the programs are there before they start.
  function putBackUserFiles() {
    const bytes = Storage.readBytes(`file.${yearTablesFile}`);
    if (bytes) module.putUserFile(yearTablesFile, bytes);
    const state = document.getElementById('year-tables-state');
    state.textContent = bytes ? `用的是载入的${Storage.read(`name.${yearTablesFile}`) ?? yearTablesFile}` : '用的是内置年份表（2003–2040 年）';
  }

  // A program reads its files once, at start: a changed file counts from
  // the next start, which this is, with every text and setting kept.
  function startPrograms() {
    for (const [name, tab] of Object.entries(tabs)) {
      tab.destroy();
      delete tabs[name];
    }
    for (const [name, program] of Object.entries(programs)) {
      tabs[name] = program.mount(module, document.getElementById(name));
    }
  }

  // The tab switch is one stop of the Tab key, the tab shown; the arrow
  // keys move between the tabs.
  const tabButtons = [...document.querySelectorAll('[role="tab"]')];
  function showTab(name) {
    for (const tab of tabButtons) {
      const selected = tab.getAttribute('aria-controls') === name;
      tab.setAttribute('aria-selected', String(selected));
      tab.tabIndex = selected ? 0 : -1;
      document.getElementById(tab.getAttribute('aria-controls')).hidden = !selected;
    }
    Storage.write('tab', name);
  }

  tabButtons.forEach((tab, i) => {
    tab.addEventListener('click', () => showTab(tab.getAttribute('aria-controls')));
    tab.addEventListener('keydown', (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      const next = tabButtons[(i + step + tabButtons.length) % tabButtons.length];
      showTab(next.getAttribute('aria-controls'));
      next.focus();
    });
  });

  document.getElementById('year-tables-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const fault = module.yearTablesFault(bytes, file.name);
    if (fault !== null) {
      Shell.showMessage('年份表', fault, true);
      return;
    }
    Storage.writeBytes(`file.${yearTablesFile}`, bytes);
    Storage.write(`name.${yearTablesFile}`, file.name);
    module.putUserFile(yearTablesFile, bytes);
    putBackUserFiles();
    startPrograms();
  });

  document.getElementById('year-tables-remove').addEventListener('click', () => {
    Storage.remove(`file.${yearTablesFile}`);
    Storage.remove(`name.${yearTablesFile}`);
    module.removeUserFile(yearTablesFile);
    putBackUserFiles();
    startPrograms();
  });

  window.addEventListener('pagehide', () => Object.values(tabs).forEach((tab) => tab.save()));

  putBackUserFiles();
  startPrograms();
  showTab(Storage.read('tab') === 'chgu' ? 'chgu' : 'kova');
  // What the tests reach: the module and the tabs as they run.
  window.tipstat = { module, tabs };
  document.documentElement.dataset.ready = 'true';
})();
