# The documents installed beside the program: the manual page yelduman(1) in
# English and in Turkish, the copyright file (machine-readable, the format
# Debian reads) and the changelog. Debian keeps manual pages and changelogs
# gzipped with -9n: best compression, and no file name or time in the header,
# so the same text always gives the same bytes.

find_program(YELDUMAN_GZIP gzip REQUIRED)

function(yelduman_gzip source gzipped)
  execute_process(COMMAND ${YELDUMAN_GZIP} -9n
                  INPUT_FILE ${source} OUTPUT_FILE ${gzipped}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${source}: ${failed}")
  endif()
endfunction()

# Manual pages: the version and the release date are filled in here.
set(man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
foreach(language en tr)
  configure_file(man/yelduman.${language}.1.in ${man_dir}/${language}/yelduman.1 @ONLY)
  yelduman_gzip(${man_dir}/${language}/yelduman.1 ${man_dir}/${language}/yelduman.1.gz)
endforeach()
install(FILES ${man_dir}/en/yelduman.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${man_dir}/tr/yelduman.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/tr/man1)

# A package whose version has no Debian revision is native, and then its
# changelog is changelog.gz (not changelog.Debian.gz).
yelduman_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
