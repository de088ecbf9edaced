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
      Storage.prototype.setItem = () => {
        throw new DOMException('the quota is used up', 'QuotaExceededError');
      };
    });
    await browser.load();
    const messages = () => page.evaluate(() => document.getElementById('message').open);
    // The page keeps which tab is shown as it starts: told then.
    await page.waitForFunction(() => document.getElementById('message').open);
    assert.match(await page.textContent('#message-text'), /存储已满或被拒绝/);
    await page.click('#message button');
    await page.locator('#kova [data-control="Memo1"]').fill('鼠 05 12');
    await page.click('#kova [data-control="Button60"]');
    await page.click('#kova [data-control="Button7"]');
    await page.click('#tab-chgu');
    await page.waitForTimeout(600);
    assert.equal(await messages(), false, 'told a second time');
    assert.equal(await page.inputValue('#kova [data-control="Memo1"]'), '鼠 05 12');
    assert.match(await page.inputValue('#kova [data-control="Memo2"]'), /生肖统计结果/);
  } finally {
    await browser.close();
  }
});
