// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition's figures: its size, the time from navigation to the
// first frame on screen from a file, and the share of one core that the
// browser's processes use over one cycle at Fast, against the same page
// made to rebuild its whole scene on every tick.
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const { launch, site, fileUrl } = require("./browser.js");

const ticksPerSecond = 100; // the kernel's clock ticks in /proc/<pid>/stat

// CPU time in seconds of a process and all that it started.
function cpuSeconds(root) {
  const stats = [];
  for (const pid of fs.readdirSync("/proc").filter((d) => /^\d+$/.test(d))) {
    try {
      const text = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
      const f = text.slice(text.lastIndexOf(")") + 2).split(" ");
      stats.push({ pid: Number(pid), ppid: Number(f[1]), cpu: (Number(f[11]) + Number(f[12])) / ticksPerSecond });
    } catch {
      // The process ended while the list was read.
    }
  }
  const tree = new Set([root]);
  for (let grown = true; grown;) {
    grown = false;
    for (const s of stats) if (!tree.has(s.pid) && tree.has(s.ppid)) { tree.add(s.pid); grown = true; }
  }
  return stats.filter((s) => tree.has(s.pid)).reduce((sum, s) => sum + s.cpu, 0);
}

const median = (v) => v.slice().sort((a, b) => a - b)[Math.floor(v.length / 2)];

async function startTimes(browser, runs) {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    const page = await browser.newPage();
    await page.setViewport({ width: 1010, height: 734 });
    // The frame after the page has built its scene is the first one with the scene on it.
    await page.evaluateOnNewDocument(() => {
      new MutationObserver((_, observer) => {
        if (!document.body || !document.body.hasAttribute("data-ready")) return;
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => { window.firstFrame = performance.now(); }));
      }).observe(document, { attributes: true, subtree: true, attributeFilter: ["data-ready"] });
    });
    await page.goto(fileUrl);
    await page.waitForFunction(() => window.firstFrame !== undefined);
    times.push(await page.evaluate(() => window.firstFrame));
    await page.close();
  }
  return times;
}

// One cycle at Fast is 629 ticks of 20 ms.
// "changed": the page as it is; "whole": the scene made anew after every
// tick; "floor": paused, a 2 x 2 pixel square flipped at the same rate, the
// least that any repaint costs this browser.
async function cycleCpu(browser, pid, variant) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1010, height: 734 });
  await page.goto(fileUrl);
  await page.waitForSelector("body[data-ready]");
  if (variant === "whole") {
    // After each tick the scene is thrown away and made anew from a copy.
    await page.evaluate(() => {
      const watch = () => new MutationObserver(() => {
        const old = document.getElementById("scene");
        const copy = old.cloneNode(true);
        old.replaceWith(copy);
        watch();
      }).observe(document.getElementById("LineX"), { attributes: true, attributeFilter: ["x1"] });
      watch();
    });
  }
  await page.click("label:has(#optFast)");
  const before = cpuSeconds(pid);
  const start = process.hrtime.bigint();
  if (variant === "floor") {
    await page.evaluate(() => {
      const dot = Object.assign(document.createElement("div"), { style: "position:fixed;left:0;top:0;width:2px;height:2px;background:#000" });
      document.body.append(dot);
      let n = 0;
      setInterval(() => { dot.style.left = (n++ % 2) + "px"; }, 20);
    });
  } else {
    await page.click("#cmdPlay");
  }
  await new Promise((r) => setTimeout(r, 629 * 20));
  const used = cpuSeconds(pid) - before;
  const wall = Number(process.hrtime.bigint() - start) / 1e9;
  await page.close();
  return used / wall * 100;
}

(async () => {
  const zip = fs.readdirSync(path.dirname(site)).find((f) => /^vantrel-web-.*\.zip$/.test(f));
  const js = fs.readFileSync(path.join(site, "vantrel.js"), "utf8");
  const wasm = /data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)/.exec(js);
  console.log(`Size: zip ${fs.statSync(path.join(path.dirname(site), zip)).size} bytes (target at most 150 KB),` +
    ` WebAssembly ${wasm ? Buffer.from(wasm[1], "base64").length : "?"} bytes inside vantrel.js of ${js.length}`);
  const chromium = await launch();
  try {
    const pid = chromium.browser.process().pid;
    const times = await startTimes(chromium.browser, 7);
    console.log(`Start, navigation to the first frame from a file: median ${median(times).toFixed(0)} ms` +
      ` (${times.map((t) => t.toFixed(0)).join(", ")})`);
    // Interleaved, since the machine's load moves between runs.
    const shares = { changed: [], whole: [], floor: [] };
    for (let round = 0; round < 2; ++round) {
      for (const variant of Object.keys(shares)) shares[variant].push(await cycleCpu(chromium.browser, pid, variant));
    }
    const f = (v) => v.map((s) => s.toFixed(1) + " %").join(", ");
    console.log(`CPU over one cycle at Fast, share of one core, two rounds: the page ${f(shares.changed)};` +
      ` rebuilding the whole scene every tick ${f(shares.whole)}; any repaint at all ${f(shares.floor)}`);
  } finally {
    await chromium.close();
  }
})();
