'use strict';

// Program A's tab, 墨川统计器: where the rows of TForm1 stand on the page.
// The window's links, version labels and the buttons that widen and narrow
// it have no place here: the number page is always shown.
const KovaTab = (() => {
  // Each half-wave's label beside its button.
  const halfWaves = [0, 1, 2, 3, 4, 5].flatMap((i) => [`Label${3 + i}`, `BitBtn${50 + i}`]);

  const places = [
    {
      column: 'input',
      sections: [
        { className: 'settings', names: ['Edit3', 'UpDown1', 'RadioButton3', 'RadioButton4', 'CheckBox1', 'Button61'] },
        { className: 'input', names: ['Memo1'] },
        {
          className: 'statistics',
          names: ['Button60', 'Button7', 'Button63', 'Button64', 'Button65', 'Button8',
            'BitBtn56', 'BitBtn57', 'BitBtn58', 'BitBtn59', 'BitBtn60', 'Button9'],
        },
      ],
    },
    {
      column: 'helpers',
      summary: '输入助手：属性、半波、号码、段数',
      sections: [
        { className: 'words', names: [/^AttributeButton\d+$/] },
        { className: 'half-waves', names: halfWaves },
        { className: 'numbers', names: ['RadioButton1', 'RadioButton2', /^BitBtn([1-9]|[1-4]\d)$/, 'Button68'] },
        { className: 'range', names: ['Button62', 'Edit1', 'Label2', 'Edit2'] },
      ],
    },
    { column: 'report', sections: [{ className: 'report', names: ['Memo2'], picture: true }] },
  ];

  const labels = { Edit3: '年份', Memo1: '资料', Memo2: '统计结果', Edit1: '段数起', Edit2: '段数止' };

  return {
    mount: (module, panel) => TraditionalHint.attach(module, ProgramTab.mount({
      panel,
      create: (host) => new module.KovaTab(host),
      places,
      labels,
      key: 'kova',
      start: (program, restore) => {
        program.formCreate();
        restore();
        program.formShow();
      },
    }), { input: 'Memo1', check: 'CheckBox1' }),
  };
})();
