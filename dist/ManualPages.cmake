# Manual pages of the installed executables, written at build time from each
# one's --help so that they cannot drift from it, and the changelog; both
# gzip'd as Debian ships them (-n: no name or time stamp in the header, so
# that a rebuild gives the same bytes).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(MIREL_GZIP gzip REQUIRED)

# The package's version is the project's; a release adds its changelog entry.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog mirel_changelog_head LIMIT_COUNT 1)
if(NOT mirel_changelog_head MATCHES "^mirel \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "dist/changelog starts with \"${mirel_changelog_head}\"; "
                      "its first entry must be version ${PROJECT_VERSION}")
endif()

# The date the pages carry is the release's, from the changelog's first entry.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog mirel_changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" mirel_release_date "${mirel_changelog_trailer}")

set(mirel_man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
set(mirel_man_pages)
set(mirel_man_targets mirel mirel-render)
# mirel_manual_page(TARGET "what it is"): TARGET.1.gz from `TARGET --help`,
# pointing to the other pages.
function(mirel_manual_page target summary)
  set(page ${mirel_man_dir}/${target}.1)
  set(others ${mirel_man_targets})
  list(REMOVE_ITEM others ${target})
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${mirel_man_dir}
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/usage-to-man.py
            $<TARGET_FILE:${target}> ${summary} ${PROJECT_VERSION} ${mirel_release_date} ${page}
            ${others}
    COMMAND ${MIREL_GZIP} -9nf ${page}
    DEPENDS ${target} ${CMAKE_CURRENT_SOURCE_DIR}/usage-to-man.py
    COMMENT "Manual page ${target}(1)"
    VERBATIM)
  set(mirel_man_pages ${mirel_man_pages} ${page}.gz PARENT_SCOPE)
endfunction()

mirel_manual_page(mirel "interactive portrait maker")
mirel_manual_page(mirel-render "draw Mirel's faces into image files")

set(mirel_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_command(
  OUTPUT ${mirel_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/changelog ${mirel_changelog}
  COMMAND ${MIREL_GZIP} -9nf ${mirel_changelog}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/changelog
  VERBATIM)

add_custom_target(mirel_package_docs ALL DEPENDS ${mirel_man_pages} ${mirel_changelog}.gz)

install(FILES ${mirel_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright ${mirel_changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mirel)
