// The page's site served on localhost and opened at 360 x 640 in headless
// Chromium: the milliseconds from opening the page to the first 码统计
// answered (a short tip text put in as soon as the page is ready, then the
// press, until the report and picture are drawn), on a first open over the
// network and on a second open, with the network cut, served by the
// service worker. Median of three fresh profiles. A figure for
// scripts/bench.sh, not a test.
import { openAtSite, serveSiteCopy } from '../tests/browser.mjs';

// In the page from its first moment: the press once the page is ready.
function pressWhenReady(tips) {
  const observer = new MutationObserver(() => {
    if (document.documentElement?.dataset.ready !== 'true') return;
    observer.disconnect();
    window.tipstat.tabs.kova.view.host.setText('Memo1', tips);
    document.querySelector('#kova [data-control="Button60"]').click();
    requestAnimationFrame(() => {
      window.firstAnswer = performance.now();
    });
  });
  observer.observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
}

const tips = '鼠 05 12 马 3期 牛 大 小 合单 17 28 虎\r\n'.repeat(40);
const firstAnswer = (page) => page.waitForFunction(() => window.firstAnswer).then((at) => at.jsonValue());
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const site = await serveSiteCopy();
const first = [];
const offline = [];
try {
  for (let run = 0; run < 3; ++run) {
    const browser = await openAtSite(site.url, { width: 360, height: 640 });
    try {
      const { page, context } = browser;
      await context.addInitScript(pressWhenReady, tips);
      await page.goto(site.url);
      first.push(await firstAnswer(page));
      await page.evaluate(() => navigator.serviceWorker.ready);
      await context.setOffline(true);
      await page.reload();
      offline.push(await firstAnswer(page));
      const cells = await page.locator('#kova .number-cell').count();
      if (cells !== 49) throw new Error(`the offline open drew ${cells} numbers`);
    } finally {
      await browser.close();
    }
  }
} finally {
  await site.close();
}
console.log('Opening the page at 360 x 640 to the first 码统计 answered: ' +
  `first open ${median(first).toFixed(0)} ms, offline open served by the worker ${median(offline).toFixed(0)} ms ` +
  '(median of 3)');
