# SPDX-License-Identifier: GPL-3.0-or-later
# First step of an install: notes the folders of the install that are not
# there yet and the desktop caches that do not exist yet, so that the
# uninstall can take away exactly what the install added and leave
# everything that was there before.
# In: csq5_install_dirs (folders relative to the prefix), csq5_datadir.
set(csq5_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(csq5_new_dirs "")
foreach(dir IN LISTS csq5_install_dirs)
  set(path "${csq5_root}/${dir}")
  while(NOT IS_DIRECTORY "${path}")
    list(APPEND csq5_new_dirs "${path}")
    get_filename_component(path "${path}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES csq5_new_dirs)

# The caches of the file types, of the launchers' file types and of the
# icons, each with the folder it describes.
set(csq5_data "${csq5_root}/${csq5_datadir}")
set(csq5_caches "mime|${csq5_data}/mime|mime.cache"
                "desktop|${csq5_data}/applications|mimeinfo.cache"
                "icons|${csq5_data}/icons/hicolor|icon-theme.cache")
set(csq5_new_caches "")
foreach(cache IN LISTS csq5_caches)
  string(REPLACE "|" ";" parts "${cache}")
  list(GET parts 1 folder)
  list(GET parts 2 file)
  if(NOT EXISTS "${folder}/${file}")
    list(APPEND csq5_new_caches "${cache}")
  endif()
endforeach()
