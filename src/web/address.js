// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A link to a moment, for slides and worksheets:
//   index.html?angle=90&speed=fast&play
// opens at 90 degrees, at Fast, playing. The address only ever types into
// the box and presses the page's own controls, so an angle goes through Set
// Angle's rules exactly as a typed one does, and nothing from the address is
// ever written as markup. Of a repeated key the first counts; any other key,
// the language's among them, is left to whoever reads it. A learning
// platform's stored moment (scorm.js) is the same text and opens the same way.
"use strict";

var vantrelAddress = (function () {
  // Longer than any angle anyone types; the address is not trusted for sizes.
  var MOST_TYPED = 64;
  var speeds = { slow: "optSlow", medium: "optMed", fast: "optFast" };
  // The lab's keys, which the program reads: sequence=rby, open=r, neutral=no,
  // amplitude=100,50,100, locus, field=hidden.
  var labKeys = ["sequence", "open", "neutral", "amplitude", "locus", "field"];

  // Opens what a query (URLSearchParams) asks for, once the page is built.
  function open(query) {
    var asked = [];
    query.forEach(function (value, key) {
      if (labKeys.indexOf(key) >= 0) asked.push(key + "=" + value.slice(0, MOST_TYPED).replace(/[\r\n]/g, " "));
    });
    if (asked.length) vantrel.openLink(asked.join("\n"));
    var angle = query.get("angle");
    if (angle !== null) {
      var box = document.getElementById("txtAngle");
      box.value = angle.slice(0, MOST_TYPED);
      // As typing does: the program hears of every change of the box.
      box.dispatchEvent(new Event("input", { bubbles: true }));
      document.getElementById("cmdAngle").click();
    }
    var speed = (query.get("speed") || "").toLowerCase();
    if (Object.prototype.hasOwnProperty.call(speeds, speed)) document.getElementById(speeds[speed]).click();
    // The page opens paused, so one press of Play starts it.
    // A reader who asks for less motion starts it with Play, not the link.
    var still = window.matchMedia && window.matchMedia("(prefers-reduced-motion: reduce)").matches;
    if (query.has("play") && !still) document.getElementById("cmdPlay").click();
  }

  document.addEventListener("vantrel-built", function () { open(new URLSearchParams(window.location.search)); });

  return { open: open };
})();
