// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Headless Chromium with a profile of its own, and a small static server for
// the built site, shared by the tests and the screenshot.
"use strict";

const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const url = require("node:url");
const puppeteer = require("puppeteer-core");

const site = path.resolve(__dirname, "../../build-web/site");
const chromium = process.env.CHROMIUM || "/usr/lib/chromium/chromium";

// The profile lives in a directory made for this run alone, and only that
// directory is removed afterwards.
async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "vantrel-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--hide-scrollbars", "--font-render-hinting=none"],
  });
  return {
    browser,
    async close() {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".png": "image/png", ".webmanifest": "application/manifest+json",
};

// Serves the site's own files on an ephemeral port of the loopback address.
function serve(root = site) {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, "http://x").pathname);
    const file = path.join(root, name.endsWith("/") ? name + "index.html" : name);
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((r) => {
        server.close(r);
        server.closeAllConnections();
      }) });
    });
  });
}

const fileUrl = url.pathToFileURL(path.join(site, "index.html")).href;

// Opens the page at the designed size and waits until the program has built it.
async function open(browser, address = fileUrl, width = 1010, height = 734) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  await page.goto(address);
  await page.waitForSelector("body[data-ready]");
  return page;
}

module.exports = { launch, serve, open, site, fileUrl };
