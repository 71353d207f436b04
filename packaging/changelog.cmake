# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# debian/changelog is the one record of releases: the version of the newest
# entry, its day for the manual pages and the credit line, and every entry as
# a software-centre release all come from it.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog righe_changelog
     REGEX "^(contaperle \\(| -- )")
set(CONTAPERLE_RELEASES "")
set(mesi Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
foreach(riga IN LISTS righe_changelog)
  if(riga MATCHES "^contaperle \\(([0-9.]+)\\)")
    set(versione ${CMAKE_MATCH_1})
    if(NOT DEFINED CONTAPERLE_VERSION)
      set(CONTAPERLE_VERSION ${versione})
    endif()
  elseif(riga MATCHES ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ")
    set(anno ${CMAKE_MATCH_3})
    math(EXPR giorno "100 + ${CMAKE_MATCH_1}")
    list(FIND mesi ${CMAKE_MATCH_2} mese)
    math(EXPR mese "101 + ${mese}")
    string(SUBSTRING ${mese} 1 2 mese)
    string(SUBSTRING ${giorno} 1 2 giorno)
    set(giorno ${anno}-${mese}-${giorno})
    if(NOT DEFINED CONTAPERLE_RELEASE_DATE)
      set(CONTAPERLE_RELEASE_DATE ${giorno})
    endif()
    string(APPEND CONTAPERLE_RELEASES
           "    <release version=\"${versione}\" date=\"${giorno}\"/>\n")
  endif()
endforeach()
if(NOT CONTAPERLE_VERSION OR NOT CONTAPERLE_RELEASE_DATE)
  message(FATAL_ERROR "debian/changelog: no version or date in its newest entry")
endif()
string(STRIP "${CONTAPERLE_RELEASES}" CONTAPERLE_RELEASES)
