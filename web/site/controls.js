// The choice of search and the controls of its options, made from the engine's two
// tables: the eleven modes with the main window's own options, and the searches beside
// them with every option each takes. A new row of either table appears here without a
// line of this file changing.

const caption = (text) => text.replace(/&(.)/g, '$1').replace(/\s+/g, ' ').trim();

// Every choice: {value, label, group, mode | search}.
export function choicesOf(tables) {
  return [
    ...tables.modes.map((mode) => ({ value: `modus:${mode.number}`, label: caption(mode.caption), group: 'De elf zoekwijzen', mode })),
    ...tables.searches.map((search) => ({ value: `zoek:${search.name}`, label: caption(search.caption), group: 'Puzzelhulp', search })),
  ];
}

export function fillChoice(select, choices) {
  const groups = new Map();
  for (const choice of choices) {
    if (!groups.has(choice.group)) {
      const group = document.createElement('optgroup');
      group.label = choice.group;
      groups.set(choice.group, group);
      select.append(group);
    }
    groups.get(choice.group).append(new Option(choice.label, choice.value));
  }
}

// The options a choice offers: the search's own, or the main window's for a mode.
export function optionsOf(choice, tables) {
  if (choice.search) return choice.search.options;
  return tables.modeOptions.filter((option) => !option.insteadOfQuery || !choice.mode.takesQuery);
}

let controlNumber = 0;

function control(option, value) {
  const id = `optie-${option.name}-${++controlNumber}`;
  const row = document.createElement('div');
  row.className = `option ${option.kind}`;
  row.title = option.tip || option.help || '';
  const label = document.createElement('label');
  label.htmlFor = id;
  // The window's "Lengte van" stands before two boxes; here one field takes N or M-N.
  label.textContent = option.kind === 'length' ? 'Lengte' : caption(option.label);
  if (option.kind === 'choice') {
    const select = document.createElement('select');
    select.id = id;
    select.name = option.name;
    // "alle" only where the search has no choice of its own (Lingo is always one game).
    if (!option.initial) select.append(new Option('alle', ''));
    select.append(...option.choices.map((choice) => new Option(choice, choice)));
    select.value = value || option.initial || '';
    row.append(label, select);
    return { row, input: select, read: () => (select.value === (option.initial ?? '') ? null : select.value) };
  }
  const input = document.createElement('input');
  input.id = id;
  input.name = option.name;
  if (option.kind === 'flag') {
    input.type = 'checkbox';
    input.checked = value;
    row.append(input, label);
    // A flag is named where it differs from what the page starts the search with: "1"
    // turns on, "0" turns off.
    return { row, input, read: () => (input.checked === Boolean(option.initial) ? null : input.checked ? '1' : '0') };
  }
  if (option.kind === 'number') {
    input.type = 'number';
    input.inputMode = 'numeric';
    input.min = option.least ?? 0;
    if (option.most !== null && option.most !== undefined) input.max = option.most;
    input.placeholder = option.noneText || '';
    input.value = value ?? '';
    row.append(label, input);
    if (option.unit) row.append(Object.assign(document.createElement('span'), { className: 'unit', textContent: option.unit.trim() }));
    // The search's default is no option given; an empty field asks nothing.
    return { row, input, read: () => (input.value === '' || Number(input.value) === option.initial ? null : input.value) };
  }
  input.type = 'text';
  input.spellcheck = false;
  input.autocapitalize = 'off';
  if (option.kind === 'length') input.placeholder = 'N of M-N';
  if (option.kind === 'list') input.placeholder = `${option.valueName} ...`;
  input.value = value ?? '';
  row.append(label, input);
  // A list is given once for each of its values, separated by blanks in the field.
  if (option.kind === 'list') return { row, input, read: () => (input.value.trim() === '' ? null : input.value.trim().split(/\s+/)) };
  return { row, input, read: () => (input.value === '' || input.value === option.initial ? null : input.value) };
}

// What a control starts as: the value in the address, else what the page starts the
// search with (the table's initial value); a link opens exactly what was shared.
function startValue(option, given) {
  if (option.kind === 'flag') {
    if (given.has(option.name)) return given.get(option.name) !== '0';
    return Boolean(option.initial);
  }
  if (given.has(option.name)) return given.get(option.name);
  if (option.kind === 'number') return option.noneText && !option.initial ? '' : option.initial;
  return option.initial ?? '';
}

export class OptionControls {
  constructor(fieldset, onChange) {
    this.fieldset = fieldset;
    this.onChange = onChange;
    this.controls = [];
    this.hidden = [];  // options without a control, as the address gave them
  }

  // Shows the options of the choice. `given`: name -> value, from the address; a new
  // choice starts with its own defaults.
  show(options, given, fromAddress) {
    for (const { row } of this.controls) row.remove();
    this.controls = [];
    this.hidden = [];
    for (const option of options) {
      if (!option.label) {
        if (fromAddress && given.has(option.name)) this.hidden.push([option.name, given.get(option.name)]);
        continue;
      }
      const made = { option, ...control(option, startValue(option, given)) };
      made.input.addEventListener('input', () => this.onChange());
      made.input.addEventListener('change', () => this.onChange());
      this.fieldset.append(made.row);
      this.controls.push(made);
    }
    // An option of the address that the search does not take goes to the engine, which
    // refuses it as taalspoor-zoek does: a shared link never silently means less.
    if (fromAddress) {
      const taken = new Set(options.map((option) => option.name));
      for (const [name, value] of given) if (!taken.has(name)) this.hidden.push([name, value]);
    }
    this.fieldset.hidden = this.controls.length === 0;
  }

  // The value a control shows now, by its option's name (a flag: checked or not).
  valueOf(name) {
    const made = this.controls.find(({ option }) => option.name === name);
    if (!made) return undefined;
    return made.option.kind === 'flag' ? made.input.checked : made.input.value;
  }

  // Sets a control as the user would (the rack, after a move is laid).
  setValue(name, value) {
    const made = this.controls.find(({ option }) => option.name === name);
    if (made) made.input.value = value;
  }

  // The options given, as pairs of command-line name and value.
  pairs() {
    const out = [];
    for (const { option, read } of this.controls) {
      const value = read();
      for (const one of Array.isArray(value) ? value : value === null ? [] : [value]) out.push([option.name, one]);
    }
    return [...out, ...this.hidden];
  }

  // What is set, in a line for the folded options: "ij één hokje · gewone woorden ·
  // lengte 5". Empty when nothing differs from what the search starts with.
  summary() {
    const parts = [];
    for (const { option, input } of this.controls) {
      const label = option.kind === 'length' ? 'lengte' : caption(option.label).replace(/:$/, '').toLowerCase();
      if (option.kind === 'flag') {
        if (input.checked) parts.push(label);
      } else if (input.value !== '') {
        parts.push(`${label} ${input.value}`);
      }
    }
    return parts.join(' · ');
  }
}
