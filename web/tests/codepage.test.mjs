// Code page 936 in the page, walked code by code: every single byte and
// double-byte code reads as in the native build (which the Windows build's
// tests hold against MultiByteToWideChar), and every character read writes
// back to its code. The browser's own "gbk" decoder differs only where it
// follows GB 18030 and Windows keeps private-use characters.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { openLoaded } from './browser.mjs';
import { runTool } from './native_tools.mjs';

let browser;
let native;
let page;
before(async () => {
  browser = await openLoaded();
  // cp936-walk's lines: "8140 4E02", "-" for a code that is no character.
  native = runTool('walk', []).trim().split('\n').map((line) => {
    const [code, character] = line.split(' ');
    return { code: parseInt(code, 16), character: character === '-' ? null : parseInt(character, 16) };
  });
  page = await walkInPage(native.map((entry) => entry.code));
});
after(() => browser.close());

// What the page reads and writes for every code, and what the browser's
// TextDecoder("gbk") reads.
async function walkInPage(codes) {
  return browser.page.evaluate((codes) => {
    const { module } = window.tipstat;
    const decoder = new TextDecoder('gbk', { fatal: true });
    const bytesOf = (code) => (code > 0xff ? [code >> 8, code & 0xff] : [code]);
    return codes.map((code) => {
      const bytes = Uint8Array.from(bytesOf(code));
      const read = module.gbkToUtf16(bytes);
      const character = read.length === 1 && read !== '\uFFFD' ? read.charCodeAt(0) : null;
      let browserRead = null;
      try {
        browserRead = decoder.decode(bytes).charCodeAt(0);
      } catch {}
      const written = character === null ? null : Array.from(module.utf16ToGbk(read));
      return { character, written, browserRead };
    });
  }, codes);
}

test('every code reads in the page as in the native build and writes back to itself', () => {
  assert.equal(page.length, 0x80 + 126 * 190);
  native.forEach(({ code, character }, i) => {
    const hex = code.toString(16);
    assert.equal(page[i].character, character, hex);
    if (character !== null) {
      assert.deepEqual(page[i].written, code > 0xff ? [code >> 8, code & 0xff] : [code], hex);
    }
  });
});

test("the browser's gbk decoder differs only at codes GB 18030 later gave characters", () => {
  // Where Chromium's decoder follows GB 18030-2005 and Windows code page
  // 936 keeps the private-use characters of its user-defined areas.
  const gb18030Codes = (code) => code === 0xa2e3 || code === 0xa3a0 || (code >= 0xa6d9 && code <= 0xa6f3) ||
    code === 0xa8bc || code === 0xa8bf || (code >= 0xa989 && code <= 0xa995) || (code >= 0xfe50 && code <= 0xfea0);
  const isPrivateUse = (c) => c >= 0xe000 && c <= 0xf8ff;
  const differences = native.filter(({ code }, i) => page[i].browserRead !== page[i].character);
  for (const { code, character } of differences) {
    const hex = code.toString(16);
    assert.ok(gb18030Codes(code), `${hex} differs`);
    assert.ok(isPrivateUse(character), `${hex} reads as ${character?.toString(16)} in the page`);
  }
  assert.equal(differences.length, 101);
});
