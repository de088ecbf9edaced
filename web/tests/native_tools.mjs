// The native command-line tools, which the page must agree with byte for
// byte, and the year tables the page has built in.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { buildFolder, nativeFolder, testDay } from './browser.mjs';

export const generatedYearTables = path.join(buildFolder, 'web/generated/YearTables.txt');

const tools = {
  kova: path.join(nativeFolder, 'kova/kova-cli'),
  chgu: path.join(nativeFolder, 'chgu/chgu-cli'),
  walk: path.join(nativeFolder, 'platform/cp936-walk'),
};

// The tool's standard output for `input` on its standard input, as text.
export function runTool(tool, args, input = '') {
  const run = spawnSync(tools[tool], args, {
    input: Buffer.from(input, 'utf8'), maxBuffer: 1 << 28, env: { ...process.env, TIPSTAT_TODAY: testDay },
  });
  if (run.error) throw run.error;
  if (run.status !== 0) throw new Error(`${tool} ${args.join(' ')}: ${run.stderr.toString()}`);
  return run.stdout.toString('utf8');
}

// The reports of several statistics printed in turn: an empty line between
// two, every line ending in CR LF.
export function splitReports(output) {
  return output.split('\r\n\r\n').map((report, i, all) => (i < all.length - 1 ? `${report}\r\n` : report));
}

// The text a Windows edit box holds after the user typed or pasted `text`
// into the textarea: every line break one CR LF.
export const typed = (text) => text.replace(/\r\n|\r|\n/g, '\r\n');
