#!/usr/bin/python3
"""The terminal's page in a real browser (Chromium headless through WebDriver) on a demo company
served by `pellora serve`.

Usage: page_test.py PELLORA online|offline
  online:  signs in, scans with a typed quantity and an unknown code, sends; `pellora sets`
           lists the set and `pellora import` makes the transfer with its lines.
  offline: the server stops, readings are taken and sent, the tab is closed; the server starts,
           the tab opens again, the answer to its send is lost on the way back, and the set
           arrives exactly once, the reading not yet sent kept.
"""
import http.client
import http.server
import sys
import tempfile
import threading

from terminal_browser import TERMINAL, Company, Keys, Page


class Relay(http.server.ThreadingHTTPServer):
    """The network between the device and the server: it passes requests on, and drops the
    answer to the next set sent when told to (the set is written, the device never hears)."""

    def __init__(self, company):
        self.company, self.drop_next_set_answer = company, False
        super().__init__(('127.0.0.1', 0), RelayRequest)
        threading.Thread(target=self.serve_forever, daemon=True).start()
        self.url = 'http://127.0.0.1:%d/' % self.server_address[1]


class RelayRequest(http.server.BaseHTTPRequestHandler):
    def relay(self):
        body = self.rfile.read(int(self.headers.get('Content-Length', 0)))
        self.close_connection = True
        try:
            server = http.client.HTTPConnection('127.0.0.1', self.server.company.port, timeout=10)
            server.request(self.command, self.path, body, dict(self.headers))
            answer = server.getresponse()
            content = answer.read()
        except OSError:
            return  # the server is down: the device sees the connection close
        if self.command == 'POST' and self.path == '/api/v1/sets' and \
                self.server.drop_next_set_answer:
            self.server.drop_next_set_answer = False
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
    page.open()
    page.sign_in()
    page.choose_transfer()
    assert page.driver.switch_to.active_element == page.find('#codigo')
    page.scan('ARR001')
    page.wait_readings([('ARR001', '1')])
    page.scan('NAO-EXISTE')
    page.notice('NAO-EXISTE não existe')
    assert page.driver.execute_script('return window.beeps') == 1
    page.find('#quantidade').send_keys('5', Keys.ENTER)  # typed before the scan
    page.scan('VIN001')
    page.scan('ARR001')  # the same article again adds to its reading
    page.wait_readings([('ARR001', '2'), ('VIN001', '5')])
    page.find('#enviar').click()
    page.notice('leituras')
    assert page.readings() == []
    [set_id] = company.sets()
    assert page.find('#aviso').text == 'Conjunto %s recebido: 2 leituras.' % set_id
    company.run('import', '--kind', 'transferencia', '--set', set_id)
    lines = company.rows("SELECT ARTIGO, QUANT FROM DOCGCLIN WHERE TPDOCUM = 'TRF' "
                         "ORDER BY ARTIGO")
    assert [line.split() for line in lines] == [['ARR001', '2'], ['VIN001', '5']], lines


def offline(company, page):
    relay = Relay(company)
    page.url = relay.url
    page.open()
    page.sign_in()
    page.choose_transfer()
    page.scan('ARR001')
    page.wait_readings([('ARR001', '1')])
    company.stop()
    page.scan('ARR001')
    page.scan('VIN001')  # never seen by this device: checked by the server when sent
    page.wait_readings([('VIN001', '1'), ('ARR001', '2')])
    page.find('#enviar').click()
    page.notice('Sem ligação')
    page.scan('FEI001')  # the next set, still being read
    page.wait_readings([('FEI001', '1')])
    page.driver.get('about:blank')  # the tab is closed
    company.start()
    relay.drop_next_set_answer = True
    page.open()  # sends at once, hears nothing, sends again
    page.notice('recebido: 2 leituras')
    page.wait_readings([('FEI001', '1')])
    page.open()  # and opened once more: nothing is sent again
    page.wait_readings([('FEI001', '1')])
    assert len(company.sets()) == 1, company.sets()
    readings = company.rows("SELECT Artigo, Quantidade FROM oru_ARM_Picking_Movimentos "
                            "WHERE TerminalId = '%s' ORDER BY Artigo" % TERMINAL)
    assert [line.split() for line in readings] == [['ARR001', '2'], ['VIN001', '1']], readings


def main():
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


main()
