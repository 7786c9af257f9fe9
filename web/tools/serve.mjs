// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a folder on localhost (`make web-serve`, and the browser tests).
// Usage: node serve.mjs FOLDER [PORT]; port 0 takes a free one. Prints the
// address on its first line of output.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';

const Types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json',
  '.png': 'image/png', '.net': 'text/plain', '.txt': 'text/plain',
};

export function serve(folder, port = 0, host = '127.0.0.1') {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': Types[extname(file)] || 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end('Not found');
    }
  });
  return new Promise((done) => server.listen(port, host, () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [folder = 'dist', port = '8000'] = process.argv.slice(2);
  const server = await serve(folder, Number(port));
  console.log(`Vantorelle in the browser: http://127.0.0.1:${server.address().port}/ (Ctrl-C ends)`);
}
