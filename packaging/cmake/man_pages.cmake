# SPDX-License-Identifier: GPL-3.0-or-later
# Install step: the manual pages name the HTML manual where this install puts
# it (the prefix is known only now: `cmake --install --prefix` may change
# it), compressed as Debian keeps them (-n: no name or time in the header,
# so that the packages are reproducible). They are made in their place, not
# in the build folder, which an install as root would leave with files its
# owner cannot replace.
# In: csq5_man_pages, csq5_man_src, csq5_mandir, csq5_docdir, csq5_gzip.
foreach(dir docdir mandir)
  if(IS_ABSOLUTE "${csq5_${dir}}")
    set(${dir} "${csq5_${dir}}")
  else()
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${csq5_${dir}}")
  endif()
endforeach()
set(out "$ENV{DESTDIR}${mandir}/man1")
file(MAKE_DIRECTORY "${out}")
foreach(page IN LISTS csq5_man_pages)
  message(STATUS "Installing: ${out}/${page}.gz")
  file(READ "${csq5_man_src}/${page}" text)
  string(REPLACE "/usr/share/doc/csq5" "${docdir}" text "${text}")
  file(WRITE "${out}/${page}" "${text}")
  execute_process(COMMAND "${csq5_gzip}" -9nf "${out}/${page}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${out}/${page} failed")
  endif()
  # Readable by all whatever the installing shell's umask, as install() does.
  file(CHMOD "${out}/${page}.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${out}/${page}.gz")
endforeach()
