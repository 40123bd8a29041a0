#!/usr/bin/python3
# The terminal's page as a phone shows it in the middle of a transfer. Usage: PELLORA FILE.png
import sys

from terminal_browser import Keys, on_demo


def middle_of_a_transfer(company, page):
    page.begin_transfer()
    page.scan('ARR001')
    page.find('#quantidade').send_keys('6', Keys.ENTER)
    page.scan('VIN001', 'FEI001', 'ARR001')
    page.readings(('ARR001', '2'), ('FEI001', '1'), ('VIN001', '6'))
    page.driver.save_screenshot(sys.argv[2])


on_demo(middle_of_a_transfer)
