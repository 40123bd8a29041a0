#!/usr/bin/python3
# The terminal's page in a real browser on a demo company. Usage: page_test.py PELLORA online|offline
import sys

from terminal_browser import TERMINAL, Keys, on_demo

# The network loses the answer to the next set sent: the set is written, the device never hears.
LOSE_ONE_ANSWER = """const send = window.fetch; window.fetch = async (url, options) => {
  const answer = await send(url, options);
  if (url !== '/api/v1/sets' || localStorage.getItem('lost')) return answer;
  localStorage.setItem('lost', '1'); throw new TypeError('Failed to fetch'); };"""


def online(company, page):
    # Scans with a typed quantity and an unknown code, sends; the set's import is the transfer.
    page.begin_transfer()
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
    # Readings sent while the server is down, the tab closed; the tab opened again once the
    # server is back, the answer to its send lost: the set arrives once, the next one kept.
    page.begin_transfer()
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
    page.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': LOSE_ONE_ANSWER})
    page.open()  # sends at once, hears nothing, sends again
    page.notice('recebido: 2 leituras')
    assert page.driver.execute_script("return localStorage.getItem('lost')") == '1'
    page.readings(('FEI001', '1'))
    page.open()  # and opened once more: nothing is sent again
    page.readings(('FEI001', '1'))
    assert len(company.sets()) == 1, company.sets()
    readings = company.rows("SELECT Artigo, Quantidade FROM oru_ARM_Picking_Movimentos "
                            "WHERE TerminalId = '%s' ORDER BY Artigo" % TERMINAL)
    assert readings == [['ARR001', '2'], ['VIN001', '1']], readings


on_demo({'online': online, 'offline': offline}[sys.argv[2]])
