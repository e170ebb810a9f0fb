// The page's side of the window (emscripten appends it to the code it writes): the controls'
// texts for the handlers (frmQuor.cpp) and their events sent to them (main.cpp), the
// keyboard's round of the window and the panel below it, Quit, the panel's module, loaded
// once the window has answered, and the service worker that keeps the page for use with no
// network.
(() => {
    'use strict';
    const control = (id) => document.getElementById(id);
    const window1 = control('frmQuor');

    // A text box's text, or the message line's.
    Module.controlText = (id) => {
        const c = control(id);
        return c instanceof HTMLInputElement ? c.value : c.textContent;
    };
    Module.showControlText = (id, text) => {
        const c = control(id);
        if (c instanceof HTMLInputElement) {
            c.value = text;
        } else {
            c.textContent = text;
        }
    };

    // Numbers are shown and read with the decimal separator of the browser's language.
    Module.decimalSeparator = (() => {
        try {
            const parts = new Intl.NumberFormat(navigator.language).formatToParts(0.5);
            return parts.find((part) => part.type === 'decimal').value;
        } catch (error) {
            return '.';
        }
    })();

    // Quit closes an installed app's window, which the page may close. A browser's tab is
    // left open: the window shows what a new start shows, every field empty and the focus
    // in txtNGR.
    Module.endProgram = () => {
        if (!matchMedia('(display-mode: browser)').matches) {
            window.close();
            return;
        }
        for (const box of window1.querySelectorAll('input')) {
            box.value = '';
        }
        control('labError').textContent = '';
        control('txtNGR').focus();
    };

    // Events that come before the handlers are ready wait for them, in order.
    const ready = new Promise((resolve) => {
        Module.onRuntimeInitialized = resolve;
    });
    const wire = (id, type, handler) =>
        control(id).addEventListener(type, () => ready.then(handler));
    wire('txtNGR', 'input', () => Module._quorvane_change_txtNGR());
    wire('latlon', 'click', () => Module._quorvane_click_latlon());
    wire('cmdQuit', 'click', () => Module._quorvane_click_cmdQuit());

    // The panel: its module (panel.js) after the window's, and after the window has answered
    // the events that came before, so that the window never waits for it.
    ready.then(() => {
        const script = document.createElement('script');
        script.src = 'quorvane-panel.js';
        script.onload = () => quorvanePanelModule();
        document.body.append(script);
    });

    // Tab and Shift+Tab go round the window's controls and then the panel's, in the page's
    // order, which is the keyboard order, and never leave them.
    document.addEventListener('keydown', (event) => {
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) {
            return;
        }
        const order = [...document.querySelectorAll(
            '#frmQuor input, #frmQuor button, #frmWhere input, #frmWhere button')];
        const [last, first] = event.shiftKey ? [order[0], order.at(-1)] : [order.at(-1), order[0]];
        if (document.activeElement === last) {
            event.preventDefault();
            first.focus();
            if (first instanceof HTMLInputElement) {
                first.select();
            }
        }
    });

    if ('serviceWorker' in navigator) {
        const register = () => navigator.serviceWorker.register('sw.js');
        if (document.readyState === 'complete') {
            register();
        } else {
            addEventListener('load', register);
        }
    }
})();
