// Headless Chromium (the system's own, never a downloaded one) with a
// fresh profile, and the page opened from its file as a user opens it.
import { chromium } from 'playwright-core';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const sourceFolder = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const buildFolder = process.env.TIPSTAT_WEB_BUILD ?? path.join(sourceFolder, 'build/web');
export const nativeFolder = process.env.TIPSTAT_NATIVE_BUILD ?? path.join(sourceFolder, 'build/release');
export const pagePath = path.join(buildFolder, 'tipstat.html');
export const pageUrl = pathToFileURL(pagePath).href;
export const screenshotFolder = path.join(buildFolder, 'screenshots');
// The day every page test runs on, for the page's clock and the native
// tools' (TIPSTAT_TODAY) alike, so that no test depends on the real one.
export const testDay = '2026-03-01';

const chromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// A browser with a profile of its own, removed when closed. Every request
// other than for the page itself is refused and recorded in `requests`.
export async function openBrowser({ width = 1280, height = 900 } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tipstat-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TIPSTAT_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: chromiumFlags,
    viewport: { width, height },
    permissions: ['clipboard-read', 'clipboard-write'],
  });
  const requests = [];
  await context.route('**/*', (route) => {
    const url = route.request().url();
    if (url === pageUrl) return route.continue();
    requests.push(url);
    return route.abort();
  });
  const errors = [];
  const page = context.pages()[0] ?? (await context.newPage());
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.clock.setFixedTime(new Date(`${testDay}T12:00:00`));
  return {
    context,
    page,
    requests,
    errors,
    async load() {
      await page.goto(pageUrl);
      await page.waitForSelector('html[data-ready="true"]');
    },
    // Closes the browser; an error the page threw on its way fails the
    // test that closes it.
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
      if (errors.length > 0) throw new Error(`the page threw: ${errors.join('; ')}`);
    },
  };
}

// A browser with the page loaded, for a test file's walk through it.
export async function openLoaded(size) {
  const browser = await openBrowser(size);
  await browser.load();
  return browser;
}

// The site folder, copied to a folder of the test's own (so that a test
// may put a new build in its place) and served on localhost.
export const siteFolder = path.join(buildFolder, 'site');

export async function serveSiteCopy() {
  const { serveFolder } = await import('../site/serve.mjs');
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tipstat-site-'));
  fs.cpSync(siteFolder, folder, { recursive: true });
  const served = await serveFolder(folder);
  return {
    folder,
    url: served.url,
    async close() {
      await served.close();
      fs.rmSync(folder, { recursive: true, force: true });
    },
  };
}

// A browser with a fresh, persistent profile (Chromium checks whether a
// page installs only in such a one) at the served site `url`. Nothing is
// intercepted, as interception would keep the service worker out; a
// request for anything but the site is recorded in `requests`.
export async function openAtSite(url, { width = 360, height = 640, permissions = [] } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tipstat-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TIPSTAT_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: chromiumFlags,
    viewport: { width, height },
    permissions,
    acceptDownloads: true,
  });
  const origin = new URL(url).origin;
  const requests = [];
  context.on('request', (request) => {
    if (!request.url().startsWith(origin) && !request.url().startsWith('blob:')) requests.push(request.url());
  });
  const errors = [];
  const page = context.pages()[0] ?? (await context.newPage());
  page.on('pageerror', (error) => errors.push(String(error)));
  return {
    context,
    page,
    requests,
    errors,
    async load(address = url) {
      await page.goto(address);
      await page.waitForSelector('html[data-ready="true"]');
    },
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
