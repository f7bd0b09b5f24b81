// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The SCORM package in a test platform: scorm-again's SCORM 1.2 runtime in a
// page that shows the unpacked package in a frame (or a window it opens),
// served on the loopback address, as a platform serves it. What the page
// calls is logged by the runtime's own listeners. Chromium only.
"use strict";

const { describe, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { engines, launch, serve, site, sleep, typeInBox, test } = require("./browser.js");

const build = path.dirname(site);
const zip = fs.readdirSync(build).find((n) => /^vantrel-scorm-.+\.zip$/.test(n));
const PLATFORM = `<!DOCTYPE html><meta charset="utf-8"><title>Test platform</title><link rel="icon" href="data:,"><script src="scorm12.js"></script>
<body style="margin:0"><iframe id="sco" title="Vantrel" style="border:0; display:block"></iframe></body>`;

// In the platform's page: a fresh runtime, with a student's stored record
// if any, and the log, with the times the location was kept; then the
// package at `src`, in the frame or a window.
function host(stored, src, width, height, popup) {
  window.log = [];
  window.kept = [];
  window.API = new Scorm12API({ logLevel: 5 });
  if (stored) API.loadFromJSON({ core: { lesson_location: stored, lesson_status: "incomplete", entry: "resume" } });
  ["LMSInitialize", "LMSCommit", "LMSFinish", "LMSSetValue.cmi.*"].forEach((name) => API.on(name, (element, value) =>
    log.push(element === undefined ? [name] : [element, value])));
  API.on("LMSSetValue.cmi.core.lesson_location", () => kept.push(performance.now()));
  if (popup) window.popup = window.open(src, "sco", `width=${width},height=${height}`);
  else Object.assign(document.getElementById("sco"), { width, height, src });
}

describe("SCORM package in Chromium", { timeout: 5 * 60 * 1000, skip: !engines.includes("chromium") }, () => {
  let browser, server, root, page, frame, errors;
  before(async () => {
    root = fs.mkdtempSync(path.join(os.tmpdir(), "vantrel-scorm-"));
    execFileSync("python3", ["-m", "zipfile", "-e", path.join(build, zip), path.join(root, "sco")]);
    fs.copyFileSync(path.join(__dirname, "node_modules/scorm-again/dist/scorm12.js"), path.join(root, "scorm12.js"));
    fs.writeFileSync(path.join(root, "platform.html"), PLATFORM);
    server = await serve(root);
    browser = await launch("chromium");
  });
  after(async () => {
    await browser?.close();
    await server?.close();
    if (root) fs.rmSync(root, { recursive: true, force: true });
  });

  // Opens the platform with the package in it, ready; `frame` is the package's.
  async function platform({ stored = "", width = 1010, height = 734, popup = false, origin = server.url } = {}) {
    page = await browser.newPage();
    errors = [];
    const listen = (p) => p.on("pageerror", (e) => errors.push(e.message))
      .on("console", (m) => { if (m.type() === "error") errors.push(m.text()); });
    listen(page.page);
    await page.setViewport(1200, 900);
    await page.goto(`${origin}platform.html`);
    const opened = popup ? new Promise((r) => page.page.once("popup", r)) : null;
    await page.evaluate(host, stored, `${server.url}sco/index.html`, width, height, popup);
    frame = popup ? listen(await opened).mainFrame() : await (await page.page.$("#sco")).contentFrame();
    await frame.waitForSelector("body[data-ready]", { timeout: 10000 });
    return page;
  }
  const log = () => page.evaluate(() => window.log);
  const stored = async () => (await log()).filter(([e]) => e === "cmi.core.lesson_location").map(([, v]) => v);
  const until = (fn, arg) => page.waitForFunction(fn, { timeout: 3000, polling: 100 }, arg);
  const close = async () => { assert.deepEqual(errors, []); await page.close(); };

  test("manifest: well-formed, every file of the zip listed once", () => {
    execFileSync("python3", [path.join(__dirname, "scorm_manifest.py"), "--zip", path.join(build, zip)]);
  });

  for (const popup of [false, true]) test(`the calls, in a ${popup ? "window it opens" : "frame"}`, async () => {
    await platform({ popup });
    assert.deepEqual((await log()).slice(0, 3), [["LMSInitialize"], ["cmi.core.lesson_status", "incomplete"], ["LMSCommit"]]);
    assert.equal(await frame.evaluate(() => navigator.serviceWorker.getRegistrations().then((r) => r.length)), 0);
    // A pause, Set Angle and a lab change each settle a moment: each is kept
    // and committed, at most once a second.
    await frame.click("#cmdPlay");
    await sleep(300);
    await frame.click("#cmdPlay");
    await until(() => log.some(([e]) => e === "cmi.core.lesson_location"));
    const paused = Number(/^angle=(\d+(?:\.\d+)?)$/.exec((await stored())[0])[1]);
    assert.ok(paused > 0 && paused < 360, `paused at ${paused}`);
    for (const angle of ["10", "20", "30", "90"]) {
      await typeInBox({ focus: (s) => frame.focus(s), keyboard: frame.page().keyboard }, angle);
      await frame.click("#cmdAngle");
    }
    await until((v) => API.cmi.core.lesson_location === v, "angle=90");
    await frame.click("#labButton");
    await frame.click("#labR");
    await until((v) => API.cmi.core.lesson_location === v, "angle=90&open=r");
    const writes = await stored(), times = await page.evaluate(() => window.kept);
    assert.deepEqual(writes.slice(-2), ["angle=90", "angle=90&open=r"]);
    writes.slice(1, -2).forEach((w) => assert.match(w, /^angle=[123]0$/));
    times.slice(1).forEach((t, i) => assert.ok(t - times[i] > 990, `kept ${t - times[i]} ms after the last`));
    const calls = (await log()).map(([e]) => e).join(" ");
    assert.equal(calls.split("cmi.core.lesson_location LMSCommit").length - 1, writes.length, calls);
    // Leaving the page: a commit, then the end, once.
    await page.evaluate(() => (window.popup ? window.popup.close() : document.getElementById("sco").src = "about:blank"));
    await until(() => log.some(([e]) => e === "LMSFinish"));
    await sleep(300);
    const end = (await log()).slice(-4);
    assert.deepEqual(end, [["cmi.core.exit", "suspend"], end[1], ["LMSCommit"], ["LMSFinish"]]);
    assert.match(end[1][1], /^\d{4}:\d\d:\d\d\.\d\d$/);
    await close();
  });

  // The moment and the experiment the student left, as a link opens them,
  // kept as they were, in a frame that the scene (and the lab's panel
  // beside it) fills without scrolling sideways.
  for (const [location, width, height, angle, checked, path] of [
    ["angle=45", 360, 640, "45", ["labR", "labY", "labB", "labNeutral"], "hidden"],
    ["angle=90&open=r&neutral=no&locus", 900, 600, "90", ["labY", "labB", "labPath"], "visible"]]) {
    test(`resumes ${location} in a ${width}x${height} frame`, async () => {
      await platform({ stored: location, width, height });
      const [shown, scroll, client, scene, lab] = await frame.evaluate(() => [[document.getElementById("txtAngle").value,
        [...document.querySelectorAll("#lab input:checked")].map((e) => e.id),
        document.querySelector("polyline").getAttribute("visibility")], document.documentElement.scrollWidth,
        document.documentElement.clientWidth, document.getElementById("scene").getBoundingClientRect().toJSON(),
        document.getElementById("lab").getBoundingClientRect().width]);
      assert.deepEqual(shown, [angle, checked, path]);
      assert.ok(scroll <= client, `${scroll} wide in ${client}`);
      assert.ok(Math.max((scene.width + lab) / width, scene.height / height) > 0.9, `scene ${scene.width}x${scene.height}`);
      await sleep(1500);
      assert.deepEqual(await stored(), []);
      assert.equal(await page.evaluate(() => API.cmi.core.lesson_status), "incomplete");
      await close();
    });
  }

  // One whole turn, 629 ticks, 2 pi in hundredths of a radian, counted by
  // the resultant's moves while playing at Fast (20 ms a tick).
  test("completed after one whole turn played", async () => {
    await platform();
    await frame.evaluate(() => {
      window.moves = 0;
      new MutationObserver((r) => { window.moves += r.length; })
        .observe(document.getElementById("LineW"), { attributes: true, attributeFilter: ["x2"] });
    });
    await page.evaluate(() => API.on("LMSSetValue.cmi.core.lesson_status", () => {
      window.movesAtCompletion = document.getElementById("sco").contentWindow.moves;
    }));
    await frame.click("#optFast");
    await frame.click("#cmdPlay");
    await page.waitForFunction(() => window.movesAtCompletion !== undefined, { timeout: 60000, polling: 100 });
    const moves = await page.evaluate(() => window.movesAtCompletion);
    // Checked once a second: at most a second's ticks past the turn, with room for a slow machine.
    assert.ok(moves >= 629 && moves <= 629 + 150, `completed after ${moves} ticks`);
    assert.equal(await page.evaluate(() => API.cmi.core.lesson_status), "completed");
    await close();
  });

  // Framed by a platform of another origin, whose API the page may not
  // reach: the plain page, with its service worker over http.
  test("without a platform, the plain page", async () => {
    await platform({ origin: server.url.replace("127.0.0.1", "localhost") });
    assert.deepEqual([await page.evaluate(() => window.log), await frame.evaluate(() => vantrelScorm.platform)], [[], false]);
    const tip = () => frame.$eval("#LineW", (e) => [e.getAttribute("x2"), e.getAttribute("y2")]);
    const still = await tip();
    await frame.click("#cmdPlay");
    await sleep(300);
    assert.notDeepEqual(await tip(), still);
    await frame.evaluate(() => navigator.serviceWorker.ready);
    await close();
  });
});
