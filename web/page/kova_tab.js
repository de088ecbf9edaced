'use strict';

// Program A's tab, 墨川统计器: TForm1 on the page, its rows in the sections
// the window's table gives them. The window's links, version labels and the
// buttons that widen and narrow it have no place here: the number page is
// always shown.
const KovaTab = {
  mount: (module, panel) => TraditionalHint.attach(module, ProgramTab.mount({
    panel,
    create: (host) => new module.KovaTab(host),
    helpers: '输入助手：属性、半波、号码、段数',
    key: 'kova',
    start: (program, restore) => {
      program.formCreate();
      restore();
      program.formShow();
    },
  }), { input: 'Memo1', check: 'CheckBox1' }),
};
