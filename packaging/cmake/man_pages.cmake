# SPDX-License-Identifier: GPL-3.0-or-later
# Install step: the manual pages name the HTML manual where this install puts
# it (the prefix is known only now: `cmake --install --prefix` may change
# it), compressed as Debian keeps them (-n: no name or time in the header,
# so that the packages are reproducible).
# In: csq5_man_pages, csq5_man_src, csq5_man_out, csq5_docdir, csq5_gzip.
if(IS_ABSOLUTE "${csq5_docdir}")
  set(docdir "${csq5_docdir}")
else()
  set(docdir "${CMAKE_INSTALL_PREFIX}/${csq5_docdir}")
endif()
file(MAKE_DIRECTORY "${csq5_man_out}")
foreach(page IN LISTS csq5_man_pages)
  file(READ "${csq5_man_src}/${page}" text)
  string(REPLACE "/usr/share/doc/csq5" "${docdir}" text "${text}")
  file(WRITE "${csq5_man_out}/${page}" "${text}")
  execute_process(COMMAND "${csq5_gzip}" -9nf "${csq5_man_out}/${page}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${csq5_man_out}/${page} failed")
  endif()
endforeach()
