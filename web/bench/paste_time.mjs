// A generated 1 MB tip text pasted into program A's input box in headless
// Chromium, then 码统计: the milliseconds from the press until the report and
// the picture are drawn (the next frame), median of five presses. A figure
// for scripts/bench.sh, not a test.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { nativeFolder, openBrowser } from '../tests/browser.mjs';

const text = spawnSync(path.join(nativeFolder, 'bench/tip-text-generate'), ['1'], { maxBuffer: 1 << 26 }).stdout.toString('utf8');
const browser = await openBrowser({ width: 1280, height: 900 });
try {
  const { page } = browser;
  await browser.load();
  await page.evaluate((text) => navigator.clipboard.writeText(text), text);
  await page.click('#kova [data-control="Memo1"]');
  const pasteStart = Date.now();
  await page.keyboard.press('Control+V');
  await page.waitForFunction((size) => window.tipstat.tabs.kova.view.host.text('Memo1').length >= size, text.length / 3);
  const pasted = Date.now() - pasteStart;
  const times = await page.evaluate(async () => {
    const button = document.querySelector('#kova [data-control="Button60"]');
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => resolve()));
    const times = [];
    for (let run = 0; run < 5; ++run) {
      await frame();
      const start = performance.now();
      button.click();
      await frame();
      times.push(performance.now() - start);
    }
    return times.sort((a, b) => a - b);
  });
  const cells = await page.locator('#kova .number-cell').count();
  console.log(`1 MB pasted into 墨川统计器 in ${pasted} ms; 码统计 to report and picture (${cells} numbers): ` +
    `${times[2].toFixed(1)} ms (median of 5; target under 100 ms)`);
} finally {
  await browser.close();
}
