'use strict';

// The page as an app, where it is served from its site (over http or
// https, never from a file; the site's page links its manifest): the
// service worker that keeps it for use with no network, the line "有新版本"
// while a new build waits, and the text another app shares to it.
const PageApp = (() => {
  const fromSite = () => /^https?:$/.test(window.location.protocol) && 'serviceWorker' in navigator &&
    document.querySelector('link[rel="manifest"]') !== null;

  // A waiting build is taken on a tap of the line, or on the next open;
  // the page then opens again as that build, everything typed kept.
  async function register() {
    const workers = navigator.serviceWorker;
    const controlled = workers.controller !== null;
    let reloading = false;
    const renew = () => {
      if (reloading) return;
      reloading = true;
      window.location.reload();
    };
    let registration;
    try {
      registration = await workers.register('sw.js');
    } catch {
      return; // The page works on as it is, only not offline.
    }
    // A newer build may have taken over while this page was opening (the
    // browser takes a waiting one when the last page of the site closes):
    // then the cache of this page's build is gone. Opened again once.
    const build = document.querySelector('meta[name="tipstat-build"]')?.content;
    if (controlled && build && !(await caches.has(`tipstat-${build}`))) {
      try {
        if (window.sessionStorage.getItem('tipstat.renewed') !== build) {
          window.sessionStorage.setItem('tipstat.renewed', build);
          renew();
          return;
        }
      } catch {
        // No session storage: no second try either.
      }
    }
    // A build offered on an earlier open is taken on this one; one that
    // finished installing while no page was open is offered first.
    // The worker is asked again while it has not taken over: a worker
    // the browser had stopped may miss the first message.
    const take = (waiting) => {
      PageStorage.remove('update.offered');
      waiting.addEventListener('statechange', () => {
        if (waiting.state === 'activated') renew();
      });
      const ask = (times) => {
        if (reloading || waiting.state !== 'installed') return;
        waiting.postMessage('take');
        if (times > 1) setTimeout(() => ask(times - 1), 2000);
      };
      ask(5);
    };
    const offer = (waiting) => {
      if (PageStorage.read('update.offered') === true) {
        take(waiting);
        return;
      }
      document.getElementById('update-take').onclick = () => take(waiting);
      document.getElementById('update').hidden = false;
      PageStorage.write('update.offered', true);
    };
    if (!controlled) return;
    if (registration.waiting) {
      offer(registration.waiting);
      return;
    }
    PageStorage.remove('update.offered');
    const watch = (worker) => worker?.addEventListener('statechange', () => {
      if (worker.state === 'installed') offer(worker);
    });
    watch(registration.installing);
    registration.addEventListener('updatefound', () => watch(registration.installing));
  }

  // Text shared from another app's Share menu comes as the site's address
  // with title, text and url in its query: the parts that are there, a
  // line each, go at the end of the input box of the tab used last. The
  // query is then dropped, so that a reload does not add it again.
  function takeShared(tabs) {
    const query = new URLSearchParams(window.location.search);
    const keys = ['title', 'text', 'url'];
    if (!keys.some((key) => query.has(key))) return;
    window.history.replaceState(null, '', window.location.pathname + window.location.hash);
    const parts = keys.map((key) => query.get(key) ?? '').filter((part) => part !== '');
    if (parts.length === 0) return;
    const name = PageStorage.read('tab') === 'chgu' ? 'chgu' : 'kova';
    const text = parts.join('\r\n');
    Thumb.appendToInput(name, tabs[name], text);
    const tabName = document.getElementById(`tab-${name}`).textContent;
    const all = [...text];
    const start = all.slice(0, 16).join('').replace(/[\r\n]+/g, ' ');
    const preview = all.length > 16 ? `${start}…` : start;
    Shell.notify(`收到分享的文字“${preview}”（${Thumb.characters(text)} 个字），已加在${tabName}的资料框末尾`);
  }

  function start(tabs) {
    takeShared(tabs);
    if (fromSite()) register();
  }

  return { start };
})();
