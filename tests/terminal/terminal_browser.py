"""A demo company served to the terminals, and a phone-sized Chromium on its page."""
import re
import socket
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

TERMINAL = 'PDA90'  # a terminal the demo's readings do not name


class Company:
    def __init__(self, pellora, folder):
        self.pellora, self.folder = pellora, folder
        self.run('demo', '--dir', folder)
        self.pin = re.search(r'\b\d{4,}\b', self.run('terminal', 'add', TERMINAL)).group()
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            self.port = probe.getsockname()[1]

    def run(self, *args):
        done = subprocess.run([self.pellora, '--dir', self.folder, '--company', 'DEMO', *args],
                              capture_output=True, text=True)
        assert done.returncode == 0, 'pellora %s: %s%s' % (' '.join(args), done.stdout, done.stderr)
        return done.stdout

    def start(self):
        self.server = subprocess.Popen([self.pellora, '--dir', self.folder, '--company', 'DEMO',
                                        'serve', '--listen', '127.0.0.1:%d' % self.port])
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
        return [line.split()[0] for line in self.run('sets', '--kind', 'T').splitlines()
                if line.startswith(TERMINAL + '|')]

    def rows(self, sql):
        return [line.split() for line in self.run('sql', sql).splitlines()[1:]]


class Page:
    def __init__(self, company):
        self.company = company
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        for argument in ('--headless=new', '--no-sandbox', '--disable-dev-shm-usage',
                         '--window-size=412,915', '--autoplay-policy=no-user-gesture-required'):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)

    def until(self, condition, what):
        WebDriverWait(self.driver, 15).until(lambda d: condition(), what)

    def open(self):
        self.driver.get('http://127.0.0.1:%d/' % self.company.port)
        # Counts the beeps the page makes, through WebAudio as it makes them.
        self.driver.execute_script(
            'window.beeps = 0; const make = AudioContext.prototype.createOscillator;'
            'AudioContext.prototype.createOscillator = function () {'
            ' window.beeps++; return make.call(this); };')

    def find(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def begin_transfer(self):
        """Signs in and begins a transfer from A01 to A02: its lines are the readings as read."""
        self.open()
        self.find('#terminal').send_keys(TERMINAL)
        self.find('#pin').send_keys(self.company.pin, Keys.ENTER)
        self.until(lambda: not self.find('#entrar').is_displayed(), 'signed in')
        self.find('[data-tipo="T"]').click()
        self.until(lambda: len(Select(self.find('#destino')).options) > 1, 'warehouses')
        Select(self.find('#armazem')).select_by_value('A01')
        Select(self.find('#destino')).select_by_value('A02')
        self.find('#comecar').click()
        self.until(lambda: self.find('#ler').is_displayed(), 'reading')

    def scan(self, *codes):
        """A keyboard-wedge scanner: each code and Enter, typed wherever the focus is."""
        for code in codes:
            self.driver.switch_to.active_element.send_keys(code, Keys.ENTER)

    def notice(self, text):
        self.until(lambda: text in self.find('#aviso').text, 'notice: ' + text)

    def readings(self, *expected):
        """Waits for the running list, newest first: (article, quantity) of each reading."""
        script = ("return [...document.querySelectorAll('#leituras li')].map((item) => ["
                  "item.querySelector('.artigo').textContent.split(' ')[0],"
                  "item.querySelector('input').value])")
        self.until(lambda: [tuple(row) for row in self.driver.execute_script(script)] ==
                   list(expected), 'readings %s' % (expected,))


def on_demo(act):
    """Runs act(company, page) on a demo company served to a page, for `pellora` as argument 1."""
    with tempfile.TemporaryDirectory() as folder:
        company = Company(sys.argv[1], folder)
        company.start()
        page = Page(company)
        try:
            act(company, page)
        finally:
            page.driver.quit()
            company.stop()
