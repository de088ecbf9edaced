// axe-core on both tabs at phone and desktop width, with the helpers open,
// a number report and its picture shown (every shade), and the page's
// notice and new-version line in view: no serious or critical finding.
import AxeBuilder from '@axe-core/playwright';
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openLoaded } from './browser.mjs';

// Numbers 01..12 written once to twelve times: the picture shows every shade.
const tips = `${Array.from({ length: 12 }, (_, i) => `${String(i + 1).padStart(2, '0')} `.repeat(i + 1)).join('')}大 小 小 鼠`;
const presses = { kova: ['Memo1', 'Button60'], chgu: ['Text1', 'Command2(0)'] };

test('axe-core finds nothing serious on either tab, 360 and 1280 pixels wide', async () => {
  const browser = await openLoaded({ width: 360, height: 640 });
  try {
    const { page } = browser;
    for (const [width, height] of [[360, 640], [1280, 900]]) {
      await page.setViewportSize({ width, height });
      for (const [tab, [input, numbers]] of Object.entries(presses)) {
        await page.click(`#tab-${tab}`);
        await page.evaluate((tab) => {
          for (const details of document.querySelectorAll(`#${tab} details`)) details.open = true;
        }, tab);
        await page.fill(`#${tab} [data-control="${input}"]`, tips);
        await page.click(`#${tab} [data-control="${numbers}"]`);
        // The lines the page shows in passing, in view too.
        await page.click(tab === 'kova' ? '#kova [data-thumb="复制"]' : '#chgu [data-control="Command1(70)"]');
        await page.evaluate(() => { document.getElementById('update').hidden = false; });
        const { violations } = await new AxeBuilder({ page }).analyze();
        const findings = violations.filter((found) => found.impact === 'serious' || found.impact === 'critical')
          .map((found) => `${found.id}: ${found.nodes.map((node) => node.target.join(' ')).join(', ')}`);
        assert.deepEqual(findings, [], `${tab} at ${width}`);
      }
    }
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
  }
});
