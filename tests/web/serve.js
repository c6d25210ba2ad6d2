// Serves a folder on 127.0.0.1 only, at a port the system picks, as a web
// host serves the page: .wasm as application/wasm, which the browser needs
// to compile it as it loads.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
    '.txt': 'text/plain; charset=utf-8',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

// Resolves to { url, close } once the server listens; close also drops the
// connections a browser keeps open, so that the page finds the server gone.
function serve(folder) {
    const root = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const wanted = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        const file = path.join(root, wanted === '/' ? 'index.html' : wanted);
        if (!file.startsWith(root + path.sep)) {
            response.writeHead(403).end();
            return;
        }
        fs.readFile(file, (error, bytes) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, {
                'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-store',
            });
            response.end(bytes);
        });
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(0, '127.0.0.1', () => {
            resolve({
                url: `http://127.0.0.1:${server.address().port}/`,
                close: () => new Promise((done) => {
                    server.close(done);
                    server.closeAllConnections();
                }),
            });
        });
    });
}

module.exports = { serve };
