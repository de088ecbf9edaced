'use strict';

// Program B's tab, 澄观统计器: Form1 and its number page Form2 (whose names
// start with "Form2.") on the page, their rows in the sections the windows'
// tables give them. The number page is always shown beside the helpers;
// 号码页 brings it into view. The frame and the labels beside the options
// and check boxes give way to the controls' captions of their own.
const ChguTab = {
  mount: (module, panel) => TraditionalHint.attach(module, ProgramTab.mount({
    panel,
    create: (host) => new module.ChguTab(host),
    helpers: '输入助手：属性、段、自定义、号码页',
    key: 'chgu',
    start: (program, restore) => {
      program.formLoad();
      restore();
      program.formActivate();
    },
  }), { input: 'Text1', check: 'Check3' }),
};
