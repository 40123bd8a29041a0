// The terminal's page: readings taken with a keyboard-wedge scanner (or typed), kept on the
// device until the server has confirmed the set they were sent in.
'use strict';

const KINDS = {
  I: 'Inventário', A: 'Acerto', T: 'Transferência', E: 'Entrada', S: 'Saída',
};
const AGAINST_ORDER = new Set(['E', 'S']);
const RETRY_MS = 5000;
const STORE = 'pellora.terminal';

const $ = (id) => document.getElementById(id);

// Everything that must survive a closed tab, written in one piece so that a set is either still
// being read or waiting to be sent, never both nor neither.
let state = load();

function load() {
  const empty = {
    session: null, draft: newDraft(), outbox: [], articles: {}, lists: {}, remembered: {},
    keyboard: false,
  };
  try {
    return Object.assign(empty, JSON.parse(localStorage.getItem(STORE)) || {});
  } catch {
    return empty;
  }
}

function save() {
  localStorage.setItem(STORE, JSON.stringify(state));
}

function newDraft() {
  return { kind: '', warehouse: '', third_party: '', order: null, order_lines: [], readings: [] };
}

// ---- Talking to the server ----------------------------------------------------------------

class Offline extends Error {}
class SignedOut extends Error {}

// The answer's JSON, with its status; Offline when the server cannot be reached or is failing,
// SignedOut when the session is no longer valid.
async function api(method, path, body) {
  const headers = { 'Content-Type': 'application/json' };
  if (state.session) headers.Authorization = 'Bearer ' + state.session.token;
  let response;
  try {
    response = await fetch('/api/v1/' + path, {
      method, headers, body: body === undefined ? undefined : JSON.stringify(body),
    });
  } catch {
    throw new Offline();
  }
  let data = null;
  try {
    data = await response.json();
  } catch {
    data = null;
  }
  if (response.status === 401 && path !== 'sessions') throw new SignedOut();
  if (response.status >= 500) throw new Offline();
  return { status: response.status, data };
}

function errorOf(answer) {
  return (answer.data && answer.data.error) || 'O servidor recusou o pedido (' + answer.status + ').';
}

// A list the server gives, kept for when it cannot be reached.
async function list(path) {
  try {
    const answer = await api('GET', path);
    if (answer.status !== 200) throw new Error(errorOf(answer));
    state.lists[path] = answer.data;
    save();
    return answer.data;
  } catch (error) {
    if (error instanceof Offline && state.lists[path]) return state.lists[path];
    throw error;
  }
}

// ---- Messages, sound and focus --------------------------------------------------------------

function say(text, kind) {
  const notice = $('aviso');
  notice.textContent = text;
  notice.className = kind || '';
  notice.hidden = !text;
}

let audio = null;

function beep() {
  try {
    audio = audio || new (window.AudioContext || window.webkitAudioContext)();
    const tone = audio.createOscillator();
    const volume = audio.createGain();
    tone.type = 'square';
    tone.frequency.value = 440;
    volume.gain.value = 0.3;
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.35);
  } catch {
    // A device without sound still shows the message.
  }
  if (navigator.vibrate) navigator.vibrate(300);
}

function reading() {
  return !$('ler').hidden;
}

// The scanner types wherever the focus is: it goes back to the code as soon as nothing else
// needs it.
function focusCode() {
  if (reading() && $('detalhe').hidden) $('codigo').focus();
}

document.addEventListener('focusout', () => {
  setTimeout(() => {
    const active = document.activeElement;
    if (!active || active === document.body || active.tagName === 'BUTTON') focusCode();
  }, 0);
});

// ---- Numbers as they are written here -------------------------------------------------------

function parseQuantity(text) {
  const value = Number(String(text).trim().replace(',', '.'));
  return Number.isFinite(value) && value > 0 ? value : null;
}

function showQuantity(value) {
  return value.toLocaleString('pt-PT', { maximumFractionDigits: 3 });
}

// "yyyyMMdd" from what was typed or scanned: yyyyMMdd, yyyy-MM-dd or dd-MM-yyyy (or with "/").
function parseExpiry(text) {
  const digits = text.trim();
  let match = /^(\d{4})-?(\d{2})-?(\d{2})$/.exec(digits);
  if (match) return match[1] + match[2] + match[3];
  match = /^(\d{2})[-/](\d{2})[-/](\d{4})$/.exec(digits);
  return match ? match[3] + match[2] + match[1] : null;
}

function showExpiry(text) {
  return text ? text.slice(6, 8) + '-' + text.slice(4, 6) + '-' + text.slice(0, 4) : '';
}

function newId() {
  if (crypto.randomUUID) return crypto.randomUUID();
  // Pages served over plain HTTP on the warehouse network have no randomUUID.
  const bytes = crypto.getRandomValues(new Uint8Array(16));
  bytes[6] = (bytes[6] & 0x0f) | 0x40;
  bytes[8] = (bytes[8] & 0x3f) | 0x80;
  const hex = Array.from(bytes, (b) => b.toString(16).padStart(2, '0')).join('');
  return [hex.slice(0, 8), hex.slice(8, 12), hex.slice(12, 16), hex.slice(16, 20), hex.slice(20)]
    .join('-');
}

// ---- Signing in -----------------------------------------------------------------------------

$('entrar').addEventListener('submit', async (event) => {
  event.preventDefault();
  const terminal = $('terminal').value.trim().toUpperCase();
  try {
    const answer = await api('POST', 'sessions', { terminal, pin: $('pin').value });
    if (answer.status !== 201 && answer.status !== 200) {
      say(errorOf(answer), 'erro');
      return;
    }
    state.session = { terminal: answer.data.terminal || terminal, token: answer.data.token };
    save();
    $('pin').value = '';
    say('');
    await show();
    flush();
  } catch (error) {
    say(error instanceof Offline ? 'Sem ligação ao servidor.' : String(error.message), 'erro');
  }
});

$('sair').addEventListener('click', () => {
  if (state.draft.readings.length && !confirm('As leituras por enviar ficam guardadas neste aparelho. Sair?')) return;
  state.session = null;
  save();
  show();
});

function signedOut() {
  state.session = null;
  save();
  say('A sessão terminou. Entre de novo: as leituras estão guardadas neste aparelho.', 'erro');
  show();
}

// ---- Choosing the set: kind, warehouse, third party and order -------------------------------

function option(value, text) {
  const item = document.createElement('option');
  item.value = value;
  item.textContent = text;
  return item;
}

function fill(select, rows, chosen, first) {
  select.replaceChildren(option('', first), ...rows);
  select.value = chosen || '';
}

async function prepare() {
  const draft = state.draft;
  for (const button of $('tipos').querySelectorAll('button')) {
    button.setAttribute('aria-pressed', String(button.dataset.tipo === draft.kind));
  }
  const warehouses = await list('warehouses');
  const warehouseOptions = () => warehouses.map((w) => option(w.code, w.code + ' · ' + w.name));
  fill($('armazem'), warehouseOptions(), draft.warehouse, 'Escolha o armazém');
  $('destino-campo').hidden = draft.kind !== 'T';
  if (draft.kind === 'T') {
    fill($('destino'), warehouseOptions(), draft.third_party, 'Escolha o armazém de destino');
  }
  const againstOrder = AGAINST_ORDER.has(draft.kind);
  $('contra-encomenda').hidden = !againstOrder;
  if (!againstOrder) return;
  $('terceiro-nome').textContent = draft.kind === 'E' ? 'Fornecedor' : 'Cliente';
  const parties = await list('third_parties?kind=' + draft.kind);
  fill($('terceiro'), parties.map((p) => option(p.code, p.code + ' · ' + p.name)),
    draft.third_party, draft.kind === 'E' ? 'Escolha o fornecedor' : 'Escolha o cliente');
  const orders = draft.third_party
    ? await list('orders?kind=' + draft.kind + '&third_party=' + encodeURIComponent(draft.third_party))
    : [];
  fill($('encomenda'), orders.map((o, index) => option(String(index), o.document + ' · ' + o.date)),
    '', orders.length || !draft.third_party ? 'Escolha a encomenda' : 'Sem encomendas por satisfazer');
  const chosen = orders.findIndex((o) => draft.order && o.document === draft.order.document);
  $('encomenda').value = chosen >= 0 ? String(chosen) : '';
  $('encomenda').orders = orders;
}

function changeDraft(change) {
  change(state.draft);
  save();
  prepare().catch(failed);
}

$('tipos').addEventListener('click', (event) => {
  const kind = event.target.dataset && event.target.dataset.tipo;
  if (!kind) return;
  changeDraft((draft) => {
    if (kind !== draft.kind) {
      draft.third_party = '';
      draft.order = null;
      draft.order_lines = [];
    }
    draft.kind = kind;
  });
});
$('armazem').addEventListener('change', (event) => changeDraft((draft) => {
  draft.warehouse = event.target.value;
}));
$('destino').addEventListener('change', (event) => changeDraft((draft) => {
  draft.third_party = event.target.value;
}));
$('terceiro').addEventListener('change', (event) => changeDraft((draft) => {
  draft.third_party = event.target.value;
  draft.order = null;
  draft.order_lines = [];
}));
$('encomenda').addEventListener('change', (event) => changeDraft((draft) => {
  const order = event.target.orders[Number(event.target.value)];
  draft.order = order
    ? { document: order.document, tpdoc: order.tpdoc, serie: order.serie, numero: order.numero, ano: order.ano }
    : null;
  draft.order_lines = order ? order.lines : [];
}));

// What the set still lacks before readings can be taken or sent; '' when nothing.
function missing(draft) {
  if (!draft.kind) return 'Escolha o movimento.';
  if (!draft.warehouse) return 'Escolha o armazém.';
  if (AGAINST_ORDER.has(draft.kind) && !draft.third_party) {
    return draft.kind === 'E' ? 'Escolha o fornecedor.' : 'Escolha o cliente.';
  }
  if (AGAINST_ORDER.has(draft.kind) && !draft.order) return 'Escolha a encomenda.';
  if (draft.kind === 'T' && !draft.third_party) return 'Escolha o armazém de destino.';
  if (draft.kind === 'T' && draft.third_party === draft.warehouse) {
    return 'O armazém de destino tem de ser outro.';
  }
  return '';
}

$('comecar').addEventListener('click', () => {
  const lacking = missing(state.draft);
  if (lacking) {
    say(lacking, 'erro');
    return;
  }
  say('');
  showScreen('ler');
});
$('alterar').addEventListener('click', () => {
  showScreen('preparar');
  prepare().catch(failed);
});

// ---- Readings -------------------------------------------------------------------------------

// The article a code names, from the server or, while it cannot be reached, from what this
// device has seen; null when the code is unknown. Without a connection an unseen code is taken
// as it is, and the server checks it when the set is sent.
async function article(code) {
  try {
    const answer = await api('GET', 'articles/' + encodeURIComponent(code));
    if (answer.status === 404) return { unknown: errorOf(answer) };
    if (answer.status !== 200) throw new Error(errorOf(answer));
    state.articles[code] = answer.data;
    return answer.data;
  } catch (error) {
    if (!(error instanceof Offline)) throw error;
    return state.articles[code] ||
      { code, description: 'Por confirmar (sem ligação)', unit: '', units: [], unconfirmed: true };
  }
}

// The quantity for the next reading: typed in its field or before the code as "12*CODE".
function takeQuantity(text) {
  const typed = /^(\d+(?:[.,]\d+)?)\*(.+)$/.exec(text);
  const field = $('quantidade').value;
  const quantity = typed ? parseQuantity(typed[1]) : field ? parseQuantity(field) : 1;
  return { code: (typed ? typed[2] : text).trim(), quantity };
}

async function scan(text) {
  const { code, quantity } = takeQuantity(text);
  if (!code) return;
  if (quantity === null) {
    beep();
    say('A quantidade "' + $('quantidade').value + '" não é válida.', 'erro');
    return;
  }
  const found = await article(code);
  if (found.unknown) {
    beep();
    say(found.unknown, 'erro');
    return;
  }
  $('quantidade').value = '';
  const remembered = state.remembered[found.code] || {};
  const entry = {
    article: found.code, description: found.description, base: found.unit || '',
    units: found.units || [], unit: remembered.unit || found.unit || '',
    quantity: found.serials ? 1 : quantity, lot: '', expiry: '', serial: '',
  };
  if (found.lots || found.expiry || found.serials) {
    askDetail(entry, found, remembered);
  } else {
    add(entry);
  }
}

function sameReading(a, b) {
  return a.article === b.article && a.unit === b.unit && a.lot === b.lot && a.expiry === b.expiry &&
    !a.serial && !b.serial;
}

// Adds a reading, or its quantity to the same article's in the same unit and lot.
function add(entry) {
  const readings = state.draft.readings;
  if (entry.serial && readings.some((r) => r.article === entry.article && r.serial === entry.serial)) {
    beep();
    say('O número de série ' + entry.serial + ' já foi lido.', 'erro');
    return;
  }
  const same = readings.find((r) => sameReading(r, entry));
  if (same) {
    same.quantity += entry.quantity;
    readings.splice(readings.indexOf(same), 1);
    readings.unshift(same);
  } else {
    readings.unshift(entry);
  }
  state.remembered[entry.article] = { unit: entry.unit, lot: entry.lot, expiry: entry.expiry };
  save();
  say(entry.article + ' · ' + entry.description, 'ok');
  render();
}

let detailFor = null;

function askDetail(entry, found, remembered) {
  detailFor = entry;
  const form = $('detalhe');
  $('detalhe-artigo').textContent = entry.article + ' · ' + entry.description;
  $('detalhe-lote').hidden = !found.lots;
  $('detalhe-validade').hidden = !found.expiry;
  $('detalhe-serie').hidden = !found.serials;
  form.lote.value = remembered.lot || '';
  form.validade.value = remembered.expiry || '';
  form.serie.value = '';
  form.hidden = false;
  const first = form.querySelector('label:not([hidden]) input');
  first.focus();
  first.select();
}

function closeDetail() {
  detailFor = null;
  $('detalhe').hidden = true;
  focusCode();
}

// Enter moves to the next field the article asks for, and on the last one adds the reading.
$('detalhe').addEventListener('keydown', (event) => {
  if (event.key !== 'Enter') return;
  const fields = [...$('detalhe').querySelectorAll('label:not([hidden]) input')];
  const next = fields.indexOf(event.target) + 1;
  if (next > 0 && next < fields.length) {
    event.preventDefault();
    fields[next].focus();
    fields[next].select();
  }
});

$('detalhe').addEventListener('submit', (event) => {
  event.preventDefault();
  const form = $('detalhe');
  const entry = detailFor;
  if (!entry) return;
  const needs = (id) => !$(id).hidden;
  entry.lot = needs('detalhe-lote') ? form.lote.value.trim() : '';
  entry.serial = needs('detalhe-serie') ? form.serie.value.trim() : '';
  const expiry = needs('detalhe-validade') ? parseExpiry(form.validade.value) : '';
  const lacking = needs('detalhe-lote') && !entry.lot ? 'Indique o lote.'
    : needs('detalhe-validade') && !expiry ? 'Indique a validade (aaaammdd).'
      : needs('detalhe-serie') && !entry.serial ? 'Indique o número de série.' : '';
  if (lacking) {
    beep();
    say(lacking, 'erro');
    return;
  }
  entry.expiry = expiry;
  closeDetail();
  add(entry);
});
$('detalhe-cancelar').addEventListener('click', () => {
  closeDetail();
  say('');
});

$('leitura').addEventListener('submit', (event) => event.preventDefault());
$('codigo').addEventListener('keydown', (event) => {
  if (event.key !== 'Enter') return;
  event.preventDefault();
  const text = $('codigo').value;
  $('codigo').value = '';
  queue = queue.then(() => scan(text.trim())).catch(failed);
});
// The scanner is faster than the server: codes are looked up one after the other, in order.
let queue = Promise.resolve();

$('quantidade').addEventListener('keydown', (event) => {
  if (event.key !== 'Enter') return;
  event.preventDefault();
  if ($('quantidade').value && parseQuantity($('quantidade').value) === null) {
    beep();
    say('A quantidade "' + $('quantidade').value + '" não é válida.', 'erro');
    return;
  }
  $('codigo').focus();
});

$('teclado').addEventListener('click', () => {
  state.keyboard = !state.keyboard;
  save();
  keyboardMode();
  $('codigo').blur();
  $('codigo').focus();
});

function keyboardMode() {
  // With a scanner the screen's keyboard would hide half the page.
  $('codigo').inputMode = state.keyboard ? 'text' : 'none';
  $('teclado').setAttribute('aria-pressed', String(state.keyboard));
}

function factorOf(entry, unit) {
  if (!unit || unit === entry.base) return 1;
  const found = entry.units.find((u) => u.unit === unit);
  return found ? found.factor : null;
}

function row(entry, index) {
  const item = document.createElement('li');
  const name = document.createElement('div');
  name.className = 'artigo';
  name.textContent = entry.article + ' · ' + entry.description;
  const details = [entry.lot && 'Lote ' + entry.lot, entry.expiry && 'Val. ' + showExpiry(entry.expiry),
    entry.serial && 'N.º série ' + entry.serial].filter(Boolean).join(' · ');
  const extra = document.createElement('div');
  extra.className = 'extra';
  extra.textContent = details;

  const quantity = document.createElement('input');
  quantity.inputMode = 'decimal';
  quantity.value = showQuantity(entry.quantity);
  quantity.setAttribute('aria-label', 'Quantidade de ' + entry.article);
  quantity.disabled = Boolean(entry.serial);
  const keep = () => {
    const value = parseQuantity(quantity.value);
    if (value === null) {
      beep();
      say('A quantidade "' + quantity.value + '" não é válida.', 'erro');
      quantity.value = showQuantity(entry.quantity);
      return;
    }
    entry.quantity = value;
    save();
    render();
  };
  quantity.addEventListener('change', keep);
  quantity.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      quantity.blur();
    }
  });

  const unit = document.createElement('select');
  unit.setAttribute('aria-label', 'Unidade de ' + entry.article);
  const units = [...new Set([entry.base, ...entry.units.map((u) => u.unit), entry.unit])];
  unit.replaceChildren(...units.map((u) => option(u, u || '—')));
  unit.value = entry.unit;
  unit.addEventListener('change', () => {
    entry.unit = unit.value;
    state.remembered[entry.article] = { ...(state.remembered[entry.article] || {}), unit: entry.unit };
    const same = state.draft.readings.find((r) => r !== entry && sameReading(r, entry));
    if (same) {
      same.quantity += entry.quantity;
      state.draft.readings.splice(state.draft.readings.indexOf(entry), 1);
    }
    save();
    render();
    focusCode();
  });

  const remove = document.createElement('button');
  remove.type = 'button';
  remove.className = 'apagar';
  remove.textContent = '✕';
  remove.setAttribute('aria-label', 'Apagar a leitura de ' + entry.article);
  remove.addEventListener('click', () => {
    state.draft.readings.splice(index, 1);
    save();
    render();
  });

  const line = document.createElement('div');
  line.className = 'linha';
  line.append(quantity, unit, remove);
  item.append(name, extra, line);
  return item;
}

function renderOrder() {
  const draft = state.draft;
  const lines = AGAINST_ORDER.has(draft.kind) && draft.order ? draft.order_lines : [];
  $('linhas-encomenda').hidden = lines.length === 0;
  if (!lines.length) return;
  $('encomenda-texto').textContent = 'Encomenda ' + draft.order.document;
  const rows = lines.map((line) => {
    let read = 0;
    for (const entry of draft.readings) {
      if (entry.article !== line.article) continue;
      const from = factorOf(entry, entry.unit);
      const to = factorOf(entry, line.unit);
      read += from && to ? entry.quantity * from / to : entry.quantity;
    }
    const cells = [line.article + ' · ' + line.description,
      showQuantity(line.pending) + ' ' + line.unit, showQuantity(read)];
    const tr = document.createElement('tr');
    if (read >= line.pending) tr.className = 'feito';
    for (const text of cells) {
      const td = document.createElement('td');
      td.textContent = text;
      tr.append(td);
    }
    return tr;
  });
  $('linhas-encomenda').querySelector('tbody').replaceChildren(...rows);
}

function render() {
  const draft = state.draft;
  const party = !draft.third_party ? '' : draft.kind === 'T' ? ' → ' + draft.third_party
    : ' · ' + draft.third_party;
  $('conjunto-texto').textContent = (KINDS[draft.kind] || '') + ' · ' + draft.warehouse + party;
  $('leituras').replaceChildren(...draft.readings.map(row));
  const count = draft.readings.length;
  $('enviar').textContent = count ? 'Enviar (' + count + ')' : 'Enviar';
  renderOrder();
  renderOutbox();
}

// ---- Sending: each set once, whatever the network does ---------------------------------------

$('enviar').addEventListener('click', () => {
  const draft = state.draft;
  if (!draft.readings.length) {
    say('Não há leituras para enviar.', 'erro');
    return;
  }
  const lacking = missing(draft);
  if (lacking) {
    say(lacking, 'erro');
    return;
  }
  const body = {
    id: newId(), kind: draft.kind, warehouse: draft.warehouse,
    readings: draft.readings.slice().reverse().map((r) => {
      const reading = { article: r.article, quantity: r.quantity };
      for (const key of ['unit', 'lot', 'expiry', 'serial']) if (r[key]) reading[key] = r[key];
      return reading;
    }),
  };
  // The third party is the supplier (E), the customer (S) or the warehouse of destination (T).
  if (draft.third_party) body.third_party = draft.third_party;
  if (AGAINST_ORDER.has(draft.kind)) {
    const { tpdoc, serie, numero, ano } = draft.order;
    body.order = { tpdoc, serie, numero, ano };
  }
  state.outbox.push({ terminal: state.session.terminal, body, draft: { ...draft } });
  state.draft = { ...draft, readings: [] };
  save();
  render();
  flush();
});

let flushing = false;
let retry = null;

// Sends the sets waiting on this device, oldest first; a set the server already has answers
// as it did the first time, so a resend after a lost answer makes no second set.
async function flush() {
  if (flushing || !state.session) return;
  flushing = true;
  clearTimeout(retry);
  retry = null;
  try {
    for (const item of state.outbox.slice()) {
      if (item.refused || item.terminal !== state.session.terminal) continue;
      const answer = await api('POST', 'sets', item.body);
      if (answer.status === 200 || answer.status === 201) {
        state.outbox.splice(state.outbox.indexOf(item), 1);
        save();
        say('Conjunto ' + answer.data.set + ' recebido: ' + answer.data.readings +
          (answer.data.readings === 1 ? ' leitura.' : ' leituras.'), 'ok');
      } else if (answer.status === 429) {
        throw new Offline();
      } else {
        refuse(item, errorOf(answer));
      }
    }
  } catch (error) {
    if (error instanceof SignedOut) {
      signedOut();
    } else if (error instanceof Offline) {
      say('Sem ligação ao servidor: as leituras ficam guardadas neste aparelho e são enviadas ' +
        'quando o servidor voltar.', 'erro');
    } else {
      failed(error);
    }
  } finally {
    flushing = false;
    if (state.outbox.some((item) => !item.refused)) retry = setTimeout(flush, RETRY_MS);
    render();
  }
}

// A refused set comes back to be corrected: at once when no other set is being read.
function refuse(item, message) {
  beep();
  item.refused = message;
  if (!state.draft.readings.length) correct(item);
  save();
  say('Conjunto recusado: ' + message, 'erro');
}

function correct(item) {
  state.outbox.splice(state.outbox.indexOf(item), 1);
  state.draft = item.draft;
  save();
  render();
}

function renderOutbox() {
  const waiting = state.outbox.filter((item) => !item.refused);
  const refused = state.outbox.filter((item) => item.refused);
  $('por-enviar').hidden = state.outbox.length === 0;
  $('por-enviar-texto').textContent = waiting.length === 1
    ? '1 conjunto por enviar.' : waiting.length + ' conjuntos por enviar.';
  $('enviar-agora').hidden = waiting.length === 0;
  $('recusados').replaceChildren(...refused.map((item) => {
    const entry = document.createElement('li');
    entry.textContent = 'Recusado: ' + item.refused + ' ';
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = 'Corrigir';
    button.addEventListener('click', () => {
      if (state.draft.readings.length) {
        say('Envie ou apague primeiro as leituras em curso.', 'erro');
        return;
      }
      correct(item);
      showScreen('ler');
    });
    entry.append(button);
    return entry;
  }));
}

$('enviar-agora').addEventListener('click', flush);
window.addEventListener('online', flush);

// ---- Screens --------------------------------------------------------------------------------

function showScreen(name) {
  for (const id of ['entrar', 'preparar', 'ler']) $(id).hidden = id !== name;
  $('sair').hidden = name === 'entrar';
  $('quem').textContent = state.session ? 'Terminal ' + state.session.terminal : '';
  if (name === 'ler') {
    render();
    focusCode();
  } else if (name === 'entrar') {
    $('terminal').focus();
  }
}

function failed(error) {
  if (error instanceof SignedOut) return signedOut();
  say(error instanceof Offline ? 'Sem ligação ao servidor.' : String(error.message || error), 'erro');
}

async function show() {
  renderOutbox();
  if (!state.session) {
    showScreen('entrar');
    return;
  }
  if (!missing(state.draft)) {
    showScreen('ler');
    return;
  }
  showScreen('preparar');
  await prepare();
}

keyboardMode();
show().catch(failed).then(flush);
