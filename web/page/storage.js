'use strict';

// What the page keeps across a reload, in the browser's storage: each tab's
// texts and settings, program B's change date, the files the user gave.
// Storage that is full or refused is told once; what the user typed stays
// in its box all the same.
const PageStorage = (() => {
  const prefix = 'tipstat.';
  let told = false;
  let tell = () => {};

  function refused() {
    if (told) return;
    told = true;
    tell();
  }

  // Nothing for a value that is not what the page writes (another page of
  // the same origin, a hand edit): the page starts as without it. Only
  // storage that refuses to be read is told.
  function read(name) {
    let stored;
    try {
      stored = window.localStorage.getItem(prefix + name);
    } catch {
      refused();
      return null;
    }
    try {
      return stored === null ? null : JSON.parse(stored);
    } catch {
      return null;
    }
  }

  function write(name, value) {
    try {
      window.localStorage.setItem(prefix + name, JSON.stringify(value));
      return true;
    } catch {
      refused();
      return false;
    }
  }

  function remove(name) {
    try {
      window.localStorage.removeItem(prefix + name);
    } catch {
      refused();
    }
  }

  // Bytes as a string of one character per byte, which JSON keeps whole.
  const bytesToString = (bytes) => {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return text;
  };
  const stringToBytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));

  return {
    read,
    write,
    remove,
    readBytes: (name) => {
      const text = read(name);
      return typeof text === 'string' ? stringToBytes(text) : null;
    },
    writeBytes: (name, bytes) => write(name, bytesToString(bytes)),
    whenRefused: (callback) => {
      tell = callback;
    },
  };
})();
