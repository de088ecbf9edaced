// The page in WebKit, the engine of every browser on an iPhone: WebKitGTK's
// MiniBrowser in automation mode, driven through WebKitWebDriver (Debian's
// webkit2gtk-driver) by selenium-webdriver, on the X display it is given
// (scripts/web-test.sh runs it on a virtual one). The page opens from its
// file, as in the Chromium tests.
import fs from 'node:fs';
import { Builder, By } from 'selenium-webdriver';
import remote from 'selenium-webdriver/remote/index.js';
import { pageUrl } from '../tests/browser.mjs';

const driverPath = process.env.TIPSTAT_WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver';
const miniBrowser = process.env.TIPSTAT_MINIBROWSER ?? [
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
  '/usr/lib/aarch64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
].find((file) => fs.existsSync(file));

// Errors the page throws after it started and promises it leaves rejected;
// an error at start shows as a page that never becomes ready.
const recordErrors = `
  window.pageErrors = [];
  addEventListener('error', (event) => window.pageErrors.push(String(event.message)));
  addEventListener('unhandledrejection', (event) => window.pageErrors.push(String(event.reason)));`;

// What Safari reads to put a page on the home screen: its title and its
// named meta tags.
export const homeScreenTags = (browser) => browser.run(`return {
  title: document.title,
  meta: Object.fromEntries([...document.querySelectorAll('head meta[name]')].map((meta) => [meta.name, meta.content])),
}`);

export async function openWebKit() {
  const service = new remote.DriverService.Builder(driverPath).setLoopback(true).build();
  const driver = await new Builder()
    .usingServer(await service.start())
    .withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
    })
    .build();
  const run = (script, ...args) => driver.executeScript(script, ...args);
  // The page from its file, or from `url` (the served site).
  const load = async (reload = false, url = pageUrl) => {
    if (reload) await driver.navigate().refresh();
    else await driver.get(url);
    await driver.wait(() => run('return document.documentElement.dataset.ready === "true"'), 20000);
    await run(recordErrors);
  };
  return {
    driver,
    run,
    load,
    // The element of a tab's control; a real click on it, with the
    // browser's own hit test.
    control: (tab, name) => driver.findElement(By.css(`#${tab} [data-control="${name}"]`)),
    async click(tab, ...names) {
      for (const name of names) await driver.findElement(By.css(`#${tab} [data-control="${name}"]`)).click();
    },
    errors: () => run('return window.pageErrors'),
    async close() {
      try {
        await driver.quit();
      } finally {
        await service.kill();
      }
    },
  };
}
