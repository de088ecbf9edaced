// The site in WebKit, served on localhost as a static host serves it: the
// page opens from it with its manifest, its home-screen icon and the tags
// Safari reads; 粘贴 and 分享 do what WebKitGTK lets them (where it has no
// Web Share or refuses to read the clipboard, the fallbacks run and say
// their line).
//
// Of the service worker, that it registers and takes the page; a reload
// with the network cut and a new build in place of the old stay in
// Chromium (site.test.mjs), which can cut the network under automation.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { pagePath, pageUrl, serveSiteCopy } from '../tests/browser.mjs';
import { runTool } from '../tests/native_tools.mjs';
import { homeScreenTags, openWebKit } from './webkit_browser.mjs';

let site;
let browser;
before(async () => {
  site = await serveSiteCopy();
  browser = await openWebKit();
  await browser.load(false, site.url);
});
after(async () => {
  try {
    assert.deepEqual(await browser.errors(), [], 'errors on the page');
  } finally {
    await browser?.close();
    await site?.close();
  }
});

const fetched = async (file) => {
  const response = await fetch(new URL(file, site.url));
  assert.equal(response.status, 200, file);
  return response;
};
// A PNG's size, from its header.
const pngSize = (bytes) => `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;

test('the served page links its manifest and a 180 px apple-touch-icon, and is named as in the manifest', async () => {
  const links = await browser.run(`return Object.fromEntries(['manifest', 'apple-touch-icon']
    .map((rel) => [rel, document.querySelector('link[rel="' + rel + '"]')?.href]))`);
  const manifest = await (await fetched(links.manifest)).json();
  const icon = await fetched(links['apple-touch-icon']);
  assert.equal(icon.headers.get('content-type'), 'image/png');
  assert.equal(pngSize(Buffer.from(await icon.arrayBuffer())), '180x180');

  // The page's name and short name on the home screen, as the manifest
  // gives them to other browsers; the same tags in the one-file page.
  const served = await homeScreenTags(browser);
  assert.deepEqual([served.title, served.meta['apple-mobile-web-app-title'], manifest.short_name],
    [manifest.name, '统计器', '统计器']);
  await browser.load(false, pageUrl);
  const file = await homeScreenTags(browser);
  delete served.meta['tipstat-build'];
  assert.deepEqual(file, served);
  await browser.load(false, site.url);
});

// The built files as written (WebKitGTK shows no notch: its insets are
// zero).
test('both built pages cover the screen and keep their content clear of the safe-area insets', () => {
  for (const file of [pagePath, `${site.folder}/index.html`]) {
    const html = fs.readFileSync(file, 'utf8');
    assert.match(html, /<meta name="viewport" content="[^"]*\bviewport-fit=cover\b/, file);
    for (const side of ['top', 'right', 'bottom', 'left']) {
      assert.match(html, new RegExp(`padding[^;]*env\\(safe-area-inset-${side}\\)`), `${file}: ${side}`);
    }
  }
});

test('a service worker registers for the site and takes the page on the next open', async () => {
  await browser.driver.manage().setTimeouts({ script: 15000 });
  const active = await browser.driver.executeAsyncScript(`const done = arguments[arguments.length - 1];
    setTimeout(() => done('no active worker after 10 s'), 10000);
    navigator.serviceWorker.ready.then((registration) => done(registration.active.scriptURL));`);
  assert.equal(active, new URL('sw.js', site.url).href);
  await browser.load(true);
  const controller = await browser.run('return navigator.serviceWorker.controller?.scriptURL');
  assert.equal(controller, new URL('sw.js', site.url).href);
});

// What the page says after `action`: the notice hidden first, so that only
// a new one counts.
async function told(action) {
  await browser.run("document.getElementById('notice').hidden = true");
  await action();
  await browser.driver.wait(() => browser.run("return !document.getElementById('notice').hidden"), 5000);
  return browser.run("return document.getElementById('notice-text').textContent");
}
const text = (tab, name) => browser.run(`return window.tipstat.tabs.${tab}.view.host.text(arguments[0])`, name);
const setText = (tab, name, value) =>
  browser.run(`window.tipstat.tabs.${tab}.view.host.setText(arguments[0], arguments[1])`, name, value);
const thumb = (tab, caption) => browser.driver.findElement({ css: `#${tab} [data-thumb="${caption}"]` }).click();

test('粘贴 and 分享 bring text in and out as far as WebKitGTK lets them, and say what they did', async () => {
  const offers = await browser.run(`return { share: typeof navigator.share === 'function',
    files: typeof navigator.canShare === 'function', read: typeof navigator.clipboard?.readText === 'function' }`);
  await browser.driver.findElement({ css: '#tab-chgu' }).click();
  await setText('chgu', 'Text1', '01 02 03');
  await browser.click('chgu', 'Command2(0)');
  const report = await text('chgu', 'Text2');
  assert.equal(report, runTool('chgu', ['number'], '01 02 03'));

  // 分享: without Web Share, the text goes on the clipboard and the
  // picture is offered for download.
  const shared = await told(() => thumb('chgu', '分享'));
  if (!offers.share) {
    assert.equal(shared, '这里分享不了：统计结果已复制，可以粘贴到别的应用', JSON.stringify(offers));
    assert.equal(await browser.run("return document.querySelector('#notice a[download]')?.download"), 'tipstat.png');
  } else {
    assert.match(shared, /^(已分享统计结果|没有分享|这里分享不了)/, JSON.stringify(offers));
  }

  // 粘贴 on both tabs, with the clipboard reading WebKitGTK offers and then
  // with none: what 分享 copied at the end of the box, or the line that
  // says how to paste by hand, with the box as it was.
  for (const reading of [offers.read, false]) {
    const none = "Object.defineProperty(navigator.clipboard ?? {}, 'readText', { value: undefined })";
    if (!reading) await browser.run(none);
    for (const [tab, input] of [['kova', 'Memo1'], ['chgu', 'Text1']]) {
      await browser.driver.findElement({ css: `#tab-${tab}` }).click();
      await setText(tab, input, '鼠 05');
      const said = await told(() => thumb(tab, '粘贴'));
      const now = await text(tab, input);
      if (!reading) {
        assert.equal(said, '浏览器不让本页读取剪贴板：请长按资料框，选“粘贴”（电脑上按 Ctrl+V）', tab);
        assert.equal(now, '鼠 05', `${tab}: the box changed on a refused paste`);
        continue;
      }
      assert.equal(said, `已把剪贴板里的 ${[...report.replace(/[\r\n]/g, '')].length} 个字加在资料框末尾`, tab);
      // WebKitGTK's clipboard gives the CR LF that 分享 copied as LF.
      assert.ok(now.startsWith('鼠 05\r\n'), `${tab}: ${JSON.stringify(now)}`);
      assert.equal(now.slice(5).replace(/\r\n/g, '\n'), `\n${report.replace(/\r\n/g, '\n')}`, tab);
    }
  }
});
