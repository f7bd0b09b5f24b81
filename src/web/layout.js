// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fits the page to a phone or a tablet. Where the designed window, scaled to
// the screen, leaves every caption and every control big enough to read and
// press, nothing changes. Otherwise the scene is shown as regions, each a
// rectangle of the designed scene at one scale of its own, arranged in one
// column on an upright screen or two on a phone held sideways. The regions,
// their elements, the thresholds, which arrangement a screen gets and where
// each region goes come from the program; this script only measures the
// screen and moves what app.js built. What is read off the program goes by
// the names page_contract knows (design, table, r, m, a, arrangement,
// arranged, placed).
"use strict";

(function () {
  var SVG = "http://www.w3.org/2000/svg";

  var table, client, twipsPerPixel, ascent;
  var stage, scene;
  var home = null;         // where everything lay as app.js built it
  var moved = [];          // [element, attribute or "style", its value as built]
  var grown = [];          // the same, for captions grown to the threshold
  var views = {};          // region name -> its box, view and drawing
  var current = "designed", lastSize = "";
  var coarse = window.matchMedia ? window.matchMedia("(pointer: coarse)") : null;

  // The event carries the program's tables: the layout, the client area in
  // twips, the twips a pixel and the font's ascent, as app.js hangs a
  // label's text from its top.
  document.addEventListener("vantrel-built", function (event) {
    var design = event.detail && event.detail.layout ? event.detail : window.vantrelTables;
    if (!design || !design.layout) return;
    table = design.layout;
    client = design.client;
    twipsPerPixel = design.twipsPerPixel;
    ascent = design.ascent;
    stage = document.getElementById("stage");
    scene = document.getElementById("scene");
    // The box answers the on-screen keyboard's Go as Enter, which is Set Angle.
    document.getElementById("txtAngle").setAttribute("enterkeyhint", "go");
    relayout();
    window.addEventListener("resize", relayout);
    if (coarse && coarse.addEventListener) coarse.addEventListener("change", relayout);
  });

  function regionDef(name) {
    for (var i = 0; i < table.regions.length; ++i) if (table.regions[i].name === name) return table.regions[i];
    return null;
  }

  // The viewport in CSS pixels, without a scroll bar's width.
  function viewport() {
    return [document.documentElement.clientWidth || window.innerWidth, window.innerHeight];
  }

  // Elements move only when the arrangement changes, as when the device
  // turns; a phone's bars coming and going only resize the regions. The
  // program says which arrangement a screen of this size and pointer gets,
  // and where its regions go.
  function relayout() {
    var size = viewport();
    var arranged = JSON.parse(Module.UTF8ToString(Module._vantrel_layout(size[0], size[1],
      coarse && coarse.matches ? 1 : 0)));
    var name = arranged.arrangement;
    if (name === current && size.join() === lastSize) return;
    lastSize = size.join();
    // Moving an element takes the focus from it, which would also close a
    // phone's on-screen keyboard: it goes back once all is in place.
    var focused = document.activeElement;
    if (name !== current) {
      restore();
      if (name !== "designed") rearrange(name);
    }
    if (name !== "designed") place(arranged);
    current = name;
    document.documentElement.setAttribute("data-arrangement", name);
    if (focused && focused !== document.activeElement && focused.focus) focused.focus({ preventScroll: true });
  }

  // Remembers an attribute or the inline style as app.js left it, once.
  function keep(list, e, what) {
    for (var i = 0; i < list.length; ++i) if (list[i][0] === e && list[i][1] === what) return;
    list.push([e, what, what === "style" ? e.style.cssText : e.getAttribute(what)]);
  }

  function undo(list) {
    list.forEach(function (c) {
      if (c[1] === "style") c[0].style.cssText = c[2];
      else c[0].setAttribute(c[1], c[2]);
    });
    list.length = 0;
  }

  // Puts every element back where app.js built it, in the same order, so the
  // stacking and the Tab order are the designed ones again.
  function restore() {
    if (!home) return;
    home.scene.forEach(function (n) { scene.appendChild(n); });
    home.stage.forEach(function (n) { stage.appendChild(n); });
    undo(grown);
    undo(moved);
    for (var name in views) views[name].box.remove();
    views = {};
    stage.style.height = "";
  }

  // Moves every element into the region that shows it.
  function rearrange(name) {
    if (!home) {
      home = { scene: Array.prototype.slice.call(scene.childNodes), stage: Array.prototype.slice.call(stage.childNodes) };
    }
    var arrangement = table.arrangements.filter(function (a) { return a.name === name; })[0];
    var regions = [].concat.apply([], arrangement.columns);
    var owner = {};
    regions.forEach(function (regionName) {
      var r = regionDef(regionName);
      r.members.forEach(function (member) { owner[member] = regionName; });
      views[regionName] = view(regionName);
    });
    // The painted elements keep their order, so they stack as designed. A
    // label's clip goes with the label that uses it.
    var clipOwner = {};
    home.scene.forEach(function (n) {
      var clip = n.getAttribute && n.getAttribute("clip-path");
      if (clip) clipOwner[clip.slice(5, -1)] = owner[n.id];
    });
    home.scene.forEach(function (n) {
      // What the lab draws goes with the element it draws around.
      var region = owner[n.id] || clipOwner[n.id] || (n.getAttribute && owner[n.getAttribute("data-with")]);
      if (region && views[region]) views[region].svg.appendChild(n);
    });
    // The controls and frames go in region order, which is the order on
    // screen, so Tab follows what the eye does.
    regions.forEach(function (r) {
      home.stage.forEach(function (n) {
        if (n.id && owner[n.id] === r) views[r].view.appendChild(n);
      });
    });
    table.moves.forEach(function (m) {
      var e = document.getElementById(m.name);
      keep(moved, e, "style");
      e.style.left = (m.at[0] / client[0] * 100) + "%";
      e.style.top = (m.at[1] / client[1] * 100) + "%";
    });
  }

  // A region's box, and inside it the whole designed scene, placed by
  // place() so that the region's rectangle shows.
  function view(name) {
    var box = document.createElement("div");
    box.className = "region";
    box.setAttribute("data-region", name);
    var inner = document.createElement("div");
    inner.className = "view";
    var svg = document.createElementNS(SVG, "svg");
    svg.setAttribute("viewBox", "0 0 " + client[0] + " " + client[1]);
    svg.setAttribute("aria-hidden", "true");
    inner.appendChild(svg);
    box.appendChild(inner);
    stage.appendChild(box);
    return { box: box, view: inner, svg: svg };
  }

  // Sizes and places the regions, the scene inside each at the region's
  // scale and centred across it.
  function place(arranged) {
    undo(grown);
    arranged.regions.forEach(function (placed) {
      var r = regionDef(placed.region), t = placed.scale / twipsPerPixel, v = views[r.name];
      v.box.style.left = placed.left + "px";
      v.box.style.top = placed.top + "px";
      v.box.style.width = placed.width + "px";
      v.box.style.height = placed.height + "px";
      v.view.style.left = ((placed.width - r.rect[2] * t) / 2 - r.rect[0] * t) + "px";
      v.view.style.top = (-r.rect[1] * t) + "px";
      v.view.style.width = client[0] * t + "px";
      v.view.style.height = client[1] * t + "px";
      readable(v, placed.scale);
    });
    stage.style.height = arranged.height + "px";
    keepInReach(arranged);
  }

  // On an upright screen that must scroll, the row of Play, the box, Set
  // Angle and About stays in view at the bottom of the screen, near the
  // stator it moves. The regions of controls right above it in the column
  // come with it, so that it lies over no control; a backdrop of the
  // window's colour keeps what scrolls behind from showing through.
  var reach = null;
  function keepInReach(arranged) {
    if (!reach) {
      reach = { backdrop: document.createElement("div"), boxes: [] };
      reach.backdrop.className = "reach-backdrop";
      reach.backdrop.hidden = true;
      document.body.appendChild(reach.backdrop);
      window.addEventListener("scroll", pinReach, { passive: true });
    }
    unpinReach();
    reach.boxes = [];
    if (current !== "upright" && arranged.arrangement !== "upright") return;
    var column = [].concat.apply([], table.arrangements.filter(function (a) { return a.name === "upright"; })[0].columns);
    var at = column.indexOf(owningRegion("cmdPlay"));
    for (var i = at; i >= 0 && (i === at || holdsControl(column[i])); --i) {
      var placed = arranged.regions.filter(function (p) { return p.region === column[i]; })[0];
      reach.boxes.push({ box: views[column[i]].box, placed: placed });
    }
    pinReach();
  }
  function owningRegion(name) {
    for (var i = 0; i < table.regions.length; ++i) if (table.regions[i].members.indexOf(name) >= 0) return table.regions[i].name;
    return null;
  }
  function holdsControl(region) {
    return regionDef(region).members.some(function (name) {
      var e = document.getElementById(name);
      return e && !(e instanceof SVGElement);
    });
  }
  function unpinReach() {
    reach.boxes.forEach(function (b) {
      b.box.classList.remove("pinned");
      b.box.style.top = b.placed.top + "px";
      b.box.style.bottom = "";
    });
    reach.backdrop.hidden = true;
  }
  function pinReach() {
    if (!reach.boxes.length) return;
    var top = Math.min.apply(null, reach.boxes.map(function (b) { return b.placed.top; }));
    var bottom = Math.max.apply(null, reach.boxes.map(function (b) { return b.placed.top + b.placed.height; }));
    var stageBox = stage.getBoundingClientRect(), screen = window.innerHeight;
    var pin = stageBox.top + bottom > screen + 0.5;
    if (pin === reach.backdrop.hidden === false) return;
    unpinReach();
    if (!pin) return;
    reach.boxes.forEach(function (b) {
      b.box.classList.add("pinned");
      b.box.style.left = stageBox.left + b.placed.left + "px";
      b.box.style.top = "auto";
      b.box.style.bottom = bottom - b.placed.top - b.placed.height + "px";
    });
    reach.backdrop.style.height = bottom - top + "px";
    reach.backdrop.hidden = false;
  }

  // Captions smaller than the threshold at this scale grow to it: the
  // painted labels through their font size, hanging from the same top; the
  // controls' captions through a floor under their scaled size.
  function readable(v, scale) {
    var t = scale / twipsPerPixel, least = table.captionPx;
    Array.prototype.forEach.call(v.box.querySelectorAll("text"), function (text) {
      var size = Number(text.getAttribute("font-size"));
      if (size * t >= least) return;
      keep(grown, text, "font-size");
      keep(grown, text, "y");
      var top = Number(text.getAttribute("y")) - ascent * size;
      text.setAttribute("font-size", least / t);
      text.setAttribute("y", top + ascent * least / t);
    });
    Array.prototype.forEach.call(v.view.querySelectorAll("legend, label, button, input"), function (e) {
      if (!e.style.fontSize) return;
      keep(grown, e, "style");
      e.style.fontSize = "max(" + least + "px, " + e.style.fontSize + ")";
    });
  }
})();
