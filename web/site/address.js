// The address is the search: its name, the query and the options stand in the URL with
// the names of taalspoor-zoek's command line, so that a search can be bookmarked, shared
// and opened from a link.
//
//     ?zoek=patroon&q=k*t&ij=1      taalspoor-zoek --patroon 'k*t' --ij
//     ?modus=3&q=heid               taalspoor-zoek --modus 3 heid

// {choice: 'zoek:patroon' | 'modus:3' | null, params: [[name, value], ...] without zoek, modus}
export function readAddress(location = window.location) {
  const params = new URLSearchParams(location.search);
  let choice = null;
  if (params.has('zoek')) choice = `zoek:${params.get('zoek')}`;
  else if (params.has('modus')) choice = `modus:${params.get('modus')}`;
  params.delete('zoek');
  params.delete('modus');
  return { choice, params: [...params.entries()] };
}

// The address of a question: the pairs as the engine gets them, in their order.
export function addressOf(question) {
  const params = new URLSearchParams();
  for (const [name, value] of question) params.append(name, value);
  return `${window.location.pathname}?${params.toString()}`;
}

// The address follows what the user types without filling the history with each key.
export function followAddress(question) {
  const address = addressOf(question);
  if (address !== `${window.location.pathname}${window.location.search}`) window.history.replaceState(null, '', address);
}
