// The page around the game: it fits the picture to the window, hands the
// pointer, the buttons and the keys to the game (web/main.cpp), shows each
// frame the game draws, and plays the voices the game's sound starts
// (web/WebSound.cpp) through Web Audio. Loaded before groundline.js, which
// finds its settings in Module.
'use strict';

var Module = (function () {
    const kCanvasWidth = 320;
    const kCanvasHeight = 240;
    // Between the picture and the buttons, as page.css has it.
    const kGap = 8;
    // The game's button bits for the DOM's button numbers, left, middle and
    // right; the others (back, forward) are not the game's.
    const kButtonBits = [1, 4, 2];
    // As many voices as the desktop's mixer plays at once (AllegroSound's
    // kVoices), and the top of a voice's volume, pan and priority
    // (SoundRules' kTop).
    const kVoices = 32;
    const kTop = 255;

    const picture = document.getElementById('picture');
    const context = picture.getContext('2d');
    const buttons = document.getElementById('buttons');
    const status = document.getElementById('status');
    const fastButton = document.getElementById('fast');
    const muteButton = document.getElementById('mute');

    let ready = false;
    let image = null;
    let fastForward = false;

    // Made when the game hands over its first sound: a game at volume 0 has
    // none. Each effect's decoded sound, and the voices sounding, oldest
    // first.
    let audio = null;
    const sounds = [];
    const voices = [];

    // The largest whole number of CSS pixels per game pixel that fits beside
    // the buttons; where not even 2 fits (a phone), the largest factor that
    // fits, whole or not.
    function fit() {
        const width = window.innerWidth - buttons.offsetWidth - kGap;
        const height = window.innerHeight;
        const most = Math.max(Math.min(width / kCanvasWidth, height / kCanvasHeight), 0);
        const factor = Math.floor(most) >= 2 ? Math.floor(most) : most;
        picture.style.width = kCanvasWidth * factor + 'px';
        picture.style.height = kCanvasHeight * factor + 'px';
    }

    // The game pixel under a pointer event, kept within the picture.
    function gamePoint(event) {
        const box = picture.getBoundingClientRect();
        const x = Math.floor((event.clientX - box.left) * kCanvasWidth / box.width);
        const y = Math.floor((event.clientY - box.top) * kCanvasHeight / box.height);
        return [Math.min(Math.max(x, 0), kCanvasWidth - 1),
                Math.min(Math.max(y, 0), kCanvasHeight - 1)];
    }

    function movePointer(event) {
        const [x, y] = gamePoint(event);
        Module._groundlinePointer(x, y);
    }

    // Whether the game reads the key; it then keeps it from the browser.
    function key(code, down) {
        return Module.ccall('groundlineKey', 'number', ['string', 'number'], [code, down ? 1 : 0]) !== 0;
    }

    function tapKey(code) {
        key(code, true);
        key(code, false);
    }

    function toggleFullscreen() {
        if (document.fullscreenElement)
            document.exitFullscreen();
        else if (document.documentElement.requestFullscreen)
            document.documentElement.requestFullscreen().catch(() => {});
    }

    // Only pointer events reach the game: a tap makes one pointerdown and
    // one pointerup, and the mouse events that the browser makes up after
    // it are never listened to, so they cannot count as a second click.
    function listenToThePointer() {
        picture.addEventListener('pointermove', movePointer);
        picture.addEventListener('pointerdown', (event) => {
            event.preventDefault();
            picture.setPointerCapture(event.pointerId);
            movePointer(event);
            if (kButtonBits[event.button])
                Module._groundlineButton(kButtonBits[event.button], 1);
        });
        const release = (event) => {
            movePointer(event);
            if (kButtonBits[event.button])
                Module._groundlineButton(kButtonBits[event.button], 0);
        };
        picture.addEventListener('pointerup', release);
        // A contact the browser took back names no button; it was the left.
        picture.addEventListener('pointercancel', () => Module._groundlineButton(1, 0));
        picture.addEventListener('contextmenu', (event) => event.preventDefault());
    }

    function listenToTheKeys() {
        const onKey = (event, down) => {
            // The browser's own shortcuts stay the browser's.
            if (event.ctrlKey || event.metaKey || event.altKey)
                return;
            if (event.code === 'KeyF') {
                if (down && !event.repeat)
                    toggleFullscreen();
                event.preventDefault();
                return;
            }
            if (key(event.code, down))
                event.preventDefault();
        };
        window.addEventListener('keydown', (event) => onKey(event, true));
        window.addEventListener('keyup', (event) => onKey(event, false));
        // Keys held when the page loses the keyboard never come up.
        window.addEventListener('blur', () => Module._groundlineReleaseAll());
        document.addEventListener('visibilitychange', () => {
            if (document.hidden)
                Module._groundlineHidden();
            else
                Module._groundlineShown();
        });
    }

    // The address's ?mute and ?volume=N, handed to the game as the command
    // line's --mute and --volume N.
    function addressOptions() {
        const query = new URLSearchParams(window.location.search);
        const options = [];
        if (query.has('mute'))
            options.push('--mute');
        if (query.has('volume'))
            options.push('--volume', query.get('volume'));
        return options;
    }

    // A browser starts no sound before the player's first click, tap or
    // key: the context is asked to go on at each until it does. Voices
    // started before then are never heard, rather than all at once.
    function listenForTheFirstGesture() {
        const wake = () => {
            if (audio && audio.state !== 'running')
                audio.resume().catch(() => {});
        };
        for (const type of ['pointerdown', 'pointerup', 'touchend', 'keydown'])
            window.addEventListener(type, wake, true);
    }

    function decodeSound(effect, bytes) {
        if (!audio)
            audio = new AudioContext();
        audio.decodeAudioData(bytes.buffer).then(
            (sound) => { sounds[effect] = sound; },
            (error) => console.error(`groundline: sound effect ${effect}: ${error}`));
    }

    // Makes room for a voice when every one is busy, as Allegro's mixer
    // does: the oldest voice of the lowest priority at or below this one
    // gives way. Whether there is room.
    function roomForAVoice(priority) {
        if (voices.length < kVoices)
            return true;
        let lowest = null;
        for (const voice of voices)
            if (voice.priority <= priority && (!lowest || voice.priority < lowest.priority))
                lowest = voice;
        if (!lowest)
            return false;
        voices.splice(voices.indexOf(lowest), 1);
        lowest.source.stop();
        return true;
    }

    // A voice at volume and pan on the game's mixer's scale, 0 to kTop. The
    // desktop's mixer shares a voice between the sides in straight
    // proportion, (kTop - pan) to the left and pan to the right; the stereo
    // panner shares it by equal power, so the pan is bent and the gain
    // lowered to come out the same on each side.
    function startVoice(effect, volume, pan, priority) {
        if (!audio || audio.state !== 'running' || !sounds[effect] || !roomForAVoice(priority))
            return;
        const right = pan / kTop;
        const left = 1 - right;
        const source = new AudioBufferSourceNode(audio, { buffer: sounds[effect] });
        const gain = new GainNode(audio, { gain: volume / kTop * Math.hypot(left, right) });
        const panner = new StereoPannerNode(audio,
                                            { pan: Math.atan2(right, left) * 4 / Math.PI - 1 });
        source.connect(gain).connect(panner).connect(audio.destination);
        const voice = { source, priority };
        voices.push(voice);
        source.addEventListener('ended', () => {
            const sounding = voices.indexOf(voice);
            if (sounding >= 0)
                voices.splice(sounding, 1);
        });
        source.start();
    }

    // The keys a touch player has no keyboard for.
    function listenToTheButtons() {
        const actions = {
            pause: () => tapKey('KeyP'),
            fast: () => {
                fastForward = !fastForward;
                fastButton.setAttribute('aria-pressed', String(fastForward));
                Module._groundlineFastForward(fastForward ? 1 : 0);
            },
            dialog: () => tapKey('Escape'),
            mute: () => tapKey('KeyM'),
            // A right click, as placing is cancelled with the mouse.
            cancel: () => {
                Module._groundlineButton(2, 1);
                Module._groundlineButton(2, 0);
            },
            fullscreen: toggleFullscreen,
        };
        for (const [id, action] of Object.entries(actions)) {
            const button = document.getElementById(id);
            // Never focused, so that Enter stays the game's key rather than
            // pressing the button again.
            button.addEventListener('pointerdown', (event) => event.preventDefault());
            button.addEventListener('click', () => {
                if (ready || id === 'fullscreen')
                    action();
            });
        }
    }

    window.addEventListener('resize', fit);
    document.addEventListener('fullscreenchange', fit);
    fit();
    listenToTheButtons();
    listenForTheFirstGesture();

    // What the page's tests and benchmarks read: the game's state, and when
    // the first frame was shown, in milliseconds since the page was asked for.
    window.groundline = {
        firstFrame: null,
        state: () => (ready ? JSON.parse(Module.UTF8ToString(Module._groundlineState())) : null),
    };

    return {
        arguments: addressOptions(),
        print: (text) => console.log(text),
        printErr: (text) => {
            console.error(text);
            status.textContent = text;
        },
        onAbort: (what) => {
            status.textContent = 'The game stopped: ' + what;
        },
        onRuntimeInitialized: () => {
            ready = true;
            listenToThePointer();
            listenToTheKeys();
        },
        // Called by the game's sound: each effect's file to decode, the
        // voices to start, and whether the sound is on, for the mute button,
        // which a game with no sound does not show.
        decodeSound,
        startVoice,
        showSound: (on) => {
            muteButton.setAttribute('aria-pressed', String(!on));
            if (muteButton.hidden) {
                muteButton.hidden = false;
                fit();
            }
        },
        // Called by the game with each frame: RGBA, every pixel opaque.
        showPicture: (pixels, width, height) => {
            // Made again only when the game's memory has grown and moved.
            if (!image || image.data.buffer !== pixels.buffer ||
                image.data.byteOffset !== pixels.byteOffset) {
                image = new ImageData(
                    new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, width * height * 4),
                    width, height);
            }
            context.putImageData(image, 0, 0);
            if (window.groundline.firstFrame === null) {
                window.groundline.firstFrame = performance.now();
                status.textContent = '';
            }
        },
    };
})();
