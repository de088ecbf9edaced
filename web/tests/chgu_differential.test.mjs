// Program B's tab against chgu-cli on random texts: every statistic and
// 全转半, change dates that give built-in, generated and no table years,
// 方括内不统计 and 次数累加统计 on and off, short and long lines. The date is
// stored by the tab's own 更改 and handed to chgu-cli as the very bytes the
// page stored, so both choose the table year from it and today as the
// program does. Most cases go through the tab's windows, a share through
// real clicks, every statistic button and 全转半 pressed. (An empty date is left out: chgu-cli, like a fresh start,
// then takes the design date, while the running window keeps the empty box.)
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { openLoaded } from './browser.mjs';
import { generatedYearTables, runTool, splitReports, typed } from './native_tools.mjs';
import { randomSource, randomText, seed } from './random_texts.mjs';

const statistics = ['number', 'zodiac', 'head', 'tail', 'element', 'digitsum', 'wave', 'bigsmall',
  'oddeven', 'sumoddeven', 'halfwave'];
const buttons = [...statistics.keys(), 11].map((index) => `Command2(${index})`);  // and 全转半
const dates = ['2006年01月29日', '2008年01月01日', '2005年02月09日', '2010年12月31日', '2026年02月17日',
  '2031年01月23日', '2099年01月01日', '2008年13月40日', '明年'];

let browser;
let config;
before(async () => {
  browser = await openLoaded();
  config = fs.mkdtempSync(path.join(os.tmpdir(), 'tipstat-chgu-config-'));
});
after(async () => {
  await browser.close();
  fs.rmSync(config, { recursive: true, force: true });
});

function makeCases(random, count) {
  return Array.from({ length: count }, () => ({
    text: randomText(random),
    date: random.pick(dates),
    brackets: random.below(3) > 0,
    cumulative: random.below(2) === 1,
    longLines: random.below(2) === 1,
  }));
}

// chgu-cli with the change date the page stored, in a configuration folder
// of the test's own.
function expected({ text, brackets, cumulative, longLines }, storedDate) {
  const file = path.join(config, 'chgu/ChangeDate');
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, Buffer.from(storedDate, 'latin1'));
  process.env.XDG_CONFIG_HOME = config;
  const settings = [...(brackets ? [] : ['--no-brackets']), ...(cumulative ? ['--cumulative'] : []),
    '--year-tables', generatedYearTables];
  const reports = splitReports(runTool('chgu', ['all', ...settings, ...(longLines ? [] : ['--short-lines'])], text));
  reports.push(runTool('chgu', ['normalise', '--year-tables', generatedYearTables], text));
  const counts = JSON.parse(runTool('chgu', ['all', ...settings, '--format', 'json'], text));
  return { reports, counts };
}

test(`the tab's windows write chgu-cli's reports and counts (seed ${seed})`, async () => {
  const cases = makeCases(randomSource(seed), 60);
  const results = await browser.page.evaluate(({ cases, buttons }) => {
    const { view, program } = window.tipstat.tabs.chgu;
    return cases.map(({ text, date, brackets, cumulative, longLines }) => {
      view.host.setText('Text3', date);
      program.click('Command3');
      view.host.setText('Text1', text);
      view.get('Check1').input.checked = brackets;
      view.get('Check2').input.checked = cumulative;
      view.host.select(longLines ? 'Option2' : 'Option1');
      const stored = localStorage.getItem('tipstat.stored.ChangeDate');
      return {
        stored: stored === null ? null : JSON.parse(stored),
        presses: buttons.map((button) => {
          program.click(button);
          return { report: view.host.text('Text2'), picture: program.takePicture() };
        }),
      };
    });
  }, { cases, buttons });
  cases.forEach((c, i) => {
    const { reports, counts } = expected(c, results[i].stored);
    buttons.forEach((button, s) => {
      const where = `${button}, date ${c.date}, brackets ${c.brackets}, cumulative ${c.cumulative}, ` +
        `long lines ${c.longLines}, text ${JSON.stringify(c.text)}`;
      assert.equal(results[i].presses[s].report, reports[s], where);
      if (s < statistics.length) {
        assert.deepEqual(results[i].presses[s].picture.labels, counts[s].counts.map((x) => x.item), where);
        assert.deepEqual(results[i].presses[s].picture.counts, counts[s].counts.map((x) => x.count), where);
      }
    });
  });
});

test(`typed into the page and pressed, the reports are chgu-cli's (seed ${seed})`, async () => {
  const { page } = browser;
  const random = randomSource(seed + 1);
  const control = (name) => `#chgu [data-control="${name}"]`;
  await page.click('#tab-chgu');
  for (const c of makeCases(random, 4)) {
    await page.fill(control('Text3'), c.date);
    await page.click(control('Command3'));
    await page.locator(control('Text1')).fill(c.text);
    await page.setChecked(`${control('Check1')} input`, c.brackets);
    await page.setChecked(`${control('Check2')} input`, c.cumulative);
    await page.click(control(c.longLines ? 'Option2' : 'Option1'));
    const stored = JSON.parse(await page.evaluate(() => localStorage.getItem('tipstat.stored.ChangeDate')));
    const { reports } = expected({ ...c, text: typed(c.text) }, stored);
    for (const s of buttons.keys()) {
      await page.click(control(buttons[s]));
      assert.equal(await page.inputValue(control('Text2')), reports[s].replace(/\r\n?/g, '\n'),
        `${buttons[s]}, date ${c.date}, text ${JSON.stringify(c.text)}`);
    }
  }
});
