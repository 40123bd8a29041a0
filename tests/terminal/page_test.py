#!/usr/bin/python3
"""The terminal's page in a real browser (Chromium headless through WebDriver) on a demo company
served by `pellora serve`. Usage: page_test.py PELLORA online|offline"""
import http.client
import http.server
import sys
import tempfile
import threading

from terminal_browser import TERMINAL, Company, Keys, Page


class Relay(http.server.BaseHTTPRequestHandler):
    """The network between the device and the server: it passes requests on, and drops the
    answer to the next set sent when told to (the set is written, the device never hears)."""
    drop_next_set_answer = False

    def relay(self):
        body = self.rfile.read(int(self.headers.get('Content-Length', 0)))
        self.close_connection = True
        try:
            server = http.client.HTTPConnection('127.0.0.1', self.server.port, timeout=10)
            server.request(self.command, self.path, body, dict(self.headers))
            answer = server.getresponse()
            content = answer.read()
        except OSError:
            return  # the server is down: the device sees the connection close
        if self.path == '/api/v1/sets' and Relay.drop_next_set_answer:
            Relay.drop_next_set_answer = False
            return
        self.send_response(answer.status)
        for name, value in answer.getheaders():
            if name.lower() not in ('connection', 'transfer-encoding', 'content-length'):
                self.send_header(name, value)
        self.send_header('Content-Length', str(len(content)))
        self.end_headers()
        self.wfile.write(content)

    do_GET = do_POST = do_DELETE = relay

    def log_message(self, *args):
        pass


def online(company, page):
    """Scans with a typed quantity and an unknown code, sends; `pellora import` makes the
    transfer with the set's lines."""
    page.open()
    page.sign_in()
    page.choose_transfer()
    assert page.driver.switch_to.active_element == page.find('#codigo')
    page.scan('ARR001')
    page.readings(('ARR001', '1'))
    page.scan('NAO-EXISTE')
    page.notice('NAO-EXISTE não existe')
    assert page.driver.execute_script('return window.beeps') == 1
    page.find('#quantidade').send_keys('5', Keys.ENTER)  # typed before the scan
    page.scan('VIN001', 'ARR001')  # the same article again adds to its reading
    page.readings(('ARR001', '2'), ('VIN001', '5'))
    page.find('#enviar').click()
    page.notice('leituras')
    page.readings()
    [set_id] = company.sets()
    assert page.find('#aviso').text == 'Conjunto %s recebido: 2 leituras.' % set_id
    company.run('import', '--kind', 'transferencia', '--set', set_id)
    lines = company.rows("SELECT ARTIGO, QUANT FROM DOCGCLIN WHERE TPDOCUM = 'TRF' ORDER BY 1")
    assert lines == [['ARR001', '2'], ['VIN001', '5']], lines


def offline(company, page):
    """Readings sent while the server is down, the tab closed; the tab opened again once the
    server is back, the answer to its send lost: the set arrives once, the next one kept."""
    relay = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Relay)
    relay.port = company.port
    threading.Thread(target=relay.serve_forever, daemon=True).start()
    page.url = 'http://127.0.0.1:%d/' % relay.server_address[1]
    page.open()
    page.sign_in()
    page.choose_transfer()
    page.scan('ARR001')
    page.readings(('ARR001', '1'))
    company.stop()
    page.scan('ARR001', 'VIN001')  # VIN001 never seen by this device: checked when sent
    page.readings(('VIN001', '1'), ('ARR001', '2'))
    page.find('#enviar').click()
    page.notice('Sem ligação')
    page.scan('FEI001')  # the next set, still being read
    page.readings(('FEI001', '1'))
    page.driver.get('about:blank')  # the tab is closed
    company.start()
    Relay.drop_next_set_answer = True
    page.open()  # sends at once, hears nothing, sends again
    page.notice('recebido: 2 leituras')
    page.readings(('FEI001', '1'))
    page.open()  # and opened once more: nothing is sent again
    page.readings(('FEI001', '1'))
    assert len(company.sets()) == 1, company.sets()
    readings = company.rows("SELECT Artigo, Quantidade FROM oru_ARM_Picking_Movimentos "
                            "WHERE TerminalId = '%s' ORDER BY Artigo" % TERMINAL)
    assert readings == [['ARR001', '2'], ['VIN001', '1']], readings


with tempfile.TemporaryDirectory() as folder:
    company = Company(sys.argv[1], folder)
    company.start()
    page = Page(company)
    try:
        {'online': online, 'offline': offline}[sys.argv[2]](company, page)
    finally:
        page.driver.quit()
        if company.server.poll() is None:
            company.stop()
