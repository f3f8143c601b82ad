# Assembles the installation medium: a folder with Install, its list
# Install.dat and every file the list names, and a .tar.gz of that folder.
#
#   cmake -DPROGRAM=... -DINSTALLER=... -DSYS=data/sys -DSAMPLE=data/sample
#         -DMEDIUM=out/lumocad-medium -DTARBALL=out/lumocad-medium.tar.gz -P make_medium.cmake
#
# On the medium the system files keep their paths below data/sys and the
# samples lie at its top; Install copies the first into <destination>/Sys
# (Parts/ and help/ included) and the samples into <destination>/Sample.
# The system folder's README is for developers and stays behind.

file(REMOVE_RECURSE ${MEDIUM})
file(MAKE_DIRECTORY ${MEDIUM})
file(COPY ${INSTALLER} DESTINATION ${MEDIUM})

set(list "")
file(COPY ${PROGRAM} DESTINATION ${MEDIUM})
get_filename_component(program_name ${PROGRAM} NAME)
string(APPEND list "Sys ${program_name}\n")

file(GLOB_RECURSE system_files RELATIVE ${SYS} ${SYS}/*)
list(SORT system_files)
foreach(file IN LISTS system_files)
  if(file STREQUAL "README.md")
    continue()
  endif()
  if(file MATCHES "[ \t\n]")
    message(FATAL_ERROR "a system file's name holds a blank: ${file}")
  endif()
  get_filename_component(folder ${file} DIRECTORY)
  file(COPY ${SYS}/${file} DESTINATION ${MEDIUM}/${folder})
  string(APPEND list "Sys ${file}\n")
endforeach()

file(GLOB sample_files RELATIVE ${SAMPLE} ${SAMPLE}/*)
list(SORT sample_files)
foreach(file IN LISTS sample_files)
  if(EXISTS ${MEDIUM}/${file})
    message(FATAL_ERROR "a sample has the name of a system file: ${file}")
  endif()
  file(COPY ${SAMPLE}/${file} DESTINATION ${MEDIUM})
  string(APPEND list "Sample ${file}\n")
endforeach()

string(APPEND list "#\n")
file(WRITE ${MEDIUM}/Install.dat "${list}")

get_filename_component(parent ${MEDIUM} DIRECTORY)
get_filename_component(name ${MEDIUM} NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${TARBALL} ${name}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not pack ${TARBALL}")
endif()
