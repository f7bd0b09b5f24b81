// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in every language, in each engine: the words expected are read
// from po/<code>.po as build-web/catalogs.json holds them, never from the program, and
// the scene each language draws is held against the English one.
"use strict";

const { describe, before, after } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const { engines, names, launch, serve, open, fileUrl, typeInBox, test } = require("./browser.js");

// The catalogs as their translators wrote them in po/, read by
// scripts/catalogs.py (polib) when the page is built, never by the program.
const read = JSON.parse(fs.readFileSync(path.resolve(__dirname, "../../build-web/catalogs.json"), "utf8"));
const codes = read.languages;
// The languages that write a decimal comma, as the issue names them.
const commaLanguages = ["de", "es", "fr", "pt_BR", "ru", "id"];

// A catalog's translations, "context\u0004msgid" -> [msgstr, msgstr[1], ...],
// and its plural rule.
function readCatalog(code) {
  const catalog = read.catalogs[code];
  const entries = new Map(catalog.entries.map((e) => [(e.context ? e.context + "\u0004" : "") + e.id, e.strings]));
  const header = catalog.pluralForms;
  // The catalog's own rule, a C expression that is JavaScript as well.
  const plural = new Function("n", "return Number(" + /plural=([^;]*);/.exec(header)[1] + ");");
  return {
    tr: (msgid, context) => (entries.get((context ? context + "\u0004" : "") + msgid) || [msgid])[0] || msgid,
    trn: (singular, _, n) => entries.get(singular)[plural(n)],
    size: entries.size,
  };
}

const english = { tr: (msgid) => msgid, trn: (s, p, n) => (n === 1 ? s : p), size: 0 };
const catalogs = Object.fromEntries([["en", english], ...codes.map((c) => [c, readCatalog(c)])]);

// Every captioned element with its designed English caption.
const captions = { Frame2: "Current Direction", Label4: "Upwards", Label3: "Downwards", cmdAngle: "Set Angle",
  Frame1: "Speed", optFast: "Fast", optMed: "Medium", optSlow: "Slow", cmdPlay: "Play", Label2: "Phase Angle:",
  lblAngle: "Angle" };
const directions = ["right", "up and right", "up", "up and left", "left", "down and left", "down", "down and right"]
  .map((d) => `Field points ${d}.`).concat(["Field is zero."]);

// Each caption as shown, and whether its text lies across its designed
// rectangle: a painted label's text within its rectangle, a control's
// within the control, an option's mark and text within the option, a group
// box's caption within the box.
function shownCaptions(page, names) {
  return page.evaluate((names) => {
    const range = (node) => { const r = document.createRange(); r.selectNodeContents(node); return r.getBoundingClientRect(); };
    // A pixel either way for a glyph's side bearing, as boxes round to pixels.
    const within = (inner, outer) => inner.left >= outer.left - 1 && inner.right <= outer.right + 1;
    const out = {};
    for (const name of names) {
      const e = document.getElementById(name);
      let text, fits;
      const drawnOn = document.querySelector(`canvas[data-shows~="${name}"]`);
      if (drawnOn && !e.querySelector("text").getClientRects().length) {
        // A caption drawn with its label on a canvas: within the label's
        // rectangle there, its ink stops short of the far edge, where a
        // caption too long for it would be cut.
        const ctx = drawnOn.getContext("2d"), c = drawnOn.getBoundingClientRect(), r = e.querySelector("rect").getBoundingClientRect();
        const k = drawnOn.width / c.width;
        const left = Math.floor((r.left - c.left) * k), right = Math.ceil((r.right - c.left) * k) - 1;
        const top = Math.floor((r.top - c.top) * k), h = Math.ceil((r.bottom - c.top) * k) - top;
        const back = ctx.getImageData(left, top, 1, 1).data;
        const edge = ctx.getImageData(document.documentElement.dir === "rtl" ? left : right, top, 1, h).data;
        text = e.querySelector("text").textContent;
        fits = true;
        for (let i = 0; i < edge.length; i += 4) {
          if (Math.abs(edge[i] - back[0]) + Math.abs(edge[i + 1] - back[1]) + Math.abs(edge[i + 2] - back[2]) > 60) fits = false;
        }
      } else if (e instanceof SVGElement) {
        // The text's advance, as drawn, within the rectangle's width; its ink
        // where the rectangle is, give or take a glyph's overhang.
        const t = e.querySelector("text"), r = e.querySelector("rect").getBoundingClientRect();
        const advance = t.getComputedTextLength() * t.getScreenCTM().a;
        const ink = t.getBoundingClientRect();
        text = t.textContent;
        fits = advance <= r.width + 0.5 && ink.left >= r.left - 2 && ink.right <= r.right + 2;
      } else if (e.type === "radio") {
        const label = e.parentNode;
        text = label.textContent;
        fits = within(range(label.lastChild), label.getBoundingClientRect()) &&
          within(e.getBoundingClientRect(), label.getBoundingClientRect());
      } else if (e.tagName === "FIELDSET") {
        const legend = e.querySelector("legend");
        text = legend.textContent;
        fits = within(legend.getBoundingClientRect(), e.getBoundingClientRect());
      } else {
        text = e.textContent;
        fits = within(range(e), e.getBoundingClientRect());
      }
      out[name] = { text, fits };
    }
    return out;
  }, names);
}

function state(page) {
  return page.evaluate(() => {
    const line = (id) => ["x1", "y1", "x2", "y2"].map((a) => Number(document.getElementById(id).getAttribute(a)));
    return {
      lang: document.documentElement.lang, dir: document.documentElement.dir,
      play: document.getElementById("cmdPlay").textContent, box: document.getElementById("txtAngle").value,
      readOut: document.getElementById("lblAngle").textContent,
      announce: document.getElementById("announce").textContent,
      lines: ["LineR", "LineY", "LineB", "LineW"].map(line),
    };
  });
}

async function setAngle(page, text) {
  await typeInBox(page, text);
  await page.click("#cmdAngle");
  return state(page);
}

// The English spoken frame, said again in a language: its numbers stay,
// its words and its decimal mark are the catalog's.
function spokenIn(code, englishFrame) {
  const m = /^Phase angle (-?\d+) degrees?\. Currents: R (\S+), Y (\S+), B (\S+)\. (.*)$/.exec(englishFrame);
  assert.ok(m, `an English spoken frame: ${englishFrame}`);
  const c = catalogs[code], n = Number(m[1]);
  const mark = (v) => (commaLanguages.includes(code) ? v.replace(".", ",") : v);
  const fill = (pattern, values) => pattern.replace(/\{(\d)\}/g, (_, i) => values[Number(i)]);
  assert.ok(directions.includes(m[5]), `a direction: ${m[5]}`);
  return fill(c.tr("{0} {1} {2}", "spoken frame"), [
    fill(c.trn("Phase angle {0} degree.", "Phase angle {0} degrees.", Math.abs(n)), [m[1]]),
    fill(c.tr("Currents: R {0}, Y {1}, B {2}."), [m[2], m[3], m[4]].map(mark)),
    c.tr(m[5]),
  ]);
}

const tagOf = (code) => code.replace("_", "-");

for (const engine of engines) describe(`${names[engine]}: languages`, { timeout: 10 * 60 * 1000 }, () => {
  let browser;
  // The English page at the angles the languages are held against.
  const inEnglish = {};
  before(async () => {
    browser = await launch(engine);
    await withPage(async (page) => {
      inEnglish.ninety = await setAngle(page, "90");
      inEnglish.comma = await setAngle(page, "400,5");
      inEnglish.point = await setAngle(page, "400.5");
    }, fileUrl + "?locale=en");
  });
  after(async () => { if (browser) await browser.close(); });

  async function withPage(fn, address) {
    const page = await open(browser, address);
    try {
      return await fn(page);
    } finally {
      await page.close();
    }
  }

  for (const code of ["en", ...codes]) {
    test(`${code}: the catalog's captions fit, Play and Pause, the decimal mark, the same scene, the spoken frame`,
      () => withPage(async (page) => {
        const c = catalogs[code];
        assert.ok(c === english || c.size > 40, `${code}: ${c.size} texts read`);
        const start = await state(page);
        assert.equal(start.lang, tagOf(code));
        assert.equal(start.dir, code === "ar" ? "rtl" : "ltr");
        const shown = await shownCaptions(page, Object.keys(captions));
        for (const [name, msgid] of Object.entries(captions)) {
          assert.equal(shown[name].text, c.tr(msgid), `${code}: ${name}`);
          assert.ok(shown[name].fits, `${code}: ${name}'s "${shown[name].text}" leaves its rectangle`);
        }
        const ninety = await setAngle(page, "90");
        assert.deepEqual(ninety.lines, inEnglish.ninety.lines);
        assert.equal(ninety.announce, spokenIn(code, inEnglish.ninety.announce));
        const comma = await setAngle(page, "400,5");
        if (commaLanguages.includes(code)) {
          assert.equal(comma.box, inEnglish.point.box.replace(".", ","));
          assert.deepEqual(comma.lines, inEnglish.point.lines);
          assert.equal(comma.readOut, inEnglish.point.readOut.replace(/\D+$/, "") + c.tr(" deg."));
        } else {
          // As in English: neither the box nor the angle changes.
          assert.equal(comma.box, "400,5");
          assert.deepEqual(comma.lines, ninety.lines);
        }
        await page.click("#cmdPlay");
        assert.equal((await state(page)).play, c.tr("Pause"));
        await page.click("#cmdPlay");
        assert.equal((await state(page)).play, c.tr("Play"));
        const fitAfter = await shownCaptions(page, ["lblAngle", "cmdPlay"]);
        assert.ok(fitAfter.lblAngle.fits && fitAfter.cmdPlay.fits, `${code}: the read-out or Pause leaves its rectangle`);
      }, fileUrl + "?locale=" + tagOf(code)));
  }

  test("the chooser switches at once, keeping the animation, and the address carries it", () => withPage(async (page) => {
    await setAngle(page, "100");
    await page.click("#cmdPlay");
    await page.evaluate(() => { window.notReloaded = true; });
    const choice = await page.evaluate(() => {
      const chooser = document.getElementById("language");
      const options = [...chooser.options].map((o) => [o.value, o.textContent]);
      chooser.value = "ru";
      chooser.dispatchEvent(new Event("change", { bubbles: true }));
      // It covers nothing of the designed scene.
      const c = chooser.getBoundingClientRect();
      const covered = [...document.querySelectorAll("#scene > [id], #stage > .control, #stage > fieldset")]
        .filter((e) => e !== chooser && e.getBoundingClientRect().width > 0).filter((e) => {
          const r = e.getBoundingClientRect();
          return r.left < c.right && c.left < r.right && r.top < c.bottom && c.top < r.bottom;
        }).map((e) => e.id);
      return { options, name: chooser.getAttribute("aria-label"), search: location.search, kept: window.notReloaded, covered };
    });
    assert.equal(choice.options.length, codes.length + 1);
    assert.deepEqual(choice.options[0], ["en", "English"]);
    assert.ok(choice.options.every(([tag]) => tag !== "en-XA"), "the pseudo-locale is for testers only");
    assert.equal(choice.name, catalogs.ru.tr("Language"));
    assert.equal(choice.kept, true);
    assert.deepEqual(choice.covered, []);
    assert.equal(new URLSearchParams(choice.search).get("locale"), "ru");
    const s = await state(page);
    assert.equal(s.lang, "ru");
    assert.equal(s.play, catalogs.ru.tr("Pause"), "still playing");
    assert.equal(s.box, "100");
  }, fileUrl + "?locale=en&speed=fast"));

  test("the address: a tag or a locale name, the pseudo-locale, anything else", () => withPage(async (page) => {
    for (const [query, lang, play] of [
      ["?locale=pt-BR", "pt-BR", catalogs.pt_BR.tr("Play")],
      ["?locale=pt_BR", "pt-BR", catalogs.pt_BR.tr("Play")],
      ["?locale=en-XA", "en-XA", null],
      ["?locale=%3Cb%3Ex%3C%2Fb%3E", "en", "Play"],
      ["?locale=" + "x".repeat(5000), "en", "Play"],
    ]) {
      await page.goto(fileUrl + query);
      await page.waitForSelector("body[data-ready]");
      const s = await state(page);
      assert.equal(s.lang, lang, query);
      if (play) assert.equal(s.play, play, query);
      else assert.match(s.play, /^\[Þļåý[·~]+\]$/, "bracketed, accented, longer");
      assert.equal(await page.evaluate(() => document.querySelectorAll("b").length), 0);
    }
  }));

  test("Arabic reads right to left, and the scene keeps its direction", () => withPage(async (page) => {
    const got = await page.evaluate(() => {
      const style = (id) => getComputedStyle(document.getElementById(id)).direction;
      const option = document.getElementById("optSlow"), r = document.createRange();
      r.selectNodeContents(option.parentNode.lastChild);
      return { box: style("txtAngle"), scene: style("scene"), label: document.querySelector("#Label2 text").getAttribute("direction"),
        markRight: option.getBoundingClientRect().left >= r.getBoundingClientRect().right };
    });
    assert.deepEqual(got, { box: "rtl", scene: "ltr", label: "rtl", markRight: true });
  }, fileUrl + "?locale=ar"));

  if (engine === "chromium") test("over http: each language's description and manifest", async () => {
    const server = await serve();
    try {
      for (const code of ["en", "ar", "zh_CN"]) {
        await withPage(async (page) => {
          const got = await page.evaluate(async () => {
            const link = document.querySelector("link[rel=manifest]");
            return { meta: document.querySelector("meta[name=description]").content, title: document.title,
              manifest: await (await fetch(link.href)).json() };
          });
          const description = catalogs[code].tr("Watch three phase currents build a rotating magnetic field");
          assert.equal(got.title, "Vantrel");
          assert.equal(got.meta, description);
          assert.deepEqual([got.manifest.name, got.manifest.lang, got.manifest.description], ["Vantrel", tagOf(code), description]);
        }, server.url + "index.html?locale=" + code);
      }
    } finally {
      await server.close();
    }
  });
});
