// The module's WebAssembly is inside its script. Without fetch in sight
// the script reads it from there at once; with it, it would first try to
// fetch it, which the page's security policy refuses (and reports).
var fetch = undefined;
