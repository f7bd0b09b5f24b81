// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three browser engines behind one small page interface, and a static
// server for the built site, shared by the tests, the benchmark and the
// screenshots. Chromium and Firefox are driven by puppeteer-core, WebKitGTK
// by its WebDriver server under an X server of its own.
"use strict";

const { spawn } = require("node:child_process");
const fs = require("node:fs");
const http = require("node:http");
const net = require("node:net");
const os = require("node:os");
const path = require("node:path");
const url = require("node:url");
const { test: nodeTest } = require("node:test");
const puppeteer = require("puppeteer-core");

const site = path.resolve(__dirname, "../../build-web/site");
const fileUrl = url.pathToFileURL(path.join(site, "index.html")).href;

const executables = {
  chromium: process.env.CHROMIUM || "/usr/lib/chromium/chromium",
  firefox: process.env.FIREFOX || "/usr/bin/firefox-esr",
  webkit: process.env.MINIBROWSER || "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
};
const names = { chromium: "Chromium", firefox: "Firefox", webkit: "WebKit" };
// VANTREL_ENGINES=chromium,webkit runs a part of them.
const engines = (process.env.VANTREL_ENGINES || "chromium,firefox,webkit").split(",").filter(Boolean);
for (const e of engines) if (!names[e]) throw new Error(`unknown engine ${e}: one of ${Object.keys(names).join(", ")}`);

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Console messages as each engine names their levels.
function level(type) {
  const t = String(type).toLowerCase();
  return t === "warn" || t === "warning" ? "warning" : t === "error" || t === "assert" ? "error" : t;
}

// A page of Chromium or Firefox: puppeteer's own, cut down to what every
// engine offers.
class PuppeteerPage {
  constructor(engine, page) {
    this.engine = engine;
    this.page = page;
    this.keyboard = page.keyboard;
    this.messages = [];
    page.on("console", (m) => this.messages.push({ level: level(m.type()), text: m.text() }));
    page.on("pageerror", (e) => this.messages.push({ level: "error", text: String(e && e.message || e) }));
  }
  async goto(address) { await this.page.goto(address); }
  async reload() { await this.page.reload(); }
  setViewport(width, height) { return this.page.setViewport({ width, height }); }
  evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
  $eval(selector, fn, ...args) { return this.page.$eval(selector, fn, ...args); }
  focus(selector) { return this.page.focus(selector); }
  click(selector) { return this.page.click(selector); }
  waitForSelector(selector, options) { return this.page.waitForSelector(selector, options); }
  waitForFunction(fn, options, ...args) { return this.page.waitForFunction(fn, options, ...args); }
  screenshot() { return this.page.screenshot({ encoding: "base64" }); }
  // Evaluated, not added as a tag: the page's policy refuses inline scripts.
  addScript(source) { return this.page.evaluate(source); }
  // Every request the page makes, where the engine reports them.
  onRequest(fn) { this.page.on("request", (r) => fn(r.url())); }
  async consoleMessages() { return this.messages.slice(); }
  close() { return this.page.close(); }
}

async function launchPuppeteer(engine) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `vantrel-${engine}-`));
  const options = engine === "firefox"
    ? { browser: "firefox", executablePath: executables.firefox, headless: true, userDataDir: profile,
      // No first-run pages, updates or reports: nothing but the page under test.
      extraPrefsFirefox: { "browser.shell.checkDefaultBrowser": false, "datareporting.policy.dataSubmissionEnabled": false,
        "app.update.enabled": false, "browser.aboutwelcome.enabled": false } }
    : { executablePath: executables.chromium, headless: true, userDataDir: profile,
      args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--hide-scrollbars", "--font-render-hinting=none"] };
  let browser;
  try {
    browser = await puppeteer.launch(options);
  } catch (e) {
    fs.rmSync(profile, { recursive: true, force: true });
    throw e;
  }
  return {
    engine,
    name: names[engine],
    pid: browser.process().pid,
    async newPage() { return new PuppeteerPage(engine, await browser.newPage()); },
    async close() {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// WebDriver's codes for the keys the tests press; any other single
// character stands for itself.
const keyCodes = { Control: "\uE009", Shift: "\uE008", Alt: "\uE00A", Enter: "\uE007", Tab: "\uE004",
  Backspace: "\uE003", Escape: "\uE00C", ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014",
  ArrowDown: "\uE015", F1: "\uE031", F11: "\uE03B", Space: " ", KeyA: "a" };
function keyCode(key) {
  if (keyCodes[key]) return keyCodes[key];
  if ([...key].length === 1) return key;
  throw new Error(`no WebDriver code for the key ${key}`);
}

// A few lines of classic WebDriver, a connection for each command: the
// driver may close a kept-alive one at any time. A command that has no
// answer in a minute has failed.
function webDriver(port) {
  return (method, where, body) => new Promise((resolve, reject) => {
    const data = body === undefined ? "" : JSON.stringify(body);
    const req = http.request({ host: "127.0.0.1", port, method, path: where, agent: false, timeout: 60000,
      headers: { "Content-Type": "application/json", "Content-Length": Buffer.byteLength(data) } }, (res) => {
      let text = "";
      res.setEncoding("utf8");
      res.on("data", (d) => { text += d; });
      res.on("end", () => {
        try {
          const { value } = JSON.parse(text);
          if (res.statusCode === 200) resolve(value);
          else {
            if (/page crash or hang|WebProcess CRASHED/.test(value.message)) ++pageCrashes;
            reject(new Error(`WebDriver ${method} ${where}: ${value.error}: ${value.message}`));
          }
        } catch (e) {
          reject(new Error(`WebDriver ${method} ${where}: ${res.statusCode} ${text.slice(0, 200)}`));
        }
      });
    });
    req.on("timeout", () => req.destroy(new Error(`WebDriver ${method} ${where}: no answer in a minute`)));
    req.on("error", reject);
    req.end(data);
  });
}

// The page's own errors and warnings, from a listener put in after each
// load: WebDriver reports no console.
function listenToConsole() {
  if (window.vantrelConsole) return;
  var log = window.vantrelConsole = [];
  ["error", "warn"].forEach(function (type) {
    var original = console[type];
    console[type] = function () {
      log.push({ level: type, text: Array.prototype.map.call(arguments, String).join(" ") });
      return original.apply(console, arguments);
    };
  });
  addEventListener("error", function (e) { log.push({ level: "error", text: String(e.message || e.target && e.target.src) }); }, true);
  addEventListener("unhandledrejection", function (e) { log.push({ level: "error", text: String(e.reason) }); });
  addEventListener("securitypolicyviolation", function (e) { log.push({ level: "error", text: "blocked " + e.blockedURI }); });
}

// A page of WebKitGTK: one WebDriver session, which is one MiniBrowser.
class WebKitPage {
  constructor(driver, session, heard) {
    this.engine = "webkit";
    this.driver = driver;
    this.heard = heard;
    this.at = `/session/${session}`;
    const press = (type, key) => ({ type, value: keyCode(key) });
    const keys = (actions) => driver("POST", `${this.at}/actions`, { actions: [{ type: "key", id: "keyboard", actions }] });
    this.keyboard = {
      down: (key) => keys([press("keyDown", key)]),
      up: (key) => keys([press("keyUp", key)]),
      press: (key) => keys([press("keyDown", key), press("keyUp", key)]),
      type: (text) => keys([...text].flatMap((c) => [press("keyDown", c), press("keyUp", c)])),
    };
  }
  async run(source, args) {
    const script = `var args = Array.prototype.slice.call(arguments, 0, -1), done = arguments[arguments.length - 1];
      Promise.resolve().then(function () { return (${source}).apply(null, args); }).then(
        function (v) { done({ value: v === undefined ? null : v }); },
        function (e) { done({ error: String(e && e.stack || e) }); });`;
    // WebKitGTK's driver now and then loses a script's result on its way
    // back ("Could not parse script result", or an unknown error that says
    // nothing), a few times in a whole run; the script is run once more
    // then. The scripts the tests run read the page, or set what running
    // them twice sets alike. A second failure carries what the driver and
    // the browser printed, which tells a crashed page from a lost answer.
    let result;
    for (let attempt = 0; ; ++attempt) {
      try {
        result = await this.driver("POST", `${this.at}/execute/async`, { script, args });
        break;
      } catch (e) {
        const lost = /Could not parse script result|unknown error: $/.test(e.message);
        if (attempt > 0 && lost) e.message += `\nthe driver and the browser said:\n${this.heard()}`;
        if (attempt > 0 || !lost) throw e;
      }
    }
    if (result.error) throw new Error(result.error);
    return result.value;
  }
  evaluate(fn, ...args) { return this.run(fn.toString(), args); }
  $eval(selector, fn, ...args) {
    return this.run(`function (selector) {
      var e = document.querySelector(selector);
      if (!e) throw new Error("no element " + selector);
      return (${fn.toString()}).apply(null, [e].concat(Array.prototype.slice.call(arguments, 1)));
    }`, [selector, ...args]);
  }
  async goto(address) {
    await this.driver("POST", `${this.at}/url`, { url: address });
    await this.run(listenToConsole.toString(), []);
  }
  async reload() {
    await this.driver("POST", `${this.at}/refresh`, {});
    await this.run(listenToConsole.toString(), []);
  }
  // MiniBrowser's window has a header bar above the page: the window is
  // sized by what the page is short of.
  async setViewport(width, height) {
    for (let i = 0; i < 3; ++i) {
      const [w, h] = await this.evaluate(() => [innerWidth, innerHeight]);
      if (w === width && h === height) return;
      const rect = await this.driver("GET", `${this.at}/window/rect`);
      await this.driver("POST", `${this.at}/window/rect`, { width: rect.width + width - w, height: rect.height + height - h });
      await this.waitForFunction((a, b) => innerWidth === a && innerHeight === b, { timeout: 2000 }, width, height)
        .catch(() => {});
    }
    const got = await this.evaluate(() => [innerWidth, innerHeight]);
    if (got[0] !== width || got[1] !== height) throw new Error(`WebKit: viewport ${got} instead of ${width},${height}`);
  }
  async element(selector) {
    const found = await this.driver("POST", `${this.at}/element`, { using: "css selector", value: selector });
    return Object.values(found)[0];
  }
  focus(selector) { return this.$eval(selector, (e) => e.focus()); }
  async click(selector) { await this.driver("POST", `${this.at}/element/${await this.element(selector)}/click`, {}); }
  async waitForFunction(fn, { timeout = 5000 } = {}, ...args) {
    const end = Date.now() + timeout;
    for (;;) {
      if (await this.evaluate(fn, ...args)) return;
      if (Date.now() > end) throw new Error(`WebKit: waited ${timeout} ms for ${fn}`);
      await sleep(50);
    }
  }
  waitForSelector(selector, options) {
    return this.waitForFunction((s) => !!document.querySelector(s), options, selector);
  }
  // After two frames, so that the picture shows what the page last changed.
  async screenshot() {
    await this.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    return this.driver("GET", `${this.at}/screenshot`);
  }
  // Run by WebDriver itself: the page's policy refuses inline scripts.
  addScript(source) { return this.driver("POST", `${this.at}/execute/sync`, { script: source, args: [] }); }
  onRequest() { throw new Error("WebKit: WebDriver reports no requests"); }
  async consoleMessages() {
    return (await this.evaluate(() => (window.vantrelConsole || []).slice())).map((m) => ({ ...m, level: level(m.level) }));
  }
  close() { return this.driver("DELETE", this.at); }
}

// WebKitGTK's web process now and then stops on an assertion of its own,
// whatever the page was doing: the driver says "session deleted because of
// page crash or hang", or passes on MiniBrowser's "WebProcess CRASHED"
// after Skia's fatal error, and the kernel logs an invalid instruction in
// libwebkit2gtk. Here that took about one run in eighty of a test that
// installs a service worker. A test that failed while a page of it crashed
// so runs once more, and says so; every other failure stands. (A failure's
// location is then this line; its stack names the test's own.)
let pageCrashes = 0;
function test(name, ...rest) {
  const fn = rest.pop();
  return nodeTest(name, ...rest, async (t) => {
    const before = pageCrashes;
    try {
      return await fn(t);
    } catch (e) {
      if (pageCrashes === before) throw e;
      t.diagnostic(`WebKit's page crashed (${e.message.split("\n")[0]}); the test ran once more`);
      return await fn(t);
    }
  });
}
test.skip = nodeTest.skip;

function freePort() {
  return new Promise((resolve, reject) => {
    const s = net.createServer();
    s.on("error", reject);
    s.listen(0, "127.0.0.1", () => { const { port } = s.address(); s.close(() => resolve(port)); });
  });
}

// Ends a process that this file started, and waits for it.
function stop(child) {
  if (child.exitCode !== null || child.signalCode !== null) return Promise.resolve();
  return new Promise((resolve) => {
    child.once("exit", resolve);
    child.kill("SIGTERM");
  });
}

// An X server on a free display, large enough for the largest window the
// tests ask for; it reports the display it took on a pipe.
async function startX(scratch) {
  const x = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "2100x1600x24", "-nolisten", "tcp"],
    { stdio: ["ignore", "ignore", "ignore", "pipe"], cwd: scratch });
  const display = await new Promise((resolve, reject) => {
    let text = "";
    x.stdio[3].on("data", (d) => { text += d; if (text.includes("\n")) resolve(":" + text.trim()); });
    x.once("exit", (code) => reject(new Error(`Xvfb ended (${code})`)));
  });
  return { x, display };
}

// The processes under a process: id and start time, which tells a process
// from a later one given the same id.
function descendants(root) {
  const procs = [];
  for (const pid of fs.readdirSync("/proc").filter((d) => /^\d+$/.test(d))) {
    try {
      const text = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
      const f = text.slice(text.lastIndexOf(")") + 2).split(" ");
      procs.push({ pid: Number(pid), ppid: Number(f[1]), start: f[19] });
    } catch {
      // Ended while the list was read.
    }
  }
  const found = [];
  for (let parents = new Set([root]); parents.size;) {
    const next = procs.filter((p) => parents.has(p.ppid));
    found.push(...next);
    parents = new Set(next.map((p) => p.pid));
  }
  return found;
}
function startOf(pid) {
  try {
    const text = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
    return text.slice(text.lastIndexOf(")") + 2).split(" ")[19];
  } catch {
    return null;
  }
}

async function launchWebKit() {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "vantrel-webkit-"));
  const children = [];
  const close = async () => {
    // A browser that the driver started and left behind goes with it.
    const left = children.flatMap((c) => descendants(c.pid));
    for (const c of children.reverse()) await stop(c);
    for (const p of left) if (startOf(p.pid) === p.start) process.kill(p.pid, "SIGTERM");
    // A process still ending may write its shader cache there a moment longer.
    for (let tries = 0; ; ++tries) {
      try {
        fs.rmSync(scratch, { recursive: true, force: true });
        break;
      } catch (e) {
        if (e.code !== "ENOTEMPTY" || tries === 50) throw e;
        await sleep(100);
      }
    }
  };
  try {
    const { x, display } = await startX(scratch);
    children.push(x);
    const env = { ...process.env, DISPLAY: display, XDG_RUNTIME_DIR: scratch, HOME: scratch, XDG_CACHE_HOME: path.join(scratch, "cache"),
      XDG_DATA_HOME: path.join(scratch, "data"), XDG_CONFIG_HOME: path.join(scratch, "config"), NO_AT_BRIDGE: "1" };
    const port = await freePort();
    const server = spawn("WebKitWebDriver", [`--port=${port}`], { env, stdio: ["ignore", "pipe", "pipe"], cwd: scratch });
    children.push(server);
    // The last lines the driver and its browsers printed, for a failure to show.
    let said = "";
    const hear = (d) => { said = (said + d).slice(-4000); };
    server.stdout.on("data", hear);
    server.stderr.on("data", hear);
    const driver = webDriver(port);
    const sessions = new Set();
    for (let tries = 0; ; ++tries) {
      try {
        await driver("GET", "/status");
        break;
      } catch (e) {
        if (tries > 100) throw e;
        await sleep(100);
      }
    }
    return {
      engine: "webkit",
      name: names.webkit,
      pid: server.pid,
      xPid: x.pid,
      display,
      env,
      scratch,
      // What the console says while a page loads and runs for a while. An
      // automated MiniBrowser writes nothing of it, so a plain one opens the
      // page, with a second tab whose warning shows that the output is heard.
      async loadConsole(address, ms = 3000) {
        const probe = path.join(scratch, "probe.html");
        fs.writeFileSync(probe, '<!DOCTYPE html><title>probe</title><script>console.warn("probe: heard")</script>');
        const browser = spawn(executables.webkit, ["--enable-write-console-messages-to-stdout=true", address,
          url.pathToFileURL(probe).href], { env, stdio: ["ignore", "ignore", "pipe"], cwd: scratch });
        // Despite the setting's name, the messages come on standard error.
        let out = "";
        browser.stderr.on("data", (d) => { out += d; });
        const end = Date.now() + 20000;
        while (!out.includes("probe: heard") && Date.now() < end && browser.exitCode === null) await sleep(100);
        await sleep(ms);
        await stop(browser);
        if (!out.includes("probe: heard")) throw new Error(`WebKit: no console output heard: ${out}`);
        return out.split("\n").map((line) => /CONSOLE (\w+) (.*)$/.exec(line)).filter(Boolean)
          .map(([, type, text]) => ({ level: level(type), text })).filter((m) => m.text !== "probe: heard");
      },
      // A MiniBrowser that has not answered in a minute is given one more
      // try. The driver keeps one session at a time: one whose page crashed
      // without the driver ending it is ended here.
      async newPage() {
        const capabilities = { alwaysMatch: { browserName: "MiniBrowser",
          "webkitgtk:browserOptions": { binary: executables.webkit, args: ["--automation"] } } };
        let session;
        for (let tries = 0; ; ++tries) {
          try {
            session = await driver("POST", "/session", { capabilities });
            break;
          } catch (e) {
            if (tries === 3) throw e;
            if (/Maximum number of active sessions/.test(e.message)) {
              for (const id of sessions) await driver("DELETE", `/session/${id}`).catch(() => {});
              sessions.clear();
            }
          }
        }
        sessions.add(session.sessionId);
        const page = new WebKitPage(driver, session.sessionId, () => said);
        const end = page.close.bind(page);
        // A session the driver would not end stays on the list.
        page.close = () => end().then((value) => { sessions.delete(session.sessionId); return value; });
        return page;
      },
      close,
    };
  } catch (e) {
    await close();
    throw e;
  }
}

// Starts an engine: "chromium", "firefox" or "webkit".
function launch(engine = "chromium") {
  return engine === "webkit" ? launchWebKit() : launchPuppeteer(engine);
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

// Opens the page at the designed size and waits until the program has built it.
async function open(browser, address = fileUrl, width = 1010, height = 734) {
  const page = await browser.newPage();
  try {
    await page.setViewport(width, height);
    await page.goto(address);
    await page.waitForSelector("body[data-ready]", { timeout: 10000 });
  } catch (e) {
    await page.close();
    throw e;
  }
  return page;
}

// Types into the box as a user would, over whatever it held, without setting the angle.
async function typeInBox(page, text) {
  await page.focus("#txtAngle");
  await page.keyboard.down("Control");
  await page.keyboard.press("KeyA");
  await page.keyboard.up("Control");
  await page.keyboard.press("Backspace");
  await page.keyboard.type(text);
}

module.exports = { engines, names, launch, serve, open, site, fileUrl, sleep, startX, stop, executables, typeInBox, test };
