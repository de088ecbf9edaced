// Serves a folder over HTTP, as any static host does, with the types a
// browser wants (the service worker must come as JavaScript). Node's own
// modules only: the tests, the benchmark and `scripts/run.sh web` use it.
//   node web/site/serve.mjs FOLDER [--port N] [--lan] [--open]
// serves FOLDER on localhost (--lan: on every address of the machine, for a
// phone on the same network) at port N, or 8049 by default, or any free
// port when that one is taken, until Ctrl-C; --open opens it in the
// browser.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};

// The file a request names inside `folder`, or null: a folder stands for
// its index.html, and nothing outside `folder` is ever served.
function fileFor(folder, url) {
  let name;
  try {
    name = decodeURIComponent(new URL(url, 'http://host').pathname);
  } catch {
    return null;
  }
  const file = path.resolve(folder, `.${name}`);
  if (file !== folder && !file.startsWith(folder + path.sep)) return null;
  try {
    const stat = fs.statSync(file);
    if (stat.isDirectory()) return fileFor(folder, `${name.replace(/\/?$/, '/')}index.html`);
    return stat.isFile() ? file : null;
  } catch {
    return null;
  }
}

function answer(folder, request, response) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, { Allow: 'GET, HEAD' }).end();
    return;
  }
  const file = fileFor(folder, request.url);
  if (!file) {
    response.writeHead(404, { 'Content-Type': types['.txt'] }).end('not found\n');
    return;
  }
  // Asked again every time, so that a new build is seen at once.
  response.writeHead(200, {
    'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
    'Cache-Control': 'no-cache',
  });
  if (request.method === 'HEAD') response.end();
  else fs.createReadStream(file).pipe(response);
}

function listen(server, port, host) {
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => {
      server.off('error', reject);
      resolve(server.address().port);
    });
  });
}

// Serves `folder` on `host`; `port` 0 takes any free port. Resolves to
// { port, url, close() }.
export async function serveFolder(folder, { port = 0, host = '127.0.0.1' } = {}) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => answer(root, request, response));
  let taken;
  try {
    taken = await listen(server, port, host);
  } catch (error) {
    if (error.code !== 'EADDRINUSE' || port === 0) throw error;
    taken = await listen(server, 0, host);
  }
  return {
    port: taken,
    url: `http://localhost:${taken}/`,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}

// The machine's addresses that a phone on the same network may reach.
const lanAddresses = () => Object.values(os.networkInterfaces()).flat()
  .filter((address) => address && address.family === 'IPv4' && !address.internal)
  .map((address) => address.address);

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  const folder = args.find((arg, i) => !arg.startsWith('--') && args[i - 1] !== '--port');
  const portAt = args.indexOf('--port');
  const lan = args.includes('--lan');
  if (!folder || !fs.existsSync(path.join(folder, 'index.html'))) {
    console.error('usage: node serve.mjs FOLDER [--port N] [--lan] [--open]   (FOLDER holds index.html)');
    process.exit(2);
  }
  const site = await serveFolder(folder, {
    port: portAt >= 0 ? Number(args[portAt + 1]) : 8049,
    host: lan ? '0.0.0.0' : '127.0.0.1',
  });
  console.log('The page is served at');
  console.log(site.url);
  const others = lan ? lanAddresses() : [];
  if (others.length > 0) {
    console.log('and, for a phone on the same Wi-Fi, at');
    for (const address of others) console.log(`http://${address}:${site.port}/`);
    console.log('(from such a plain-http address the page works but does not install and does not keep');
    console.log('itself for use offline: a phone installs only from https, or from localhost)');
  }
  console.log('Press Ctrl-C to stop.');
  if (args.includes('--open')) {
    const opener = ['xdg-open', 'chromium'].find((name) => process.env.PATH.split(':')
      .some((folder) => fs.existsSync(path.join(folder, name))));
    if (opener) spawn(opener, [site.url], { detached: true, stdio: 'ignore' }).unref();
  }
  const stop = () => site.close().then(() => process.exit(0));
  process.on('SIGINT', stop);
  process.on('SIGTERM', stop);
}
