// The page on a phone and on a desktop: at 360 x 640 nothing scrolls
// sideways, every button is at least 40 pixels both ways and the input and
// the report take the whole width; from 1024 pixels the input, the helpers
// and the report stand side by side; at 200 % zoom it still fits; the Tab
// key walks in reading order; and the page asks for nothing but itself.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { openBrowser, screenshotFolder } from './browser.mjs';

const tabs = ['kova', 'chgu'];

async function onPage(size, body) {
  const browser = await openBrowser(size);
  try {
    await browser.load();
    await body(browser);
    assert.deepEqual(browser.requests, [], 'requests beyond the page');
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
  }
}

// Shows a tab with its helpers open, as a user who unfolds them sees it.
async function showTab(page, tab) {
  await page.click(`#tab-${tab}`);
  await page.evaluate((tab) => {
    for (const details of document.querySelectorAll(`#${tab} details`)) details.open = true;
  }, tab);
}

// Whatever a finger presses, with its size.
const pressables = (page, tab) => page.evaluate((tab) => {
  const selector = `#${tab} button, #${tab} .choice, #${tab} summary, #${tab} select, [role="tab"], footer button, .file-button`;
  return [...document.querySelectorAll(selector)]
    .filter((element) => element.offsetParent !== null)
    .map((element) => {
      const box = element.getBoundingClientRect();
      return { what: element.dataset.control ?? element.textContent.trim().slice(0, 12), width: box.width, height: box.height };
    });
}, tab);

const overflow = (page) => page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);

test('at phone width every tab fits and every button takes a thumb', async () => {
  fs.mkdirSync(screenshotFolder, { recursive: true });
  await onPage({ width: 360, height: 640 }, async ({ page }) => {
    for (const tab of tabs) {
      await showTab(page, tab);
      assert.ok(await overflow(page) <= 0, `${tab} scrolls sideways`);
      const small = (await pressables(page, tab)).filter((p) => p.width < 40 || p.height < 40);
      assert.deepEqual(small, [], `${tab}: buttons under 40 pixels`);
      const widths = await page.evaluate((tab) => [...document.querySelectorAll(`#${tab} textarea`)]
        .map((box) => box.getBoundingClientRect().width), tab);
      for (const width of widths) assert.ok(width >= 360 - 32, `${tab}: a box only ${width} pixels wide`);
      await page.screenshot({ path: path.join(screenshotFolder, `${tab}-phone.png`), fullPage: true });
    }
  });
});

test('at desktop width input, helpers and report stand side by side', async () => {
  await onPage({ width: 1280, height: 900 }, async ({ page }) => {
    for (const tab of tabs) {
      await page.click(`#tab-${tab}`);
      const columns = await page.evaluate((tab) => [...document.querySelectorAll(`#${tab} > .column`)]
        .map((column) => column.getBoundingClientRect()).map((box) => ({ left: box.left, top: box.top, right: box.right })), tab);
      assert.equal(columns.length, 3);
      for (let i = 1; i < columns.length; ++i) {
        assert.ok(columns[i].left >= columns[i - 1].right, `${tab}: column ${i} is not beside the one before`);
        assert.ok(Math.abs(columns[i].top - columns[0].top) < 2, `${tab}: column ${i} does not stand level`);
      }
      await page.screenshot({ path: path.join(screenshotFolder, `${tab}-desktop.png`), fullPage: true });
    }
  });
});

test('at 200 % zoom of a small laptop screen nothing scrolls sideways', async () => {
  await onPage({ width: 640, height: 400 }, async ({ page }) => {
    for (const tab of tabs) {
      await showTab(page, tab);
      assert.ok(await overflow(page) <= 0, `${tab} scrolls sideways`);
    }
  });
});

test('the Tab key walks each tab in reading order', async () => {
  await onPage({ width: 360, height: 640 }, async ({ page }) => {
    for (const tab of tabs) {
      await showTab(page, tab);
      await page.focus(`#tab-${tab}`);
      const stops = [];
      for (;;) {
        await page.keyboard.press('Tab');
        const stop = await page.evaluate((tab) => {
          const focused = document.activeElement;
          if (!document.getElementById(tab).contains(focused)) return null;
          const box = focused.getBoundingClientRect();
          return { what: focused.closest('[data-control]')?.dataset.control ?? focused.tagName, middle: box.top + box.height / 2 + window.scrollY, left: box.left };
        }, tab);
        if (stop === null) break;
        stops.push(stop);
      }
      assert.ok(stops.length > 50, `${tab}: only ${stops.length} stops`);
      for (let i = 1; i < stops.length; ++i) {
        const [a, b] = [stops[i - 1], stops[i]];
        const sameLine = Math.abs(a.middle - b.middle) < 8;
        assert.ok(sameLine ? b.left > a.left : b.middle > a.middle, `${tab}: ${b.what} comes after ${a.what}`);
      }
    }
  });
});

test('every control a user acts on stands in a section of the page, and a row without one stops the tab', async () => {
  await onPage({ width: 1280, height: 900 }, async ({ page }) => {
    const { unplaced, leftOut } = await page.evaluate(() => {
      const actedOn = ['button', 'option', 'checkBox', 'textBox', 'multiLineBox', 'upDown', 'dropDown'];
      const controls = Object.entries(window.tipstat.tabs)
        .flatMap(([tab, { view }]) => [...view.controls.values()].map((control) => ({ tab, control })));
      const named = ({ tab, control }) => `${tab}:${control.row.name}`;
      return {
        unplaced: controls.filter(({ control }) => actedOn.includes(control.row.kind) && control.row.section !== 'window-only'
          && control.element.closest('.section') === null).map(named),
        leftOut: controls.filter(({ control }) => control.row.section === 'window-only').map(named),
      };
    });
    assert.deepEqual(unplaced, []);
    // 号码页 and 关闭这页 of program A: its number page is always shown.
    assert.deepEqual(leftOut, ['kova:Button66', 'kova:Button67']);

    const refusals = await page.evaluate(() => [
      { name: 'Button99', kind: 'button', section: '' },
      { name: 'Check9', kind: 'checkBox', section: '' },
      { name: 'Label9', kind: 'label', section: 'sidebar' },
    ].map((row) => {
      try {
        ProgramTab.sectionsOf([{ name: 'Label1', kind: 'label', section: '' }, row]);
        return null;
      } catch (error) {
        return error.message;
      }
    }));
    assert.deepEqual(refusals, ['Button99', 'Check9', 'Label9'].map((name) => `no place on the page for ${name}`));
  });
});
