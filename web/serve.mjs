// Serves a folder of static files on localhost, as any static host would: the site of
// tools/web.sh, and the same site for the browser tests.
//   node web/serve.mjs FOLDER [PORT]
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.gz': 'application/octet-stream',
};

export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    let file = normalize(join(root, path));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const { size, mtimeMs } = statSync(file);
      // Kept by the browser and asked again with its tag, as static hosts do: a second
      // fetch of an unchanged file costs no body.
      const tag = `"${size}-${Math.floor(mtimeMs)}"`;
      const headers = { 'Content-Type': types[extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache', ETag: tag };
      if (request.headers['if-none-match'] === tag) {
        response.writeHead(304, headers).end();
        return;
      }
      response.writeHead(200, { ...headers, 'Content-Length': size });
      server.bytesSent += size;
      createReadStream(file).pipe(response);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('niet gevonden');
    }
  });
  server.bytesSent = 0;  // what it has sent of files: on localhost, what a visit transfers
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port = '8080'] = process.argv.slice(2);
  const server = await serve(folder, Number(port));
  console.log(`Taalspoor staat op http://localhost:${server.address().port}/ (stoppen: Ctrl+C)`);
}
