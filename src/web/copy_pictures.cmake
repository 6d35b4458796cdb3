# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the page's pictures (FROM) into the site (TO); without them the page shows its
# screens without pictures, and says so at build time.
if(FROM STREQUAL "" OR NOT IS_DIRECTORY "${FROM}")
  message(WARNING "No pictures for the page (VELMORAN_WEB_PICTURES): tools/build-web.sh draws them")
  return()
endif()
file(MAKE_DIRECTORY "${TO}")
file(GLOB pictures "${FROM}/*")
file(COPY ${pictures} DESTINATION "${TO}")
