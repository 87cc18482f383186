// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small static web host on 127.0.0.1 for the site's tests and benchmarks. It answers as a
// common static host does: the types a host must send, a folder's index.html, and ten minutes
// in the browser's HTTP cache (GitHub Pages sends the same), so a test also sees what that
// cache keeps across a rebuild.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

export const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// Serves folder at http://127.0.0.1:PORT/<mount>/. requests lists the paths asked for.
export async function serve(folder, mount = 'wakusei') {
  const host = await serveFolders({ [mount]: folder });
  return { url: host.urls[mount], requests: host.requests, close: host.close };
}

// Serves several folders on one host, each at its own mount ('a', 'b', or one inside another,
// 'a/b'); a path belongs to the longest mount it starts with. urls gives each mount's address.
export async function serveFolders(folders) {
  const requests = [];
  const mounts = Object.keys(folders).sort((x, y) => y.length - x.length);
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    requests.push(url.pathname);
    let file = null;
    const mount = mounts.find((m) => url.pathname.startsWith(`/${m}/`));
    if (mount !== undefined) {
      const name = decodeURIComponent(url.pathname.slice(mount.length + 2)) || 'index.html';
      if (!name.includes('/') && !name.startsWith('.')) file = path.join(folders[mount], name);
    }
    let body;
    try {
      body = fs.readFileSync(file);
    } catch {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found');
      return;
    }
    res.writeHead(200, {
      'Content-Type': types[path.extname(file)] || 'application/octet-stream',
      'Content-Length': body.length,
      'Cache-Control': 'max-age=600',
    });
    res.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}/`;
  const urls = Object.fromEntries(Object.keys(folders).map((m) => [m, `${base}${m}/`]));
  const close = () => new Promise((resolve) => {
    server.closeAllConnections();
    server.close(resolve);
  });
  return { urls, requests, close };
}
