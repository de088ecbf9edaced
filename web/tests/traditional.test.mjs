// 繁体字也统计 on both tabs: the hint under the input box while the switch is
// off and the text holds a traditional form, its one tap turning the switch
// on, the reports then those of the tools with --traditional, and the
// switch kept over a reload.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { openLoaded } from './browser.mjs';
import { runTool } from './native_tools.mjs';

let browser;
let page;
before(async () => {
  browser = await openLoaded({ width: 1280, height: 900 });
  page = browser.page;
});
after(() => browser.close());

const tabs = [
  { tab: 'kova', input: 'Memo1', check: 'CheckBox1', press: 'Button7', report: 'Memo2', tool: ['zodiac'] },
  { tab: 'chgu', input: 'Text1', check: 'Check3', press: 'Command2(1)', report: 'Text2', tool: ['zodiac'] },
];
const tip = '龍,馬,05 雞 豬 單 號：07';

for (const t of tabs) {
  const control = (name) => `#${t.tab} [data-control="${name}"]`;
  const hint = `#${t.tab} .traditional-hint`;
  const text = (name) => page.evaluate(([tab, name]) => window.tipstat.tabs[tab].view.host.text(name), [t.tab, name]);
  const checked = () => page.isChecked(`${control(t.check)} input`);

  test(`${t.tab}: the hint offers the switch, one tap turns it on, and a reload keeps it`, async () => {
    await page.click(`#tab-${t.tab}`);
    assert.equal(await checked(), false);
    await page.locator(control(t.input)).fill('龙,马,05');
    await page.waitForSelector(hint, { state: 'hidden' });

    await page.locator(control(t.input)).fill(tip);
    await page.waitForSelector(hint, { state: 'visible' });
    await page.click(control(t.press));
    assert.equal(await text(t.report), runTool(t.tab, t.tool, tip));

    await page.click(`${hint} button`);
    assert.equal(await checked(), true);
    await page.waitForSelector(hint, { state: 'hidden' });
    await page.click(control(t.press));
    assert.equal(await text(t.report), runTool(t.tab, [...t.tool, '--traditional'], tip));

    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    await page.click(`#tab-${t.tab}`);
    assert.equal(await checked(), true);
    await page.waitForSelector(hint, { state: 'hidden' });
    await page.click(control(t.press));
    assert.equal(await text(t.report), runTool(t.tab, [...t.tool, '--traditional'], tip));

    // Off again: the hint is back, and so are the counts as written.
    await page.click(`${control(t.check)} input`);
    await page.waitForSelector(hint, { state: 'visible' });
    await page.click(control(t.press));
    assert.equal(await text(t.report), runTool(t.tab, t.tool, tip));
  });
}
