// The site as a phone meets it, served on localhost: the manifest and its
// icons, the service worker and Chromium's own installability check, a
// reload with the network cut, a new build served in place of the old,
// and text shared to the app from another app.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { openAtSite, pagePath, serveSiteCopy } from './browser.mjs';
import { runTool } from './native_tools.mjs';

let site;
before(async () => {
  site = await serveSiteCopy();
});
after(() => site.close());

async function atSite(body, options) {
  const browser = await openAtSite(site.url, options);
  try {
    await browser.load();
    await body(browser);
    assert.deepEqual(browser.requests, [], 'requests beyond the site');
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
  }
}

// A PNG's size, from its header.
const pngSize = (bytes) => ({ width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) });

const fetched = async (page, file) => {
  const response = await page.request.get(new URL(file, site.url).href);
  assert.equal(response.status(), 200, file);
  return { type: response.headers()['content-type'], body: await response.body() };
};

test('the manifest names the app, takes its colours from the page and lists icons of the sizes they claim', async () => {
  await atSite(async ({ page }) => {
    const manifest = JSON.parse((await fetched(page, await page.getAttribute('link[rel="manifest"]', 'href'))).body);
    assert.match(manifest.name, /\p{Script=Han}/u);
    assert.match(manifest.short_name, /^\p{Script=Han}+$/u);
    assert.deepEqual([manifest.lang, manifest.start_url, manifest.scope, manifest.display], ['zh-CN', '.', '.', 'standalone']);
    const colours = await page.evaluate(() => [document.querySelector('header'), document.documentElement]
      .map((element) => getComputedStyle(element).backgroundColor));
    const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;
    assert.deepEqual([rgb(manifest.theme_color), rgb(manifest.background_color)], colours);
    assert.deepEqual(manifest.share_target, {
      action: '.', method: 'GET', params: { title: 'title', text: 'text', url: 'url' },
    });

    const icons = [...manifest.icons, { src: await page.getAttribute('link[rel="apple-touch-icon"]', 'href'), sizes: '180x180' }];
    assert.deepEqual(icons.map((icon) => `${icon.sizes} ${icon.purpose ?? ''}`.trim()),
      ['192x192 any', '512x512 any', '512x512 maskable', '180x180']);
    for (const icon of icons) {
      const { type, body } = await fetched(page, icon.src);
      assert.equal(type, 'image/png', icon.src);
      const { width, height } = pngSize(body);
      assert.equal(`${width}x${height}`, icon.sizes, icon.src);
    }

    // The one-file page's policy, opened for the worker and the manifest
    // (and the manifest's icons) only.
    const policy = (html) => html.match(/http-equiv="Content-Security-Policy"\s+content="([^"]*)"/)[1];
    const served = policy((await fetched(page, './')).body.toString());
    assert.equal(served, `${policy(fs.readFileSync(pagePath, 'utf8'))} 'self'; worker-src 'self'; manifest-src 'self'`);
    assert.match(served, /img-src data: 'self';/);
    assert.equal((await fetched(page, 'sw.js')).type, 'text/javascript; charset=utf-8');
  });
});

test('after the first visit a service worker controls the page, and Chromium finds nothing against installing it', async () => {
  await atSite(async ({ page }) => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
    const cdp = await page.context().newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
  });
});

test('with the network cut a reload opens the page and its presses give the tools\' reports', async () => {
  await atSite(async ({ page, context }) => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    const text = '鼠 05 12 马\r\n3期 牛 大 小 合单';
    const cases = [
      ['kova', 'Memo1', 'Memo2', 'Button60', ['number', '--year', '2003']],
      ['kova', 'Memo1', 'Memo2', 'Button7', ['zodiac']],
      ['chgu', 'Text1', 'Text2', 'Command2(7)', ['bigsmall']],
    ];
    for (const [tab, input, report, button, args] of cases) {
      await page.click(`#tab-${tab}`);
      if (tab === 'kova') {
        // The year: the selector brought down to 2003.
        const down = page.locator(`#kova [data-control="UpDown1"] button`).nth(0);
        while (await page.getAttribute('#kova [data-control="UpDown1"]', 'data-position') !== '2003') await down.click();
      }
      await page.evaluate(([tab, input, text]) => window.tipstat.tabs[tab].view.host.setText(input, text), [tab, input, text]);
      await page.click(`#${tab} [data-control="${button}"]`);
      const shown = await page.evaluate(([tab, report]) => window.tipstat.tabs[tab].view.host.text(report), [tab, report]);
      assert.equal(shown, runTool(tab, args, text), `${tab} ${args.join(' ')}`);
    }
    await context.setOffline(false);
  });
});

// Waits through the page's own reloads until `check` holds in it.
async function until(page, check) {
  for (let tries = 0; tries < 300; ++tries) {
    try {
      await page.waitForSelector('html[data-ready="true"]', { timeout: 2000 });
      if (await page.evaluate(check)) return;
    } catch {
      // A reload under way.
    }
    await page.waitForTimeout(100);
  }
  const state = await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    return {
      build: document.querySelector('meta[name="tipstat-build"]').content,
      controlled: Boolean(navigator.serviceWorker.controller),
      workers: ['installing', 'waiting', 'active'].map((state) => `${state}: ${registration?.[state]?.state ?? '-'}`),
      caches: await caches.keys(),
    };
  }).catch((error) => String(error));
  assert.fail(`never: ${check} (${JSON.stringify(state)})`);
}

// A new build in place of the old one: its page and its worker changed.
function serveBuild(build) {
  for (const [file, pattern, replacement] of [
    ['index.html', /<meta name="tipstat-build" content="[^"]*">/, `<meta name="tipstat-build" content="${build}">`],
    ['sw.js', /const build = '[^']*'/, `const build = '${build}'`],
  ]) {
    const changed = path.join(site.folder, file);
    const before = fs.readFileSync(changed, 'utf8');
    assert.match(before, pattern);
    fs.writeFileSync(changed, before.replace(pattern, replacement));
  }
}

const buildOf = () => document.querySelector('meta[name="tipstat-build"]').content;

test('a new build waits behind "有新版本" until a tap or the next open, and keeps what was typed', async () => {
  await atSite(async ({ page, context }) => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.fill('#kova [data-control="Memo1"]', '鼠 牛');
    const first = await page.evaluate(buildOf);
    assert.deepEqual(await page.evaluate(() => caches.keys()), [`tipstat-${first}`]);

    serveBuild('second');
    await page.reload();
    await page.waitForSelector('#update:not([hidden])');
    assert.equal(await page.evaluate(buildOf), first);
    await page.click('#update-take');
    await until(page, () => document.querySelector('meta[name="tipstat-build"]').content === 'second');
    assert.equal(await page.inputValue('#kova [data-control="Memo1"]'), '鼠 牛');
    assert.deepEqual(await page.evaluate(() => caches.keys()), ['tipstat-second']);

    serveBuild('third');
    await page.reload();
    await page.waitForSelector('#update:not([hidden])');
    const next = await context.newPage();
    await page.close();
    // The page may open again as the new build on its way: waited for below.
    await next.goto(site.url, { waitUntil: 'commit' });
    await until(next, () => document.querySelector('meta[name="tipstat-build"]').content === 'third');
    assert.deepEqual(await next.evaluate(() => caches.keys()), ['tipstat-third']);
    assert.equal(await next.inputValue('#kova [data-control="Memo1"]'), '鼠 牛');
  });
});

test('text shared to the app goes after what was typed in the tab used last, once', async () => {
  const cases = [
    {
      query: { title: '群聊', text: '鼠 05\n12', url: 'https://example.com/t' },
      added: '群聊\r\n鼠 05\n12\r\nhttps://example.com/t',
      said: '收到分享的文字“群聊 鼠 05 12 htt…”（29 个字），已加在澄观统计器的资料框末尾',
    },
    { query: { title: '', text: '马 大', url: '' }, added: '马 大', said: '收到分享的文字“马 大”（3 个字），已加在澄观统计器的资料框末尾' },
  ];
  await atSite(async ({ page }) => {
    await page.click('#tab-chgu');
    for (const { query, added, said } of cases) {
      await page.fill('#chgu [data-control="Text1"]', '牛 08');
      const typed = await page.evaluate(() => window.tipstat.tabs.chgu.view.host.text('Text1'));
      await page.goto(`${site.url}?${new URLSearchParams(query)}`);
      await page.waitForSelector('html[data-ready="true"]');
      const box = () => page.evaluate(() => window.tipstat.tabs.chgu.view.host.text('Text1'));
      assert.equal(await box(), `${typed}\r\n${added}`);
      assert.equal(await page.textContent('#notice-text'), said);
      assert.equal(await page.evaluate(() => window.location.search), '');
      await page.reload();
      await page.waitForSelector('html[data-ready="true"]');
      assert.equal(await box(), `${typed}\r\n${added}`);
    }
    assert.equal(await page.evaluate(() => window.tipstat.tabs.kova.view.host.text('Memo1')), '');
  });
});
