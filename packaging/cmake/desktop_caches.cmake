# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's caches of installed files, each rebuilt by its own tool from
# the folder it describes: "mime" (file types, shared-mime-info), "desktop"
# (which launcher opens which file type, desktop-file-utils) and "icons"
# (the hicolor icon theme, gtk-update-icon-cache). A missing tool is said
# and passed over: the desktop then finds the files without the cache, only
# later.
function(csq5_update_cache kind folder)
  if(kind STREQUAL "mime")
    set(name update-mime-database)
    set(options "")
  elseif(kind STREQUAL "desktop")
    set(name update-desktop-database)
    set(options -q)
  else()
    # The prefix's hicolor folder has no theme index of its own unless the
    # theme is installed there.
    set(name gtk-update-icon-cache)
    set(options -q -t -f)
  endif()
  find_program(csq5_tool_${kind} ${name})
  if(NOT csq5_tool_${kind})
    message(STATUS "${name} not found: ${folder} is not updated")
    return()
  endif()
  message(STATUS "Updating: ${folder}")
  execute_process(COMMAND ${csq5_tool_${kind}} ${options} "${folder}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(WARNING "${name} ${folder} failed (${result})")
  endif()
endfunction()
