// What a thumb needs on both tabs, at phone size: 粘贴, 复制 and 分享 with the
// clipboard and sharing allowed and refused (each fallback runs and says
// what it says), the report and picture brought into view after a press,
// and the report box wrapping long lines while its text stays exact.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { openAtSite, serveSiteCopy } from './browser.mjs';
import { runTool } from './native_tools.mjs';

const tabs = {
  kova: { input: 'Memo1', report: 'Memo2', press: 'Button60', tool: ['number', '--year', '2003'] },
  chgu: { input: 'Text1', report: 'Text2', press: 'Command2(0)', tool: ['number'] },
};

// Web Share as a phone has it, for a browser that has none (Chromium on
// Linux): window.shareMode says what it does: 'files' shares anything,
// 'text' refuses files in canShare, 'refused' rejects as a refused
// permission does, 'none' leaves no Web Share at all.
function fakeShare() {
  window.shareMode = 'none';
  window.shared = [];
  const share = async (data) => {
    if (window.shareMode === 'refused') throw new DOMException('refused', 'NotAllowedError');
    if (data.files && window.shareMode !== 'files') throw new TypeError('files cannot be shared');
    window.shared.push({ text: data.text, files: (data.files ?? []).map((file) => `${file.name} ${file.type}`) });
  };
  const canShare = (data) => !data.files || window.shareMode === 'files';
  for (const [name, value] of [['share', share], ['canShare', canShare]]) {
    Object.defineProperty(Navigator.prototype, name, {
      configurable: true, get: () => (window.shareMode === 'none' ? undefined : value),
    });
  }
}

let site;
let browser;
let page;
let cdp;
before(async () => {
  site = await serveSiteCopy();
  browser = await openAtSite(site.url, { permissions: ['clipboard-read', 'clipboard-write'] });
  await browser.context.addInitScript(fakeShare);
  await browser.load();
  page = browser.page;
  cdp = await browser.context.newCDPSession(page);
});
after(async () => {
  assert.deepEqual(browser.errors, []);
  assert.deepEqual(browser.requests, []);
  await browser.close();
  await site.close();
});

const origin = () => new URL(site.url).origin;
const allow = (name, setting) => cdp.send('Browser.setPermission', { permission: { name }, setting, origin: origin() });
const text = (tab, name) => page.evaluate(([tab, name]) => window.tipstat.tabs[tab].view.host.text(name), [tab, name]);
const setText = (tab, name, value) => page.evaluate(
  ([tab, name, value]) => window.tipstat.tabs[tab].view.host.setText(name, value), [tab, name, value]);
const thumb = (tab, caption) => page.click(`#${tab} [data-thumb="${caption}"]`);
// What the page says after `action`: the notice hidden first, so that only
// a new one counts.
async function told(action) {
  await page.evaluate(() => { document.getElementById('notice').hidden = true; });
  await action();
  await page.waitForFunction(() => !document.getElementById('notice').hidden);
  return page.textContent('#notice-text');
}
const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
const putOnClipboard = (value) => page.evaluate((value) => navigator.clipboard.writeText(value), value);

test('粘贴 puts the clipboard\'s text at the end of the input box, or says how to paste by hand', async () => {
  for (const [tab, { input }] of Object.entries(tabs)) {
    await page.click(`#tab-${tab}`);
    await setText(tab, input, '鼠 05');
    await putOnClipboard('牛 12\r\n马');
    assert.equal(await told(() => thumb(tab, '粘贴')), '已把剪贴板里的 5 个字加在资料框末尾');
    assert.equal(await text(tab, input), '鼠 05\r\n牛 12\r\n马');

    await allow('clipboard-read', 'denied');
    assert.equal(await told(() => thumb(tab, '粘贴')), '浏览器不让本页读取剪贴板：请长按资料框，选“粘贴”（电脑上按 Ctrl+V）');
    assert.equal(await text(tab, input), '鼠 05\r\n牛 12\r\n马');
    await allow('clipboard-read', 'granted');
  }
});

// Presses the tab's number statistic on a text whose report has lines
// longer than the phone's box (numbers only: any year gives the same
// report); the report as the tool writes it.
async function pressNumbers(tab) {
  const { input, press, tool } = tabs[tab];
  const tips = '01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33';
  await page.click(`#tab-${tab}`);
  await setText(tab, input, tips);
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.click(`#${tab} [data-control="${press}"]`);
  return runTool(tab, tool, tips);
}

test('after a statistics press the report and its picture come into view, the report wrapped', async () => {
  for (const [tab, { report }] of Object.entries(tabs)) {
    // A notice shown stands over the top of the screen.
    await page.evaluate(() => Shell.notify('一行提示'));
    assert.equal(await pressNumbers(tab), await text(tab, report));
    const seen = await page.evaluate(([tab, report]) => {
      const box = document.querySelector(`#${tab} [data-control="${report}"]`);
      const picture = box.closest('.column').querySelector('.picture');
      return {
        box: box.getBoundingClientRect().toJSON(),
        notice: document.getElementById('notice').getBoundingClientRect().bottom,
        picture: picture.getBoundingClientRect().toJSON(),
        height: window.innerHeight,
        sideways: box.scrollWidth - box.clientWidth,
        longest: Math.max(...box.value.split('\n').map((line) => line.length)),
      };
    }, [tab, report]);
    assert.ok(seen.box.top >= seen.notice && seen.box.bottom <= seen.height, `${tab}: report out of view`);
    assert.ok(seen.picture.top < seen.height, `${tab}: picture out of view`);
    assert.ok(seen.longest > 40, `${tab}: no long line to wrap`);
    assert.equal(seen.sideways, 0, `${tab}: the report scrolls sideways`);
  }
});

test('复制 puts the exact report on the clipboard on both tabs, also where the Clipboard API is refused', async () => {
  for (const setting of ['granted', 'denied']) {
    for (const tab of Object.keys(tabs)) {
      await pressNumbers(tab);
      await putOnClipboard('');
      await allow('clipboard-write', setting);
      const said = await told(() => page.click(tab === 'kova' ? '#kova [data-thumb="复制"]' : '#chgu [data-control="Command1(70)"]'));
      await allow('clipboard-write', 'granted');
      assert.equal(said, '已复制统计结果', `${tab} ${setting}`);
      assert.equal(await clipboard(), await text(tab, tabs[tab].report), `${tab} ${setting}`);
    }
  }
  // Neither the Clipboard API nor the copy event: said, and nothing copied.
  await page.click('#tab-kova');
  await putOnClipboard('before');
  await allow('clipboard-write', 'denied');
  await page.evaluate(() => { document.execCommand = () => false; });
  const said = await told(() => page.click('#kova [data-thumb="复制"]'));
  await allow('clipboard-write', 'granted');
  assert.equal(said, '浏览器不让本页写入剪贴板：请长按统计结果框，全选后复制');
  assert.equal(await clipboard(), 'before');
  await page.evaluate(() => { delete document.execCommand; });
});

test('分享 shares the report and its picture, or the text with the picture to download, or copies the text', async () => {
  const cases = [
    { mode: 'files', said: '已分享统计结果和图片', files: ['tipstat.png image/png'], offered: false },
    { mode: 'text', said: '已分享统计结果；图片这个浏览器分享不了：', files: [], offered: true },
    { mode: 'refused', said: '这里分享不了：统计结果已复制，可以粘贴到别的应用', copied: true, offered: true },
    { mode: 'none', said: '这里分享不了：统计结果已复制，可以粘贴到别的应用', copied: true, offered: true },
  ];
  for (const tab of Object.keys(tabs)) {
    await pressNumbers(tab);
    const report = await text(tab, tabs[tab].report);
    for (const { mode, said, files, copied, offered } of cases) {
      await page.evaluate((mode) => { window.shareMode = mode; window.shared = []; }, mode);
      await putOnClipboard('');
      assert.equal(await told(() => thumb(tab, '分享')), said, `${tab} ${mode}`);
      const shared = await page.evaluate(() => window.shared);
      assert.deepEqual(shared, files ? [{ text: report, files }] : [], `${tab} ${mode}`);
      if (copied) assert.equal(await clipboard(), report, `${tab} ${mode}`);
      assert.equal(await page.locator('#notice a').count(), offered ? 1 : 0, `${tab} ${mode}`);
    }
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#notice a')]);
    assert.equal(download.suggestedFilename(), 'tipstat.png');
    const png = fs.readFileSync(await download.path());
    assert.equal(png.subarray(1, 4).toString(), 'PNG');
    assert.equal(png.readUInt32BE(16), 720);
  }
});
