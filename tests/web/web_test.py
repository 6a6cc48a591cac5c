#!/usr/bin/python3
"""The game in a real browser: headless Chromium, driven by Selenium, plays
the page of `make web` served from 127.0.0.1.

    web_test.py SITE_DIR QUAGMORE_SIM

The canvas is compared with quagmore-sim's `shot` of the same frame: the same
code draws both. Prints the measured first-frame time, transfer size and
frame time at the end."""

import base64
import functools
import gzip
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

SITE, SIM = sys.argv[1], sys.argv[2]
PICTURE = 600
CELL = 50
# A key tapped this long is seen by a frame (frames run at 60 a second).
TAP_SECONDS = 0.05
WAIT_SECONDS = 20
# Level 1's solution, one letter per cell: the push into the water on the way.
LEVEL_1 = 'RDDDDRRRRRRRDDD'
KEYS = {'L': Keys.ARROW_LEFT, 'U': Keys.ARROW_UP, 'R': Keys.ARROW_RIGHT, 'D': Keys.ARROW_DOWN}
MEASURED = {}


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(directory):
    handler = functools.partial(QuietHandler, directory=directory)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def sim_pixels(script, level=None):
    """The picture quagmore-sim shows at the end of the script, as RGB rows."""
    with tempfile.TemporaryDirectory() as scratch:
        shot = os.path.join(scratch, 'shot.bmp')
        command = [SIM] + (['--level', level] if level else [])
        subprocess.run(command, input=script + '\nshot ' + shot + '\n', text=True, check=True,
                       stdout=subprocess.DEVNULL)
        with open(shot, 'rb') as file:
            data = file.read()
    offset = int.from_bytes(data[10:14], 'little')
    width = int.from_bytes(data[18:22], 'little')
    height = int.from_bytes(data[22:26], 'little')
    row_bytes = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height):   # bottom-up, blue green red
        start = offset + (height - 1 - y) * row_bytes
        row = data[start:start + width * 3]
        rows.append(bytes(b for i in range(0, len(row), 3) for b in (row[i + 2], row[i + 1], row[i])))
    return rows


class Page:
    """One browser with a profile of its own (so IndexedDB starts empty)."""

    def __init__(self, base):
        self.base = base
        self.profile = tempfile.mkdtemp(prefix='quagmore-web-')
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--window-size=900,800',
                         '--user-data-dir=' + self.profile):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what):
        end = time.time() + WAIT_SECONDS
        while time.time() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError('timed out waiting for ' + what + '; status: ' + repr(self.status()) +
                             '; box: ' + repr(self.box_text()))

    def open(self, fragment=''):
        # From elsewhere: an address that differs only in its fragment would not load the page again.
        self.driver.get('about:blank')
        self.driver.get(self.base + '/index.html' + fragment)
        return self.wait(lambda: self.js('return window.quagmoreFirstFrameMs'), 'the first frame')

    def status(self):
        return self.js('return document.getElementById("status").textContent')

    def wait_status(self, prefix):
        return self.wait(lambda: self.status().startswith(prefix), 'status ' + prefix)

    def box_text(self):
        return self.js('var box = document.getElementById("box"); return box.open ? box.textContent : null')

    def box_kind(self):
        return self.js('var box = document.getElementById("box"); return box.open ? box.dataset.kind : null')

    def pixels(self):
        """The canvas as RGB rows."""
        encoded = self.js('''
            var canvas = document.getElementById("picture");
            var data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
            var rgb = "";
            for (var i = 0; i < data.length; i += 4)
                rgb += String.fromCharCode(data[i], data[i + 1], data[i + 2]);
            return btoa(rgb);''')
        rgb = base64.b64decode(encoded)
        return [rgb[y * PICTURE * 3:(y + 1) * PICTURE * 3] for y in range(PICTURE)]

    def tap(self, key, hold=TAP_SECONDS):
        ActionChains(self.driver).key_down(key).pause(hold).key_up(key).perform()

    def press_until(self, key, condition, what):
        """Holds the key until the game has seen it: frames may come late on a busy machine."""
        ActionChains(self.driver).key_down(key).perform()
        try:
            self.wait(condition, what)
        finally:
            ActionChains(self.driver).key_up(key).perform()

    def moves(self):
        words = self.status().split()
        return int(words[words.index('Moves') + 1]) if 'Moves' in words else -1

    def walk(self, moves, level):
        """Each arrow is held until its step has begun (the move is counted), so
        every one walks exactly one cell however fast the frames come."""
        for done, move in enumerate(moves, 1):
            ActionChains(self.driver).key_down(KEYS[move]).perform()
            self.wait(lambda: self.moves() >= done or not self.status().startswith(level), 'move %d' % done)
            ActionChains(self.driver).key_up(KEYS[move]).perform()

    def click(self, x, y, right=False):
        canvas = self.driver.find_element(By.ID, 'picture')
        chain = ActionChains(self.driver).move_to_element_with_offset(canvas, x - PICTURE // 2, y - PICTURE // 2)
        (chain.context_click() if right else chain.click()).perform()
        time.sleep(0.25)

    def menu(self, *path):
        """Chooses a menu item by its shown text, through the menus above it."""
        for depth, text in enumerate(path):
            item = self.js('''
                var shown = document.querySelectorAll(arguments[0] ? ".open > .menu > .item" : "#menubar > .top");
                var wanted = arguments[1];
                return Array.from(shown).find(function (item) {
                    return item.querySelector(".label").textContent === wanted;
                });''', depth, text)
            if not item:
                raise AssertionError('no menu item ' + text)
            if depth == 0:
                ActionChains(self.driver).move_to_element(item).click_and_hold().release().perform()
            else:
                ActionChains(self.driver).move_to_element(item).click().perform()
        time.sleep(0.2)

    def drop(self, name, content):
        self.js('''
            var transfer = new DataTransfer();
            transfer.items.add(new File([arguments[1]], arguments[0]));
            document.dispatchEvent(new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));
            ''', name, content)


class WebTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve(SITE)
        cls.page = Page('http://127.0.0.1:%d' % cls.server.server_address[1])

    @classmethod
    def tearDownClass(cls):
        cls.page.close()
        cls.server.shutdown()
        cls.server.server_close()

    def assertPicture(self, expected, what):
        """The canvas comes to show exactly the simulator's picture (frames may come late)."""
        differing = []
        end = time.time() + WAIT_SECONDS
        while time.time() < end:
            shown = self.page.pixels()
            differing = [y for y in range(PICTURE) if shown[y] != expected[y]]
            if not differing:
                return
            time.sleep(0.2)
        self.fail(what + ': rows %s... differ from quagmore-sim\'s shot' % differing[:5])

    def test_1_plays_level_1_and_keeps_the_progress(self):
        page = self.page
        MEASURED['first frame ms after navigation'] = page.open()
        page.wait_status('Level 1')
        self.assertPicture(sim_pixels('run 1'), 'the first frame')
        sounds = page.js('return window.quagmoreSoundCount()')

        page.walk(LEVEL_1, 'Level 1 ')
        page.wait(lambda: page.js('return window.quagmoreSoundCount()') >= sounds + 2, 'splash and applause')
        page.wait_status('Level 2')
        # The splash of the push and the applause of the solve, nothing more.
        self.assertEqual(page.js('return window.quagmoreSoundCount()'), sounds + 2)
        page.wait(lambda: page.js('return QuagmorePage.filesSaved()'), 'the progress kept')
        MEASURED['frame ms (median of the last 600)'] = page.js('return window.quagmoreFrameMs()')

        page.open()
        page.wait_status('Level 2')
        page.menu('File', 'Levels', 'Level 1')
        page.wait_status('Level 1')

    def test_2_editor_help_and_a_bad_drop(self):
        page = self.page
        page.open()
        page.wait_status('Level')
        page.press_until(Keys.F1, lambda: page.box_kind() == 'help', 'the help panel')
        self.assertIn('Paused', page.status())
        page.tap(Keys.ESCAPE)
        page.wait(lambda: page.box_kind() is None, 'the help panel to close')
        page.wait(lambda: 'Paused' not in page.status(), 'the game to go on')

        level = page.status().split()[1]
        page.drop('bad.txt', 'no level at all')
        text = page.wait(page.box_text, 'the message')
        self.assertIn('bad.txt', text)
        page.tap(Keys.ENTER)
        page.wait(lambda: page.box_kind() is None, 'the message to close')
        page.wait_status('Level ' + level)

        # The editor: a click on cell (5, 5) makes its water land, as in the simulator.
        page.press_until('d', lambda: page.status().startswith('Editor'), 'the editor')
        page.click(5 * CELL + 25, 5 * CELL + 25)
        self.assertPicture(sim_pixels('hold d\nrun 2\nhold\nclick left 275 275\nrun 60'), 'the editor after a click')

    def test_3_shares_a_board_as_a_link(self):
        page = self.page
        page.open()
        page.wait_status('Level')
        page.press_until('d', lambda: page.status().startswith('Editor'), 'the editor')
        # A start at (0, 0), an exit at (1, 0): land, then the right button's cycle.
        page.click(25, 25)
        for _ in range(3):
            page.click(25, 25, right=True)
        page.click(75, 25)
        for _ in range(2):
            page.click(75, 25, right=True)
        page.menu('File', 'Share level')
        page.wait(lambda: page.box_kind() == 'share', 'the share box')
        address = page.js('return location.href')
        fragment = address[address.index('#'):]
        self.assertEqual(len(fragment), len('#level=') + 192, fragment)
        self.assertIn(address, page.js('return document.querySelector("#box input").value'))
        page.tap(Keys.ESCAPE)

        page.open(fragment)
        page.wait_status('Shared level')
        self.assertPicture(sim_pixels('run 1', level=fragment), 'the shared board')

        page.driver.get('about:blank')
        page.driver.get(page.base + '/index.html' + fragment[:-3])
        text = page.wait(page.box_text, 'the damaged link\'s message')
        self.assertIn('the link is damaged', text)


def transfer_size(site):
    """Bytes of page, script, wasm and data, each compressed with gzip -9."""
    total = 0
    for name in ('index.html', 'quagmore_page.js', 'quagmore.js', 'quagmore.wasm', 'quagmore.data'):
        with open(os.path.join(site, name), 'rb') as file:
            total += len(gzip.compress(file.read(), 9))
    return total


if __name__ == '__main__':
    result = unittest.main(argv=[sys.argv[0], '-v'], exit=False).result
    MEASURED['transfer bytes (gzip -9)'] = transfer_size(SITE)
    for name, value in MEASURED.items():
        print('web: %s: %s' % (name, value))
    sys.exit(0 if result.wasSuccessful() else 1)
