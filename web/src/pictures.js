// SPDX-License-Identifier: GPL-3.0-or-later
// The three pictures of the network: the error curve, the decision plane of
// a two-input network and the weight grids. The numbers come from the engine;
// this file only draws them.

// Dark blue for negative through grey to light orange for positive, the
// lightness rising with the value (a grey-scale print keeps the signs apart).
export function divergingColour(t) {
  const u = Math.max(-1, Math.min(1, t));
  const grey = [150, 150, 150];
  const end = u < 0 ? [20, 50, 140] : [255, 200, 120];
  const f = Math.abs(u);
  return grey.map((g, i) => Math.round(g + (end[i] - g) * f));
}

function prepare(canvas) {
  const ctx = canvas.getContext('2d');
  ctx.clearRect(0, 0, canvas.width, canvas.height);
  ctx.font = '12px "Liberation Sans", Arial, sans-serif';
  return ctx;
}

export function drawCurve(canvas, history) {
  const ctx = prepare(canvas);
  const w = canvas.width, h = canvas.height, left = 50, bottom = 28, top = 10, right = 12;
  ctx.strokeStyle = '#888';
  ctx.strokeRect(left, top, w - left - right, h - top - bottom);
  if (!history.length) {
    canvas.setAttribute('aria-label', 'Error curve: no run yet');
    return;
  }
  const maxEpoch = Math.max(1, history[history.length - 1][0]);
  const maxSSE = Math.max(...history.map((r) => r[1]), 1e-12);
  const x = (e) => left + (e / maxEpoch) * (w - left - right);
  const y = (s) => top + (1 - s / maxSSE) * (h - top - bottom);
  ctx.fillStyle = '#333';
  ctx.fillText(maxSSE.toPrecision(3), 2, top + 10);
  ctx.fillText('0', left - 12, h - bottom);
  ctx.fillText(String(maxEpoch), w - right - 40, h - 8);
  ctx.fillText('epochs', left, h - 8);
  ctx.strokeStyle = '#1f4e9c';
  ctx.lineWidth = 2;
  ctx.beginPath();
  history.forEach(([e, s], i) => (i ? ctx.lineTo(x(e), y(s)) : ctx.moveTo(x(e), y(s))));
  ctx.stroke();
  const last = history[history.length - 1];
  canvas.setAttribute('aria-label',
    `Error curve: ${history.length} records, total SSE ${history[0][1]} at epoch 0 and ${last[1]} at epoch ${last[0]}`);
}

// `values` holds the unit's activation at cells x cells points from the top row down.
export function drawPlane(canvas, values, cells, low, high, patterns, unit) {
  const ctx = prepare(canvas);
  const size = canvas.width;
  const image = ctx.createImageData(cells, cells);
  for (let i = 0; i < values.length; ++i) {
    const [r, g, b] = divergingColour(values[i] * 2 - 1);
    image.data.set([r, g, b, 255], i * 4);
  }
  const scratch = new OffscreenCanvas(cells, cells);
  scratch.getContext('2d').putImageData(image, 0, 0);
  ctx.imageSmoothingEnabled = true;
  ctx.drawImage(scratch, 0, 0, size, size);
  const at = (v) => ((v - low) / (high - low)) * size;
  let missed = 0;
  for (const p of patterns) {
    const cx = at(p.x), cy = size - at(p.y);
    ctx.beginPath();
    ctx.arc(cx, cy, 9, 0, 2 * Math.PI);
    ctx.fillStyle = p.desired[unit - 1] >= 0.5 ? '#000' : '#fff';
    ctx.fill();
    ctx.lineWidth = 1.5;
    ctx.strokeStyle = '#000';
    ctx.stroke();
    if (!p.hit[unit - 1]) {
      ++missed;
      ctx.beginPath();
      ctx.arc(cx, cy, 13, 0, 2 * Math.PI);
      ctx.lineWidth = 3;
      ctx.strokeStyle = '#d000d0';
      ctx.stroke();
    }
  }
  canvas.setAttribute('aria-label',
    `Decision plane of output unit ${unit}: ${patterns.length} patterns, ${missed} missed (ringed)`);
}

// Each output unit's weights as a grid `width` cells wide, its threshold in
// a cell of its own to the right; one colour scale for all.
// With `ownContrast` each unit runs from its own lowest weight to its highest,
// so the shape it learned shows even where most of its weights are negative.
export function drawWeights(canvas, weights, thresholds, width, ownContrast = false) {
  const units = weights.length;
  const inputs = units ? weights[0].length : 0;
  const columns = Math.max(1, Math.min(width, inputs));
  const rows = Math.ceil(inputs / columns);
  const perRow = Math.max(1, Math.floor(canvas.width / ((columns + 2) * 14)));
  const cell = Math.max(4, Math.min(24, Math.floor(canvas.width / (perRow * (columns + 2)))));
  const blockW = (columns + 2) * cell, blockH = (rows + 1.5) * cell;
  canvas.height = Math.max(60, Math.ceil(units / perRow) * blockH + 4);
  const ctx = prepare(canvas);
  let largest = 1e-12;
  for (let k = 0; k < units; ++k) {
    for (const v of weights[k]) largest = Math.max(largest, Math.abs(v));
    largest = Math.max(largest, Math.abs(thresholds[k]));
  }
  let scale = (v) => v / largest;
  const fill = (v, x, y) => {
    const [r, g, b] = divergingColour(scale(v));
    ctx.fillStyle = `rgb(${r},${g},${b})`;
    ctx.fillRect(x, y, cell - 1, cell - 1);
  };
  for (let k = 0; k < units; ++k) {
    const ox = (k % perRow) * blockW, oy = Math.floor(k / perRow) * blockH;
    if (ownContrast) {
      const low = Math.min(...weights[k]), high = Math.max(...weights[k]);
      scale = (v) => (high > low ? ((v - low) / (high - low)) * 2 - 1 : 0);
    }
    ctx.fillStyle = '#333';
    ctx.fillText(`Unit ${k + 1}`, ox, oy + 11);
    weights[k].forEach((v, i) => fill(v, ox + (i % columns) * cell, oy + 14 + Math.floor(i / columns) * cell));
    fill(thresholds[k], ox + (columns + 0.5) * cell, oy + 14);
  }
  canvas.setAttribute('aria-label',
    `Weights of ${units} output units, ${inputs} inputs each, in grids ${columns} cells wide${ownContrast ? ', each unit on its own contrast' : ''}; largest magnitude ${largest.toPrecision(3)}`);
}
