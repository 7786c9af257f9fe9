# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install` after everything else is installed: writes the
# installation log PREFIX/bin/ST6UNST.LOG that uninstall-vantorelle hands to
# PREFIX/lib/vantorelle/ST6UNST.EXE. The log names each file this
# installation wrote, by its path under PREFIX and the SHA-256 of its
# contents, so the uninstaller can tell our files from files changed or put
# there since; and the folders that are ours alone, removed when left empty.
# docs/installation-log.md describes the format.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(log_path "${root}/bin/ST6UNST.LOG")

set(lines "")
set(folders "")
foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  string(LENGTH "${root}/" root_length)
  string(SUBSTRING "${installed}" 0 ${root_length} head)
  if(NOT head STREQUAL "${root}/" OR installed STREQUAL log_path)
    continue()
  endif()
  string(SUBSTRING "${installed}" ${root_length} -1 relative)
  file(SHA256 "${installed}" digest)
  list(APPEND lines "${digest}  ${relative}")
  # Every folder between the file and one of our own top folders is ours.
  foreach(own IN ITEMS share/vantorelle lib/vantorelle)
    string(FIND "${relative}" "${own}/" at)
    if(at EQUAL 0)
      get_filename_component(folder "${relative}" DIRECTORY)
      while(NOT folder STREQUAL own AND NOT folder STREQUAL "")
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
      endwhile()
      list(APPEND folders "${own}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT lines)
list(SORT folders)

set(text "# Vantorelle installation log, read by ST6UNST.EXE.\n")
string(APPEND text "# Paths are under the folder above the one that holds this log.\n")
string(APPEND text "vantorelle-installation-log 1\n")
foreach(line IN LISTS lines)
  string(APPEND text "file ${line}\n")
endforeach()
foreach(folder IN LISTS folders)
  string(APPEND text "folder ${folder}\n")
endforeach()

message(STATUS "Installing: ${log_path}")
file(WRITE "${log_path}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${log_path}")
