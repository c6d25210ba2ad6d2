// The page around the game: it fits the picture and the controls to the
// window, hands the pointer, the buttons and the keys to the game
// (web/main.cpp), shows each frame the game draws and, on a touch screen,
// a control for each thing the game lets the player do now, as the game's
// state says; it plays the voices the game's sound starts (web/WebSound.cpp)
// through Web Audio, and has the page kept for playing offline. Loaded
// before groundline.js, which finds its settings in Module.
'use strict';

var Module = (function () {
    const kCanvasWidth = 320;
    const kCanvasHeight = 240;
    // Between the picture and the controls, as page.css has it.
    const kGap = 8;
    // The least room the touch controls take beside the picture, or under it
    // on a screen held upright: their rows of three at a fingertip's size.
    const kControlsWidth = 208;
    const kControlsHeight = 240;
    // From this many CSS pixels a game pixel, the picture beside a mouse's
    // buttons grows by whole factors only.
    const kWholeFactorsFrom = 4;
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
    const controls = document.getElementById('controls');
    const status = document.getElementById('status');
    const control = (id) => document.getElementById(id);
    const coarsePointer = window.matchMedia('(pointer: coarse)');

    let ready = false;
    let image = null;
    let fastForward = false;
    // What the game last told the page (web/main.cpp's describeGame), and
    // whether the player is being asked to confirm selling.
    let game = {};
    let confirmingSale = false;
    // Whether the pointer now down went down above the ground line.
    let downOnGround = false;
    // What the page says, once the game shows, about the address's options.
    let notice = '';

    // Made when the game hands over its first sound: a game at volume 0 has
    // none. Each effect's decoded sound, and the voices sounding, oldest
    // first.
    let audio = null;
    const sounds = [];
    const voices = [];

    // The picture as large as fits beside the controls, or above them on a
    // touch screen held upright, where it takes the screen's width. It grows
    // by any factor, crisp pixels keeping its edges sharp; with a mouse, from
    // four times its size, by whole factors, whose pixels are all one size,
    // as below four a whole factor would give up too much. A touch screen
    // gives up nothing: its controls took their room already.
    function fit() {
        const touch = coarsePointer.matches;
        const portrait = touch && window.innerHeight > window.innerWidth;
        document.body.classList.toggle('touch', touch);
        document.body.classList.toggle('portrait', portrait);
        let width = window.innerWidth;
        let height = window.innerHeight;
        if (portrait)
            height -= kControlsHeight + kGap;
        else
            width -= (touch ? kControlsWidth : controls.offsetWidth) + kGap;
        const most = Math.max(Math.min(width / kCanvasWidth, height / kCanvasHeight), 0);
        const factor = !touch && most >= kWholeFactorsFrom ? Math.floor(most) : most;
        picture.style.width = kCanvasWidth * factor + 'px';
        picture.style.height = kCanvasHeight * factor + 'px';
    }

    // The game pixel under a pointer event, and whether it lies on the
    // picture at all.
    function gamePoint(event) {
        const box = picture.getBoundingClientRect();
        const x = Math.floor((event.clientX - box.left) * kCanvasWidth / box.width);
        const y = Math.floor((event.clientY - box.top) * kCanvasHeight / box.height);
        const on = x >= 0 && x < kCanvasWidth && y >= 0 && y < kCanvasHeight;
        return [Math.min(Math.max(x, 0), kCanvasWidth - 1),
                Math.min(Math.max(y, 0), kCanvasHeight - 1), on];
    }

    function movePointer(event) {
        const [x, y] = gamePoint(event);
        Module._groundlinePointer(x, y);
        return y;
    }

    // The top of the strip under the ground, where no tower is set down.
    function groundEnd() {
        return game.ground === undefined ? kCanvasHeight : game.ground;
    }

    // Whether the game reads the key, named by its label ("p", "Escape");
    // it then keeps it from the browser.
    function key(label, down) {
        return Module.ccall('groundlineKey', 'number', ['string', 'number'],
                            [label, down ? 1 : 0]) !== 0;
    }

    function tapKey(label) {
        key(label, true);
        key(label, false);
    }

    // A click in the middle of one of the game's rectangles ([x, y, width,
    // height] in game pixels), as the player's would be: the game sees the
    // press in one frame and the release in the next.
    function clickAt([x, y, width, height]) {
        Module._groundlinePointer(x + Math.floor(width / 2), y + Math.floor(height / 2));
        Module._groundlineButton(1, 1);
        Module._groundlineButton(1, 0);
    }

    // A right click, which puts back the tower being placed and drops the
    // selected one wherever the pointer is.
    function rightClick() {
        Module._groundlineButton(2, 1);
        Module._groundlineButton(2, 0);
    }

    function toggleFullscreen() {
        if (document.fullscreenElement)
            document.exitFullscreen();
        else if (document.documentElement.requestFullscreen)
            document.documentElement.requestFullscreen().catch(() => {});
    }

    // Whether a pointer is let go where it means nothing: off the picture,
    // or, for a finger that went down above the ground line, below it, so
    // that a tower dragged off the ground is not set down and placing goes
    // on.
    function liftedOffTheGround(event) {
        const [, y, on] = gamePoint(event);
        return !on || (event.pointerType === 'touch' && downOnGround && y >= groundEnd());
    }

    // Only pointer events reach the game: a tap makes one pointerdown and
    // one pointerup, and the mouse events that the browser makes up after
    // it are never listened to, so they cannot count as a second click. A
    // second finger is not a second pointer: the game has one.
    function listenToThePointer() {
        picture.addEventListener('pointermove', (event) => {
            if (event.isPrimary)
                movePointer(event);
        });
        picture.addEventListener('pointerdown', (event) => {
            event.preventDefault();
            if (!event.isPrimary)
                return;
            picture.setPointerCapture(event.pointerId);
            downOnGround = movePointer(event) < groundEnd();
            if (kButtonBits[event.button])
                Module._groundlineButton(kButtonBits[event.button], 1);
        });
        picture.addEventListener('pointerup', (event) => {
            if (!event.isPrimary || !kButtonBits[event.button])
                return;
            if (liftedOffTheGround(event)) {
                Module._groundlineLetGo();
                return;
            }
            movePointer(event);
            Module._groundlineButton(kButtonBits[event.button], 0);
        });
        // A contact the browser took back, for a gesture of its own, was
        // never meant for the game: it clicks nothing.
        for (const type of ['pointercancel', 'touchcancel'])
            picture.addEventListener(type, () => Module._groundlineLetGo());
        picture.addEventListener('contextmenu', (event) => event.preventDefault());
        // The game's hints name a right click to a mouse and the Cancel
        // button to a finger, whichever touched the page last.
        document.addEventListener('pointerdown', (event) =>
            Module._groundlineTouched(event.pointerType === 'touch' ? 1 : 0), true);
        window.addEventListener('keydown', () => Module._groundlineTouched(0), true);
    }

    // Keys by their label, as the player's keyboard shows them; a key comes
    // up under the label it went down with, though Shift may have changed it
    // in between.
    function listenToTheKeys() {
        const labels = new Map();
        const onKey = (event, down) => {
            // The browser's own shortcuts stay the browser's.
            if (event.ctrlKey || event.metaKey || event.altKey)
                return;
            const label = down || !labels.has(event.code) ? event.key : labels.get(event.code);
            if (down)
                labels.set(event.code, label);
            else
                labels.delete(event.code);
            if (label === 'f' || label === 'F') {
                if (down && !event.repeat)
                    toggleFullscreen();
                event.preventDefault();
                return;
            }
            if (key(label, down))
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
        // A page being closed or left may skip the change of visibility; the
        // game is saved either way.
        window.addEventListener('pagehide', () => Module._groundlineHidden());
    }

    // The address's ?mute, ?volume=N and ?play (or ?play=easy, normal or
    // hard), handed to the game as the command line's --mute, --volume N and
    // --play; a level the game does not have is left out. A volume that is
    // no whole number from 0 to 100 is not handed over: the game plays at
    // its own, and the page says so.
    function addressOptions() {
        const query = new URLSearchParams(window.location.search);
        const options = [];
        if (query.has('mute'))
            options.push('--mute');
        const level = query.get('play');
        if (['easy', 'normal', 'hard'].includes(level))
            options.push(`--play=${level}`);
        else if (level !== null)
            options.push('--play');
        if (query.has('continue'))
            options.push('--continue');
        const volume = query.get('volume');
        if (/^\d{1,3}$/.test(volume) && Number(volume) <= 100)
            options.push('--volume', volume);
        else if (volume !== null)
            notice = 'The volume in the address is a whole number from 0 to 100: ' +
                     'the sound plays at its usual volume.';
        return options;
    }

    // A browser starts no sound before the player's first click, tap or
    // key: the context is asked to go on at each until it does. Voices
    // started before then are never heard, rather than all at once.
    function listenForTheFirstGesture() {
        const wake = () => {
            if (audio && audio.state !== 'running')
                audio.resume().catch(() => {});
            if (window.groundline.firstFrame !== null)
                status.textContent = '';
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

    function setFastForward(on) {
        fastForward = on;
        control('fast').setAttribute('aria-pressed', String(on));
        Module._groundlineFastForward(on ? 1 : 0);
    }

    // Text and a smaller second line, such as a price, on a control.
    function label(button, text, detail) {
        button.textContent = text;
        if (detail) {
            const small = document.createElement('small');
            small.textContent = detail;
            button.append(small);
        }
    }

    // Chooses a tower type as its key does; its pressed control puts the
    // tower back. The tower waits in the middle of the ground for the
    // finger, rather than where the last tap was.
    function build(type) {
        if (game.placing === type) {
            rightClick();
            return;
        }
        Module._groundlinePointer(kCanvasWidth / 2, groundEnd() - 1);
        tapKey(game.build[type].key);
    }

    // One control for each build button of the game's strip.
    function makeBuildControls() {
        const row = control('build');
        while (row.children.length < game.build.length) {
            const type = row.children.length;
            const button = document.createElement('button');
            button.type = 'button';
            button.tabIndex = -1;
            button.addEventListener('pointerdown', (event) => event.preventDefault());
            button.addEventListener('click', () => build(type));
            row.append(button);
        }
    }

    // The controls as the game's state has them: what can be bought, what
    // is being placed or is selected, and the question asked, if any.
    function showControls() {
        // Only a game has anything to build, pause or quit; the title's
        // menu is played by taps on the picture.
        if (document.body.classList.contains('playing') !== (game.build !== undefined)) {
            document.body.classList.toggle('playing');
            fit();
        }
        if (!game.build)
            return;
        makeBuildControls();
        // Paused, the game hears no building, upgrading or selling.
        const playing = !game.paused && game.dialog === 'none';
        game.build.forEach((tower, type) => {
            const button = control('build').children[type];
            label(button, tower.name, `$${tower.price} · ${tower.key}`);
            button.disabled = !playing || (!tower.affordable && game.placing !== type);
            button.setAttribute('aria-pressed', String(game.placing === type));
        });
        const selected = game.selected;
        const topLevel = selected && selected.upgrade === null;
        label(control('upgrade'), topLevel ? 'Top level' : 'Upgrade',
              selected && !topLevel ? `$${selected.upgrade} · U` : '');
        control('upgrade').disabled = !playing || !selected || !selected.canUpgrade;
        label(control('sell'), 'Sell', selected ? `$${selected.sell}` : '');
        control('sell').disabled = !playing || !selected;
        control('cancel').disabled = game.placing < 0 && !selected;
        control('pause').setAttribute('aria-pressed', String(game.paused));

        confirmingSale = confirmingSale && selected !== null && game.dialog === 'none';
        const question = confirmingSale ? `Sell for $${selected.sell}?`
                       : { quit: 'Quit Game?', playAgain: 'Play Again?' }[game.dialog];
        document.body.classList.toggle('asking', question !== undefined);
        control('question').textContent = question || '';
    }

    // Every control's action; each waits for the game, but full screen.
    function listenToTheControls() {
        const actions = {
            upgrade: () => tapKey('u'),
            sell: () => {
                confirmingSale = true;
                showControls();
            },
            cancel: rightClick,
            yes: () => {
                if (confirmingSale)
                    tapKey('Delete');
                else
                    clickAt(game.yes);
                confirmingSale = false;
            },
            no: () => {
                if (confirmingSale)
                    confirmingSale = false;
                else
                    clickAt(game.no);
                showControls();
            },
            pause: () => tapKey('p'),
            fast: () => setFastForward(!fastForward),
            dialog: () => tapKey('Escape'),
            mute: () => tapKey('m'),
            fullscreen: toggleFullscreen,
        };
        for (const [id, action] of Object.entries(actions)) {
            // Never focused, so that Enter stays the game's key rather than
            // pressing the button again.
            control(id).addEventListener('pointerdown', (event) => event.preventDefault());
            control(id).addEventListener('click', () => {
                if (ready || id === 'fullscreen')
                    action();
            });
        }
    }

    // Installable, and kept for playing offline, where the page is served.
    // A page opened from the disk may fetch neither its manifest nor a
    // worker, and needs neither: it is on the machine already.
    function keepForOffline() {
        if (window.location.protocol === 'file:')
            return;
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.append(manifest);
        if ('serviceWorker' in navigator)
            navigator.serviceWorker.register('sw.js').catch(
                (error) => console.warn(`groundline: not kept for offline: ${error}`));
    }

    window.addEventListener('resize', fit);
    document.addEventListener('fullscreenchange', fit);
    coarsePointer.addEventListener('change', fit);
    fit();
    listenToTheControls();
    listenForTheFirstGesture();
    keepForOffline();

    // What the page's tests and benchmarks read: the game's state, and when
    // the first frame was shown, in milliseconds since the page was asked for.
    window.groundline = {
        firstFrame: null,
        state: () => (ready ? JSON.parse(Module.UTF8ToString(Module._groundlineState())) : null),
    };

    const options = addressOptions();
    return {
        arguments: options,
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
            control('mute').setAttribute('aria-pressed', String(!on));
            if (control('mute').hidden) {
                control('mute').hidden = false;
                fit();
            }
        },
        // Called by the game when what its controls would show changes.
        // Fast is let go whenever a dialog opens: play has stopped, and a new
        // game, which only a dialog's answer starts, starts at normal speed.
        showState: (text) => {
            game = JSON.parse(text);
            if (fastForward && game.dialog !== undefined && game.dialog !== 'none')
                setFastForward(false);
            showControls();
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
                status.textContent = notice;
            }
        },
    };
})();
