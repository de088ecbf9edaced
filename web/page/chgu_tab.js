'use strict';

// Program B's tab, 澄观统计器: where the rows of Form1 and of the number page
// Form2 (its names start with "Form2.") stand on the page. The number page
// is always shown beside the helpers; 号码页 brings it into view. The frame
// and the labels beside the options and check boxes give way to captions of
// their own.
const ChguTab = (() => {
  const main = (array, from, to) => Array.from({ length: to - from + 1 }, (_, i) => `${array}(${from + i})`);

  const places = [
    {
      column: 'input',
      sections: [
        { className: 'settings', names: ['Label1', 'Text3', 'Command3', 'Option1', 'Option2', 'Check1', 'Check2', 'Check3', 'Command4'] },
        { className: 'input', names: ['Text1'] },
        { className: 'statistics', names: main('Command2', 0, 12) },
      ],
    },
    {
      column: 'helpers',
      summary: '输入助手：属性、段、自定义、号码页',
      sections: [
        { className: 'words', names: main('Command1', 0, 67) },
        { className: 'range', names: ['Command1(68)', 'Text5', 'Command1(69)', 'Combo1'] },
        {
          className: 'numbers number-page',
          names: ['Form2.Option1', 'Form2.Option2', /^Form2\.Command1\(\d+\)$/, 'Form2.Command2',
            /^Form2\.Command3\(\d\)$/, /^Form2\.Command4\(\d\)$/],
        },
      ],
    },
    { column: 'report', sections: [{ className: 'report', names: ['Command1(70)', 'Text2'], picture: true }] },
  ];

  const captions = {
    Option1: '短行排列', Option2: '长行排列', Check1: '方括内不统计', Check2: '次数累加统计',
    'Form2.Option1': '号码用', 'Form2.Option2': '段数用',
  };
  const labels = { Text1: '资料', Text2: '统计结果', Text3: '今年更换肖行日期', Text5: '段', Combo1: '自定义' };

  return {
    mount: (module, panel) => TraditionalHint.attach(module, ProgramTab.mount({
      panel,
      create: (host) => new module.ChguTab(host),
      places,
      labels,
      captions,
      key: 'chgu',
      start: (program, restore) => {
        program.formLoad();
        restore();
        program.formActivate();
      },
    }), { input: 'Text1', check: 'Check3' }),
  };
})();
