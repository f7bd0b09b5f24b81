// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition's figures: its size, the time from navigation to the
// first frame on screen from a file in Chromium, and in each engine the CPU
// that the browser's processes use at Fast: the page, the same page
// rebuilding its whole scene on every tick, and the engine's floor, a page
// that changes one pixel per tick. The machine is shared, so the CPU is
// given as ratios to the floor measured in the same run, in slices taken
// in turn with the page's. Last, in Chromium slowed as a low-end phone
// is, the share of each tick's 20 ms that the page's main thread takes.
// With VANTREL_BASELINE_SITE set to another build's site/ folder, that page
// runs in the same rounds, "baseline", for a ratio of the two; "lab" is
// this page with the lab open, an open phase's path shown.
// Usage: node bench.js [chromium,firefox,webkit]
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const url = require("node:url");
const { engines, names, launch, open, site, fileUrl, sleep } = require("./browser.js");

const baseline = process.env.VANTREL_BASELINE_SITE
  ? url.pathToFileURL(path.resolve(process.env.VANTREL_BASELINE_SITE, "index.html")).href : null;

const ticksPerSecond = 100; // the kernel's clock ticks in /proc/<pid>/stat

// CPU time in seconds of each process under the given roots, by name.
function cpuByName(roots) {
  const stats = [];
  for (const pid of fs.readdirSync("/proc").filter((d) => /^\d+$/.test(d))) {
    try {
      const text = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
      const f = text.slice(text.lastIndexOf(")") + 2).split(" ");
      // Chromium's processes share one name and differ by their --type.
      const type = /--type=([\w-]+)/.exec(fs.readFileSync(`/proc/${pid}/cmdline`, "utf8"));
      const name = text.slice(text.indexOf("(") + 1, text.lastIndexOf(")")) + (type ? " " + type[1] : "");
      stats.push({ pid: Number(pid), name, ppid: Number(f[1]), cpu: (Number(f[11]) + Number(f[12])) / ticksPerSecond });
    } catch {
      // The process ended while the list was read.
    }
  }
  const tree = new Set(roots);
  for (let grown = true; grown;) {
    grown = false;
    for (const s of stats) if (!tree.has(s.pid) && tree.has(s.ppid)) { tree.add(s.pid); grown = true; }
  }
  const byName = {};
  for (const s of stats) if (tree.has(s.pid)) byName[s.name] = (byName[s.name] || 0) + s.cpu;
  return byName;
}
const total = (byName) => Object.values(byName).reduce((a, b) => a + b, 0);

const median = (v) => v.slice().sort((a, b) => a - b)[Math.floor(v.length / 2)];

// Chromium alone tells when a document starts, before its own scripts run.
async function startTimes(runs) {
  const browser = await launch("chromium");
  const times = [];
  try {
    for (let i = 0; i < runs; ++i) {
      const page = await browser.newPage();
      await page.setViewport(1010, 734);
      // The frame after the page has built its scene is the first one with the scene on it.
      await page.page.evaluateOnNewDocument(() => {
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
  } finally {
    await browser.close();
  }
  return times;
}

// The floor: the window's grey, and one pixel in a corner that changes
// colour every 20 ms, as often as the page's ticks at Fast.
const floorPage = `<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>floor</title></head>
<body style="margin:0;height:100vh;background:#C0C0C0">
<div id="dot" style="position:fixed;left:0;top:0;width:1px;height:1px;background:#000"></div>
<script>
var dot = document.getElementById("dot"), n = 0;
setInterval(function () { dot.style.background = (n++ % 2) ? "#000" : "#fff"; }, 20);
document.body.setAttribute("data-ready", "");
</script></body></html>
`;

// One cycle at Fast is 629 ticks of 20 ms, measured in slices that start
// at moments spread over the cycle, each beside the other variants' and
// the floor's: on a shared machine the load moves within seconds, and a
// floor measured a minute apart from the page judged it by another load.
// "page": the page as it is, playing; "whole": the scene made anew after
// every tick; "floor": the page above.
const SLICES = 6;
async function sliceCpu(browser, roots, variant, floorUrl, slice) {
  const moment = `angle=${Math.round(360 * slice / SLICES)}&speed=fast&play`;
  const address = { floor: floorUrl, baseline: `${baseline}?${moment}`, lab: `${fileUrl}?open=r&locus&${moment}` }[variant] ||
    `${fileUrl}?${moment}`;
  const page = await open(browser, address);
  try {
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
    // Settled before the count starts.
    await sleep(500);
    const before = cpuByName(roots);
    const start = process.hrtime.bigint();
    await sleep(629 * 20 / SLICES);
    const after = cpuByName(roots);
    const cpu = {};
    for (const [name, seconds] of Object.entries(after)) cpu[name] = seconds - (before[name] || 0);
    return { cpu, wall: Number(process.hrtime.bigint() - start) / 1e9 };
  } finally {
    await page.close();
  }
}

// A round: each variant's share of one core, in % by process, over one
// cycle's slices.
async function roundCpu(browser, roots, variants, floorUrl) {
  const sums = {};
  for (let slice = 0; slice < SLICES; ++slice) {
    // Each in turn first, so that none always follows another.
    const order = variants.map((v, i) => variants[(i + slice) % variants.length]);
    for (const v of order) {
      const { cpu, wall } = await sliceCpu(browser, roots, v, floorUrl, slice);
      const sum = sums[v] = sums[v] || { cpu: {}, wall: 0 };
      sum.wall += wall;
      for (const [name, seconds] of Object.entries(cpu)) sum.cpu[name] = (sum.cpu[name] || 0) + seconds;
    }
  }
  const shares = {};
  for (const [v, sum] of Object.entries(sums)) {
    shares[v] = {};
    for (const [name, seconds] of Object.entries(sum.cpu)) shares[v][name] = seconds / sum.wall * 100;
  }
  return shares;
}

async function engineCpu(engine, floorUrl) {
  const browser = await launch(engine);
  try {
    // WebKit paints to its X server, whose work is part of every frame.
    const roots = [browser.pid, ...(browser.xPid ? [browser.xPid] : [])];
    const variants = ["page", "lab", "whole", "floor", ...(baseline ? ["baseline"] : [])];
    const rounds = [];
    for (let round = 0; round < 2; ++round) rounds.push(await roundCpu(browser, roots, variants, floorUrl));
    const pct = (s) => total(s).toFixed(1) + " %";
    const ratio = (v) => rounds.map((r) => (total(r[v]) / total(r.floor)).toFixed(2)).join(", ");
    console.log(`${names[engine]}, CPU at Fast over one cycle, two rounds, as ratios to the floor` +
      ` (a page that changes one pixel per tick; goal at most 1.5): the page ${ratio("page")};` +
      ` with the lab's path shown ${ratio("lab")}; rebuilding the whole scene every tick ${ratio("whole")}` +
      (baseline ? `; the baseline page ${ratio("baseline")}; this page to the baseline ` +
        rounds.map((r) => (total(r.page) / total(r.baseline)).toFixed(2)).join(", ") : ""));
    console.log(`  share of one core: the page ${rounds.map((r) => pct(r.page)).join(", ")};` +
      ` whole scene ${rounds.map((r) => pct(r.whole)).join(", ")}; floor ${rounds.map((r) => pct(r.floor)).join(", ")}`);
    // Where the time goes: each process's part, the page against the floor, in the second round.
    const last = rounds[rounds.length - 1];
    const parts = Object.keys({ ...last.page, ...last.floor })
      .map((n) => [n, last.page[n] || 0, last.floor[n] || 0])
      .filter(([, a, b]) => a >= 0.5 || b >= 0.5)
      .sort((a, b) => b[1] - a[1]);
    console.log(`  by process, page / floor: ${parts.map(([n, a, b]) => `${n} ${a.toFixed(1)} / ${b.toFixed(1)} %`).join(", ")}`);
  } finally {
    await browser.close();
  }
}

// A low-end phone: Chromium's CPU slowed four times. Over a few seconds at
// Fast, the renderer's main thread time per tick (the program's tick, the
// drawing and the frame it makes) as a share of the tick's 20 ms, against
// the floor's, from a trace of its top-level tasks.
async function slowedTicks(floorUrl) {
  const browser = await launch("chromium");
  const shares = {};
  try {
    for (const [variant, address] of [["page", fileUrl], ["floor", floorUrl]]) {
      const page = await open(browser, address);
      try {
        if (variant === "page") {
          await page.click("label:has(#optFast)");
          await page.click("#cmdPlay");
        }
        const session = await page.page.createCDPSession();
        await session.send("Emulation.setCPUThrottlingRate", { rate: 4 });
        await sleep(500);
        await page.page.tracing.start({ categories: ["toplevel", "devtools.timeline"] });
        const start = process.hrtime.bigint();
        await sleep(4000);
        const trace = JSON.parse(Buffer.from(await page.page.tracing.stop()).toString("utf8"));
        const wall = Number(process.hrtime.bigint() - start) / 1e6;
        const events = trace.traceEvents || trace;
        const main = new Set(events.filter((e) => e.name === "thread_name" && e.args.name === "CrRendererMain")
          .map((e) => e.pid + ":" + e.tid));
        let busy = 0, end = 0;
        for (const e of events.filter((e) => e.ph === "X" && main.has(e.pid + ":" + e.tid)).sort((a, b) => a.ts - b.ts)) {
          if (e.ts < end) continue;
          end = e.ts + e.dur;
          busy += e.dur / 1000;
        }
        // The ticks in that time: one each 20 ms.
        shares[variant] = busy / (wall / 20) / 20;
      } finally {
        await page.close();
      }
    }
  } finally {
    await browser.close();
  }
  console.log(`Chromium with its CPU slowed four times, the renderer's main thread per 20 ms tick at Fast:` +
    ` the page ${(shares.page * 100).toFixed(0)} % of the tick's budget, the floor ${(shares.floor * 100).toFixed(0)} %`);
}

(async () => {
  const chosen = process.argv[2] ? process.argv[2].split(",") : engines;
  const zip = fs.readdirSync(path.dirname(site)).find((f) => /^vantrel-web-.*\.zip$/.test(f));
  const js = fs.readFileSync(path.join(site, "vantrel.js"), "utf8");
  const wasm = /data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)/.exec(js);
  console.log(`Size: zip ${fs.statSync(path.join(path.dirname(site), zip)).size} bytes (target at most 200 KB, with every language and its fonts),` +
    ` WebAssembly ${wasm ? Buffer.from(wasm[1], "base64").length : "?"} bytes inside vantrel.js of ${js.length}`);
  if (chosen.includes("chromium")) {
    const times = await startTimes(7);
    console.log(`Start in Chromium, navigation to the first frame from a file: median ${median(times).toFixed(0)} ms` +
      ` (${times.map((t) => t.toFixed(0)).join(", ")})`);
  }
  // The floor page lives in a folder made for this run, removed with it.
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "vantrel-bench-"));
  try {
    const floor = path.join(scratch, "floor.html");
    fs.writeFileSync(floor, floorPage);
    for (const engine of chosen) await engineCpu(engine, url.pathToFileURL(floor).href);
    if (chosen.includes("chromium")) await slowedTicks(url.pathToFileURL(floor).href);
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }
})().catch((e) => {
  console.error(e);
  process.exitCode = 1;
});
