// The page in WebKit (see webkit_browser.mjs): a chosen part of the Chromium
// tests, through real clicks and keys. Both tabs against the native tools
// on random texts, with every statistic, years from first to last and every
// setting (fewer texts than in Chromium); the picture as drawn; the input
// helpers; a reload keeping what was typed; YearTables.txt and Define.txt
// picked through the file inputs; 复制 through the Clipboard API and through
// the copy event. No case may leave an error on the page.
//
// What WebKitGTK cannot show: a phone's width. MiniBrowser's narrowest
// window is wider than a phone's screen (about 450 pixels against 360 to
// 430), so the phone-width checks stay in Chromium (layout.test.mjs); here
// the narrowest window it allows is checked for sideways scrolling.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, afterEach, before, test } from 'node:test';
import { Key } from 'selenium-webdriver';
import { nativeFolder } from '../tests/browser.mjs';
import { generatedYearTables, runTool, splitReports } from '../tests/native_tools.mjs';
import { randomSource, randomText, seed } from '../tests/random_texts.mjs';
import { homeScreenTags, openWebKit } from './webkit_browser.mjs';

let browser;
let folder;
before(async () => {
  browser = await openWebKit();
  await browser.load();
  folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tipstat-webkit-'));
});
after(async () => {
  await browser?.close();
  fs.rmSync(folder, { recursive: true, force: true });
});
afterEach(async () => {
  assert.deepEqual(await browser.errors(), [], 'errors on the page');
});

const text = (tab, name) => browser.run(`return window.tipstat.tabs.${tab}.view.host.text(arguments[0])`, name);
const setText = (tab, name, value) =>
  browser.run(`window.tipstat.tabs.${tab}.view.host.setText(arguments[0], arguments[1])`, name, value);
const checked = (tab, name) => browser.run(`return window.tipstat.tabs.${tab}.view.get(arguments[0]).input.checked`, name);
async function setChecked(tab, name, state) {
  if ((await checked(tab, name)) !== state) await browser.click(tab, name);
}
const showTab = (tab) => browser.driver.findElement({ css: `#tab-${tab}` }).click();

// The report of a press and its picture as drawn (the page takes the
// engine's picture of the press as it draws it).
const pressed = (tab, report) => browser.run(`
  const drawn = [...document.querySelectorAll('#${tab} .picture [data-count]')];
  return {
    report: window.tipstat.tabs.${tab}.view.host.text(arguments[0]),
    drawn: { labels: drawn.map((item) => item.dataset.label), counts: drawn.map((item) => Number(item.dataset.count)) },
  };`, report);

function assertPress(result, report, counts, where) {
  assert.equal(result.report, report, where);
  if (!counts) return;
  const labels = counts.counts.map((x) => x.item);
  const numbers = counts.counts.map((x) => x.count);
  assert.deepEqual([result.drawn.labels, result.drawn.counts], [labels, numbers], `drawn: ${where}`);
}

const kovaStatistics = ['Button60', 'Button7', 'Button63', 'Button64', 'Button65', 'Button8', 'BitBtn56',
  'BitBtn57', 'BitBtn58', 'BitBtn59', 'BitBtn60'];

test(`program A's buttons write kova-cli's reports and pictures (seed ${seed})`, async () => {
  const random = randomSource(seed);
  const years = await browser.run('return window.tipstat.module.builtInYears()');
  await showTab('kova');
  for (let i = 0; i < 6; ++i) {
    // The first and the last year, then any.
    const year = [years.first, years.last][i] ?? years.first + random.below(years.last - years.first + 1);
    const c = { text: randomText(random), year, layout: 1 + (i % 2) };
    await setText('kova', 'Memo1', c.text);
    await browser.click('kova', c.layout === 2 ? 'RadioButton4' : 'RadioButton3');
    // The year by its arrows: one step from beside it.
    const up = c.year > years.first;
    await browser.run(`window.tipstat.tabs.kova.view.host.setPosition('UpDown1', ${up ? c.year - 1 : c.year + 1})`);
    await browser.control('kova', 'UpDown1').findElement({ css: `button:nth-child(${up ? 2 : 1})` }).click();

    const args = ['all', '--year', String(c.year), '--year-tables', generatedYearTables];
    const reports = splitReports(runTool('kova', [...args, '--layout', String(c.layout)], c.text));
    const counts = JSON.parse(runTool('kova', [...args, '--format', 'json'], c.text));
    for (const [s, button] of kovaStatistics.entries()) {
      await browser.click('kova', button);
      const where = `${button}, year ${c.year}, layout ${c.layout}, text ${JSON.stringify(c.text)}`;
      assertPress(await pressed('kova', 'Memo2'), reports[s], counts[s], where);
    }
  }
});

const chguStatistics = Array.from({ length: 11 }, (_, i) => `Command2(${i})`);
const dates = ['2006年01月29日', '2008年01月01日', '2010年12月31日', '2026年02月17日', '2031年01月23日',
  '2099年01月01日', '2008年13月40日', '明年'];

test(`program B's buttons write chgu-cli's reports and pictures (seed ${seed})`, async () => {
  const random = randomSource(seed + 2);
  const config = path.join(folder, 'config');
  await showTab('chgu');
  for (let i = 0; i < 8; ++i) {
    // Every combination of the three settings once.
    const c = { text: randomText(random), date: dates[(i + random.below(dates.length)) % dates.length],
      brackets: (i & 1) === 0, cumulative: (i & 2) !== 0, longLines: (i & 4) !== 0 };
    await setText('chgu', 'Text3', c.date);
    await browser.click('chgu', 'Command3');
    await setText('chgu', 'Text1', c.text);
    await setChecked('chgu', 'Check1', c.brackets);
    await setChecked('chgu', 'Check2', c.cumulative);
    await browser.click('chgu', c.longLines ? 'Option2' : 'Option1');

    // chgu-cli reads the date from the bytes the page stored.
    const stored = JSON.parse(await browser.run("return localStorage.getItem('tipstat.stored.ChangeDate')"));
    fs.mkdirSync(path.join(config, 'chgu'), { recursive: true });
    fs.writeFileSync(path.join(config, 'chgu/ChangeDate'), Buffer.from(stored, 'latin1'));
    process.env.XDG_CONFIG_HOME = config;
    const settings = [...(c.brackets ? [] : ['--no-brackets']), ...(c.cumulative ? ['--cumulative'] : []),
      '--year-tables', generatedYearTables];
    const reports = splitReports(runTool('chgu', ['all', ...settings, ...(c.longLines ? [] : ['--short-lines'])], c.text));
    const counts = JSON.parse(runTool('chgu', ['all', ...settings, '--format', 'json'], c.text));
    reports.push(runTool('chgu', ['normalise', '--year-tables', generatedYearTables], c.text));
    for (const [s, button] of [...chguStatistics, 'Command2(11)'].entries()) {
      await browser.click('chgu', button);
      const where = `${button}, date ${c.date}, brackets ${c.brackets}, cumulative ${c.cumulative}, ` +
        `long lines ${c.longLines}, text ${JSON.stringify(c.text)}`;
      assertPress(await pressed('chgu', 'Text2'), reports[s], counts[s], where);
    }
  }
});

test('the input helpers of both tabs append as the windows do', async () => {
  await showTab('kova');
  const word = async (caption) => {
    for (const button of await browser.driver.findElements({ css: '#kova .words button' })) {
      if ((await button.getText()) === caption) return button.click();
    }
    throw new Error(`no word ${caption}`);
  };
  await browser.click('kova', 'Button9');
  for (const caption of ['鼠', '牛', '马']) await word(caption);
  assert.equal(await text('kova', 'Memo1'), '鼠,牛,马\r\n');
  await browser.click('kova', 'Button9');
  for (const [name, value] of [['Edit1', '05'], ['Edit2', '08']]) {
    await browser.control('kova', name).clear();
    await browser.control('kova', name).sendKeys(value);
  }
  await browser.click('kova', 'Button62');
  assert.equal(await text('kova', 'Memo1'), ' ,5,6,7,8\r\n');

  await showTab('chgu');
  await browser.click('chgu', 'Command2(12)', 'Command1(8)', 'Command1(9)', 'Command1(35)');
  assert.equal(await text('chgu', 'Text1'), ',鼠,牛,1合');
  await browser.click('chgu', 'Command2(12)', 'Form2.Option2', 'Form2.Command1(5)', 'Form2.Command1(8)', 'Form2.Command2');
  assert.equal(await text('chgu', 'Text1'), ',5,6,7,8');
  await browser.click('chgu', 'Form2.Option1');
});

test('typed text counts, and a reload keeps it', async () => {
  await showTab('kova');
  await browser.click('kova', 'Button9');
  await browser.control('kova', 'Memo1').sendKeys('鼠 05 12', Key.ENTER, '3期 牛');
  assert.equal(await text('kova', 'Memo1'), '鼠 05 12\r\n3期 牛');
  await browser.click('kova', 'RadioButton3', 'Button60');
  const year = await browser.run("return window.tipstat.tabs.kova.view.host.position('UpDown1')");
  assert.equal(await text('kova', 'Memo2'),
    runTool('kova', ['number', '--year', String(year), '--year-tables', generatedYearTables], '鼠 05 12\r\n3期 牛'));
  // The text is kept a moment after the last key.
  await browser.driver.wait(() => browser.run("return (localStorage.getItem('tipstat.kova') ?? '').includes('3期 牛')"), 5000);
  await browser.load(true);
  assert.equal(await text('kova', 'Memo1'), '鼠 05 12\r\n3期 牛');
});

test('YearTables.txt and Define.txt picked through the file inputs', async () => {
  const yearTables = path.join(folder, 'YearTables.txt');
  spawnSync(path.join(nativeFolder, 'yeartables/year-tables'), ['2011', '2045', yearTables]);
  const kept = (name) => browser.run(`return Object.keys(localStorage).some((key) => key.endsWith('name.${name}'))`);
  await browser.driver.findElement({ css: '#year-tables-file' }).sendKeys(yearTables);
  await browser.driver.wait(() => kept('YearTables.txt'), 10000);
  await browser.load(true);
  await showTab('kova');
  await browser.run("window.tipstat.tabs.kova.view.host.setPosition('UpDown1', 2044)");
  await browser.control('kova', 'UpDown1').findElement({ css: 'button:nth-child(2)' }).click();
  await setText('kova', 'Memo1', '鼠 马 01');
  await browser.click('kova', 'RadioButton3', 'Button60');
  assert.equal(await text('kova', 'Memo2'), runTool('kova', ['number', '--year', '2045', '--year-tables', yearTables], '鼠 马 01'));
  await browser.driver.findElement({ css: '#year-tables-remove' }).click();
  assert.equal(await browser.run("return window.tipstat.tabs.kova.view.host.position('UpDown1')"), 2040);

  const define = path.join(folder, 'Define.txt');
  fs.writeFileSync(define, '禽畜|牛马羊鸡狗猪\r\n野兽|鼠虎兔龙蛇猴\r\n');
  await browser.driver.findElement({ css: '#define-file' }).sendKeys(define);
  const items = () => browser.run(`return [...document.querySelectorAll('#chgu [data-control="Combo1"] option:not([disabled])')]
    .map((option) => option.textContent)`);
  await browser.driver.wait(async () => (await items()).length > 0, 10000);
  assert.deepEqual(await items(), ['禽畜|牛马羊鸡狗猪', '野兽|鼠虎兔龙蛇猴']);
  await showTab('chgu');
  await browser.click('chgu', 'Command2(12)');
  await setText('chgu', 'Text1', '05 ');
  await browser.control('chgu', 'Combo1').findElement({ css: 'option:nth-child(3)' }).click();
  assert.equal(await text('chgu', 'Text1'), '05 鼠虎兔龙蛇猴');
  await browser.driver.findElement({ css: '#define-remove' }).click();
});

// What 复制 put on the clipboard, pasted into the input box with the keys.
async function pasted() {
  await setText('chgu', 'Text1', '');
  await browser.control('chgu', 'Text1').sendKeys(Key.chord(Key.CONTROL, 'v'));
  return text('chgu', 'Text1');
}

test('复制 puts the report on the clipboard, also where the Clipboard API is missing', async () => {
  await showTab('chgu');
  const hasApi = await browser.run('return Boolean(navigator.clipboard?.writeText)');
  for (const [statistic, way] of [['Command2(7)', 'the Clipboard API'], ['Command2(8)', 'the copy event']]) {
    if (way === 'the copy event') await browser.run("Object.defineProperty(navigator, 'clipboard', { value: undefined })");
    await setText('chgu', 'Text1', '鼠 牛\r\n大 小 小 05');
    await browser.click('chgu', statistic, 'Command1(70)');
    const report = await text('chgu', 'Text2');
    assert.match(report, /\r\n.*\r\n/s);
    // The Clipboard API writes a moment after the press.
    await browser.driver.wait(async () => (await pasted()) === report, 5000).catch(() => {});
    assert.equal(await pasted(), report, `${way}${hasApi ? '' : ' (WebKit has no Clipboard API here)'}`);
  }
});

// What Safari reads to put the page on the home screen as an app of its
// own. (The safe-area insets are zero on a desktop; WebKitGTK cannot show a
// notch.)
test('the page carries the tags Safari reads for the home screen', async () => {
  const tags = (await homeScreenTags(browser)).meta;
  assert.match(tags.viewport, /(^|,)\s*viewport-fit=cover\s*(,|$)/);
  for (const [name, content] of [['apple-mobile-web-app-capable', /^yes$/], ['mobile-web-app-capable', /^yes$/],
    ['apple-mobile-web-app-title', /^\S{1,12}$/], ['apple-mobile-web-app-status-bar-style', /^(default|black|black-translucent)$/]]) {
    assert.match(tags[name] ?? '', content, name);
  }
});

test('at the narrowest window MiniBrowser allows, nothing scrolls sideways', async () => {
  await browser.driver.manage().window().setRect({ width: 360, height: 700 });
  for (const tab of ['kova', 'chgu']) {
    await showTab(tab);
    await browser.run(`for (const details of document.querySelectorAll('#${tab} details')) details.open = true;`);
    const [scrollWidth, innerWidth] = await browser.run('return [document.documentElement.scrollWidth, innerWidth]');
    assert.ok(scrollWidth <= innerWidth, `${tab} scrolls sideways at ${innerWidth} pixels`);
  }
});
