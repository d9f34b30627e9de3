// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A static web server for the game's page on 127.0.0.1, as any static server
// would serve it: the right types (WebAssembly must come as
// application/wasm), the staged .br or .gz copy of a file where the browser
// accepts it, nothing cached, and nothing outside the folder. It answers a
// path it cannot read with 400, a file it may not or cannot open with 403
// or 404, anything but GET and HEAD with 405, follows no link out of its
// folder, and no request ends it. `make serve-web` runs it; the browser
// tests and the load figures start it in their own process.
// Usage: node serve-web.mjs FOLDER [PORT]   (port 8080; 0 picks a free one)
import { promises as fs } from 'node:fs';
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
  '.txt': 'text/plain; charset=utf-8',
  '.md': 'text/plain; charset=utf-8',
};

// The compressed copies package-web stages beside a file, best first.
const kEncodings = [['br', '.br'], ['gzip', '.gz']];

// The file a request names inside `root`, or an HTTP status why not.
async function resolve(root, pathname) {
  let relative;
  try {
    relative = decodeURIComponent(pathname);
  } catch {
    return 400;  // not UTF-8 once decoded
  }
  if (relative.includes('\0')) {
    return 400;
  }
  let file = path.join(root, relative);
  try {
    file = await fs.realpath(file);
    if ((await fs.stat(file)).isDirectory()) {
      file = await fs.realpath(path.join(file, 'index.html'));
    }
  } catch (error) {
    return error.code === 'EACCES' ? 403 : 404;
  }
  // A link may lead out of the folder: what it leads to is checked.
  if (file !== root && !file.startsWith(root + path.sep)) {
    return 403;
  }
  return file;
}

// Opens the best copy of `file` for the encodings the browser accepts: the
// handle, its size and its encoding (null for the file itself).
async function open(file, accepted) {
  for (const [encoding, suffix] of kEncodings) {
    if (new RegExp(`\\b${encoding}\\b`).test(accepted)) {
      const handle = await fs.open(file + suffix).catch(() => null);
      if (handle) {
        return { handle, size: (await handle.stat()).size, encoding };
      }
    }
  }
  const handle = await fs.open(file);
  const stat = await handle.stat();
  if (!stat.isFile()) {
    await handle.close();
    throw Object.assign(new Error('not a file'), { code: 'ENOENT' });
  }
  return { handle, size: stat.size, encoding: null };
}

async function answer(root, request, response) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, { Allow: 'GET, HEAD' }).end();
    return;
  }
  const url = new URL(request.url, 'http://localhost');
  const file = await resolve(root, url.pathname);
  if (typeof file === 'number') {
    response.writeHead(file).end();
    return;
  }
  let opened;
  try {
    opened = await open(file, request.headers['accept-encoding'] || '');
  } catch (error) {
    response.writeHead(error.code === 'EACCES' ? 403 : 404).end();
    return;
  }
  const headers = {
    'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
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
