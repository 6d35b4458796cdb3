# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the game folder from SOURCE to TARGET: data/, the sounds and the help page are
# replaced, the player's best.dat and data.dat are copied only where none exist yet.
file(REMOVE_RECURSE ${TARGET}/data)
file(MAKE_DIRECTORY ${TARGET})
file(COPY ${SOURCE}/data DESTINATION ${TARGET})
file(GLOB help_page ${SOURCE}/napoveda*)
foreach(shipped_file top.dat sound.dat about.dat ${help_page})
  get_filename_component(name ${shipped_file} NAME)
  if(EXISTS ${SOURCE}/${name})
    file(COPY ${SOURCE}/${name} DESTINATION ${TARGET})
  endif()
endforeach()
foreach(player_file best.dat data.dat)
  if(EXISTS ${SOURCE}/${player_file} AND NOT EXISTS ${TARGET}/${player_file})
    file(COPY ${SOURCE}/${player_file} DESTINATION ${TARGET})
  endif()
endforeach()
