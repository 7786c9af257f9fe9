// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the engine's worker: each request is a promise of its
// answer; progress messages of a run go to onProgress.
export class EngineClient {
  constructor(onProgress) {
    this.worker = new Worker('worker.js');
    this.pending = new Map();
    this.nextId = 1;
    this.worker.onmessage = (event) => {
      const { id, result, error, progress } = event.data;
      if (progress) {
        onProgress(progress);
        return;
      }
      const waiting = this.pending.get(id);
      this.pending.delete(id);
      if (error !== undefined) waiting.reject(new Error(error));
      else waiting.resolve(result);
    };
  }

  call(op, ...args) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject });
      this.worker.postMessage({ id, op, args });
    });
  }

  stop() {
    this.worker.postMessage({ op: 'stop' });
  }
}
