// axe-core on both tabs at phone and desktop width, with the helpers open
// a report and its picture shown, and the page's notice and new-version
// line in view: no serious or critical finding.
import AxeBuilder from '@axe-core/playwright';
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openLoaded } from './browser.mjs';

// Numbers 01..12 written once to twelve times: the picture shows every shade.
const tips = `${Array.from({ length: 12 }, (_, i) => `${String(i + 1).padStart(2, '0')} `.repeat(i + 1)).join('')}大 小 小 鼠`;
const presses = { kova: ['Memo1', 'Button60', 'BitBtn57'], chgu: ['Text1', 'Command2(0)', 'Command2(7)'] };

for (const width of [360, 1280]) {
  test(`axe-core finds nothing serious on either tab ${width} pixels wide`, async () => {
    const browser = await openLoaded({ width, height: width === 360 ? 640 : 900 });
    try {
      const { page } = browser;
      for (const [tab, [input, numbers, classes]] of Object.entries(presses)) {
        await page.click(`#tab-${tab}`);
        await page.evaluate((tab) => {
          for (const details of document.querySelectorAll(`#${tab} details`)) details.open = true;
        }, tab);
        await page.fill(`#${tab} [data-control="${input}"]`, tips);
        // The lines the page shows in passing, in view too.
        await page.click(tab === 'kova' ? '#kova [data-thumb="复制"]' : '#chgu [data-control="Command1(70)"]');
        await page.evaluate(() => { document.getElementById('update').hidden = false; });
        const findings = [];
        for (const press of [numbers, classes]) {
          await page.click(`#${tab} [data-control="${press}"]`);
          const { violations } = await new AxeBuilder({ page }).analyze();
          findings.push(...violations.filter((found) => found.impact === 'serious' || found.impact === 'critical')
            .map((found) => `${found.id}: ${found.nodes.map((node) => node.target.join(' ')).join(', ')}`));
        }
        assert.deepEqual(findings, [], `${tab} at ${width}`);
      }
      assert.deepEqual(browser.errors, []);
    } finally {
      await browser.close();
    }
  });
}
