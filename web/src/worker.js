// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's worker: every request runs here, one after another, so the
// page never waits on a training run. Stop is the exception: it is heard
// while a run goes on (the run hands control back between epochs).
importScripts('vantorelle_engine.js');

let engine = null;
const ready = VantorelleEngine().then((module) => {
  engine = module;
  module.onProgress = (json) => postMessage({ progress: JSON.parse(json) });
});

async function run(op, setup) {
  engine.stopWanted = false;
  const answer = await engine.ccall(op, 'string', ['string'], [JSON.stringify(setup)], { async: true });
  return JSON.parse(answer);
}

const operations = {
  defaults: () => ({ setup: JSON.parse(engine.defaults()), sections: JSON.parse(engine.defaultSections()) }),
  checkHeader: (name, bytes) => JSON.parse(engine.checkHeader(name, bytes)),
  openTrainingFile: (name, bytes) => JSON.parse(engine.openTrainingFile(name, bytes)),
  openSavedNetwork: (name, bytes) => JSON.parse(engine.openSavedNetwork(name, bytes)),
  start: (setup) => run('vantorelle_start', setup),
  continueRun: (setup) => run('vantorelle_continue', setup),
  probe: (pattern) => JSON.parse(engine.probe(pattern)),
  testOnFile: (name, bytes) => JSON.parse(engine.testOnFile(name, bytes)),
  picture: () => JSON.parse(engine.picture()),
  plane: (unit, low, high, cells) => engine.plane(unit, low, high, cells),
  report: (request) => engine.report(JSON.stringify(request)),
  savedNetwork: (setup) => engine.savedNetwork(JSON.stringify(setup)),
};

let queue = Promise.resolve();
onmessage = (event) => {
  const { id, op, args } = event.data;
  if (op === 'stop') {
    if (engine) engine.stopWanted = true;
    return;
  }
  queue = queue.then(async () => {
    await ready;
    try {
      postMessage({ id, result: await operations[op](...args) });
    } catch (error) {
      postMessage({ id, error: String(error && error.message ? error.message : error) });
    }
  });
};
