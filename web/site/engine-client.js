// The page's side of the engine: a worker that answers, and a spare one that stands
// ready. A search runs to its end inside its worker, so a newer question stops an older
// one by ending that worker: the spare takes over at once and a new spare starts.

const dataFiles = ['nlwrdiso.v3', 'tellingen.txt', 'ij-uitzonderingen.txt'];

// A file of the site, stored compressed (the same on every static host), unpacked; each
// piece that arrives is told to `arrived` with its size, and the file's whole size first.
async function unpacked(url, arrived) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  arrived(0, Number(response.headers.get('content-length')) || 0);
  const counted = response.body.pipeThrough(new TransformStream({
    transform(piece, controller) {
      arrived(piece.byteLength, 0);
      controller.enqueue(piece);
    },
  }));
  const stream = counted.pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The module's code and the data, fetched once for every worker; progress(loaded, total)
// in bytes as they arrive.
async function engineFiles(progress) {
  let loaded = 0;
  let total = 0;
  const arrived = (bytes, size) => {
    loaded += bytes;
    total += size;
    progress(loaded, total);
  };
  const [wasmBinary, ...unpackedData] = await Promise.all([
    unpacked('taalspoor.wasm.gz', arrived),
    ...dataFiles.map((name) => unpacked(`data/${name}.gz`, arrived)),
  ]);
  return { wasmBinary, data: Object.fromEntries(dataFiles.map((name, k) => [name, unpackedData[k]])) };
}

export class Engine {
  constructor(ownList, progress = () => {}) {
    this.ownList = ownList;  // the bytes of Mijnlijst.txt, as every new worker gets them
    this.files = engineFiles(progress);
    this.current = this.spawn();
    this.nextId = 1;
    this.ready = this.current.ready;
    // The spare starts once the first is ready, so that the two do not share the start.
    this.spare = null;
    this.ready.then(() => { this.spare = this.spawn(); }, () => {});
    this.onOwnListChanged = () => {};
  }

  spawn() {
    const worker = new Worker(new URL('worker.js', import.meta.url), { type: 'module' });
    const helper = { worker, pending: new Map(), busy: false };
    helper.ready = new Promise((resolve, reject) => {
      helper.pending.set('start', { resolve, reject });
    });
    worker.onmessage = ({ data }) => this.received(helper, data);
    worker.onerror = (event) => this.failed(helper, event.message || 'de zoekmachine kon niet starten');
    this.files.then(
      (files) => worker.postMessage({ type: 'start', ownList: this.ownList, files }),
      (error) => this.failed(helper, error.message),
    );
    return helper;
  }

  received(helper, data) {
    if (data.type === 'ready') return this.settle(helper, 'start', data);
    if (data.type === 'own-changed' && helper === this.current) {
      this.ownList = data.bytes;
      this.onOwnListChanged(data);
    }
    if (data.type === 'failed') return this.settle(helper, data.id ?? 'start', null, new Error(data.message));
    if (data.type === 'answer') helper.busy = false;
    return this.settle(helper, data.id, data);
  }

  settle(helper, id, value, error) {
    const waiting = helper.pending.get(id);
    if (!waiting) return;
    helper.pending.delete(id);
    if (error) waiting.reject(error);
    else waiting.resolve(value);
  }

  failed(helper, message) {
    for (const waiting of helper.pending.values()) waiting.reject(new Error(message));
    helper.pending.clear();
  }

  request(helper, message) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      helper.pending.set(id, { resolve, reject });
      helper.worker.postMessage({ ...message, id });
    });
  }

  // The answer to the question (pairs of name and value) with its first rows. A question
  // still running is dropped: its promise never settles.
  async ask(question, first) {
    if (this.current.busy) {
      this.current.worker.terminate();
      this.current = this.spare || this.spawn();
      this.spare = this.spawn();
    }
    const helper = this.current;
    await helper.ready;
    helper.busy = true;
    return this.request(helper, { type: 'ask', question, first });
  }

  rows(from, count) {
    return this.request(this.current, { type: 'rows', from, count });
  }

  text() {
    return this.request(this.current, { type: 'text' });
  }

  // Changes of the own list go to both workers, so that the spare searches it too.
  async ownListChange(message) {
    const data = await this.request(this.current, message);
    this.spare?.worker.postMessage({ type: 'own-list', bytes: data.bytes });
    return data;
  }

  addOwnWord(word) { return this.ownListChange({ type: 'add', word }); }
  removeOwnWord(word) { return this.ownListChange({ type: 'remove', word }); }
  replaceOwnList(bytes) { return this.ownListChange({ type: 'own-list', bytes }); }
}
