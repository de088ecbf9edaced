// Storage that the browser refuses (full, or turned off) is told once, and
// the page works on with everything typed still in its box.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openBrowser } from './browser.mjs';

test('refused storage is told once and nothing typed is lost', async () => {
  const browser = await openBrowser();
  try {
    const { page } = browser;
    await page.addInitScript(() => {
      window.refusedWrites = [];
      Storage.prototype.setItem = (key) => {
        window.refusedWrites.push(key);
        throw new DOMException('the quota is used up', 'QuotaExceededError');
      };
    });
    await browser.load();
    const messages = () => page.evaluate(() => document.getElementById('message').open);
    // The page keeps which tab is shown as it starts: told then.
    await page.waitForFunction(() => document.getElementById('message').open);
    assert.match(await page.textContent('#message-text'), /存储已满或被拒绝/);
    await page.click('#message button');
    const writesBefore = await page.evaluate(() => window.refusedWrites.length);
    await page.locator('#kova [data-control="Memo1"]').fill('鼠 05 12');
    await page.click('#kova [data-control="Button60"]');
    await page.click('#kova [data-control="Button7"]');
    await page.click('#tab-chgu');
    // The tab's state is kept a moment after the last press: refused again.
    await page.waitForFunction(
      (before) => window.refusedWrites.slice(before).includes('tipstat.kova'), writesBefore);
    assert.equal(await messages(), false, 'told a second time');
    assert.equal(await page.inputValue('#kova [data-control="Memo1"]'), '鼠 05 12');
    assert.match(await page.inputValue('#kova [data-control="Memo2"]'), /生肖统计结果/);
  } finally {
    await browser.close();
  }
});

test("a kept value that is not the page's own is passed over untold", async () => {
  const browser = await openBrowser();
  try {
    const { page } = browser;
    await browser.load();
    await page.evaluate(() => {
      localStorage.setItem('tipstat.kova', '{"Memo1": "鼠');
      localStorage.setItem('tipstat.tab', 'not json');
    });
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    assert.equal(await page.evaluate(() => document.getElementById('message').open), false);
    await page.locator('#kova [data-control="Memo1"]').fill('鼠 05 12');
    await page.click('#kova [data-control="Button7"]');
    assert.match(await page.inputValue('#kova [data-control="Memo2"]'), /【共01次】：鼠,/);
  } finally {
    await browser.close();
  }
});

test("a picked file that storage refuses is used until the page closes, and said so", async () => {
  const browser = await openBrowser();
  try {
    const { page } = browser;
    await page.addInitScript(() => {
      Storage.prototype.setItem = () => {
        throw new DOMException('the quota is used up', 'QuotaExceededError');
      };
    });
    await browser.load();
    await page.waitForSelector('#message[open]');
    await page.click('#message button');
    await page.click('#tab-chgu');
    await page.setInputFiles('#define-file', {
      name: 'Define.txt', mimeType: 'text/plain', buffer: Buffer.from('禽畜|牛马羊鸡狗猪\r\n', 'utf8'),
    });
    const options = '#chgu [data-control="Combo1"] option:not([disabled])';
    await page.waitForFunction((selector) => document.querySelectorAll(selector).length === 1, options);
    assert.equal(await page.textContent(options), '禽畜|牛马羊鸡狗猪');
    assert.equal(await page.textContent('#define-state'), '用的是载入的 Define.txt（未能存下，重新打开页面后不再用）');
  } finally {
    await browser.close();
  }
});
