# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Creates an empty records table (four empty names with score 0, Windows-1251,
# CR LF after every line) only when the records file does not exist yet.
if(NOT EXISTS "${RECORDS_FILE}")
  file(WRITE "${RECORDS_FILE}" "\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n")
endif()
