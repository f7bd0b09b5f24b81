// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the page from the fixed tables that the build writes (tables.js),
// passes every click, key, tick and edit of the box to the program, and
// shows what each call changed. The tables and the program's answers say
// what the scene shows, every word, which element is painted and which is a
// control, the tab order, the scheme's and the group boxes' colours and how
// lines end. What this file adds is how a browser shows them: SVG for the
// painted elements, HTML controls placed over them, and full screen; the
// controls' and the About box's own look is style.css's. What is read off
// the tables and the answers goes by the names page_contract knows (tables,
// def, cmd, l, changes, s, c, words, spoken, language, about), so that it
// holds every field read against the page contract (src/web/contract.h).
"use strict";

var Module = {
  onRuntimeInitialized: function () { vantrel.start(); }
};

var vantrel = (function () {
  var SVG = "http://www.w3.org/2000/svg";

  // Longer than any language tag or browser list; the address is not trusted for sizes.
  var LONGEST_TAGS = 256;

  var tables = null;      // the fixed tables: vantrelTables from tables.js
  var defs = {};          // element name -> its row in the tables
  var nodes = {};         // element name -> { node: what shows it, caption: what shows its caption }
  var commandRow = {};    // control name -> its command's row in the command table
  var labels = [];        // the painted labels: { def, text }
  var timer = 0, interval = 0;
  var rightToLeft = false;
  // The lab: its controls by row of the lab table, the path and the chart it redraws.
  var labNodes = [], labState = null, pathLine = null, chart = null;

  // Every answer is JSON that lives in the program until the next call.
  function answer(at) { return JSON.parse(Module.UTF8ToString(at)); }
  function command(row) { apply(answer(Module._vantrel_command(row))); }
  // A text goes in through memory of its own size: a long paste would not
  // fit on the program's stack.
  function withText(call, text) {
    var size = Module.lengthBytesUTF8(text) + 1, at = Module._malloc(size);
    if (!at) return;
    try {
      Module.stringToUTF8(text, at, size);
      apply(answer(call(at)));
    } finally {
      Module._free(at);
    }
  }

  function svg(tag, attrs, parent) {
    var e = document.createElementNS(SVG, tag);
    for (var k in attrs) e.setAttribute(k, attrs[k]);
    if (parent) parent.appendChild(e);
    return e;
  }
  function html(tag, attrs, parent) {
    var e = document.createElement(tag);
    for (var k in attrs) e.setAttribute(k, attrs[k]);
    if (parent) parent.appendChild(e);
    return e;
  }

  // A font size in container units: the scene's width is 100cqw.
  // A caption shrunk to fit its rectangle scales it by its --fit.
  function fontSize(points) { return "calc(var(--fit, 1) * " + (points * 20 / tables.client[0] * 100) + "cqw)"; }

  // Places an HTML control over the scene, in fractions of its container.
  function place(e, def, box) {
    var g = def.geometry;
    e.style.left = (g[0] / box[0] * 100) + "%";
    e.style.top = (g[1] / box[1] * 100) + "%";
    e.style.width = (g[2] / box[0] * 100) + "%";
    e.style.height = (g[3] / box[1] * 100) + "%";
    if (def.points) e.style.fontSize = fontSize(def.points);
  }

  function pictureUrl(which) {
    var w = Module._vantrel_picture_width(which), h = Module._vantrel_picture_height(which);
    var at = Module._vantrel_picture_data(which);
    var canvas = document.createElement("canvas");
    canvas.width = w;
    canvas.height = h;
    var ctx = canvas.getContext("2d");
    var image = ctx.createImageData(w, h);
    image.data.set(Module.HEAPU8.subarray(at, at + w * h * 4));
    ctx.putImageData(image, 0, 0);
    return canvas.toDataURL("image/png");
  }

  // What a tick writes, it writes only where it changes: the same value
  // written again still costs the browser a look at the element's style.
  function setAttr(e, name, value) {
    value = String(value);
    if (e.getAttribute(name) !== value) e.setAttribute(name, value);
  }
  // A caption's text node is kept and its letters changed, as the read-out's
  // are on every other tick: a new node would be laid out anew.
  function setText(e, text) {
    var node = e.firstChild;
    if (node && node.nodeType === 3 && !node.nextSibling) {
      if (node.data !== text) node.data = text;
    } else {
      e.textContent = text;
    }
  }
  function setCaps(e, round) { setAttr(e, "stroke-linecap", round ? "round" : "butt"); }

  // A line that the program moves on every tick is drawn on a canvas, not
  // by the SVG: a tick then redraws a few lines on one canvas, and lays
  // out, paints and rasterises nothing of the scene. The canvas lies over
  // the SVG and paints, in the order the scene stacks them, all that the
  // SVG shows in its rectangle: the window's colour, the chart under its
  // cursor, the lines, and the spokes, circles, marks and labels over
  // them. Being opaque and on top, it is all the browser draws there.
  // Only a line that nothing covers and that lies over anything but
  // pictures goes on a canvas of its own, clear but for its lines. The SVG
  // line stays, not shown, as the scene's record of where the line is, for
  // the layout of small screens and for whoever reads the page; the rest
  // of the SVG stays as it is, under the canvas.
  //
  // One canvas for all that moves on an SVG, not one for each: each canvas
  // or layer that changes in a frame costs the browser about as much as
  // the frame.
  var movers = [], sheets = [];
  function mover(line, def) {
    var row = tables.elements.indexOf(def);
    var mv = { line: line, row: row, over: !meeting(tables.elements.slice(0, row), line).length, beneath: [] };
    if (mv.over) {
      var under = meeting(tables.elements.slice(row + 1), line);
      if (under.every(function (each) { return each.kind === "image"; })) {
        mv.over = false;
        mv.beneath = under;
      }
    }
    readLine(mv);
    movers.push(mv);
    line.classList.add("moved");
    return mv;
  }
  // What the canvas draws of a line, as the SVG has it. A tick then updates
  // it from what it wrote, without reading the SVG again.
  function readLine(mv) {
    var ln = mv.line;
    mv.e = ends(ln);
    mv.pen = Number(ln.getAttribute("stroke-width"));
    mv.colour = ln.getAttribute("stroke");
    mv.round = ln.getAttribute("stroke-linecap") === "round";
    mv.shown = ln.getAttribute("visibility") !== "hidden";
  }
  function ends(line) {
    var n = function (a) { return Number(line.getAttribute(a)); };
    return [n("x1"), n("y1"), n("x2"), n("y2")];
  }
  // The painted elements of the window among `rows` that lie where the line now is.
  function meeting(rows, line) {
    var e = ends(line), reach = Number(line.getAttribute("stroke-width"));
    var box = [Math.min(e[0], e[2]) - reach, Math.min(e[1], e[3]) - reach, Math.max(e[0], e[2]) + reach, Math.max(e[1], e[3]) + reach];
    return rows.filter(function (def) {
      if (def.role !== "painted" || def.in !== "Form1") return false;
      var drawn = boxOf(def);
      return drawn[0] < box[2] && box[0] < drawn[2] && drawn[1] < box[3] && box[1] < drawn[3];
    });
  }
  function boxOf(def) {
    var g = def.geometry;
    return def.kind === "line" ? [Math.min(g[0], g[2]), Math.min(g[1], g[3]), Math.max(g[0], g[2]), Math.max(g[1], g[3])]
      : [g[0], g[1], g[0] + g[2], g[1] + g[3]];
  }
  // The twips a line's stroke covers.
  function reachOf(mv) {
    var e = mv.e, pen = mv.pen;
    return [Math.min(e[0], e[2]) - pen, Math.min(e[1], e[3]) - pen, Math.max(e[0], e[2]) + pen, Math.max(e[1], e[3]) + pen];
  }
  // One canvas for the lines of an SVG that lie under its other parts and
  // one for those over them, each as large as the room its lines have
  // needed so far, a turning line's with a margin: it grows, rarely, when a
  // line leaves it.
  function placeMovers() {
    sheets.forEach(function (sheet) { sheet.canvas.remove(); });
    Object.keys(nodes).forEach(function (name) { nodes[name].static = null; });
    if (pathLine) pathLine.static = null;
    var kept = sheets;
    sheets = [];
    var union = function (a, b) { return [Math.min(a[0], b[0]), Math.min(a[1], b[1]), Math.max(a[2], b[2]), Math.max(a[3], b[3])]; };
    var sheetOf = function (svgRoot, over, box) {
      var same = function (each) { return each.svg === svgRoot && each.over === over; };
      var sheet = sheets.filter(same)[0];
      if (sheet) {
        sheet.room = union(sheet.room, box);
        return sheet;
      }
      // A canvas keeps the room it has grown to.
      var old = kept.filter(same)[0];
      sheet = { svg: svgRoot, over: over, movers: [], pictures: [], labels: [], statics: [], room: old ? union(old.room, box) : box,
        canvas: html("canvas", { "class": "mover", "aria-hidden": "true" }) };
      sheets.push(sheet);
      return sheet;
    };
    tickers.forEach(function (tk) {
      tk.family = getComputedStyle(tk.n.caption).fontFamily;
      tk.shape = null;
      sheetOf(tk.n.node.ownerSVGElement, false, boxOf(tk.def)).labels.push(tk);
    });
    movers.forEach(function (mv) {
      readLine(mv);
      var room = mv.beneath.length ? reachOf(mv) : turningRoom(mv);
      mv.beneath.forEach(function (def) { room = union(room, boxOf(def)); });
      var sheet = sheetOf(mv.line.ownerSVGElement, mv.over, room);
      sheet.movers.push(mv);
      mv.beneath.forEach(function (def) {
        if (!sheet.pictures.some(function (pic) { return pic.def === def; })) sheet.pictures.push(picture(def));
      });
    });
    sheets.forEach(function (sheet) {
      var c = tables.client;
      sheet.room = [Math.max(0, sheet.room[0]), Math.max(0, sheet.room[1]), Math.min(c[0], sheet.room[2]), Math.min(c[1], sheet.room[3])];
      sheet.labels.forEach(function (tk) { tk.sheet = sheet; });
      sheet.svg.parentNode.insertBefore(sheet.canvas, sheet.svg.nextSibling);
      // Shown apart from the page's frames: Chromium hands a desynchronized
      // canvas's pixels straight to the screen, where the page's own frame,
      // its commit and its compositing cost more than the canvas's draws.
      // Where it has a GPU, Chromium may show such a canvas while it is
      // drawn, so each tick is drawn behind it and its parts copied over,
      // each whole. Two canvases behind take turns: a part drawn on one
      // whose last copy the browser still holds makes it copy the whole
      // canvas first. A part is drawn anew whole, so neither needs what
      // the other drew. With the lab open, its read-outs change the page
      // on every tick, which then makes a frame anyway: the canvas is
      // drawn in it, as any other. A browser that has no such canvas, as
      // Firefox, says so, and its canvas is drawn as any other too.
      var apart = !(labState && labState.open);
      sheet.shown = sheet.canvas.getContext("2d", { alpha: sheet.over, desynchronized: apart });
      if (apart && sheet.shown.getContextAttributes) apart = !!sheet.shown.getContextAttributes().desynchronized;
      sheet.behind = !apart ? [] : [0, 1].map(function () {
        var canvas = document.createElement("canvas");
        return { canvas: canvas, ctx: canvas.getContext("2d", { alpha: sheet.over }) };
      });
      sheet.turn = 0;
      sheet.ctx = apart ? sheet.behind[0].ctx : sheet.shown;
      sheet.fill = getComputedStyle(document.body).backgroundColor;
      if (!sheet.over) gatherStatics(sheet);
      if (sheet.labels.length) sheet.canvas.setAttribute("data-shows", sheet.labels.map(function (tk) { return tk.def.name; }).join(" "));
      // Drawn in the order the scene stacks them.
      sheet.items = sheet.pictures.concat(sheet.movers, sheet.labels, sheet.statics).sort(function (one, other) { return other.row - one.row; });
      sizeSheet(sheet);
      drawSheet(sheet);
      sheet.pictures.forEach(function (pic) { showPicture(sheet, pic); });
    });
  }
  // A picture that a line on the canvas lies over is drawn on the canvas
  // too, from the same pixels, once they are decoded (a moment, the first
  // time; until then a canvas over the SVG shows the window's colour there).
  var decoded = {};
  // What else the SVG shows in the canvas's rectangle, which the canvas,
  // lying over it, paints in its place: the scene's still lines, circles,
  // labels and pictures, and the lab's path. Each is drawn as its SVG
  // element stands, so that a change of look, language or layout reaches
  // it as it reaches the SVG.
  function gatherStatics(sheet) {
    var room = sheet.room, meets = function (box) {
      return box[0] < room[2] && room[0] < box[2] && box[1] < room[3] && room[1] < box[3];
    };
    tables.elements.forEach(function (def, row) {
      var n = nodes[def.name];
      if (!n || !n.painted || n.mover || n.ticker || n.node.ownerSVGElement !== sheet.svg || !meets(boxOf(def))) return;
      if (def.kind === "image") {
        if (!sheet.pictures.some(function (pic) { return pic.def === def; })) sheet.pictures.push(picture(def));
        return;
      }
      var item = { def: def, row: row, n: n, node: n.node, kind: def.kind, sheet: sheet, still: true };
      if (def.kind === "label") {
        item.back = n.node.querySelector("rect");
        item.family = getComputedStyle(n.caption).fontFamily;
      }
      item.box = item.drawnAt = staticBox(item);
      n.static = item;
      sheet.statics.push(item);
    });
    if (pathLine && pathLine.ownerSVGElement === sheet.svg) {
      // The path lies under all the scene.
      pathLine.static = { node: pathLine, kind: "path", row: tables.elements.length, sheet: sheet, still: true };
      pathLine.static.box = pathLine.static.reach = pathReach();
      sheet.statics.push(pathLine.static);
    }
  }
  function pathReach() {
    var points = (pathLine.getAttribute("points") || "").trim().split(/[\s,]+/).map(Number), pen = Number(pathLine.getAttribute("stroke-width"));
    var box = [Infinity, Infinity, -Infinity, -Infinity];
    for (var i = 0; i + 1 < points.length; i += 2) {
      box = [Math.min(box[0], points[i]), Math.min(box[1], points[i + 1]), Math.max(box[2], points[i]), Math.max(box[3], points[i + 1])];
    }
    return box[0] <= box[2] ? [box[0] - pen, box[1] - pen, box[2] + pen, box[3] + pen] : [0, 0, 0, 0];
  }
  // The twips a still element covers, as its SVG element now stands.
  function staticBox(item) {
    var e = item.node, n = function (a) { return Number(e.getAttribute(a)); }, pen = n("stroke-width") || 0;
    switch (item.kind) {
    case "line":
      return [Math.min(n("x1"), n("x2")) - pen, Math.min(n("y1"), n("y2")) - pen, Math.max(n("x1"), n("x2")) + pen, Math.max(n("y1"), n("y2")) + pen];
    case "circle":
      return [n("cx") - n("r") - pen, n("cy") - n("r") - pen, n("cx") + n("r") + pen, n("cy") + n("r") + pen];
    case "path":
      return item.reach || [0, 0, 0, 0];
    default:
      return boxOf(item.def);
    }
  }
  function drawStatic(ctx, item, m) {
    var e = item.node, n = function (a) { return Number(e.getAttribute(a)); };
    if (e.getAttribute("visibility") === "hidden") return;
    if (item.kind === "label") {
      drawLabel(ctx, item, m);
      ctx.setTransform.apply(ctx, m);
      return;
    }
    if (item.kind === "circle") {
      drawCircle(ctx, item, m);
      return;
    }
    if (item.node === pathLine) {
      drawPath(ctx, item, m);
      return;
    }
    ctx.strokeStyle = e.getAttribute("stroke");
    ctx.lineWidth = n("stroke-width");
    ctx.lineCap = e.getAttribute("stroke-linecap") === "round" ? "round" : "butt";
    ctx.beginPath();
    ctx.moveTo(n("x1"), n("y1"));
    ctx.lineTo(n("x2"), n("y2"));
    ctx.stroke();
  }

  // A circle or the lab's path is drawn once whole, on a canvas of its
  // own, and copied: a circle that a part's edge cuts is drawn a shade
  // apart from the same circle drawn whole, a path of hundreds of points
  // costs a tick far more than a copy, and a copy is the same pixels
  // whichever part asks.
  function drawCopy(ctx, item, m, box, key, draw) {
    var k = m[0], x = box[0] * k + m[4], y = box[1] * k + m[5];
    var left = Math.floor(x), top = Math.floor(y);
    key = [key, k, x - left, y - top].join(" ");
    if (!item.copy || item.copy.key !== key) {
      var copy = document.createElement("canvas");
      copy.width = Math.max(1, Math.ceil((box[2] - box[0]) * k) + 2);
      copy.height = Math.max(1, Math.ceil((box[3] - box[1]) * k) + 2);
      copy.key = key;
      var cc = copy.getContext("2d");
      cc.setTransform(k, 0, 0, k, x - left - box[0] * k, y - top - box[1] * k);
      draw(cc);
      item.copy = copy;
    }
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.drawImage(item.copy, left, top);
    ctx.setTransform.apply(ctx, m);
  }
  function drawCircle(ctx, item, m) {
    var e = item.node, n = function (a) { return Number(e.getAttribute(a)); };
    var stroke = e.getAttribute("stroke"), pen = n("stroke-width"), r = n("r"), cx = n("cx"), cy = n("cy");
    drawCopy(ctx, item, m, [cx - r - pen, cy - r - pen, cx + r + pen, cy + r + pen], [stroke, pen, r].join(" "), function (cc) {
      cc.strokeStyle = stroke;
      cc.lineWidth = pen;
      cc.beginPath();
      cc.arc(cx, cy, r, 0, 2 * Math.PI);
      cc.stroke();
    });
  }
  function drawPath(ctx, item, m) {
    var e = item.node, stroke = e.getAttribute("stroke"), pen = Number(e.getAttribute("stroke-width"));
    var text = e.getAttribute("points") || "";
    drawCopy(ctx, item, m, item.reach, [stroke, pen, text].join(" "), function (cc) {
      var points = text.trim().split(/[\s,]+/).map(Number);
      cc.strokeStyle = stroke;
      cc.lineWidth = pen;
      cc.lineJoin = "round";
      cc.beginPath();
      for (var i = 0; i + 1 < points.length; i += 2) cc[i ? "lineTo" : "moveTo"](points[i], points[i + 1]);
      cc.stroke();
    });
  }

  function picture(def) {
    return { def: def, row: tables.elements.indexOf(def), node: nodes[def.name].node };
  }
  // As the SVG image shows it, filling its rectangle or within it at its
  // own shape; scaled once to the screen pixels it covers, so that a tick
  // copies a few of them and scales nothing.
  function drawPicture(ctx, pic, m) {
    if (!pic.image) return;
    var g = pic.def.geometry, w = g[2], h = g[3];
    if (!pic.def.stretch) {
      var k = Math.min(g[2] / pic.image.naturalWidth, g[3] / pic.image.naturalHeight);
      w = pic.image.naturalWidth * k;
      h = pic.image.naturalHeight * k;
    }
    // On whole pixels of the screen, as a browser places an image.
    var x = Math.round(g[0] * m[0] + m[4]), y = Math.round(g[1] * m[0] + m[5]);
    var wide = Math.round((g[0] + w) * m[0] + m[4]) - x, high = Math.round((g[1] + h) * m[0] + m[5]) - y;
    var scaled = pic.scaled;
    if (!scaled || scaled.from !== pic.image || scaled.width !== wide || scaled.height !== high) {
      scaled = pic.scaled = document.createElement("canvas");
      scaled.from = pic.image;
      scaled.width = wide;
      scaled.height = high;
      scaled.getContext("2d").drawImage(pic.image, 0, 0, wide, high);
    }
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.drawImage(scaled, x, y);
    ctx.restore();
  }
  // Each picture is decoded as soon as it is made, so that a canvas over
  // the SVG seldom has to wait for it.
  function decodeAhead(name, node) {
    var source = node.getAttribute("href");
    if (decoded[name] && decoded[name].src === source) return;
    var image = new Image();
    image.src = source;
    image.decode().then(function () { if (node.getAttribute("href") === source) decoded[name] = image; }, function () {});
  }
  function showPicture(sheet, pic) {
    var source = pic.node.getAttribute("href"), name = pic.def.name;
    if (decoded[name] && decoded[name].src === source) {
      pic.image = decoded[name];
      pic.node.classList.add("beneath");
      drawSheet(sheet);
      return;
    }
    pic.node.classList.remove("beneath");
    var image = new Image();
    image.src = source;
    image.decode().then(function () {
      decoded[name] = image;
      // Placed anew meanwhile: the new canvas shows it.
      if (sheets.indexOf(sheet) >= 0 && pic.node.getAttribute("href") === source) showPicture(sheet, pic);
    }, function () { /* the SVG goes on showing it */ });
  }
  // The room a line needs as it turns about its start, as the phasors and
  // the field do; any other motion grows the room as it goes.
  var MARGIN = 300; // twips around a turning line's reach, so that its canvas seldom grows
  function turningRoom(mv) {
    var e = mv.e, pen = mv.pen;
    var r = Math.hypot(e[2] - e[0], e[3] - e[1]) + pen + MARGIN;
    return [e[0] - r, e[1] - r, e[0] + r, e[1] + r];
  }
  // A line that leaves its canvas's room grows it.
  function fitRoom(sheet, box) {
    var room = sheet.room;
    if (box[0] >= room[0] && box[1] >= room[1] && box[2] <= room[2] && box[3] <= room[3]) return false;
    var c = tables.client;
    sheet.room = [Math.max(0, Math.min(room[0], box[0])), Math.max(0, Math.min(room[1], box[1])),
      Math.min(c[0], Math.max(room[2], box[2])), Math.min(c[1], Math.max(room[3], box[3]))];
    return true;
  }
  // The canvas covers its room of the SVG, in the screen's own pixels.
  function sizeSheet(sheet) {
    // The SVG as laid out: its width not rounded to a whole pixel, as its
    // clientWidth is, and where it starts on the screen, which on a small
    // screen's regions is seldom a whole pixel.
    var at = sheet.svg.getBoundingClientRect();
    sheet.pixels = pixelCanvas(sheet.canvas, sheet.ctx, sheet.room, at.width / tables.client[0], at);
    sheet.behind.forEach(function (one) {
      one.canvas.width = sheet.canvas.width;
      one.canvas.height = sheet.canvas.height;
      one.ctx.setTransform.apply(one.ctx, sheet.pixels.matrix);
    });
  }
  // A canvas over a rectangle of twips, on whole pixels of the screen, and
  // drawn in twips at the SVG's own scale, so that its lines fall on the
  // pixels the SVG's would and meet them at its edges.
  function pixelCanvas(canvas, ctx, room, k, at) {
    var ratio = window.devicePixelRatio || 1, style = canvas.style;
    // The browser draws the SVG from the whole pixel nearest its start.
    var ox = Math.round(at.left * ratio), oy = Math.round(at.top * ratio);
    var left = Math.floor(room[0] * k * ratio + ox), top = Math.floor(room[1] * k * ratio + oy);
    var width = Math.max(1, Math.ceil(room[2] * k * ratio + ox) - left), height = Math.max(1, Math.ceil(room[3] * k * ratio + oy) - top);
    style.left = (left - ox) / ratio + "px";
    style.top = (top - oy) / ratio + "px";
    style.width = width / ratio + "px";
    style.height = height / ratio + "px";
    canvas.width = width;
    canvas.height = height;
    var matrix = [k * ratio, 0, 0, k * ratio, ox - left, oy - top];
    ctx.setTransform.apply(ctx, matrix);
    // A rectangle of twips as the canvas's whole pixels that cover it.
    return { matrix: matrix, cover: function (box) {
      return [Math.floor(box[0] * k * ratio + ox) - left, Math.floor(box[1] * k * ratio + oy) - top,
        Math.ceil(box[2] * k * ratio + ox) - left, Math.ceil(box[3] * k * ratio + oy) - top];
    } };
  }
  // Only where the lines were and now are is drawn again, so that the
  // browser takes only that part of the canvas as changed, and the lines
  // that stay apart, as the cursor and the phasors do, each in a rectangle
  // of its own: the room between them is left as it is.
  function drawSheet(sheet, changed) {
    var parts = [[0, 0, sheet.canvas.width, sheet.canvas.height]];
    var looks = sheet.movers.map(function (mv) { return lookOf(sheet, mv); });
    if (changed) {
      parts = [];
      // The movers come first, so a line's look is at its own index.
      sheet.movers.concat(sheet.labels, sheet.statics).forEach(function (mv, i) {
        if (changed.indexOf(mv) < 0) return;
        // A cursor that moved less than a pixel of the screen looks the same.
        if (mv.line && mv.look === looks[i]) return;
        var now = mv.line ? reachOf(mv) : mv.still ? (mv.box = staticBox(mv)) : boxOf(mv.def), was = mv.drawnAt || now;
        if (mv.still) mv.drawnAt = now;
        // On whole pixels: a clip's soft edge would draw a line twice over.
        var part = sheet.pixels.cover([Math.min(now[0], was[0]), Math.min(now[1], was[1]), Math.max(now[2], was[2]), Math.max(now[3], was[3])]);
        // Rectangles that meet become one, drawn once.
        for (var i = 0; i < parts.length;) {
          var other = parts[i];
          if (other[0] < part[2] && part[0] < other[2] && other[1] < part[3] && part[1] < other[3]) {
            part = [Math.min(part[0], other[0]), Math.min(part[1], other[1]), Math.max(part[2], other[2]), Math.max(part[3], other[3])];
            parts.splice(i, 1);
            i = 0;
          } else {
            ++i;
          }
        }
        parts.push(part);
      });
    }
    sheet.movers.forEach(function (mv, i) {
      mv.drawnAt = reachOf(mv);
      mv.look = looks[i];
    });
    var behind = sheet.behind[sheet.turn = 1 - sheet.turn];
    if (behind) sheet.ctx = behind.ctx;
    parts.forEach(function (part) { drawPart(sheet, part); });
    // Copied once all are drawn: a part copied while the canvas behind is
    // still drawn on would make the browser copy that canvas whole first.
    if (behind) parts.forEach(function (part) {
      var wide = part[2] - part[0], high = part[3] - part[1];
      if (sheet.over) sheet.shown.clearRect(part[0], part[1], wide, high);
      sheet.shown.drawImage(behind.canvas, part[0], part[1], wide, high, part[0], part[1], wide, high);
    });
  }
  // What a line leaves on the canvas's pixels: a line that slides upright,
  // its whole pixels; any other, where it is and how it is drawn.
  function lookOf(sheet, mv) {
    var e = mv.e, on = mv.shown ? mv.colour + " " + mv.pen + " " + mv.round : "";
    return on + " " + (slides(mv) ? slidRect(sheet.pixels.matrix, e, mv.pen) : e).join(" ");
  }
  function slides(mv) { return mv.e[0] === mv.e[2] && mv.e[1] !== mv.e[3] && !mv.round; }
  // An upright line that slides, as the chart's cursor does, goes on whole
  // pixels of the screen: as crisp wherever it stands.
  function slidRect(m, e, pen) {
    var wide = Math.max(1, Math.round(pen * m[0]));
    return [Math.round(e[0] * m[0] + m[4] - wide / 2), Math.min(e[1], e[3]) * m[0] + m[5], wide, Math.abs(e[3] - e[1]) * m[0]];
  }
  function drawPart(sheet, part) {
    var ctx = sheet.ctx;
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.beginPath();
    ctx.rect(part[0], part[1], part[2] - part[0], part[3] - part[1]);
    ctx.clip();
    if (sheet.over) {
      ctx.clearRect(part[0], part[1], part[2] - part[0], part[3] - part[1]);
    } else {
      ctx.fillStyle = sheet.fill;
      ctx.fillRect(part[0], part[1], part[2] - part[0], part[3] - part[1]);
    }
    ctx.setTransform.apply(ctx, sheet.pixels.matrix);
    // A label, a picture or a line, where it meets the part.
    sheet.items.forEach(function (item) {
      var at = sheet.pixels.cover(item.line ? reachOf(item) : item.still ? item.box : boxOf(item.def));
      if (at[0] >= part[2] || part[0] >= at[2] || at[1] >= part[3] || part[1] >= at[3]) return;
      if (item.still) {
        drawStatic(ctx, item, sheet.pixels.matrix);
        return;
      }
      if (item.n) {
        drawLabel(ctx, item, sheet.pixels.matrix);
        ctx.setTransform.apply(ctx, sheet.pixels.matrix);
        return;
      }
      if (item.def) {
        drawPicture(ctx, item, sheet.pixels.matrix);
        return;
      }
      if (!item.shown) return;
      var e = item.e, pen = item.pen, colour = item.colour, round = item.round;
      // A canvas draws nothing for a line of no length; the SVG, a dot.
      if (e[0] === e[2] && e[1] === e[3]) {
        if (!round) return;
        ctx.fillStyle = colour;
        ctx.beginPath();
        ctx.arc(e[0], e[1], pen / 2, 0, 2 * Math.PI);
        ctx.fill();
        return;
      }
      if (slides(item)) {
        ctx.save();
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.fillStyle = colour;
        ctx.fillRect.apply(ctx, slidRect(sheet.pixels.matrix, e, pen));
        ctx.restore();
        return;
      }
      ctx.strokeStyle = colour;
      ctx.lineWidth = pen;
      ctx.lineCap = round ? "round" : "butt";
      ctx.beginPath();
      ctx.moveTo(e[0], e[1]);
      ctx.lineTo(e[2], e[3]);
      ctx.stroke();
    });
    ctx.restore();
  }
  // After a tick: the canvases whose lines or labels changed drawn anew,
  // each in one pass.
  function redrawMovers(changed) {
    var placing = false;
    sheets.forEach(function (sheet) {
      var grown = false, touched = sheet.labels.concat(sheet.statics).some(function (tk) { return changed.indexOf(tk) >= 0; });
      sheet.movers.forEach(function (mv) {
        if (changed.indexOf(mv) < 0) return;
        touched = true;
        if (fitRoom(sheet, reachOf(mv))) grown = true;
      });
      // A canvas over the SVG that grows may meet more of the scene: all
      // are placed anew.
      if (grown && !sheet.over) placing = true;
      if (placing) return;
      if (grown) sizeSheet(sheet);
      if (touched) drawSheet(sheet, grown ? null : changed);
    });
    if (placing) placeMovers();
  }

  // A caption that changes on every other tick, as the read-out's does, is
  // drawn with its label on the canvas over the SVG, not by the SVG: a
  // tick then lays out and paints nothing. Its text element stays, not
  // shown, as the record of what the label says, and gives the canvas its
  // font, place, direction and colours, so that the layout of small
  // screens, the languages and the looks reach it as they reach the SVG;
  // its rectangle stays too, unseen, as the label's place.
  //
  // While the scene turns, that record is written once a second, and at
  // once whenever a command answers: a change to the page's text, even
  // unseen, makes Chromium lay out and compose a frame of the whole page,
  // which on every tick cost more than all the canvas draws.
  var tickers = [], ticking = false, RECORD_EVERY = 1000; // ms
  function keepRecord(tk, now) {
    var text = tk.n.caption, at = performance.now();
    if (text.textContent === tk.caption || (!now && at - tk.recorded < RECORD_EVERY)) return;
    if (!now) tk.recorded = at;
    setText(text, tk.caption);
    fit(tk.def.name);
  }
  function ticker(n, def) {
    var tk = { n: n, def: def, row: tables.elements.indexOf(def), back: n.node.querySelector("rect"),
      caption: n.caption.textContent, recorded: -Infinity };
    n.caption.classList.add("moved");
    tk.back.classList.add("beneath");
    tickers.push(tk);
    placeMovers();
    return tk;
  }
  // As the SVG shows a label: its background, and its caption hung from the
  // top by the font's ascent, shrunk about that point where it must fit.
  // Drawn in the canvas's own pixels, in a font of the size it shows at: a
  // font of thousands of twips scaled down costs the browser far more.
  function drawLabel(ctx, tk, m) {
    var text = tk.n.caption, g = tk.def.geometry, caption = tk.still ? text.textContent : tk.caption;
    var at = function (v, i) { return v * m[0] + m[4 + i]; };
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    // To the screen pixel just past the label's edge.
    var edges = tk.sheet.pixels.cover([g[0], g[1], g[0] + g[2], g[1] + g[3]]);
    ctx.fillStyle = tk.back.getAttribute("fill");
    ctx.fillRect(edges[0], edges[1], edges[2] - edges[0], edges[3] - edges[1]);
    var font = "bold " + Number(text.getAttribute("font-size")) * m[0] + "px " + tk.family;
    // Each part is drawn within a saved state, which keeps no font.
    ctx.font = font;
    ctx.direction = text.getAttribute("direction") === "rtl" ? "rtl" : "ltr";
    var room = g[2] * m[0], x = at(Number(text.getAttribute("x")), 0), top = at(g[1], 1);
    // A caption that changed only in its digits keeps its width.
    var shape = font + caption.replace(/[0-9]/g, "0");
    if (tk.shape !== shape) {
      tk.width = ctx.measureText(caption).width;
      tk.shape = shape;
      tk.scale = tk.width > room ? Math.max(tables.smallestCaptionScale, room / tk.width) : 1;
    }
    ctx.save();
    // Cut at the label's edge only where even the least scale is too wide.
    if (tk.scale * tk.width > room) {
      ctx.beginPath();
      ctx.rect(at(g[0], 0), top, room, g[3] * m[0]);
      ctx.clip();
    }
    ctx.translate(x, top);
    ctx.scale(tk.scale, tk.scale);
    ctx.fillStyle = text.getAttribute("fill");
    ctx.fillText(caption, 0, at(Number(text.getAttribute("y")), 1) - top);
    ctx.restore();
  }

  // A painted element of one container, in its own twips.
  function paint(def, layer) {
    var g = def.geometry, px = tables.twipsPerPixel;
    var e, caption;
    switch (def.kind) {
    case "line":
      e = svg("line", { id: def.name, x1: g[0], y1: g[1], x2: g[2], y2: g[3], stroke: def.colour,
        "stroke-width": def.pen * px }, layer);
      setCaps(e, def.round);
      break;
    case "circle":
      e = svg("circle", { id: def.name, cx: g[0] + g[2] / 2, cy: g[1] + g[3] / 2, r: g[2] / 2, fill: "none",
        stroke: def.colour, "stroke-width": def.pen * px }, layer);
      break;
    case "label":
      var clip = svg("clipPath", { id: "clip-" + def.name.replace(/\W/g, "") }, layer);
      svg("rect", { x: g[0], y: g[1], width: g[2], height: g[3] }, clip);
      e = svg("g", { id: def.name, "clip-path": "url(#" + clip.id + ")" }, layer);
      svg("rect", { x: g[0], y: g[1], width: g[2], height: g[3], fill: def.background }, e);
      var size = def.points * 20;
      // A caption hangs from its rectangle's top edge by the font's ascent.
      caption = svg("text", { x: g[0], y: g[1] + tables.ascent * size, "font-size": size, fill: def.colour }, e);
      labels.push({ def: def, text: caption });
      break;
    case "image":
      e = svg("image", { id: def.name, x: g[0], y: g[1], width: g[2], height: g[3], href: pictureUrl(0),
        preserveAspectRatio: def.stretch ? "none" : "xMinYMin meet" }, layer);
      chart = e;
      decodeAhead(def.name, e);
      break;
    }
    if (e) nodes[def.name] = { node: e, caption: caption, painted: true };
  }

  // A group box's etched border, with its caption breaking the top edge.
  function groupBox(def, parent) {
    var g = def.geometry, px = tables.twipsPerPixel;
    var f = html("fieldset", { id: def.name, "class": "control" }, parent);
    place(f, def, tables.client);
    var captionHalf = def.points * 20 * tables.captionLineHeight / 2;
    var border = svg("svg", { viewBox: "0 0 " + g[2] + " " + g[3], "aria-hidden": "true",
      preserveAspectRatio: "none" }, f);
    tables.etched.forEach(function (colour, inset) {
      svg("rect", { x: px / 2 + inset * px, y: captionHalf + px / 2 + inset * px, width: g[2] - 2 * px,
        height: g[3] - captionHalf - 2 * px, fill: "none", stroke: colour, "stroke-width": px, "class": "etched" }, border);
    });
    var legend = html("legend", {}, f);
    legend.style.insetInlineStart = (tables.captionIndent * px / g[2] * 100) + "%";
    legend.style.padding = "0 " + (tables.captionPadding * px / tables.client[0] * 100) + "cqw";
    legend.style.fontSize = fontSize(def.points);
    nodes[def.name] = { node: f, caption: legend, layer: border, box: [g[2], g[3]] };
  }

  function control(def, parent, box, z) {
    var e, shown, caption;
    var press = function () { if (def.name in commandRow) command(commandRow[def.name]); };
    switch (def.kind) {
    case "button":
      e = shown = caption = html("button", { id: def.name, type: "button", "class": "control" }, parent);
      e.addEventListener("click", press);
      break;
    case "textbox":
      e = shown = html("input", { id: def.name, type: "text", "class": "control", autocomplete: "off",
        spellcheck: "false", inputmode: "decimal" }, parent);
      e.addEventListener("input", function () { withText(Module._vantrel_text_changed, e.value); });
      break;
    case "option":
      e = html("label", { "class": "option" }, parent);
      shown = html("input", { id: def.name, type: "radio", name: "speed" }, e);
      caption = e.appendChild(document.createTextNode(""));
      shown.addEventListener("change", function () { if (shown.checked) press(); });
      break;
    case "image":
      // The About picture answers a click like a button, and is one.
      e = shown = html("button", { id: def.name, type: "button", "class": "control" }, parent);
      html("img", { src: pictureUrl(1), alt: "" }, e);
      e.addEventListener("click", press);
      break;
    }
    if (!e) return;
    if (!e.classList.contains("control")) e.classList.add("control");
    place(e, def, box);
    // Of two controls, the one the window made first lies on top.
    e.style.zIndex = z;
    nodes[def.name] = { node: shown, caption: caption };
  }

  // A hint a screen reader reads after an element's name, put after `at`.
  function hint(def, at) {
    var p = html("p", { id: def.name + "Hint", "class": "visually-hidden" });
    at.after(p);
    nodes[def.name].node.setAttribute("aria-describedby", p.id);
    nodes[def.name].hint = p;
    return p;
  }

  function build() {
    var stage = document.getElementById("stage");
    var scene = svg("svg", { id: "scene", viewBox: "0 0 " + tables.client.join(" "), role: "img",
      "aria-describedby": "announce" }, stage);
    var count = tables.elements.length;
    tables.elements.forEach(function (def, i) {
      defs[def.name] = def;
      // Group boxes first: they hold other elements.
      if (def.kind === "groupbox") {
        groupBox(def, stage);
        nodes[def.name].node.style.zIndex = count - i;
      }
    });
    tables.commands.forEach(function (cmd, row) { if (cmd.control) commandRow[cmd.control] = row; });
    // The painted elements: the last row is painted first, so the first lies on top.
    for (var i = count - 1; i >= 0; --i) {
      var def = tables.elements[i];
      if (def.role === "painted") paint(def, def.in === "Form1" ? scene : nodes[def.in].layer);
    }
    // The controls, in the order that Tab visits them.
    tables.tabOrder.forEach(function (name) {
      var def = defs[name], inFrame = def.in !== "Form1";
      control(def, inFrame ? nodes[def.in].node : stage, inFrame ? nodes[def.in].box : tables.client,
        count - tables.elements.indexOf(def));
      // Tab follows the document, so a group box goes where its first control does.
      stage.appendChild(inFrame ? nodes[def.in].node : document.getElementById(name));
    });
    var last = document.getElementById("announce");
    tables.elements.forEach(function (def) { if (def.hinted) last = hint(def, last); });
    nodes.scene = { node: scene };
    chooser(stage);
    buildLab(scene);
  }

  function commandNamed(name) {
    for (var row = 0; row < tables.commands.length; ++row) if (tables.commands[row].command === name) return row;
    return -1;
  }

  // The lab's button and panel, from the lab table in its tab order, and the
  // field's path, painted first so that every element lies over it; it goes
  // where the resultant goes on a small screen.
  function buildLab(scene) {
    var button = document.getElementById("labButton");
    var lab = command.bind(null, commandNamed("Lab"));
    button.addEventListener("click", lab);
    var list = document.getElementById("labControls");
    tables.lab.forEach(function (labRow, row) {
      var item = html("li", {}, list), e, caption;
      var press = function () { apply(answer(Module._vantrel_lab(row))); };
      switch (labRow.kind) {
      case "checkbox":
        var box = html("label", {}, item);
        e = html("input", { id: labRow.name, type: "checkbox" }, box);
        caption = html("span", {}, box);
        e.addEventListener("change", press);
        break;
      case "amplitude":
        caption = html("label", { "for": labRow.name }, item);
        e = html("input", { id: labRow.name, type: "number", min: 0, max: 150, step: 5, inputmode: "numeric" }, item);
        e.addEventListener("change", function () {
          var percent = parseInt(e.value, 10);
          if (!isNaN(percent)) apply(answer(Module._vantrel_amplitude(labRow.phase, Math.max(-1, Math.min(1000, percent)))));
          // What the program keeps is what the box shows.
          if (labState) e.value = String(labState.amplitudes[labRow.phase]);
        });
        break;
      case "button":
        e = caption = html("button", { id: labRow.name, type: "button" }, item);
        e.addEventListener("click", press);
        break;
      default:
        // Not a live region: it changes every tick while playing. A change of
        // the experiment is spoken with the settled frame, which tells the
        // field's size over the cycle.
        e = html("p", { id: labRow.name }, item);
      }
      labNodes.push({ node: e, caption: caption, kind: labRow.kind, phase: labRow.phase, name: labRow.name });
    });
    document.getElementById("labCopyLink").addEventListener("click", copyLink);
    pathLine = svg("polyline", { fill: "none", stroke: tables.pathColour, "stroke-width": tables.pathPen * tables.twipsPerPixel,
      "stroke-linejoin": "round", visibility: "hidden", "aria-hidden": "true", "data-with": "LineW" });
    scene.insertBefore(pathLine, scene.firstChild);
  }

  // The address of what is on screen, in the address bar and on the clipboard:
  // the lab's keys and the angle from the program, the rest as it was.
  var LINK_KEYS = ["angle", "play", "sequence", "open", "neutral", "amplitude", "locus", "field"];
  // The query of what is on screen, as "angle=90&open=r&locus".
  function link() {
    var changes = answer(Module._vantrel_link());
    return changes.link;
  }
  function copyLink() {
    var address = new URL(window.location.href);
    LINK_KEYS.forEach(function (key) { address.searchParams.delete(key); });
    new URLSearchParams(link()).forEach(function (value, key) { address.searchParams.append(key, value); });
    // A bare key reads better than one with an empty value.
    var href = address.href.replace(/([?&]locus)=(?=&|$)/, "$1");
    try {
      history.replaceState(history.state, "", href);
    } catch (ignored) {
      // A page opened as a file may not rewrite its address in every browser.
    }
    if (navigator.clipboard) navigator.clipboard.writeText(href).catch(function () {});
  }

  function applyLab(lab) {
    var resized = !labState || labState.open !== lab.open;
    labState = lab;
    document.getElementById("lab").hidden = !lab.open;
    document.getElementById("labButton").setAttribute("aria-expanded", lab.open ? "true" : "false");
    document.documentElement.classList.toggle("lab-open", lab.open);
    labNodes.forEach(function (n) {
      if (n.kind === "checkbox") n.node.checked = lab.checked.indexOf(n.name) >= 0;
      if (n.kind === "amplitude" && document.activeElement !== n.node) n.node.value = String(lab.amplitudes[n.phase]);
    });
    var was = pathLine.getAttribute("points") + pathLine.getAttribute("visibility");
    if (lab.path) {
      var points = [];
      for (var i = 0; i + 1 < lab.path.length; i += 2) points.push(lab.path[i] + "," + lab.path[i + 1]);
      pathLine.setAttribute("points", points.join(" "));
    }
    pathLine.setAttribute("visibility", lab.path ? "visible" : "hidden");
    // The canvas over the SVG paints the path too: all of it again, seldom.
    if (pathLine.static && was !== pathLine.getAttribute("points") + pathLine.getAttribute("visibility")) {
      pathLine.static.box = pathLine.static.reach = pathReach();
      drawSheet(pathLine.static.sheet);
    }
    if (lab.chart && chart) {
      chart.setAttribute("href", pictureUrl(chartInContrast ? 2 : 0));
      decodeAhead(chart.id, chart);
      if (movers.length) placeMovers();
    }
    // The scene's size changes with the panel beside it.
    if (resized) window.dispatchEvent(new Event("resize"));
    // On a small screen the panel follows the scene down the page.
    var arranged = document.documentElement.getAttribute("data-arrangement");
    if (resized && lab.open && arranged && arranged !== "designed") {
      document.getElementById("lab").scrollIntoView({ block: "nearest" });
    }
  }

  // The language chooser, after every designed control in the Tab order:
  // each language by its own name, in its own language.
  function chooser(stage) {
    var def = tables.chooser;
    var e = html("select", { id: def.name, "class": "control" }, stage);
    tables.languages.forEach(function (l) {
      var option = html("option", { value: l.tag, lang: l.tag, dir: "auto" }, e);
      option.textContent = l.name;
    });
    place(e, def, tables.client);
    // Nothing is stored: the address carries the choice, for a reload or a link.
    e.addEventListener("change", function () {
      setLanguage(e.value);
      try {
        var address = new URL(window.location.href);
        address.searchParams.set("locale", e.value);
        history.replaceState(history.state, "", address.href);
      } catch (ignored) {
        // A page opened as a file may not rewrite its address in every browser.
      }
    });
    nodes[def.name] = { node: e };
  }

  // The address's language, else the browser's, most wanted first; the
  // program picks the first it speaks, else English.
  function wantedLanguages() {
    var asked = new URLSearchParams(window.location.search).get("locale");
    if (asked) return asked.slice(0, LONGEST_TAGS);
    return (navigator.languages || [navigator.language || ""]).join(",").slice(0, LONGEST_TAGS);
  }

  function applyLanguage(language) {
    var root = document.documentElement;
    rightToLeft = language.rightToLeft;
    root.lang = language.tag;
    root.dir = rightToLeft ? "rtl" : "ltr";
    var chosen = nodes[tables.chooser.name].node;
    chosen.value = language.tag;
    // The testers' pseudo-locale is not in the list: none is chosen then.
    if (chosen.value !== language.tag) chosen.selectedIndex = -1;
    // A painted label of a right-to-left language starts at its rectangle's
    // right edge: the start of right-to-left text is its right end.
    labels.forEach(function (label) {
      var g = label.def.geometry;
      label.text.setAttribute("x", rightToLeft ? g[0] + g[2] : g[0]);
      label.text.setAttribute("direction", rightToLeft ? "rtl" : "ltr");
    });
    var manifest = document.querySelector("link[rel=manifest]");
    if (manifest) {
      var own = tables.languages.some(function (l) { return l.tag === language.tag; }) && language.tag !== "en";
      manifest.href = own ? "manifest-" + language.tag + ".webmanifest" : "manifest.webmanifest";
    }
  }

  // The width a text node takes on screen.
  function textWidth(node) {
    var range = document.createRange();
    range.selectNodeContents(node);
    return range.getBoundingClientRect().width;
  }

  // Shrinks a caption until its width fits its room, never below the
  // program's least share of its designed size. A font does not scale its
  // text in exact proportion, so each step measures again.
  function shrink(measure, scaleBy) {
    var least = tables.smallestCaptionScale, scale = 1;
    scaleBy(1);
    for (var step = 0; step < 4 && scale > least; ++step) {
      var measured = measure();
      if (measured.width <= measured.room) break;
      scale = Math.max(least, scale * measured.room / measured.width);
      scaleBy(scale);
    }
  }

  // Shrinks one caption, where it must, to its designed rectangle; nothing moves.
  // A caption that changed only in its digits, as the read-out does on every
  // tick, keeps its width: the fonts' digits are all as wide.
  var fitted = {};
  function fit(name) {
    var n = nodes[name], def = defs[name];
    if (!n || !n.caption) return;
    var shape = n.caption.textContent.replace(/[0-9]/g, "0");
    if (fitted[name] === shape) return;
    fitted[name] = shape;
    if (n.painted) {
      // Scaled about the point it hangs from, so the font shrinks in place.
      var text = n.caption, g = def.geometry, x = rightToLeft ? g[0] + g[2] : g[0];
      var scale = 1;
      shrink(function () { return { width: text.getComputedTextLength() * scale, room: g[2] }; }, function (s) {
        scale = s;
        if (s === 1) text.removeAttribute("transform");
        else text.setAttribute("transform", "translate(" + x + " " + g[1] + ") scale(" + s + ") translate(" + -x + " " + -g[1] + ")");
      });
      return;
    }
    var e = def.kind === "option" ? n.node.parentNode : n.caption;
    var scaleBy = function (s) { e.style.setProperty("--fit", String(s)); };
    if (def.kind === "option") {
      // The mark keeps its size; the text and the gap before it shrink.
      shrink(function () {
        var gap = parseFloat(getComputedStyle(e).columnGap) || 0;
        return { width: textWidth(n.caption) + gap, room: e.getBoundingClientRect().width - n.node.getBoundingClientRect().width };
      }, scaleBy);
    } else if (def.kind === "groupbox") {
      var indent = tables.captionIndent * tables.twipsPerPixel / def.geometry[2];
      shrink(function () {
        return { width: e.getBoundingClientRect().width, room: n.node.getBoundingClientRect().width * (1 - 2 * indent) };
      }, scaleBy);
    } else {
      shrink(function () { return { width: textWidth(e), room: e.clientWidth }; }, scaleBy);
    }
  }

  function fitAll() {
    fitted = {};
    tables.elements.forEach(function (def) { fit(def.name); });
  }

  function applyWords(words) {
    document.title = words.title;
    document.querySelector("h1").textContent = words.title;
    document.querySelector("meta[name=description]").setAttribute("content", words.description);
    nodes.scene.node.setAttribute("aria-label", words.scene);
    for (var name in words.spoken) {
      var spoken = words.spoken[name];
      if ("name" in spoken) nodes[name].node.setAttribute("aria-label", spoken.name);
      if ("hint" in spoken) nodes[name].hint.textContent = spoken.hint;
    }
    document.querySelector("#about button").textContent = words.ok;
    nodes[tables.chooser.name].node.setAttribute("aria-label", words.chooser);
    document.getElementById("labButton").textContent = words.labTitle;
    document.getElementById("labTitle").textContent = words.labTitle;
    document.getElementById("labCopyLink").textContent = words.copyLink;
    document.getElementById("contrastButton").textContent = words.contrast;
    labNodes.forEach(function (n, row) { if (n.caption) n.caption.textContent = words.lab[row]; });
  }

  function apply(changes) {
    var moved = [], placed = true;
    (changes.elements || []).forEach(function (s) {
      var n = nodes[s.name];
      if (!n) return;
      var mv = n.mover;
      if (mv) {
        // A line that moves on every tick: written where it changed, by
        // what was written last, which its canvas draws.
        if (mv.shown !== s.visible) n.node.setAttribute("visibility", s.visible ? "visible" : "hidden");
        mv.shown = s.visible;
        if ("x1" in s) {
          var now = [s.x1, s.y1, s.x2, s.y2];
          ["x1", "y1", "x2", "y2"].forEach(function (name, i) { if (mv.e[i] !== now[i]) n.node.setAttribute(name, now[i]); });
          mv.e = now;
          if (mv.round !== s.round) setCaps(n.node, s.round);
          mv.round = s.round;
        }
        moved.push(mv);
      } else if (n.painted) {
        var shown = s.visible ? "visible" : "hidden";
        if (n.node.getAttribute("visibility") !== shown) {
          n.node.setAttribute("visibility", shown);
          if (n.static) moved.push(n.static);
        }
      }
      if ("x1" in s && !mv) {
        // A line of the scene that leaves where it was is one that moves.
        var was = ends(n.node);
        var moves = defs[s.name].in === "Form1" && [s.x1, s.y1, s.x2, s.y2].some(function (v, i) { return v !== was[i]; });
        setAttr(n.node, "x1", s.x1);
        setAttr(n.node, "y1", s.y1);
        setAttr(n.node, "x2", s.x2);
        setAttr(n.node, "y2", s.y2);
        setCaps(n.node, s.round);
        if (n.static && !moves) moved.push(n.static);
        if (moves) {
          n.mover = mover(n.node, defs[s.name]);
          moved.push(n.mover);
          placed = false;
        }
      }
      if ("caption" in s && n.ticker && ticking) {
        // Drawn from the answer; its record follows (keepRecord).
        if (n.ticker.caption !== s.caption) moved.push(n.ticker);
        n.ticker.caption = s.caption;
        keepRecord(n.ticker, false);
      } else if ("caption" in s && n.caption) {
        // A ticker's record may lag what its canvas shows.
        var before = n.ticker ? n.ticker.caption : n.caption.textContent;
        setText(n.caption, s.caption);
        if (n.ticker) n.ticker.caption = s.caption;
        if (n.painted && ticking && !n.ticker && defs[s.name].in === "Form1") n.ticker = ticker(n, defs[s.name]);
        else if (n.ticker && before !== s.caption) moved.push(n.ticker);
        else if (n.static && before !== s.caption) moved.push(n.static);
        fit(s.name);
      }
    });
    if (!ticking) tickers.forEach(function (tk) { keepRecord(tk, true); });
    if (!placed) placeMovers();
    else if (moved.length) redrawMovers(moved);
    if (changes.controls) {
      var c = changes.controls;
      if (nodes.cmdPlay.caption.textContent !== c.cmdPlay) {
        nodes.cmdPlay.caption.textContent = c.cmdPlay;
        fit("cmdPlay");
      }
      if (nodes.txtAngle.node.value !== c.txtAngle) nodes.txtAngle.node.value = c.txtAngle;
      tables.elements.forEach(function (def) {
        if (def.kind === "option") nodes[def.name].node.checked = def.name === c.speed;
      });
      if (c.interval !== interval) startTimer(c.interval);
    }
    if (changes.language) applyLanguage(changes.language);
    if (changes.words) applyWords(changes.words);
    // Every caption again in its new font: each fits anew.
    if (changes.language) {
      fitAll();
      if (tickers.length || movers.length) placeMovers();
    }
    if ("settled" in changes) document.getElementById("announce").textContent = changes.settled;
    // A moment worth keeping: a learning platform keeps it (scorm.js).
    if ("settled" in changes || changes.lab) document.dispatchEvent(new Event("vantrel-settled"));
    if (changes.about) showAbout(changes.about);
    if (changes.lab) applyLab(changes.lab);
    if ("fieldSize" in changes) {
      labNodes.forEach(function (n) { if (n.kind === "readout") n.node.textContent = changes.fieldSize; });
    }
  }

  // The high-contrast look, or the designed one, set on whatever shows each
  // element: the painted lines, circles and labels, the chart, the group
  // boxes' etched borders, the field's path and the scheme's colours that
  // style.css reads. Kept apart from the painting, so that it holds however
  // that lays its nodes out, as long as nodes[name] names them.
  var highContrast = false, chartInContrast = false;
  function recolour(on) {
    highContrast = on;
    var scheme = on ? tables.contrastScheme : tables.scheme;
    var root = document.documentElement;
    root.style.setProperty("--window", scheme.window);
    root.style.setProperty("--button", scheme.button);
    root.style.setProperty("--button-text", scheme.buttonText);
    root.style.setProperty("--base", scheme.base);
    root.style.setProperty("--text", scheme.text);
    root.classList.toggle("high-contrast", on);
    tables.elements.forEach(function (def) {
      var n = nodes[def.name], colour = on ? def.contrastColour : def.colour;
      if (!n) return;
      if (def.kind === "line" || def.kind === "circle") n.node.setAttribute("stroke", colour);
      if (def.kind === "label") {
        n.node.querySelector("rect").setAttribute("fill", on ? def.contrastBackground : def.background);
        n.caption.setAttribute("fill", colour);
      }
      if (def.kind === "groupbox") {
        var etched = on ? tables.contrastEtched : tables.etched;
        n.layer.querySelectorAll("rect.etched").forEach(function (line, i) { line.setAttribute("stroke", etched[i]); });
      }
    });
    if (chart && chartInContrast !== on) {
      chart.setAttribute("href", pictureUrl(on ? 2 : 0));
      decodeAhead(chart.id, chart);
    }
    chartInContrast = on;
    if (pathLine) pathLine.setAttribute("stroke", on ? tables.contrastPathColour : tables.pathColour);
    // The moving lines are drawn again in their new colours.
    if (movers.length) placeMovers();
    var button = document.getElementById("contrastButton");
    if (button) button.setAttribute("aria-pressed", on ? "true" : "false");
  }

  // On while the system asks for more contrast, or the student or the
  // address does: ?contrast=high, or ?contrast=normal against the system.
  // The button overrides both until the page is loaded again.
  function followContrast() {
    var asked = new URLSearchParams(window.location.search).get("contrast");
    var media = window.matchMedia ? window.matchMedia("(prefers-contrast: more)") : null;
    var chosen = asked === "high" ? true : asked === "normal" ? false : null;
    var shown = function () { recolour(chosen !== null ? chosen : !!(media && media.matches)); };
    if (media) media.addEventListener("change", shown);
    document.getElementById("contrastButton").addEventListener("click", function () {
      chosen = !highContrast;
      shown();
    });
    shown();
  }

  // The timer runs from the start and is never stopped: a paused tick does
  // nothing and answers nothing; the ticks that moved the scene are counted
  // for a learning platform (scorm.js), which asks for the count.
  var played = 0;
  function startTimer(ms) {
    if (timer) clearInterval(timer);
    interval = ms;
    timer = setInterval(function () {
      var changes = answer(Module._vantrel_tick());
      if (changes.elements) ++played;
      ticking = true;
      try {
        apply(changes);
      } finally {
        ticking = false;
      }
    }, ms);
  }

  function showAbout(about) {
    var box = document.getElementById("about");
    document.getElementById("aboutTitle").textContent = about.title;
    document.getElementById("aboutText").textContent = about.text;
    box.querySelector("button").textContent = about.ok;
    if (!box.open) box.showModal();
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen();
  }

  // The keys come from the command table, in the same portable text that the
  // desktop reads. A command that presses a control goes to the program as a
  // click does; of the view's own, the page does full screen and leaves the
  // zoom keys and Escape to the browser.
  function bindKeys() {
    var names = { Return: "Enter", Esc: "Escape" };
    var view = { FullScreen: document.documentElement.requestFullscreen ? toggleFullScreen : null };
    var bindings = [], steps = {};
    tables.commands.forEach(function (cmd, row) {
      // The lab's steps hold Ctrl; its own key, Ctrl+L, is the browser's address bar.
      if (cmd.command === "StepBack" || cmd.command === "StepForward") {
        cmd.keys.forEach(function (k) { steps["Arrow" + k.replace(/^Ctrl\+/, "")] = row; });
        return;
      }
      var action = cmd.control ? function () { command(row); } : view[cmd.command];
      if (!action) return;
      cmd.keys.forEach(function (k) { bindings.push({ key: names[k] || k, scope: cmd.scope, action: action }); });
    });
    document.addEventListener("keydown", function (event) {
      if (document.getElementById("about").open || event.isComposing) return;
      // Ctrl+arrows step while the lab is open, except where they move the caret.
      var typing = event.target.tagName === "INPUT" && event.target.type !== "checkbox" && event.target.type !== "radio";
      if (event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey && event.key in steps &&
          labState && labState.open && !typing) {
        event.preventDefault();
        command(steps[event.key]);
        return;
      }
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      var def = defs[event.target.id];
      for (var i = 0; i < bindings.length; ++i) {
        var b = bindings[i];
        if (b.key !== event.key) continue;
        // A key of the box works only there: Enter on a button presses that button.
        if (b.scope === "textbox" && !(def && def.kind === "textbox")) continue;
        event.preventDefault();
        b.action();
        return;
      }
    });
  }

  function start() {
    tables = vantrelTables;
    var root = document.documentElement.style;
    root.setProperty("--window", tables.scheme.window);
    root.setProperty("--button", tables.scheme.button);
    root.setProperty("--button-text", tables.scheme.buttonText);
    root.setProperty("--base", tables.scheme.base);
    root.setProperty("--text", tables.scheme.text);
    root.setProperty("--aspect", String(tables.client[0] / tables.client[1]));
    build();
    followContrast();
    bindKeys();
    apply(answer(Module._vantrel_start()));
    setLanguage(wantedLanguages());
    // The page's other scripts (the layout for small screens, the address)
    // take over from the page as built, before it reports itself ready.
    document.dispatchEvent(new CustomEvent("vantrel-built", { detail: tables }));
    nodes[tables.tabOrder[0]].node.focus({ preventScroll: true });
    // A caption's width is known once its font has loaded: the page is
    // ready when every caption fits in the fonts it carries. The layout of a
    // small screen changes the widths again.
    window.addEventListener("resize", fitAll);
    window.addEventListener("resize", placeMovers);
    var families = ["Vantrel Sans", "Vantrel Arabic", "Vantrel Devanagari", "Vantrel CJK"];
    Promise.all(families.map(function (f) { return document.fonts.load("bold 16px \"" + f + "\""); }))
      .catch(function () {})
      .then(function () {
        fitAll();
        document.body.setAttribute("data-ready", "");
      });
  }

  // Every caption and word again in another language, the scene as it is.
  function setLanguage(tag) { withText(Module._vantrel_set_language, tag); }

  // The manifest is linked only where it can be read: opened as a file, a
  // browser refuses to load it, and says so in the console.
  if (/^https?:$/.test(location.protocol)) {
    var manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.appendChild(manifest);
  }
  // Inside a learning platform (scorm.js found one) the platform serves the
  // files: no worker is left behind in its origin.
  if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol) && !vantrelScorm.platform) {
    navigator.serviceWorker.register("sw.js");
  }

  // The lab as the address asks for it: "key=value" a line.
  function openLink(lines) { withText(Module._vantrel_open_link, lines); }

  return { start: start, setLanguage: setLanguage, openLink: openLink, link: link,
    playedTicks: function () { return played; } };
})();
