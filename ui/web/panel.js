// The panel's side of the page (emscripten appends it to the panel module's code, which
// page.js loads once the window has answered): txtWhere's text and the phone's fixes sent to
// the panel (Panel.cpp), which shows its answers through Module.showWhere; the Here button,
// which follows the phone's position; and OSTN15's shift tables, loaded and handed over.
(() => {
    'use strict';
    const control = (id) => document.getElementById(id);
    // For the page's tests: the module, and whether the tables are there.
    window.quorvanePanel = Module;
    Module.shiftsReady = false;

    Module.showWhere = (id, text) => {
        control(id).textContent = text;
    };

    // The text's bytes in the module's memory for the length of `use`.
    const withBytes = (bytes, use) => {
        const at = Module._malloc(Math.max(bytes.length, 1));
        HEAPU8.set(bytes, at);
        try {
            use(at, bytes.length);
        } finally {
            Module._free(at);
        }
    };
    const encoder = new TextEncoder();

    // What the panel answers now: txtWhere's text, or the latest fix; asked again when the
    // shift tables arrive.
    let answer = () => {};
    const answerText = () => {
        answer = () => withBytes(encoder.encode(control('txtWhere').value),
                                 (at, length) => Module._quorvane_where_text(at, length));
        answer();
    };

    // Here: follows the phone's position, from its GPS where it has one, until pressed again
    // or until the page is hidden.
    const here = control('cmdHere');
    let watch = null;
    const stopFollowing = () => {
        if (watch !== null) {
            navigator.geolocation.clearWatch(watch);
            watch = null;
        }
        here.setAttribute('aria-pressed', 'false');
    };
    // The order of ui::FixFault.
    const fault = {refused: 0, noFix: 1, unavailable: 2, noGeolocation: 3};
    const follow = () => {
        if (!('geolocation' in navigator)) {
            Module._quorvane_where_fault(fault.noGeolocation);
            return;
        }
        here.setAttribute('aria-pressed', 'true');
        watch = navigator.geolocation.watchPosition(
            (fix) => {
                const {latitude, longitude, accuracy} = fix.coords;
                answer = () => Module._quorvane_where_fix(latitude, longitude, accuracy);
                answer();
            },
            (error) => {
                if (error.code === error.PERMISSION_DENIED) {
                    stopFollowing();
                }
                Module._quorvane_where_fault(error.code === error.PERMISSION_DENIED ? fault.refused
                                             : error.code === error.TIMEOUT ? fault.noFix
                                                                            : fault.unavailable);
            },
            {enableHighAccuracy: true, timeout: Module._quorvane_fix_timeout_ms(), maximumAge: 0});
    };

    const loadShifts = () =>
        fetch('ostn15-shifts.gz')
            .then((response) => {
                if (!response.ok) {
                    throw new Error(response.statusText);
                }
                return new Response(response.body.pipeThrough(new DecompressionStream('gzip')))
                    .arrayBuffer();
            })
            .then((buffer) => {
                withBytes(new Uint8Array(buffer), (at, length) => {
                    Module.shiftsReady = Module._quorvane_provide_shifts(at, length) === 1;
                });
                if (!Module.shiftsReady) {
                    throw new Error('not whole');
                }
            });

    Module.onRuntimeInitialized = () => {
        control('txtWhere').addEventListener('input', answerText);
        here.addEventListener('click', () => (watch === null ? follow() : stopFollowing()));
        document.addEventListener('visibilitychange', () => {
            if (document.visibilityState === 'hidden') {
                stopFollowing();
            }
        });
        if (control('txtWhere').value !== '') {
            answerText();
        }
        loadShifts().then(() => answer(), () => Module._quorvane_shifts_missing());
    };
})();
