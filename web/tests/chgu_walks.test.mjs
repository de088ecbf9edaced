// Program B's tab walked as a player walks it: the welcome text at the first
// start, the helpers of both windows (the cases of the windows' own tests),
// the change date kept across a reload, Define.txt in every encoding Notepad
// saves, and 复制 putting the report on the clipboard with CR LF.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { openLoaded } from './browser.mjs';
import { runTool } from './native_tools.mjs';

let browser;
let page;
before(async () => {
  browser = await openLoaded({ width: 1280, height: 900 });
  page = browser.page;
  await page.click('#tab-chgu');
});
after(() => browser.close());

const control = (name) => `#chgu [data-control="${name}"]`;
const text = (name) => page.evaluate((name) => window.tipstat.tabs.chgu.view.host.text(name), name);
const click = async (...names) => {
  for (const name of names) await page.click(control(name));
};
const reload = async () => {
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
};

test('the first start welcomes, and the helpers of both windows type as the windows do', async () => {
  assert.match(await text('Text1'), /^欢迎你使用本统计器！\r\n/);
  await click('Command2(12)');
  assert.equal(await text('Text1'), '');
  await click('Command1(8)', 'Command1(9)', 'Command1(35)');
  assert.equal(await text('Text1'), ',鼠,牛,1合');
  await click('Command2(12)', 'Command1(56)');
  assert.equal(await text('Text1'), ',5尾,6尾,7尾,8尾,9尾');

  await click('Command2(12)', 'Form2.Option2', 'Form2.Command1(5)', 'Form2.Command1(8)');
  assert.equal(await text('Text1'), '');
  await click('Form2.Command2');
  assert.equal(await text('Text1'), ',5,6,7,8');
});

test('the change date is stored by 更改 and survives a reload', async () => {
  await page.fill(control('Text3'), '2008年01月01日');
  await click('Command3');
  await page.locator(control('Text1')).fill('3期 鼠,05,05');
  await reload();
  assert.equal(await page.inputValue(control('Text3')), '2008年01月01日');
  assert.equal(await text('Text1'), '3期 鼠,05,05');
  await click('Command2(0)');
  assert.equal(await text('Text2'), runTool('chgu', ['number', '--table-year', '2008'], '3期 鼠,05,05'));
});

test('Define.txt in every encoding Notepad saves lists its lines, and a pick appends its members', async () => {
  const lines = '禽畜|牛马羊鸡狗猪\r\n野兽|鼠虎兔龙蛇猴\r\n';
  const utf16 = (bigEndian) => {
    const bytes = Buffer.from(`\uFEFF${lines}`, 'utf16le');
    return bigEndian ? bytes.swap16() : bytes;
  };
  const encodings = {
    ANSI: Buffer.from(await page.evaluate((lines) => Array.from(window.tipstat.module.utf16ToGbk(lines)), lines)),
    'UTF-8': Buffer.from(lines, 'utf8'),
    'UTF-8 with BOM': Buffer.concat([Buffer.from([0xef, 0xbb, 0xbf]), Buffer.from(lines, 'utf8')]),
    'UTF-16 LE': utf16(false),
    'UTF-16 BE': utf16(true),
  };
  for (const [encoding, bytes] of Object.entries(encodings)) {
    // The page reads a picked file in the background: from an empty list,
    // wait until the file's lines are in it, then check them.
    await page.click('#define-remove');
    await page.setInputFiles('#define-file', { name: 'Define.txt', mimeType: 'text/plain', buffer: bytes });
    await page.waitForFunction(
      (selector) => document.querySelectorAll(selector).length > 0,
      `${control('Combo1')} option:not([disabled])`,
    );
    const items = await page.$$eval(`${control('Combo1')} option:not([disabled])`, (all) => all.map((o) => o.textContent));
    assert.deepEqual(items, ['禽畜|牛马羊鸡狗猪', '野兽|鼠虎兔龙蛇猴'], encoding);
    await click('Command2(12)');
    await page.locator(control('Text1')).fill('05 ');
    await page.selectOption(control('Combo1'), '野兽|鼠虎兔龙蛇猴');
    assert.equal(await text('Text1'), '05 鼠虎兔龙蛇猴', encoding);
  }
  await reload();
  assert.equal(await page.locator(`${control('Combo1')} option:not([disabled])`).count(), 2);
  await page.click('#define-remove');
  assert.equal(await page.locator(`${control('Combo1')} option:not([disabled])`).count(), 0);
});

test('复制 puts the report on the clipboard as the window does, with CR LF', async () => {
  await page.locator(control('Text1')).fill('鼠 牛\n大 小 小');
  await click('Command2(7)', 'Command1(70)');
  const report = await text('Text2');
  assert.match(report, /\r\n.*\r\n/s);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), report);
});

test('复制 where the Clipboard API is refused puts the report on through the copy event', async () => {
  await page.evaluate(() => {
    window.copied = [];
    navigator.clipboard.writeText = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
    window.addEventListener('copy', (event) => window.copied.push(event.clipboardData.getData('text/plain')));
  });
  await page.locator(control('Text1')).fill('鼠 牛\n大 小 小 双');
  await click('Command2(8)', 'Command1(70)');
  const report = await text('Text2');
  assert.match(report, /\r\n.*\r\n/s);
  await page.waitForFunction(() => window.copied.length > 0);
  assert.deepEqual(await page.evaluate(() => window.copied), [report]);
});
