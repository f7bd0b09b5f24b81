// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the page from the element table that the program exports, binds the
// controls and the keys to its handlers, and applies what each call changed.
// The handlers, the frame and the words for a listener all run in the
// program; nothing here decides what the scene shows.
"use strict";

var Module = {
  onRuntimeInitialized: function () { vantrel.start(); }
};

var vantrel = (function () {
  var SVG = "http://www.w3.org/2000/svg";
  // Liberation Sans's ascent: a caption hangs from its rectangle's top edge.
  var ASCENT = 0.905;
  // Where a frame's caption starts, and its padding, in pixels at the designed size.
  var CAPTION_INDENT = 8, CAPTION_PADDING = 2;

  var design = null;      // what vantrel_start() returned
  var twipsPerPixel = 15;
  var clientWidth = 15150, clientHeight = 11010;
  var nodes = {};         // element name -> what shows it
  var timer = 0, interval = 0;

  function call(name, types, args) {
    return JSON.parse(Module.ccall(name, "string", types || [], args || []));
  }
  function click(control) { apply(call("vantrel_click", ["string"], [control])); }

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
  function fontSize(points) { return (points * 20 / clientWidth * 100) + "cqw"; }

  // Places an HTML control over the scene, in fractions of its container.
  function place(e, def, box) {
    var g = def.geometry;
    e.style.left = (g[0] / box[0] * 100) + "%";
    e.style.top = (g[1] / box[1] * 100) + "%";
    e.style.width = (g[2] / box[0] * 100) + "%";
    e.style.height = (g[3] / box[1] * 100) + "%";
    if (def.font) e.style.fontSize = fontSize(def.font.points);
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

  // The painted elements of one container, in its own twips.
  function paint(def, layer) {
    var g = def.geometry, px = twipsPerPixel;
    var e;
    switch (def.kind) {
    case "line":
      e = svg("line", { id: def.name, x1: g[0], y1: g[1], x2: g[2], y2: g[3], stroke: def.colour,
        "stroke-width": def.pen * px }, layer);
      setCaps(e, g[0], g[1], g[2], g[3], def.pen);
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
      var size = def.font.points * 20;
      var text = svg("text", { x: g[0], y: g[1] + ASCENT * size, "font-size": size, fill: def.colour }, e);
      text.textContent = def.caption;
      break;
    case "image":
      if (def.picture === "chart") {
        e = svg("image", { id: def.name, x: g[0], y: g[1], width: g[2], height: g[3], href: pictureUrl(0),
          preserveAspectRatio: def.stretch ? "none" : "xMinYMin meet" }, layer);
      }
      break;
    }
    if (e) nodes[def.name] = e;
  }

  // Wide strokes end round, as the window draws them; a line of no length
  // shows nothing, as a zero current draws no phasor.
  function setCaps(e, x1, y1, x2, y2, pen) {
    var zero = x1 === x2 && y1 === y2;
    e.setAttribute("stroke-linecap", pen > 2 && !zero ? "round" : "butt");
  }

  // A frame's etched border, with its caption breaking the top edge.
  function frame(def, parent) {
    var g = def.geometry, px = twipsPerPixel;
    var f = html("fieldset", { id: def.name, "class": "control" }, parent);
    place(f, def, [clientWidth, clientHeight]);
    var captionHalf = def.font.points * 20 * 1.15 / 2;
    var border = svg("svg", { viewBox: "0 0 " + g[2] + " " + g[3], "aria-hidden": "true",
      preserveAspectRatio: "none" }, f);
    [["#808080", 0], ["#FFFFFF", px]].forEach(function (edge) {
      svg("rect", { x: px / 2 + edge[1], y: captionHalf + px / 2 + edge[1], width: g[2] - 2 * px,
        height: g[3] - captionHalf - 2 * px, fill: "none", stroke: edge[0], "stroke-width": px }, border);
    });
    var legend = html("legend", {}, f);
    legend.textContent = def.caption;
    legend.style.left = (CAPTION_INDENT * px / g[2] * 100) + "%";
    legend.style.padding = "0 " + (CAPTION_PADDING * px / clientWidth * 100) + "cqw";
    legend.style.fontSize = fontSize(def.font.points);
    nodes[def.name] = { fieldset: f, layer: border, box: [g[2], g[3]] };
    return nodes[def.name];
  }

  function control(def, parent, box, z) {
    var e;
    switch (def.kind) {
    case "button":
      e = html("button", { id: def.name, type: "button", "class": "control" }, parent);
      e.textContent = def.caption;
      e.addEventListener("click", def.name === "cmdAngle" ? setAngle : function () { click(def.name); });
      break;
    case "textbox":
      e = html("input", { id: def.name, type: "text", "class": "control", value: def.caption,
        "aria-label": "Angle in degrees", "aria-describedby": "txtAngleHint", autocomplete: "off",
        spellcheck: "false", inputmode: "decimal" }, parent);
      break;
    case "option":
      e = html("label", { "class": "option" }, parent);
      var radio = html("input", { id: def.name, type: "radio", name: "speed" }, e);
      radio.checked = def.selected;
      e.appendChild(document.createTextNode(def.caption));
      radio.addEventListener("change", function () { if (radio.checked) click(def.name); });
      break;
    case "image":
      // The About picture answers a click like a button, and is one.
      e = html("button", { id: def.name, type: "button", "class": "control", "aria-label": "About",
        "aria-describedby": "cmdAboutHint" }, parent);
      html("img", { src: pictureUrl(1), alt: "" }, e);
      e.addEventListener("click", function () { click(def.name); });
      break;
    }
    if (!e) return;
    if (!e.classList.contains("control")) e.classList.add("control");
    place(e, def, box);
    // Of two controls, the one the window made first lies on top.
    e.style.zIndex = z;
    if (!nodes[def.name]) nodes[def.name] = def.kind === "option" ? e.firstChild : e;
  }

  function build() {
    var stage = document.getElementById("stage");
    var scene = svg("svg", { id: "scene", viewBox: "0 0 " + clientWidth + " " + clientHeight, role: "img",
      "aria-label": "Rotating magnetic field", "aria-describedby": "announce" }, stage);
    var defs = design.elements;
    var count = defs.length;
    // Frames first: they hold other elements.
    defs.forEach(function (def, i) {
      if (def.kind === "frame") frame(def, stage).fieldset.style.zIndex = count - i;
    });
    nodes.Frame2.fieldset.setAttribute("aria-describedby", "Frame2Hint");
    // The painted elements: the last row is painted first, so the first lies on top.
    for (var i = count - 1; i >= 0; --i) {
      var def = defs[i];
      if (def.kind === "line" || def.kind === "circle" || def.kind === "label" ||
          (def.kind === "image" && def.picture === "chart")) {
        paint(def, def.in === "Form1" ? scene : nodes[def.in].layer);
      }
    }
    // The controls, in the order that Tab visits them.
    var order = ["cmdPlay", "optSlow", "optMed", "optFast", "txtAngle", "cmdAngle", "cmdAbout"];
    order.forEach(function (name) {
      var i = defs.findIndex(function (d) { return d.name === name; });
      var def = defs[i];
      var inFrame = def.in !== "Form1";
      control(def, inFrame ? nodes[def.in].fieldset : stage,
        inFrame ? nodes[def.in].box : [clientWidth, clientHeight], count - i);
      // Tab follows the document, so a frame goes where its first control does.
      stage.appendChild(inFrame ? nodes[def.in].fieldset : document.getElementById(name));
    });
  }

  function apply(changes) {
    if (changes.controls) {
      var c = changes.controls;
      nodes.cmdPlay.textContent = c.cmdPlay;
      if (nodes.txtAngle.value !== c.txtAngle) nodes.txtAngle.value = c.txtAngle;
      if (c.interval !== interval) startTimer(c.interval);
    }
    (changes.elements || []).forEach(function (s) {
      var e = nodes[s.name];
      if (!e) return;
      e.setAttribute("visibility", s.visible ? "visible" : "hidden");
      if ("x1" in s) {
        e.setAttribute("x1", s.x1);
        e.setAttribute("y1", s.y1);
        e.setAttribute("x2", s.x2);
        e.setAttribute("y2", s.y2);
        setCaps(e, s.x1, s.y1, s.x2, s.y2, Number(e.getAttribute("stroke-width")) / twipsPerPixel);
      }
      if ("caption" in s) e.querySelector("text").textContent = s.caption;
    });
    if ("announce" in changes) document.getElementById("announce").textContent = changes.announce;
    if (changes.about) showAbout(changes.about);
  }

  // The timer runs from the start and is never stopped: a paused tick does nothing.
  function startTimer(ms) {
    if (timer) clearInterval(timer);
    interval = ms;
    timer = setInterval(function () { apply(call("vantrel_tick")); }, ms);
  }

  function setAngle() {
    apply(call("vantrel_set_angle", ["string"], [nodes.txtAngle.value]));
  }

  function showAbout(about) {
    var box = document.getElementById("about");
    document.getElementById("aboutTitle").textContent = about.title;
    document.getElementById("aboutText").textContent = about.text;
    if (!box.open) box.showModal();
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen();
  }

  // The keys come from the program's command table, in the same portable
  // text that the desktop reads. The browser's own zoom keys stay the browser's.
  function bindKeys() {
    var names = { Return: "Enter", Esc: "Escape" };
    var actions = {
      About: function () { nodes.cmdAbout.click(); },
      SetAngle: setAngle,
      FullScreen: document.documentElement.requestFullscreen ? toggleFullScreen : null
    };
    var bindings = [];
    design.commands.forEach(function (cmd) {
      var action = actions[cmd.command];
      if (!action) return;
      cmd.keys.forEach(function (k) { bindings.push({ key: names[k] || k, scope: cmd.scope, action: action }); });
    });
    document.addEventListener("keydown", function (event) {
      if (event.ctrlKey || event.altKey || event.metaKey || document.getElementById("about").open) return;
      for (var i = 0; i < bindings.length; ++i) {
        var b = bindings[i];
        if (b.key !== event.key) continue;
        if (b.scope === "textbox" && event.target !== nodes.txtAngle) continue;
        event.preventDefault();
        b.action();
        return;
      }
    });
  }

  function start() {
    design = call("vantrel_start");
    twipsPerPixel = design.twipsPerPixel;
    clientWidth = design.client[0];
    clientHeight = design.client[1];
    var root = document.documentElement.style;
    root.setProperty("--window", design.scheme.window);
    root.setProperty("--button", design.scheme.button);
    root.setProperty("--button-text", design.scheme.buttonText);
    root.setProperty("--base", design.scheme.base);
    root.setProperty("--text", design.scheme.text);
    root.setProperty("--aspect", String(clientWidth / clientHeight));
    build();
    bindKeys();
    apply(design.state);
    // The page's other scripts (the layout for small screens, the address)
    // take over from the page as built, before it reports itself ready.
    document.dispatchEvent(new CustomEvent("vantrel-built", { detail: design }));
    nodes.cmdPlay.focus({ preventScroll: true });
    document.body.setAttribute("data-ready", "");
  }

  if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register("sw.js");
  }

  return { start: start };
})();
