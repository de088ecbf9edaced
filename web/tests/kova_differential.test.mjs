// Program A's tab against kova-cli on random texts: every statistic, years
// from 2003 to the last generated one, both arrangements. Most cases go
// through the tab's own window (the handlers behind the buttons, called as
// a click calls them); a share through real clicks, typing and all, every
// statistic button pressed.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { openLoaded } from './browser.mjs';
import { generatedYearTables, runTool, splitReports, typed } from './native_tools.mjs';
import { randomSource, randomText, seed } from './random_texts.mjs';

// kova-cli's statistics in the order `all` prints them, with their buttons.
const statistics = [
  ['number', 'Button60'], ['zodiac', 'Button7'], ['head', 'Button63'], ['tail', 'Button64'],
  ['element', 'Button65'], ['digitsum', 'Button8'], ['wave', 'BitBtn56'], ['bigsmall', 'BitBtn57'],
  ['oddeven', 'BitBtn58'], ['sumoddeven', 'BitBtn59'], ['segment', 'BitBtn60'],
];
const buttons = statistics.map(([, button]) => button);
const firstYear = 2003;
const lastYear = 2040;

let browser;
before(async () => {
  browser = await openLoaded();
});
after(() => browser.close());

// What kova-cli prints for the case: every report, and the counts behind them.
function expected({ text, year, layout }) {
  const args = ['all', '--year', String(year), '--layout', String(layout), '--year-tables', generatedYearTables];
  const reports = splitReports(runTool('kova', args, text));
  const counts = JSON.parse(runTool('kova', [...args.slice(0, 3), '--year-tables', generatedYearTables, '--format', 'json'], text));
  assert.equal(reports.length, statistics.length);
  return { reports, counts };
}

function makeCases(random, count) {
  return Array.from({ length: count }, () => ({
    text: randomText(random),
    year: firstYear + random.below(lastYear - firstYear + 1),
    layout: 1 + random.below(2),
  }));
}

test(`the tab's window writes kova-cli's reports and counts (seed ${seed})`, async () => {
  const cases = makeCases(randomSource(seed), 80);
  const results = await browser.page.evaluate(({ cases, buttons }) => {
    const { view, program } = window.tipstat.tabs.kova;
    return cases.map(({ text, year, layout }) => {
      view.host.setText('Memo1', text);
      view.host.select(layout === 2 ? 'RadioButton4' : 'RadioButton3');
      view.host.setPosition('UpDown1', year);
      return buttons.map((button) => {
        program.click(button);
        return { report: view.host.text('Memo2'), picture: program.takePicture() };
      });
    });
  }, { cases, buttons });
  cases.forEach((c, i) => {
    const { reports, counts } = expected(c);
    statistics.forEach(([statistic], s) => {
      const where = `${statistic}, year ${c.year}, layout ${c.layout}, text ${JSON.stringify(c.text)}`;
      assert.equal(results[i][s].report, reports[s], where);
      assert.deepEqual(results[i][s].picture.labels, counts[s].counts.map((x) => x.item), where);
      assert.deepEqual(results[i][s].picture.counts, counts[s].counts.map((x) => x.count), where);
    });
  });
});

test(`typed into the page and pressed, the reports are kova-cli's (seed ${seed})`, async () => {
  const { page } = browser;
  const random = randomSource(seed + 1);
  for (const c of makeCases(random, 4)) {
    await page.locator('[data-control="Memo1"]').fill(c.text);
    await page.click(`[data-control="${c.layout === 2 ? 'RadioButton4' : 'RadioButton3'}"]`);
    const position = await page.getAttribute('[data-control="UpDown1"]', 'data-position');
    const steps = c.year - Number(position);
    const arrow = page.locator('[data-control="UpDown1"] button').nth(steps > 0 ? 1 : 0);
    for (let i = 0; i < Math.abs(steps); ++i) await arrow.click();
    const { reports } = expected({ ...c, text: typed(c.text) });
    for (const [s, button] of buttons.entries()) {
      await page.click(`[data-control="${button}"]`);
      const shown = await page.inputValue('[data-control="Memo2"]');
      assert.equal(shown, reports[s].replace(/\r\n/g, '\n'), `${button}, year ${c.year}, text ${JSON.stringify(c.text)}`);
    }
  }
});
