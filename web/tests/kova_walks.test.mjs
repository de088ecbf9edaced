// Program A's tab walked as a player walks it: the helpers type what the
// window's helpers type (the cases of the window's own tests), the year
// selector runs over the built-in and generated years, a reload keeps what
// was typed and chosen, a faulty YearTables.txt is told and the page works
// on, a good one counts, and the picture's shading follows the counts.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { nativeFolder, openLoaded, testDay } from './browser.mjs';
import { runTool } from './native_tools.mjs';

let browser;
let page;
before(async () => {
  browser = await openLoaded({ width: 1280, height: 900 });
  page = browser.page;
});
after(() => browser.close());

const control = (name) => `#kova [data-control="${name}"]`;
const inputText = () => page.evaluate(() => window.tipstat.tabs.kova.view.host.text('Memo1'));
const click = async (...names) => {
  for (const name of names) await page.click(control(name));
};
const word = (caption) => page.click(`#kova .words button:text-is("${caption}")`);
// The message once it shows: a picked file is read in the background.
async function closeMessage() {
  await page.waitForSelector('#message[open]');
  const text = await page.textContent('#message-text');
  await page.click('#message button');
  return text;
}

test('the helpers type as the window types', async () => {
  for (const caption of ['鼠', '牛', '马']) await word(caption);
  assert.equal(await inputText(), '鼠,牛,马\r\n');
  assert.equal(await page.inputValue(control('Memo1')), '鼠,牛,马\n');
  await word('10合');
  await word('合单');
  assert.equal(await inputText(), '鼠,牛,马,10合,合单\r\n');

  await click('Button9');
  await page.fill(control('Edit1'), '05');
  await page.fill(control('Edit2'), '08');
  await click('Button62');
  assert.equal(await inputText(), ' ,5,6,7,8\r\n');

  await click('RadioButton2');
  for (const [number, start, end] of [[5, '00', '05'], [12, '05', '12'], [3, '03', '12']]) {
    await click(`BitBtn${number}`);
    assert.deepEqual([await page.inputValue(control('Edit1')), await page.inputValue(control('Edit2'))], [start, end]);
  }

  await page.fill(control('Edit1'), 'a');
  await page.fill(control('Edit2'), '5');
  await click('Button62');
  assert.equal(await closeMessage(), "'a' is not a valid integer value");
  assert.equal(await inputText(), ' ,5,6,7,8\r\n');

  await click('Button9');
  await page.fill(control('Memo1'), '鼠');
  await click('BitBtn53');
  assert.equal(await inputText(), '鼠,06 16 22 28 32 38 44');
});

test("the year selector starts at the test day's year and runs 2003..2040", async () => {
  const animals = '鼠牛虎兔龙蛇马羊猴鸡狗猪';
  const caption = (year) => ` ${year}(${animals[(((year - 2020) % 12) + 12) % 12]})年`;
  const year = () => page.getAttribute(control('UpDown1'), 'data-position').then(Number);
  const today = Number(testDay.slice(0, 4));
  assert.equal(await year(), today);
  assert.equal(await page.inputValue(control('Edit3')), caption(today));
  const up = page.locator(`${control('UpDown1')} button`).nth(1);
  for (let i = today; i <= 2041; ++i) await up.click();
  assert.equal(await year(), 2040);
  assert.equal(await page.inputValue(control('Edit3')), caption(2040));
});

test('a reload keeps the text, the arrangement and the year', async () => {
  await page.fill(control('Memo1'), '鼠 05 12\n3期 牛');
  await click('RadioButton4');
  await page.locator(`${control('UpDown1')} button`).nth(0).click();
  const before = await page.evaluate(() => window.tipstat.tabs.kova.view.host.text('Memo1'));
  const year = await page.getAttribute(control('UpDown1'), 'data-position');
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.equal(await inputText(), before);
  assert.equal(before, '鼠 05 12\r\n3期 牛');
  assert.ok(await page.isChecked(`${control('RadioButton4')} input`));
  assert.equal(await page.getAttribute(control('UpDown1'), 'data-position'), year);
});

test('a faulty YearTables.txt is told as the programs tell it, and the page works on', async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tipstat-year-tables-'));
  try {
    const good = path.join(folder, 'YearTables.txt');
    spawnSync(path.join(nativeFolder, 'yeartables/year-tables'), ['2011', '2045', good]);
    const lines = fs.readFileSync(good, 'utf8').split('\r\n');
    const faulty = lines.filter((line) => !line.startsWith('2013|')).join('\r\n');
    fs.writeFileSync(good, faulty);
    const cliMessage = spawnSync(path.join(nativeFolder, 'kova/kova-cli'), ['zodiac', '--year-tables', 'YearTables.txt'],
      { cwd: folder, input: '' }).stderr.toString().trim();

    await page.setInputFiles('#year-tables-file', { name: 'YearTables.txt', mimeType: 'text/plain', buffer: Buffer.from(faulty) });
    const message = await closeMessage();
    assert.ok(cliMessage.endsWith(message), `${cliMessage} / ${message}`);
    await page.fill(control('Memo1'), '鼠 牛');
    await click('Button7');
    assert.match(await page.inputValue(control('Memo2')), /【共01次】：鼠,牛,/);

    spawnSync(path.join(nativeFolder, 'yeartables/year-tables'), ['2011', '2045', good]);
    await page.setInputFiles('#year-tables-file', { name: 'YearTables.txt', mimeType: 'text/plain', buffer: fs.readFileSync(good) });
    // The page reads a picked file in the background: reload once it is kept.
    await page.waitForFunction(() => Object.keys(window.localStorage).some((key) => key.endsWith('name.YearTables.txt')));
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    const up = page.locator(`${control('UpDown1')} button`).nth(1);
    for (let i = 0; i < 45; ++i) await up.click();
    assert.equal(await page.getAttribute(control('UpDown1'), 'data-position'), '2045');
    await page.fill(control('Memo1'), '鼠 马 01');
    await click('RadioButton3', 'Button60');
    const report = runTool('kova', ['number', '--year', '2045', '--year-tables', good], '鼠 马 01');
    assert.equal(await page.evaluate(() => window.tipstat.tabs.kova.view.host.text('Memo2')), report);

    await page.click('#year-tables-remove');
    assert.equal(await page.getAttribute(control('UpDown1'), 'data-position'), '2040');
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

test('a file larger than any written by hand is told and not read', async () => {
  const position = await page.getAttribute(control('UpDown1'), 'data-position');
  await page.setInputFiles('#year-tables-file', {
    name: 'YearTables.txt', mimeType: 'text/plain', buffer: Buffer.alloc(4 * 1024 * 1024 + 1, 0x23),
  });
  assert.equal(await closeMessage(), '文件“YearTables.txt”大于 4 MB，不是手写的文本文件，没有读取。');
  assert.equal(await page.textContent('#year-tables-state'), '用的是内置年份表（2003–2040 年）');
  assert.equal(await page.getAttribute(control('UpDown1'), 'data-position'), position);
});

test("the picture's counts are kova-cli's and its shading follows them", async () => {
  const text = '05 05 05 12 12 33 鼠 大 小 小';
  const countsOf = (statistic, extra = []) =>
    JSON.parse(runTool('kova', [statistic, ...extra, '--format', 'json'], text)).counts;
  await page.fill(control('Memo1'), text);
  await click('Button60');
  const year = await page.getAttribute(control('UpDown1'), 'data-position');
  const cells = await page.$$eval('#kova .number-cell', (all) => all.map((cell) => ({
    count: Number(cell.dataset.count),
    shown: cell.querySelector('.count').textContent,
    alpha: Number((getComputedStyle(cell).backgroundColor.match(/[\d.]+(?=\))/) ?? ['1'])[0]),
  })));
  const numbers = countsOf('number', ['--year', year]);
  assert.deepEqual(cells.map((cell) => cell.count), numbers.map((x) => x.count));
  assert.deepEqual(cells.map((cell) => cell.shown), numbers.map((x) => String(x.count)));
  for (const a of cells) {
    for (const b of cells) {
      if (a.count > b.count) assert.ok(a.alpha > b.alpha, `a count of ${a.count} is no darker than ${b.count}`);
    }
  }
  assert.equal(cells.filter((cell) => cell.count === 0).every((cell) => cell.alpha === 0), true);

  await click('BitBtn57');
  const bars = await page.$$eval('#kova .class-bar', (all) => all.map((bar) => ({
    label: bar.dataset.label, count: Number(bar.dataset.count), width: bar.querySelector('.fill').getBoundingClientRect().width,
  })));
  assert.deepEqual(bars.map((bar) => [bar.label, bar.count]), countsOf('bigsmall').map((x) => [x.item, x.count]));
  const widest = Math.max(...bars.map((bar) => bar.width));
  for (const bar of bars) assert.ok(Math.abs(bar.width / widest - bar.count / Math.max(...bars.map((b) => b.count))) < 0.02);
});
