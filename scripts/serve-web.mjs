// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A static web server for the game's page on 127.0.0.1, as any static server
// would serve it: the right types (WebAssembly must come as
// application/wasm), the staged .br or .gz copy of a file where the browser
// accepts it (by its q-values), nothing cached, and nothing outside the
// folder: every file it opens, a compressed copy too, is first resolved
// through its links and must lie inside. It answers a path it cannot read
// with 400, a file outside the folder exactly as a missing one (404), a
// file inside it may not open with 403, anything but GET and HEAD with 405,
// and no request ends it. `make serve-web` runs it; the browser
// tests and the load figures start it in their own process.
// Usage: node serve-web.mjs FOLDER [PORT]   (port 8080; 0 picks a free one)
import { constants as fsConstants, promises as fs } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { pipeline } from 'node:stream/promises';
import { pathToFileURL } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
  '.woff2': 'font/woff2',
  '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8',
  '.md': 'text/plain; charset=utf-8',
};

// The compressed copies package-web stages beside a file, best first.
const kEncodings = [['br', '.br'], ['gzip', '.gz']];

// Whether `file` lies inside `root` (or is it).
function inside(root, file) {
  return file === root || file.startsWith(root + path.sep);
}

// The file a request names inside `root`, or an HTTP status why not. The
// path's text is judged first: a path out of the folder is answered as a
// missing file, whether or not something is there, so the answers tell
// nothing of what lies outside.
function named(root, pathname) {
  let relative;
  try {
    relative = decodeURIComponent(pathname);
  } catch {
    return 400;  // not UTF-8 once decoded
  }
  if (relative.includes('\0')) {
    return 400;
  }
  const file = path.join(root, relative);
  return inside(root, file) ? file : 404;
}

// Where a name inside `root` really leads, if that is inside `root` too;
// null for a missing file and for a link out of the folder alike.
async function real(root, file) {
  const target = await fs.realpath(file).catch(() => null);
  return target !== null && inside(root, target) ? target : null;
}

// How much the browser wants each encoding, from its Accept-Encoding: the
// q-value given for it, else that of "*", else none. "br;q=0" refuses.
export function acceptedEncodings(header) {
  const q = new Map();
  for (const part of (header || '').split(',')) {
    const [name, ...parameters] = part.trim().toLowerCase().split(';');
    if (!name) continue;
    let value = 1;
    for (const parameter of parameters) {
      const [key, number] = parameter.trim().split('=');
      if (key === 'q') value = /^(0(\.\d{0,3})?|1(\.0{0,3})?)$/.test(number) ? Number(number) : 0;
    }
    q.set(name, value);
  }
  return kEncodings.map(([encoding]) => [encoding, q.get(encoding) ?? q.get('*') ?? 0]);
}

// Opens the best copy of the file a request names, among those the browser
// accepts and that lie inside `root`: the handle, its path, its size and its
// encoding (null for the file itself); null when there is no such file.
async function open(root, file, accepted) {
  let target = await real(root, file);
  if (target !== null && (await fs.stat(target)).isDirectory()) {
    target = await real(root, path.join(target, 'index.html'));
  }
  if (target === null) {
    return null;
  }
  const copies = acceptedEncodings(accepted)
    .filter(([, q]) => q > 0)
    .sort((a, b) => b[1] - a[1])  // stable: br before gzip where alike
    .map(([encoding]) => [encoding, kEncodings.find(([e]) => e === encoding)[1]]);
  for (const [encoding, suffix] of [...copies, [null, '']]) {
    const copy = await real(root, target + suffix);
    if (copy === null) {
      continue;
    }
    // Without waiting: a pipe or a device opens at once, and is no file.
    const handle = await fs.open(copy, fsConstants.O_RDONLY | fsConstants.O_NONBLOCK);
    const stat = await handle.stat();
    if (stat.isFile()) {
      return { handle, file: target, size: stat.size, encoding };
    }
    await handle.close();
  }
  return null;
}

async function answer(root, request, response) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, { Allow: 'GET, HEAD' }).end();
    return;
  }
  const url = new URL(request.url, 'http://localhost');
  const file = named(root, url.pathname);
  if (typeof file === 'number') {
    response.writeHead(file).end();
    return;
  }
  let opened;
  try {
    opened = await open(root, file, request.headers['accept-encoding']);
  } catch (error) {
    response.writeHead(error.code === 'EACCES' ? 403 : 404).end();
    return;
  }
  if (opened === null) {
    response.writeHead(404).end();
    return;
  }
  const headers = {
    'Content-Type': kTypes[path.extname(opened.file)] || 'application/octet-stream',
    'Content-Length': opened.size,
    'Cache-Control': 'no-store',
    Vary: 'Accept-Encoding',
  };
  if (opened.encoding) {
    headers['Content-Encoding'] = opened.encoding;
  }
  response.writeHead(200, headers);
  try {
    if (request.method === 'HEAD') {
      response.end();
    } else {
      await pipeline(opened.handle.createReadStream({ autoClose: false }), response);
    }
  } catch {
    response.destroy();  // the file failed mid-way or the browser went away
  } finally {
    await opened.handle.close().catch(() => {});
  }
}

// Serves `folder`; resolves to the server once it listens.
export async function serve(folder, port = 0) {
  const root = await fs.realpath(path.resolve(folder));
  const server = createServer((request, response) => {
    answer(root, request, response).catch(() => {
      if (!response.headersSent) {
        response.writeHead(500);
      }
      response.destroy();
    });
  });
  server.on('clientError', (error, socket) => socket.destroy());
  return new Promise((resolved, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolved(server));
  });
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port = '8080'] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve-web.mjs FOLDER [PORT]');
    process.exit(2);
  }
  const server = await serve(folder, Number(port));
  console.log(`Klikoman: http://127.0.0.1:${server.address().port}/ (Ctrl+C ends it)`);
}
