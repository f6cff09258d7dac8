# SPDX-License-Identifier: GPL-3.0-or-later
# Last step of an install. Into the running system (no DESTDIR: a package
# build stages its files there and leaves the caches to the package's own
# triggers), the desktop caches are brought up to date at once, so that
# .acf files open with CS-Q5 and its launcher shows its icon without waiting
# for another program's install; then the uninstall record is written.
# In: what install_begin.cmake set, csq5_record (the record's path).
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
include("${CMAKE_CURRENT_LIST_DIR}/desktop_caches.cmake")
foreach(cache IN LISTS csq5_caches)
  string(REPLACE "|" ";" parts "${cache}")
  list(GET parts 0 kind)
  list(GET parts 1 folder)
  csq5_update_cache(${kind} "${folder}")
endforeach()

# The record: the files installed (the build folder's install_manifest.txt
# is no safe list: every package build from the folder writes its own over
# it), the caches the install created and the folders it created, deepest
# first.
set(record "")
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  string(APPEND record "file|${file}\n")
endforeach()
foreach(cache IN LISTS csq5_caches)
  list(FIND csq5_new_caches "${cache}" index)
  if(index GREATER -1)
    string(APPEND record "new|${cache}\n")
  else()
    string(APPEND record "old|${cache}\n")
  endif()
endforeach()
list(SORT csq5_new_dirs ORDER DESCENDING)
foreach(dir IN LISTS csq5_new_dirs)
  string(APPEND record "dir|${dir}\n")
endforeach()
file(WRITE "${csq5_record}" "${record}")
