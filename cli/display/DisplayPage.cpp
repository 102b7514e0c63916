#include "cli/display/DisplayPage.h"

namespace qovcli {

std::string_view displayPage() {
    static constexpr std::string_view page = R"PAGE(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Qovara device</title>
<style>
  body { margin: 0; padding: 16px; display: flex; flex-wrap: wrap; gap: 24px; align-items: flex-start;
         font: 14px system-ui, sans-serif; background: #2b2d31; color: #e8e8e8; }
  /* The stage takes the room of the device as it stands (its size set from the screen's), so the page lays itself
     out around a turned phone and a pad. */
  #stage { position: relative; flex: none; width: 352px; height: 600px; }
  #device { background: #111; border-radius: 36px; padding: 60px 16px; position: absolute; left: 50%; top: 50%;
            transform: translate(-50%, -50%); box-shadow: 0 4px 24px #0008; transition: transform .3s; }
  #stage.landscape #device { transform: translate(-50%, -50%) rotate(-90deg); }
  #screen { position: relative; width: 320px; height: 480px; cursor: pointer; user-select: none; }
  #screen:focus { outline: none; }
  #screen img { width: 100%; height: 100%; display: block; -webkit-user-drag: none; }
  #away { position: absolute; inset: 0; background: #000c; display: none; align-items: center;
          justify-content: center; text-align: center; color: #ccc; }
  #device.background #away { display: flex; }
  #controls { display: flex; flex-direction: column; gap: 8px; flex: none; width: 180px; }
  button { font: inherit; padding: 6px 10px; border-radius: 6px; border: 1px solid #555;
           background: #3a3d44; color: inherit; cursor: pointer; }
  button:hover { background: #4a4e57; }
  /* Messages take a fixed place: a long one wraps inside it and never moves the page. */
  #message { color: #f0b070; height: 7.5em; overflow: hidden; overflow-wrap: anywhere; }
  #inspector { flex: 1; min-width: 300px; }
  #dump { background: #1d1f23; padding: 12px; border-radius: 8px; white-space: pre; overflow: auto;
          max-height: 85vh; font: 12px ui-monospace, monospace; margin: 0; }
  h2 { font-size: 13px; text-transform: uppercase; letter-spacing: .08em; color: #9aa; margin: 8px 0; }
</style>
</head>
<body>
<div id="stage"><div id="device"><div id="screen" tabindex="0"><img id="frame" alt="the device's screen"
  draggable="false"><div id="away">In the background<br>press Home to return</div></div></div></div>
<div id="controls">
  <h2>Device</h2>
  <button data-button="home">Home</button>
  <button data-button="rotate">Rotate</button>
  <button data-button="network" id="network">Network</button>
  <button data-button="legacymap">Older map</button>
  <h2>Clock</h2>
  <div id="clock">real time</div>
  <button data-button="clock+60">+1 minute</button>
  <button data-button="clock+600">+10 minutes</button>
  <button data-button="clock+3600">+1 hour</button>
  <div id="message"></div>
</div>
<div id="inspector"><h2>Screen</h2><pre id="dump"></pre></div>
<script>
"use strict";
const token = new URLSearchParams(location.search).get("token") || "";
const $ = (id) => document.getElementById(id);
let sending = Promise.resolve();

function url(path, parameters) {
  const query = new URLSearchParams(Object.assign({ token: token }, parameters || {}));
  return path + "?" + query.toString();
}

// Input goes out one request at a time, in the order it was made.
function send(path, parameters, body) {
  sending = sending.then(async () => {
    const answer = await fetch(url(path, parameters), { method: "POST", body: body });
    const outcome = await answer.json().catch(() => ({}));
    $("message").textContent = outcome.error || "";
  }).catch((error) => { $("message").textContent = String(error); });
}

// The screen at its size in points (a phone's or a pad's), drawn at one CSS pixel a point when the device as it
// stands fits the window, else scaled down until it does (a pad's screen in an ordinary window); the stage takes
// the room of the device as it stands. Clicks map back to points through the scale.
const bezel = { across: 16, down: 60 }, pageMargin = 16;
let screenSize = { width: 320, height: 480 }, landscapeShown = false, pixelsPerPoint = 1;
function showSize(size, landscape) {
  screenSize = size;
  landscapeShown = landscape;
  const across = landscape ? size.height : size.width, down = landscape ? size.width : size.height;
  const bezelAcross = 2 * (landscape ? bezel.down : bezel.across);
  const bezelDown = 2 * (landscape ? bezel.across : bezel.down);
  pixelsPerPoint = Math.max(0.1, Math.min(1, (innerWidth - 2 * pageMargin - bezelAcross) / across,
                                          (innerHeight - 2 * pageMargin - bezelDown) / down));
  $("screen").style.width = size.width * pixelsPerPoint + "px";
  $("screen").style.height = size.height * pixelsPerPoint + "px";
  $("stage").style.width = across * pixelsPerPoint + bezelAcross + "px";
  $("stage").style.height = down * pixelsPerPoint + bezelDown + "px";
}
addEventListener("resize", () => showSize(screenSize, landscapeShown));

function showState(state) {
  $("frame").src = url("/frame.png", { frame: state.frame });
  $("dump").textContent = state.dump;
  const device = state.device;
  const landscape = device.orientation === "landscape";
  $("device").classList.toggle("background", device.background);
  $("stage").classList.toggle("landscape", landscape);
  showSize(device.screen, landscape);
  $("network").textContent = device.network ? "Network: on" : "Network: off";
  const minutes = Math.round(device.clockAhead / 60);
  $("clock").textContent = minutes > 0 ? "real time + " + Math.floor(minutes / 60) + " h " + (minutes % 60) + " min"
                                       : "real time";
}

// Each request waits at the runner until there is a newer frame than the one shown.
async function followFrames() {
  let shown = 0;
  for (;;) {
    try {
      const answer = await fetch(url("/state", { after: shown }));
      if (answer.ok) {
        const state = await answer.json();
        if (state.frame !== shown) {
          shown = state.frame;
          showState(state);
        }
      } else {
        await new Promise((resume) => setTimeout(resume, 1000));
      }
    } catch (error) {
      $("message").textContent = "the runner does not answer";
      await new Promise((resume) => setTimeout(resume, 1000));
    }
  }
}

let pressed = null;
const screen = $("screen");
// The point of the screen under the pointer, kept on the screen (a pointer leaving it is at its edge).
function pointOf(event) {
  const box = screen.getBoundingClientRect();
  const landscape = $("stage").classList.contains("landscape");
  const x = (event.clientX - box.left) / pixelsPerPoint, y = (event.clientY - box.top) / pixelsPerPoint;
  // The box is turned a quarter to the left in landscape.
  const point = landscape ? { x: box.height / pixelsPerPoint - y, y: x } : { x: x, y: y };
  return { x: Math.min(Math.max(point.x, 0), screenSize.width - 1),
           y: Math.min(Math.max(point.y, 0), screenSize.height - 1) };
}
// A press ends where the button is let go, or where the pointer left the screen.
function release(event) {
  if (!pressed) return;
  const released = pointOf(event);
  const dx = released.x - pressed.x, dy = released.y - pressed.y;
  if (Math.hypot(dx, dy) < 5) {
    // The browser counts the quick clicks in a row: the second of a double click is a double tap's second tap.
    send("/tap", { x: pressed.x, y: pressed.y, taps: pressed.taps });
  } else {
    send("/drag", { x: pressed.x, y: pressed.y, dx: dx, dy: dy });
  }
  pressed = null;
}
screen.addEventListener("mousedown", (event) => {
  pressed = Object.assign(pointOf(event), { taps: Math.min(Math.max(event.detail, 1), 5) });
  screen.focus();
  event.preventDefault();
});
screen.addEventListener("mouseup", release);
screen.addEventListener("mouseleave", release);
// The wheel pinches around the pointer (a map zooms); the turns made while a pinch is on its way go as one.
let wheel = null;
screen.addEventListener("wheel", (event) => {
  event.preventDefault();
  const at = pointOf(event);
  if (wheel) { wheel.delta += event.deltaY; wheel.x = at.x; wheel.y = at.y; return; }
  wheel = { x: at.x, y: at.y, delta: event.deltaY };
  sending = sending.then(() => {
    const pinch = wheel;
    wheel = null;
    send("/pinch", { x: pinch.x, y: pinch.y, scale: Math.pow(2, -pinch.delta / 250) });
  });
}, { passive: false });
document.addEventListener("keydown", (event) => {
  if (event.ctrlKey || event.metaKey || event.altKey) return;
  if (event.key === "Enter") {
    send("/key", { name: "return" });
  } else if (event.key === "Backspace") {
    send("/key", { name: "backspace" });
  } else if (event.key.length === 1) {
    send("/type", {}, event.key);
  } else {
    return;
  }
  event.preventDefault();
});
for (const button of document.querySelectorAll("[data-button]")) {
  button.addEventListener("click", () => send("/button", { name: button.dataset.button }));
}
followFrames();
</script>
</body>
</html>
)PAGE";
    return page;
}

}  // namespace qovcli
