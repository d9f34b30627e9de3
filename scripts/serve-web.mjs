// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A static web server for the game's page on 127.0.0.1, as any static server
// would serve it: the right types (WebAssembly must come as
// application/wasm), gzip where the browser accepts it, nothing cached, and
// nothing outside the folder. `make serve-web` runs it; the browser tests
// and the load figures start it in their own process.
// Usage: node serve-web.mjs FOLDER [PORT]   (port 8080; 0 picks a free one)
import { createReadStream, promises as fs } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { createGzip } from 'node:zlib';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
  '.md': 'text/plain; charset=utf-8',
};

// Serves `folder`; resolves to the server once it listens.
export function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const server = createServer(async (request, response) => {
    const url = new URL(request.url, 'http://localhost');
    let file = path.join(root, decodeURIComponent(url.pathname));
    if (file !== root && !file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if ((await fs.stat(file)).isDirectory()) {
        file = path.join(file, 'index.html');
      }
      await fs.access(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    const headers = {
      'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-store',
    };
    const body = createReadStream(file);
    if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      response.writeHead(200, { ...headers, 'Content-Encoding': 'gzip' });
      body.pipe(createGzip()).pipe(response);
    } else {
      response.writeHead(200, headers);
      body.pipe(response);
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
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
