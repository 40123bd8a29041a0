"""A demo company served to the terminals and a phone-sized Chromium on its page, for the
browser test and the page's screenshot."""
import os
import re
import socket
import subprocess
import sys
import time

CHROMIUM, CHROMEDRIVER = '/usr/bin/chromium', '/usr/bin/chromedriver'
if not os.path.exists(CHROMIUM) or not os.path.exists(CHROMEDRIVER):
    sys.exit('Chromium or chromedriver is not installed: scripts/install-deps installs chromium, '
             'chromium-driver and python3-selenium.')

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

TERMINAL = 'PDA90'  # a terminal the demo's readings do not name


class Company:
    """A demo company, a registered terminal and the server on a free loopback port."""

    def __init__(self, pellora, folder):
        self.pellora, self.folder = pellora, folder
        self.run('demo', '--dir', folder)
        self.pin = re.search(r'\b\d{4,}\b', self.run('terminal', 'add', TERMINAL)).group()
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            self.port = probe.getsockname()[1]
        self.url = 'http://127.0.0.1:%d/' % self.port
        self.server = None

    def run(self, *args):
        done = subprocess.run([self.pellora, '--dir', self.folder, '--company', 'DEMO', *args],
                              capture_output=True, text=True)
        assert done.returncode == 0, 'pellora %s: %s%s' % (' '.join(args), done.stdout, done.stderr)
        return done.stdout

    def start(self):
        self.server = subprocess.Popen([self.pellora, '--dir', self.folder, '--company', 'DEMO', 'serve',
                                        '--listen', '127.0.0.1:%d' % self.port])
        for _ in range(100):
            with socket.socket() as probe:
                if probe.connect_ex(('127.0.0.1', self.port)) == 0:
                    return
            time.sleep(0.1)
        raise AssertionError('pellora serve did not listen')

    def stop(self):
        self.server.terminate()
        assert self.server.wait(10) == 0, 'pellora serve did not stop cleanly'

    def sets(self):
        """The terminal's pending sets, as `pellora sets` lists them."""
        return [line.split()[0] for line in self.run('sets', '--kind', 'T').splitlines()
                if line.startswith(TERMINAL + '|')]

    def rows(self, sql):
        return self.run('sql', sql).splitlines()[1:]


class Page:
    def __init__(self, company):
        self.company, self.url = company, company.url
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ('--headless=new', '--no-sandbox', '--disable-dev-shm-usage',
                         '--window-size=412,915', '--autoplay-policy=no-user-gesture-required'):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER),
                                       options=options)
        self.wait = WebDriverWait(self.driver, 15)

    def open(self):
        self.driver.get(self.url)
        # Counts the beeps the page makes, through WebAudio as it makes them.
        self.driver.execute_script(
            'window.beeps = 0; const make = AudioContext.prototype.createOscillator;'
            'AudioContext.prototype.createOscillator = function () {'
            ' window.beeps++; return make.call(this); };')

    def find(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def sign_in(self):
        self.find('#terminal').send_keys(TERMINAL)
        self.find('#pin').send_keys(self.company.pin, Keys.ENTER)
        self.wait.until(lambda d: not self.find('#entrar').is_displayed())

    def choose_transfer(self):
        """A transfer from A01 to A02: its document's lines are the readings as they are."""
        self.find('[data-tipo="T"]').click()
        self.wait.until(lambda d: len(Select(self.find('#destino')).options) > 1)
        Select(self.find('#armazem')).select_by_value('A01')
        Select(self.find('#destino')).select_by_value('A02')
        self.find('#comecar').click()
        self.wait.until(lambda d: self.find('#ler').is_displayed())

    def scan(self, code):
        """A keyboard-wedge scanner: the code and Enter, typed wherever the focus is."""
        self.driver.switch_to.active_element.send_keys(code, Keys.ENTER)

    def notice(self, text):
        self.wait.until(lambda d: text in self.find('#aviso').text, 'notice: ' + text)

    def readings(self):
        """The running list, newest first: (article, quantity) of each reading."""
        return [tuple(row) for row in self.driver.execute_script(
            "return [...document.querySelectorAll('#leituras li')].map((item) => ["
            "item.querySelector('.artigo').textContent.split(' ')[0],"
            "item.querySelector('input').value])")]

    def wait_readings(self, expected):
        self.wait.until(lambda d: self.readings() == expected, 'readings %s' % expected)
