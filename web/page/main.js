'use strict';

// The page: both tabs on one module, the tab switch, the year-tables file
// shared by both programs (as YearTables.txt beside both programs in the
// release), and the notice of storage that is refused.
(async () => {
  const module = await TipstatModule();
  const programs = { kova: KovaTab, chgu: ChguTab };
  const tabs = {};

  PageStorage.whenRefused(() => {
    const note = document.getElementById('storage-state');
    note.textContent = '浏览器不让本页保存资料（存储已满或被拒绝）：框里的内容都还在，但重新打开本页后不会保留。';
    note.hidden = false;
    Shell.showMessage('统计器', note.textContent, false);
  });

  // The files the user gives, as they stand beside the programs in the
  // release: the year tables (checked by the programs' reader first; a
  // faulty file is told and not used) and program B's custom attributes.
  const years = module.builtInYears();
  const userFiles = [
    { name: 'YearTables.txt', input: 'year-tables-file', remove: 'year-tables-remove', state: 'year-tables-state',
      builtIn: `用的是内置年份表（${years.first}–${years.last} 年）`, check: (bytes, fileName) => module.yearTablesFault(bytes, fileName) },
    { name: 'Define.txt', input: 'define-file', remove: 'define-remove', state: 'define-state',
      builtIn: '没有自定义属性', check: () => null },
  ];

  // A picked file that the browser's storage refused: used until the page
  // closes, and said so, as it is gone after a reload.
  const unkept = {};

  // The user's files go back into the programs' folder before the programs
  // start, as files beside the programs are there before they start.
  function putBackUserFiles() {
    for (const file of userFiles) {
      const picked = unkept[file.name];
      const bytes = picked ? picked.bytes : PageStorage.readBytes(`file.${file.name}`);
      if (bytes) module.putUserFile(file.name, bytes);
      const name = picked ? picked.name : PageStorage.read(`name.${file.name}`) ?? file.name;
      document.getElementById(file.state).textContent =
        !bytes ? file.builtIn : picked ? `用的是载入的 ${name}（未能存下，重新打开页面后不再用）` : `用的是载入的 ${name}`;
    }
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
      Thumb.attach(name, tabs[name], document.getElementById(name));
      ReadableColours.apply(document.getElementById(name));
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
    PageStorage.write('tab', name);
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

  for (const file of userFiles) {
    document.getElementById(file.input).addEventListener('change', async (event) => {
      const picked = event.target.files[0];
      event.target.value = '';
      if (!picked) return;
      const tooLarge = module.tooLargeFault(picked.size, picked.name);
      if (tooLarge !== null) {
        Shell.showMessage(file.name, tooLarge, true);
        return;
      }
      const bytes = new Uint8Array(await picked.arrayBuffer());
      const fault = file.check(bytes, picked.name);
      if (fault !== null) {
        Shell.showMessage(file.name, fault, true);
        return;
      }
      const kept = PageStorage.writeBytes(`file.${file.name}`, bytes) && PageStorage.write(`name.${file.name}`, picked.name);
      if (kept) {
        delete unkept[file.name];
      } else {
        PageStorage.remove(`file.${file.name}`);
        PageStorage.remove(`name.${file.name}`);
        unkept[file.name] = { bytes, name: picked.name };
      }
      putBackUserFiles();
      startPrograms();
    });
    document.getElementById(file.remove).addEventListener('click', () => {
      delete unkept[file.name];
      PageStorage.remove(`file.${file.name}`);
      PageStorage.remove(`name.${file.name}`);
      module.removeUserFile(file.name);
      putBackUserFiles();
      startPrograms();
    });
  }

  window.addEventListener('pagehide', () => Object.values(tabs).forEach((tab) => tab.save()));

  putBackUserFiles();
  startPrograms();
  showTab(PageStorage.read('tab') === 'chgu' ? 'chgu' : 'kova');
  PageApp.start(tabs);
  // What the tests reach: the module and the tabs as they run.
  window.tipstat = { module, tabs };
  document.documentElement.dataset.ready = 'true';
})();
